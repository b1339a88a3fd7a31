#include "base/thread_handle.h"

#include <chrono>

namespace VesperonBase {

void CThreadHandle::MarkEnded()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bEnded = true;
    m_cond.notify_all();
}

int CThreadHandle::Wait(DWORD dwMilliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (dwMilliseconds == INFINITE) {
        m_cond.wait(lock, [this] { return m_bEnded; });
        return 0;
    }
    return m_cond.wait_for(lock, std::chrono::milliseconds(dwMilliseconds), [this] { return m_bEnded; })
               ? 0
               : static_cast<int>(WAIT_TIMEOUT);
}

}  // namespace VesperonBase
