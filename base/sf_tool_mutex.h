// A re-entrant critical section and its scoped lock.
#pragma once

namespace SF_SOFT_BASE {

struct SFCriticalSection;

class CSFToolMutex
{
public:
    CSFToolMutex();
    virtual ~CSFToolMutex();
    CSFToolMutex(const CSFToolMutex&) = delete;
    CSFToolMutex& operator=(const CSFToolMutex&) = delete;

    void Lock();
    void Unlock();
    int TryLock();  // 1 when acquired

private:
    SFCriticalSection* m_pSection;
};

class CSFToolAutoMutexLock
{
public:
    explicit CSFToolAutoMutexLock(CSFToolMutex& mutex);
    virtual ~CSFToolAutoMutexLock();
    CSFToolAutoMutexLock(const CSFToolAutoMutexLock&) = delete;
    CSFToolAutoMutexLock& operator=(const CSFToolAutoMutexLock&) = delete;

    void Unlock();

private:
    CSFToolMutex& m_mutex;
    int m_bLocked;
};

}  // namespace SF_SOFT_BASE
