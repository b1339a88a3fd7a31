#include "base/message_loop.h"

#include "base/compat/sf_winapi.h"

#include <boost/make_shared.hpp>

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimer>
#include <QTimerEvent>

#include <chrono>

namespace VesperonBase {

namespace {

// Reserves the wake-up type once per process.
void ReserveWakeupEvent()
{
    static const int reserved = QEvent::registerEventType(SF_MSG_WAKEUP_EVENT);
    Q_ASSERT(reserved == SF_MSG_WAKEUP_EVENT);
    (void)reserved;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Pump base

CSFMessageControl::CSFMessageControl(const boost::weak_ptr<CDelegate>& delegate) : m_pDelegate(delegate) {}

CSFMessageControl::~CSFMessageControl() = default;

void CSFMessageControl::ScheduleDelayedWork() {}

// ---------------------------------------------------------------------------------------
// Worker pump

CSFMessageControl_Default::CSFMessageControl_Default(const boost::weak_ptr<CDelegate>& delegate)
    : CSFMessageControl(delegate),
      m_bRunning(1)
{
    m_event.Create(TRUE, TRUE);
}

CSFMessageControl_Default::~CSFMessageControl_Default() { m_event.Close(); }

void CSFMessageControl_Default::Run()
{
    if (m_pDelegate.expired())
        return;
    while (m_bRunning) {
        {
            boost::shared_ptr<CDelegate> delegate = m_pDelegate.lock();
            if (!delegate)
                return;
            if (delegate->DoWork()) {
                sfwin::Sleep(5);
                continue;
            }
            if (delegate->DoIdleWork()) {
                sfwin::Sleep(5);
                continue;
            }
            // Reset only while nothing waits, under the same lock ScheduleWork sets it
            // under: a post after the test leaves the event set and the wait falls through.
            SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
            if (delegate->IsIdle())
                m_event.Reset();
        }
        m_event.Wait(INFINITE);
    }
}

void CSFMessageControl_Default::ScheduleWork()
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    m_event.Set();
}

void CSFMessageControl_Default::Quit()
{
    m_bRunning = 0;
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    m_event.Set();
}

void CSFMessageControl_Default::ScheduleDelayedWork() { ScheduleWork(); }

// ---------------------------------------------------------------------------------------
// GUI pump

MsgQObject::MsgQObject() : m_pTimer(new QTimer(this)) {}

bool MsgQObject::event(QEvent* e)
{
    if (e->type() == QEvent::Type(SF_MSG_WAKEUP_EVENT)) {
        if (!m_pTimer->isActive())
            m_pTimer->start(0);
        return false;
    }
    return QObject::event(e);
}

bool MsgQObject::eventFilter(QObject* watched, QEvent* e)
{
    (void)watched;
    if (e->type() != QEvent::Timer)
        return false;
    if (static_cast<QTimerEvent*>(e)->timerId() != m_pTimer->timerId())
        return false;
    CSFMessageLoopPtr loop = CSFMessageLoopManager::GetInstance()->GetMessageLoop(ML_MAIN);
    if (!loop)
        return false;
    boost::shared_ptr<CSFMessageControl_Qt> pump =
        boost::dynamic_pointer_cast<CSFMessageControl_Qt>(loop->GetMessageControl());
    if (!pump)
        return false;  // loop 1 without a GUI pump would block this thread
    pump->Run();
    return true;
}

CSFMessageControl_Qt::CSFMessageControl_Qt(const boost::weak_ptr<CDelegate>& delegate)
    : CSFMessageControl(delegate),
      m_pMsgObject(nullptr)
{
    ReserveWakeupEvent();
    m_pMsgObject = new MsgQObject();
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(m_pMsgObject);
    m_pMsgObject->GetTimer()->start(0);
}

CSFMessageControl_Qt::~CSFMessageControl_Qt()
{
    MsgQObject* obj = m_pMsgObject;
    m_pMsgObject = nullptr;
    // The timer goes with the object, and deleting the object also takes it off the
    // application's filters. Off the GUI thread leave that to the object's own thread.
    if (obj->thread() == QThread::currentThread()) {
        obj->GetTimer()->stop();
        delete obj;
    } else {
        obj->deleteLater();
    }
}

void CSFMessageControl_Qt::Run()
{
    boost::shared_ptr<CDelegate> delegate = m_pDelegate.lock();
    if (!delegate)
        return;
    if (delegate->DoWork())
        return;
    if (delegate->DoIdleWork())
        return;
    m_pMsgObject->GetTimer()->stop();
}

void CSFMessageControl_Qt::ScheduleWork()
{
    QCoreApplication::postEvent(m_pMsgObject, new QEvent(QEvent::Type(SF_MSG_WAKEUP_EVENT)));
}

void CSFMessageControl_Qt::Quit()
{
    QTimer* timer = m_pMsgObject->GetTimer();
    if (timer->thread() == QThread::currentThread())
        timer->stop();
    else
        QMetaObject::invokeMethod(timer, "stop", Qt::QueuedConnection);
}

void CSFMessageControl_Qt::ScheduleDelayedWork() { ScheduleWork(); }

int CSFMessageControl_Qt::IsTimerActive() const { return m_pMsgObject->GetTimer()->isActive() ? 1 : 0; }

QTimer* CSFMessageControl_Qt::GetTimer() const { return m_pMsgObject->GetTimer(); }

// ---------------------------------------------------------------------------------------
// Thread handle

void CThreadHandle::MarkEnded()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bEnded = true;
    m_cond.notify_all();
}

int CThreadHandle::Wait(DWORD dwMilliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (dwMilliseconds == INFINITE) {
        m_cond.wait(lock, [this] { return m_bEnded; });
        return 0;
    }
    return m_cond.wait_for(lock, std::chrono::milliseconds(dwMilliseconds), [this] { return m_bEnded; })
               ? 0
               : static_cast<int>(WAIT_TIMEOUT);
}

// ---------------------------------------------------------------------------------------
// Loop

CSFMessageLoop::CSFMessageLoop() : m_dwThreadId(0) {}

CSFMessageLoop::~CSFMessageLoop() = default;

void CSFMessageLoop::Run()
{
    boost::shared_ptr<CSFMessageControl> control = m_pControl;
    if (control)
        control->Run();
}

void CSFMessageLoop::QuitAndWait()
{
    if (m_pControl)
        m_pControl->Quit();
    boost::shared_ptr<CThreadHandle> handle;
    {
        std::lock_guard<std::mutex> lock(m_handleMutex);
        handle = m_pThreadHandle;
    }
    if (handle && sfwin::GetCurrentThreadId() != m_dwThreadId)
        handle->Wait(INFINITE);
}

int CSFMessageLoop::DoWork() { return m_queue.DoWork(); }

int CSFMessageLoop::DoDelayedWork() { return 0; }

int CSFMessageLoop::DoIdleWork() { return m_idleQueue.DoWork(); }

int CSFMessageLoop::IsIdle() { return m_queue.IsIncomingEmpty() && m_idleQueue.IsIncomingEmpty() ? 1 : 0; }

void CSFMessageLoop::PostTask(const CSFTaskPtr& task)
{
    if (!task)
        return;
    m_queue.Push(task);
    if (m_pControl)
        m_pControl->ScheduleWork();
}

void CSFMessageLoop::PostIdleTask(const CSFTaskPtr& task)
{
    if (!task)
        return;
    m_idleQueue.Push(task);
    if (m_pControl)
        m_pControl->ScheduleWork();
}

void CSFMessageLoop::SetThreadId(DWORD id) { m_dwThreadId = id; }

DWORD CSFMessageLoop::GetThreadId() const { return m_dwThreadId; }

void CSFMessageLoop::SetThreadHandle(const boost::shared_ptr<CThreadHandle>& handle)
{
    std::lock_guard<std::mutex> lock(m_handleMutex);
    m_pThreadHandle = handle;
}

boost::shared_ptr<CSFMessageControl> CSFMessageLoop::GetMessageControl() const { return m_pControl; }

CSFMessageLoopPtr CreateMessageLoop(int type)
{
    if (type != SF_LOOP_QT && type != SF_LOOP_DEFAULT)
        return CSFMessageLoopPtr();
    if (type == SF_LOOP_QT) {
        // The timer and the filter only work on the application's own thread.
        QCoreApplication* app = QCoreApplication::instance();
        if (app == nullptr || app->thread() != QThread::currentThread())
            return CSFMessageLoopPtr();
    }
    CSFMessageLoopPtr loop = boost::make_shared<CSFMessageLoop>();
    boost::weak_ptr<CSFMessageControl::CDelegate> delegate(loop);
    if (type == SF_LOOP_QT)
        loop->m_pControl = boost::make_shared<CSFMessageControl_Qt>(delegate);
    else
        loop->m_pControl = boost::make_shared<CSFMessageControl_Default>(delegate);
    return loop;
}

// ---------------------------------------------------------------------------------------
// Manager

boost::shared_ptr<CSFMessageLoopManager> CSFMessageLoopManager::GetInstance()
{
    static boost::shared_ptr<CSFMessageLoopManager> instance = boost::make_shared<CSFMessageLoopManager>();
    return instance;
}

void CSFMessageLoopManager::RegisterMessageLoop(const CSFMessageLoopPtr& loop, int id)
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    m_loops.erase(id);
    m_loops[id] = loop;
}

CSFMessageLoopPtr CSFMessageLoopManager::GetMessageLoop(int id)
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    return m_loops[id];
}

void CSFMessageLoopManager::Clear()
{
    std::map<int, CSFMessageLoopPtr> loops;
    {
        SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
        loops.swap(m_loops);
    }
    // The loops go here, outside the lock: a pump's teardown may look the manager up.
}

std::size_t CSFMessageLoopManager::GetCount()
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    return m_loops.size();
}

}  // namespace VesperonBase
