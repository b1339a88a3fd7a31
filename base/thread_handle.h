#pragma once

#include "base/compat/sf_wintypes.h"

#include <condition_variable>
#include <mutex>

namespace VesperonBase {

// The ended state of a worker thread, shared by the thread and whoever waits for it.
class CThreadHandle
{
public:
    void MarkEnded();
    // 0 once the thread has ended, 258 on time-out.
    int Wait(DWORD dwMilliseconds);

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    bool m_bEnded = false;
};

}  // namespace VesperonBase
