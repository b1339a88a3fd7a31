#include "base/message_control_qt.h"

#include "base/msg_qobject.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimer>

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

}  // namespace VesperonBase
