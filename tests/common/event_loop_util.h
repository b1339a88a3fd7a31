// Running the thread's Qt events in the test programs of the areas with an application object.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace testutil {

// Runs the thread's events until done() holds or timeoutMs pass; false on the time-out.
template <class Pred>
bool PumpUntil(Pred done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace testutil
