// The GUI pump's Qt object: its timer and the filter that catches the timer's ticks.
#pragma once

#include <QObject>

class QTimer;

namespace VesperonBase {

// Lives on the GUI thread: owns the pump's zero-interval timer, filters the application's
// events to catch its ticks and restarts the timer on a wake-up event.
class MsgQObject : public QObject
{
public:
    MsgQObject();
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    QTimer* GetTimer() const { return m_pTimer; }

private:
    QTimer* m_pTimer;  // child of this object
};

}  // namespace VesperonBase
