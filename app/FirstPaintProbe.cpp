// The start-up probe: the first-paint report and what follows it.
#include "app/FirstPaintProbe.h"

#include "app/FirstPaintReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <cstdio>

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
    PrintFirstPaintReport();
    const QRect g = m_pWindow ? m_pWindow->geometry() : QRect();
    std::printf("window %d %d %d %d\n", g.x(), g.y(), g.width(), g.height());
    std::fflush(stdout);
    if (m_mode == kClose && m_pWindow)
        m_pWindow->close();
    else
        QCoreApplication::exit(0);
}
