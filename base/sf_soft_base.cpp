#include "base/sf_soft_base.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include <dlfcn.h>
#include <link.h>

namespace SF_SOFT_BASE {

// ---------------------------------------------------------------------------------------
// CSFStreamConvert
//
// Both code pages the program uses (65001 and 0) are UTF-8 here.

namespace {

char* NewMultiByte(const std::string& text)
{
    char* buffer = new char[text.size() + 1];
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return buffer;
}

wchar_t* NewWide(const wchar_t* text, std::size_t length)
{
    wchar_t* buffer = new wchar_t[length + 1];
    if (length != 0)
        std::wmemcpy(buffer, text, length);
    buffer[length] = L'\0';
    return buffer;
}

}  // namespace

CSFStreamConvert::CSFStreamConvert() : m_pMultiByte(nullptr), m_pWideChar(nullptr) {}

CSFStreamConvert::CSFStreamConvert(const wchar_t* text, UINT codePage)
    : m_pMultiByte(nullptr),
      m_pWideChar(nullptr)
{
    WideToMultiByte(text, codePage);
}

CSFStreamConvert::CSFStreamConvert(const char* text, UINT codePage)
    : m_pMultiByte(nullptr),
      m_pWideChar(nullptr)
{
    MultiByteToWide(text, codePage);
}

CSFStreamConvert::~CSFStreamConvert() { Clear(); }

char* CSFStreamConvert::WideToMultiByte(const wchar_t* text, UINT /*codePage*/)
{
    Clear();
    if (text == nullptr)
        text = L"";
    const std::size_t length = std::wcslen(text);
    m_pWideChar = NewWide(text, length);
    m_pMultiByte = NewMultiByte(sfwin::WideToUtf8(text, length));
    return m_pMultiByte;
}

wchar_t* CSFStreamConvert::MultiByteToWide(const char* text, UINT /*codePage*/)
{
    Clear();
    if (text == nullptr)
        text = "";
    const std::size_t length = std::strlen(text);
    m_pMultiByte = NewMultiByte(std::string(text, length));
    const std::wstring wide = sfwin::Utf8ToWide(text, length);
    m_pWideChar = NewWide(wide.data(), wide.size());
    return m_pWideChar;
}

char* CSFStreamConvert::GetMultiByte() const { return m_pMultiByte; }

wchar_t* CSFStreamConvert::GetWideChar() const { return m_pWideChar; }

std::string CSFStreamConvert::GetString() const
{
    return m_pMultiByte ? std::string(m_pMultiByte) : std::string();
}

std::wstring CSFStreamConvert::GetWString() const
{
    return m_pWideChar ? std::wstring(m_pWideChar) : std::wstring();
}

void CSFStreamConvert::Clear()
{
    delete[] m_pMultiByte;
    m_pMultiByte = nullptr;
    delete[] m_pWideChar;
    m_pWideChar = nullptr;
}

// ---------------------------------------------------------------------------------------
// CSFToolMutex / CSFToolAutoMutexLock

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

// ---------------------------------------------------------------------------------------
// CSFEvent
//
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

// ---------------------------------------------------------------------------------------
// CSFThread
//
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

// ---------------------------------------------------------------------------------------
// CSFSystem

void* CSFSystem::LoadDll(const char* path)
{
    if (!path)
        return nullptr;
    const std::size_t length = std::strlen(path);
    if (length < 3 || std::strcmp(path + length - 3, ".so") != 0)
        return nullptr;
    return ::dlopen(path, RTLD_NOW);
}

void* CSFSystem::GetProcAddress(void* module, const char* name)
{
    if (!module || !name)
        return nullptr;
    return ::dlsym(module, name);
}

int CSFSystem::FreeLibrary(void* module)
{
    if (!module)
        return 0;
    return ::dlclose(module) == 0 ? 1 : 0;
}

int CSFSystem::GetModuleDir(void* module, char* buffer, std::size_t size)
{
    if (!buffer || size == 0)
        return 0;
    std::memset(buffer, 0, size);

    std::string path;
    if (!module) {
        path = sfwin::GetModuleFileName();
    } else {
        struct link_map* map = nullptr;
        if (::dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map)
            return 0;
        // The program itself has an empty name in the link map.
        path = (map->l_name && map->l_name[0]) ? std::string(map->l_name) : sfwin::GetModuleFileName();
    }
    const std::size_t cut = path.find_last_of("/\\");
    if (cut == std::string::npos)
        return 0;
    const std::size_t length = cut + 1;  // the separator stays
    if (length >= size)
        return 0;  // does not fit: leave the buffer empty
    std::memcpy(buffer, path.data(), length);
    return 1;
}

void CSFSystem::MemSet(void* dst, int value, std::size_t size)
{
    if (dst && size)
        std::memset(dst, value, size);
}

void CSFSystem::MemCopy(void* dst, const void* src, std::size_t size)
{
    if (dst && src && size)
        std::memmove(dst, src, size);
}

int CSFSystem::Format(char* buffer, std::size_t size, const char* format, ...)
{
    if (!buffer || size == 0 || !format)
        return -1;
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, size, format, args);
    va_end(args);
    if (n < 0) {
        buffer[0] = '\0';
        return -1;
    }
    if (static_cast<std::size_t>(n) >= size)
        return -1;
    return n;
}

int CSFSystem::StrCopy(char* dst, std::size_t size, const char* src)
{
    if (!dst || size == 0)
        return 0;
    if (!src)
        src = "";
    const std::size_t length = std::strlen(src);
    const std::size_t copied = length < size ? length : size - 1;
    std::memcpy(dst, src, copied);
    dst[copied] = '\0';
    return copied == length ? 1 : 0;
}

std::size_t CSFSystem::StrLength(const char* text) { return text ? std::strlen(text) : 0; }

int CSFSystem::StrCompare(const char* a, const char* b)
{
    const int r = std::strcmp(a ? a : "", b ? b : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

void CSFSystem::Sleep(DWORD dwMilliseconds) { sfwin::Sleep(dwMilliseconds); }

intptr_t CSFSystem::ShellOpen(const char* pathUtf8)
{
    return sfwin::ShellOpen(pathUtf8 ? std::string(pathUtf8) : std::string());
}

// ---------------------------------------------------------------------------------------
// Date and time

namespace {

void FromTime(SFDateTime& dt, std::time_t t)
{
    std::tm tm;
    if (!::localtime_r(&t, &tm)) {
        SFDateTimeClear(dt);
        return;
    }
    dt.nYear = tm.tm_year + 1900;
    dt.nMonth = tm.tm_mon + 1;
    dt.nDay = tm.tm_mday;
    dt.nHour = tm.tm_hour;
    dt.nMinute = tm.tm_min;
    dt.nSecond = tm.tm_sec;
}

DWORD ToSeconds(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm;
    std::memset(&tm, 0, sizeof(tm));
    // Computed in 64 bits so a wild year cannot overflow; the year offset is clamped
    // to 137 (2037), the last year a 32-bit count of seconds fully holds.
    long long yearOffset = static_cast<long long>(year) - 1900;
    if (yearOffset > 137)
        yearOffset = 137;
    if (yearOffset < -100000)
        yearOffset = -100000;
    tm.tm_year = static_cast<int>(yearOffset);
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    if (t < 0)
        return 0;
    return static_cast<DWORD>(static_cast<unsigned long long>(t) & 0xFFFFFFFFull);
}

}  // namespace

void SFDateTimeClear(SFDateTime& dt)
{
    dt.nYear = dt.nMonth = dt.nDay = dt.nHour = dt.nMinute = dt.nSecond = 0;
}

void SFDateTimeSet(SFDateTime& dt, int year, int month, int day, int hour, int minute, int second)
{
    dt.nYear = year;
    dt.nMonth = month;
    dt.nDay = day;
    dt.nHour = hour;
    dt.nMinute = minute;
    dt.nSecond = second;
}

void SFDateTimeFromSeconds(SFDateTime& dt, DWORD seconds) { FromTime(dt, static_cast<std::time_t>(seconds)); }

void SFDateTimeNow(SFDateTime& dt) { FromTime(dt, std::time(nullptr)); }

DWORD SFDateTimeToSeconds(const SFDateTime& dt)
{
    return ToSeconds(dt.nYear, dt.nMonth, dt.nDay, dt.nHour, dt.nMinute, dt.nSecond);
}

DWORD SFDateTimeToSeconds(int year, int month, int day, int hour, int minute, int second)
{
    if (static_cast<unsigned int>(year - 1900) > 1100u)
        return 0;
    if (month < 1 || month > 12)
        return 0;
    if (day < 0 || hour < 0 || minute < 0 || second < 0)
        return 0;
    return ToSeconds(year, month, day, hour, minute, second);
}

}  // namespace SF_SOFT_BASE
