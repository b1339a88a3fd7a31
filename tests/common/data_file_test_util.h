// Helpers for the tests that put odd things where a data file should be (standard library
// and POSIX only).
#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace testutil {

// The nesting depths every XML reader is tried with: the deepest that is read, one level
// more, and far more than the call stack would take if it were parsed.
inline const int kXmlDepths[] = {256, 257, 200000};

// inner wrapped in levels elements <name>...</name>.
inline std::string Nested(const std::string& name, int levels, const std::string& inner = "")
{
    std::string open;
    std::string close;
    open.reserve(static_cast<std::size_t>(levels) * (name.size() + 2));
    close.reserve(static_cast<std::size_t>(levels) * (name.size() + 3));
    for (int i = 0; i < levels; ++i) {
        open += "<" + name + ">";
        close += "</" + name + ">";
    }
    return open + inner + close;
}

// Runs fn on a thread of its own and reports whether it ended within limit. When it does
// not, every FIFO in fifos is opened for writing and closed again until fn ends, so that a
// reader stuck on one of them sees the end and the test can go on to report the hang.
inline bool FinishesWithin(std::chrono::milliseconds limit, const std::function<void()>& fn,
                           const std::vector<std::string>& fifos = {})
{
    std::packaged_task<void()> task(fn);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    const bool inTime = done.wait_for(limit) == std::future_status::ready;
    while (done.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        for (const std::string& fifo : fifos) {
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
        }
    }
    worker.join();
    done.get();  // passes on what fn threw
    return inTime;
}

}  // namespace testutil
