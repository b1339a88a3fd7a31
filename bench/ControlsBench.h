// The extended controls' benchmark of bench/controls.sh: each case times one operation of a
// control against the plain Qt widget (or plain QPainter drawing) doing the same work, in the
// same process, in interleaved pairs, at 1 k, 10 k and 100 k items. Cases register
// themselves from their own source file with a static ControlsBenchCase.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace controls_bench {

using Clock = std::chrono::steady_clock;

// One side of a case: builds whatever it needs for n items, times only the operation and
// returns its duration in seconds (StopWatch helps). Everything it made is freed on return.
using Side = std::function<double(int n)>;

struct Case
{
    std::string name;       // "list SelectAll", printed as given
    Side control;           // the extended control
    Side baseline;          // the plain Qt widget doing the same work
    int maxItems = 100000;  // sizes above this are skipped (for a case that is slow by nature)
};

// Registers a case at static initialisation.
struct ControlsBenchCase
{
    explicit ControlsBenchCase(Case c);
};

// Times from construction to Seconds().
class StopWatch
{
public:
    StopWatch() : m_start(Clock::now()) {}
    double Seconds() const { return std::chrono::duration<double>(Clock::now() - m_start).count(); }

private:
    Clock::time_point m_start;
};

// Runs the events posted so far (deferred layouts, deleteLater, queued updates), so that a
// side pays for the work it caused.
void Flush();

}  // namespace controls_bench
