#include "base/sf_tool_mutex.h"

#include <mutex>
#include <new>

namespace SF_SOFT_BASE {

struct SFCriticalSection
{
    std::recursive_mutex mutex;  // re-entrant, like a critical section
};

CSFToolMutex::CSFToolMutex() : m_pSection(new (std::nothrow) SFCriticalSection) {}

CSFToolMutex::~CSFToolMutex() { delete m_pSection; }

void CSFToolMutex::Lock()
{
    if (m_pSection)
        m_pSection->mutex.lock();
}

void CSFToolMutex::Unlock()
{
    if (m_pSection)
        m_pSection->mutex.unlock();
}

int CSFToolMutex::TryLock()
{
    if (!m_pSection)
        return 0;
    return m_pSection->mutex.try_lock() ? 1 : 0;
}

CSFToolAutoMutexLock::CSFToolAutoMutexLock(CSFToolMutex& mutex) : m_mutex(mutex), m_bLocked(1)
{
    m_mutex.Lock();
}

CSFToolAutoMutexLock::~CSFToolAutoMutexLock()
{
    if (m_bLocked)
        m_mutex.Unlock();
}

void CSFToolAutoMutexLock::Unlock()
{
    if (m_bLocked) {
        m_bLocked = 0;
        m_mutex.Unlock();
    }
}

}  // namespace SF_SOFT_BASE
