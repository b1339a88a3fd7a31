// The GUI pump: a zero-interval Qt timer runs one task per tick and stops when nothing
// waits; a posted wake-up event restarts it.
#pragma once

#include "base/message_control.h"

class QTimer;

namespace VesperonBase {

// Event type that wakes the GUI pump, reserved with Qt when the first GUI pump is made.
constexpr int SF_MSG_WAKEUP_EVENT = 9393;

class MsgQObject;

// GUI pump. Create it on the application's thread once the application object exists.
// Each tick of its timer runs one pass of loop 1's pump (the loop registered as ML_MAIN).
class CSFMessageControl_Qt : public CSFMessageControl
{
public:
    explicit CSFMessageControl_Qt(const boost::weak_ptr<CDelegate>& delegate);
    ~CSFMessageControl_Qt() override;

    // One pass: one normal task, else one idle task, else stop the timer.
    void Run() override;
    void ScheduleWork() override;  // any thread: posts the wake-up event
    void Quit() override;
    void ScheduleDelayedWork() override;

    int IsTimerActive() const;
    QTimer* GetTimer() const;
    MsgQObject* GetMsgObject() const { return m_pMsgObject; }

private:
    MsgQObject* m_pMsgObject;
};

}  // namespace VesperonBase
