#include "base/msg_qobject.h"

#include "base/message_control_qt.h"
#include "base/message_loop.h"
#include "base/message_loop_manager.h"

#include <QEvent>
#include <QTimer>
#include <QTimerEvent>

namespace VesperonBase {

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

}  // namespace VesperonBase
