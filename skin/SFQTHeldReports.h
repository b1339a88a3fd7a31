// Holds a control's notifications while the toolkit works on the control, and sends them, in
// the order they arose, once the toolkit is done with it. A toolkit widget goes on touching
// itself after it emits a change (it redraws its text, selects it, restarts its timers), so an
// owner that deletes the control from inside a notification sent from there would leave the
// toolkit working on freed memory. Sent at the end of the outermost hold, the notification is
// the last thing that touches the control:
//
//     bool CMyCtrl::event(QEvent* e)
//     {
//         const CSFQTHeldReports::Hold hold(m_reports);
//         return QSpinBox::event(e);  // changes are reported as the hold ends
//     }
//     void CMyCtrl::OnValueChanged(int v) { m_reports.Send([this, v] { m_pSink->OnChanged(v); }); }
//
// Sending stops as soon as one report has deleted the control.
#pragma once

#include "skin/SFQTDeleteGuard.h"

#include <deque>
#include <functional>

class CSFQTHeldReports
{
public:
    explicit CSFQTHeldReports(QObject* control) : m_control(control) {}
    CSFQTHeldReports(const CSFQTHeldReports&) = delete;
    CSFQTHeldReports& operator=(const CSFQTHeldReports&) = delete;

    // Sends the report at once when no hold is open, else keeps it for the end of the
    // outermost hold.
    void Send(std::function<void()> report);

    // While one lives, reports wait. Made on the stack of an event handler or facade call of
    // the control, around the toolkit's work; holds nest.
    class Hold
    {
    public:
        explicit Hold(CSFQTHeldReports& reports);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        CSFQTHeldReports& m_reports;
        CSFQTDeleteGuard m_guard;  // the queue goes with the control
    };

private:
    QObject* m_control;
    int m_nHolds = 0;
    std::deque<std::function<void()>> m_pending;
};
