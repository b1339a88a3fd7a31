#include "base/sf_thread.h"

#include "base/compat/sf_winapi.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <thread>

namespace SF_SOFT_BASE {

// The std::thread is detached at once and never joined. Creator and waiters meet the
// thread through a shared handle record that lives as long as either side holds it.

namespace {

std::atomic<SF_THREAD_START_HOOK> g_threadStartHook{nullptr};

struct SFThreadHandle
{
    std::mutex mutex;
    std::condition_variable cv;
    bool started = false;
    bool done = false;
    DWORD tid = 0;
};

void ThreadTrampoline(std::shared_ptr<SFThreadHandle> handle, SF_THREAD_PROC proc, void* param)
{
    if (SF_THREAD_START_HOOK hook = g_threadStartHook.load())
        hook();
    {
        std::lock_guard<std::mutex> lock(handle->mutex);
        handle->tid = sfwin::GetCurrentThreadId();
        handle->started = true;
        handle->cv.notify_all();
    }
    proc(param);
    {
        std::lock_guard<std::mutex> lock(handle->mutex);
        handle->done = true;
        handle->cv.notify_all();
    }
}

}  // namespace

void SetThreadStartHook(SF_THREAD_START_HOOK hook) { g_threadStartHook.store(hook); }

struct SFThreadRecord
{
    std::mutex mutex;  // guards the two fields below
    int running = 0;
    std::shared_ptr<SFThreadHandle> handle;
};

CSFThread::CSFThread() : m_pRecord(new (std::nothrow) SFThreadRecord) {}

CSFThread::~CSFThread()
{
    delete m_pRecord;  // drops our share of the handle; the thread keeps its own
}

int CSFThread::Create(DWORD /*dwStackSize*/, SF_THREAD_PROC pProc, void* pParam, DWORD /*dwCreationFlags*/,
                      DWORD* pThreadId)
{
    if (!m_pRecord || !pProc)
        return 0;
    std::lock_guard<std::mutex> recordLock(m_pRecord->mutex);
    if (m_pRecord->running || m_pRecord->handle)
        return 1;

    std::shared_ptr<SFThreadHandle> handle;
    try {
        handle = std::make_shared<SFThreadHandle>();
        std::thread(ThreadTrampoline, handle, pProc, pParam).detach();
    } catch (...) {
        return 0;  // no memory or no thread
    }
    DWORD tid = 0;
    {
        std::unique_lock<std::mutex> lock(handle->mutex);
        handle->cv.wait(lock, [&handle]() { return handle->started; });
        tid = handle->tid;
    }
    m_pRecord->running = 1;
    m_pRecord->handle = handle;
    if (pThreadId)
        *pThreadId = tid;
    return 1;
}

int CSFThread::Terminate(DWORD /*dwExitCode*/)
{
    // A thread cannot be stopped safely from outside here; the record stays as it is.
    return 0;
}

int CSFThread::Wait(DWORD dwMilliseconds)
{
    if (!m_pRecord)
        return -1;
    std::shared_ptr<SFThreadHandle> handle;
    {
        std::lock_guard<std::mutex> recordLock(m_pRecord->mutex);
        if (!m_pRecord->running || !m_pRecord->handle)
            return -1;
        handle = m_pRecord->handle;
    }
    {
        std::unique_lock<std::mutex> lock(handle->mutex);
        auto finished = [&handle]() { return handle->done; };
        if (dwMilliseconds == INFINITE) {
            handle->cv.wait(lock, finished);
        } else {
            const auto deadline =
                std::chrono::steady_clock::now() + std::chrono::milliseconds(dwMilliseconds);
            if (!handle->cv.wait_until(lock, deadline, finished))
                return static_cast<int>(WAIT_TIMEOUT);
        }
    }
    std::lock_guard<std::mutex> recordLock(m_pRecord->mutex);
    if (m_pRecord->handle == handle) {
        m_pRecord->handle.reset();
        m_pRecord->running = 0;
    }
    return static_cast<int>(WAIT_OBJECT_0);
}

int CSFThread::IsRunning() const
{
    if (!m_pRecord)
        return 0;
    std::lock_guard<std::mutex> recordLock(m_pRecord->mutex);
    return (m_pRecord->running || m_pRecord->handle) ? 1 : 0;
}

}  // namespace SF_SOFT_BASE
