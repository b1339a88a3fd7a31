// The start-up measurement printed after a window's first painted frame, shared by the
// program's start-up probe and the bare window the start-up benchmark compares it with, so
// both report the same figures the same way. Header-only and Qt Core only.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <cstdio>
#include <ctime>

// CLOCK_REALTIME now, in ns.
inline long long RealtimeNs()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// When the process started: taken by a static initialiser of the program that includes this
// header, once the dynamic loader has mapped the libraries and before main() runs.
inline const long long g_processStartNs = RealtimeNs();

// Resident set size of this process in KiB, 0 when unknown.
inline long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    // Files under /proc report no size: read until the end instead of asking atEnd().
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// CPU time this process has used so far, all its threads and the dynamic loader's work
// included, in µs: unlike the clock, it hardly changes with what else the machine runs.
inline long long ProcessCpuUs()
{
    timespec used;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<long long>(used.tv_sec) * 1000000LL + used.tv_nsec / 1000;
}

// Prints "start-ns <CLOCK_REALTIME ns>" (the process start), "first-paint-ns <CLOCK_REALTIME
// ns>" (now), "rss-kb <resident KiB>" and "cpu-us <CPU time used so far>", one line each.
inline void PrintFirstPaintReport()
{
    const long long now = RealtimeNs();
    std::printf("start-ns %lld\nfirst-paint-ns %lld\nrss-kb %ld\ncpu-us %lld\n", g_processStartNs, now,
                ResidentKiB(), ProcessCpuUs());
}
