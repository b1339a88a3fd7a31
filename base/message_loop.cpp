#include "base/message_loop.h"

#include "base/compat/sf_winapi.h"
#include "base/message_control_default.h"
#include "base/message_control_qt.h"
#include "base/thread_handle.h"

#include <boost/make_shared.hpp>

#include <QCoreApplication>
#include <QThread>

namespace VesperonBase {

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

}  // namespace VesperonBase
