#include "base/sf_event.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>

namespace SF_SOFT_BASE {

// The primitives live as long as the object: Close only marks the event as not created,
// so a thread still returning from a Set or Wait never touches freed memory.

struct SFEventRecord
{
    std::mutex mutex;
    std::condition_variable cv;
    bool created = false;
    bool manual = false;
    bool signalled = false;
};

CSFEvent::CSFEvent() : m_pRecord(new (std::nothrow) SFEventRecord) {}

CSFEvent::~CSFEvent() { delete m_pRecord; }

int CSFEvent::Create(BOOL bInitialState, BOOL bManualReset)
{
    if (!m_pRecord)
        return 0;
    std::lock_guard<std::mutex> lock(m_pRecord->mutex);
    m_pRecord->created = true;
    m_pRecord->manual = bManualReset != 0;
    m_pRecord->signalled = bInitialState != 0;
    m_pRecord->cv.notify_all();
    return 1;
}

int CSFEvent::Close()
{
    if (!m_pRecord)
        return 1;
    std::lock_guard<std::mutex> lock(m_pRecord->mutex);
    m_pRecord->created = false;
    m_pRecord->signalled = false;
    return 1;
}

int CSFEvent::Set()
{
    if (!m_pRecord)
        return 0;
    std::lock_guard<std::mutex> lock(m_pRecord->mutex);
    if (!m_pRecord->created)
        return 0;
    m_pRecord->signalled = true;
    // Every waiter re-checks under the mutex; with auto reset the first one clears it.
    m_pRecord->cv.notify_all();
    return 1;
}

int CSFEvent::Reset()
{
    if (!m_pRecord)
        return 0;
    std::lock_guard<std::mutex> lock(m_pRecord->mutex);
    if (!m_pRecord->created)
        return 0;
    m_pRecord->signalled = false;
    return 1;
}

int CSFEvent::Wait(DWORD dwMilliseconds)
{
    if (!m_pRecord)
        return -1;
    SFEventRecord& r = *m_pRecord;
    std::unique_lock<std::mutex> lock(r.mutex);
    if (!r.created)
        return -1;
    auto ready = [&r]() { return r.signalled; };
    if (dwMilliseconds == INFINITE) {
        r.cv.wait(lock, ready);
    } else {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(dwMilliseconds);
        if (!r.cv.wait_until(lock, deadline, ready))
            return static_cast<int>(WAIT_TIMEOUT);
    }
    if (!r.manual)
        r.signalled = false;
    return static_cast<int>(WAIT_OBJECT_0);
}

}  // namespace SF_SOFT_BASE
