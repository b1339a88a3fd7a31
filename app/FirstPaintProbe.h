// The start-up probe of the program's probe build: main.cpp built again with
// TESSALY_STARTUP_PROBE naming one of the modes below. Only the start-up benchmark and the
// start-up tests run that build; the shipped program carries none of this.
#pragma once

#include <QObject>
#include <QPointer>

class QEvent;
class QWidget;

class CFirstPaintProbe : public QObject
{
public:
    enum Mode
    {
        kQuit,   // ends the event loop without closing (and saving) anything
        kClose,  // closes the window the way the desktop's close would
    };

    // Records when each start-up phase ends (see StartupPhase.h). Call before the start-up.
    static void RecordStartupPhases();

    // Once window has painted its first frame, prints on standard output one line
    // "phase <name> <CLOCK_REALTIME ns>" per recorded phase, in order, then
    // "start-ns <CLOCK_REALTIME ns>" (the process start), "first-paint-ns <CLOCK_REALTIME ns>",
    // "rss-kb <resident KiB>" and "window <x> <y> <width> <height>", and then acts as mode
    // says. Returns false (and watches nothing) without a window.
    static bool Install(QWidget* window, Mode mode);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CFirstPaintProbe(QWidget* window, Mode mode);
    void Report();

    QPointer<QWidget> m_pWindow;
    Mode m_mode;
    bool m_bSeen = false;
};
