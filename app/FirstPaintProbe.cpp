// The start-up probe: the first-paint report and what follows it.
#include "app/FirstPaintProbe.h"

#include "app/FirstPaintReport.h"
#include "app/StartupPhase.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

struct PhaseMark
{
    const char* name;
    long long ns;
};

// The start-up's phases as they ended; room for more than the start-up has.
PhaseMark g_phases[32];
int g_phaseCount = 0;

void RecordPhase(const char* phase)
{
    const long long now = RealtimeNs();
    if (g_phaseCount < static_cast<int>(sizeof(g_phases) / sizeof(g_phases[0])))
        g_phases[g_phaseCount++] = {phase, now};
}

}  // namespace

void CFirstPaintProbe::RecordStartupPhases() { SetStartupPhaseHook(RecordPhase); }

CFirstPaintProbe::CFirstPaintProbe(QWidget* window, Mode mode)
    : QObject(window),
      m_pWindow(window),
      m_mode(mode)
{}

bool CFirstPaintProbe::Install(QWidget* window, Mode mode)
{
    if (!window)
        return false;
    window->installEventFilter(new CFirstPaintProbe(window, mode));
    return true;
}

bool CFirstPaintProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pWindow && event->type() == QEvent::Paint && !m_bSeen) {
        m_bSeen = true;
        // Queued: runs once this paint has been drawn and flushed.
        QTimer::singleShot(0, this, [this] { Report(); });
    }
    return false;
}

void CFirstPaintProbe::Report()
{
    for (int i = 0; i < g_phaseCount; ++i)
        std::printf("phase %s %lld\n", g_phases[i].name, g_phases[i].ns);
    PrintFirstPaintReport();
    const QRect g = m_pWindow ? m_pWindow->geometry() : QRect();
    std::printf("window %d %d %d %d\n", g.x(), g.y(), g.width(), g.height());
    std::fflush(stdout);
    if (m_mode == kClose && m_pWindow)
        m_pWindow->close();
    else
        QCoreApplication::exit(0);
}
