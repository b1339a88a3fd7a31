// Thin Win32-shaped wrappers used all over the program: text in two forms, a critical
// section and its scoped lock, an event, a thread, static system helpers and a small
// date-time record.
#pragma once

#include "base/compat/sf_windows.h"

#include <cstdarg>
#include <cstddef>
#include <string>

namespace SF_SOFT_BASE {

// Holds one text as multibyte (char) and wide (wchar_t) buffers and converts between
// them in code page 65001 (UTF-8) or 0 (the local code page, also UTF-8 here).
class CSFStreamConvert
{
public:
    CSFStreamConvert();
    CSFStreamConvert(const wchar_t* text, UINT codePage);
    CSFStreamConvert(const char* text, UINT codePage);
    virtual ~CSFStreamConvert();
    CSFStreamConvert(const CSFStreamConvert&) = delete;
    CSFStreamConvert& operator=(const CSFStreamConvert&) = delete;

    char* WideToMultiByte(const wchar_t* text, UINT codePage);
    wchar_t* MultiByteToWide(const char* text, UINT codePage);

    char* GetMultiByte() const;
    wchar_t* GetWideChar() const;
    std::string GetString() const;
    std::wstring GetWString() const;
    void Clear();

private:
    char* m_pMultiByte;
    wchar_t* m_pWideChar;
};

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

struct SFEventRecord;

class CSFEvent
{
public:
    CSFEvent();
    virtual ~CSFEvent();
    CSFEvent(const CSFEvent&) = delete;
    CSFEvent& operator=(const CSFEvent&) = delete;

    int Create(BOOL bInitialState, BOOL bManualReset);
    int Close();
    int Set();
    int Reset();
    // 0 when signalled, 258 on time-out, -1 when never created. INFINITE waits without end.
    int Wait(DWORD dwMilliseconds);

private:
    SFEventRecord* m_pRecord;
};

typedef DWORD (*SF_THREAD_PROC)(void* pParam);

// Called first on every thread CSFThread starts (the crash handler installs its
// alternate signal stack there). NULL removes it.
typedef void (*SF_THREAD_START_HOOK)();
void SetThreadStartHook(SF_THREAD_START_HOOK hook);

struct SFThreadRecord;

class CSFThread
{
public:
    CSFThread();
    virtual ~CSFThread();  // never stops or joins the thread
    CSFThread(const CSFThread&) = delete;
    CSFThread& operator=(const CSFThread&) = delete;

    int Create(DWORD dwStackSize, SF_THREAD_PROC pProc, void* pParam, DWORD dwCreationFlags,
               DWORD* pThreadId);
    int Terminate(DWORD dwExitCode);  // no safe equivalent here: always 0
    // 0 when the thread has ended (the record is then cleared), 258 on time-out,
    // -1 when not running.
    int Wait(DWORD dwMilliseconds);
    int IsRunning() const;

private:
    SFThreadRecord* m_pRecord;
};

class CSFSystem
{
public:
    static void* LoadDll(const char* path);  // only paths ending in ".so"
    static void* GetProcAddress(void* module, const char* name);
    static int FreeLibrary(void* module);
    // Folder of the module (NULL: the program), separator kept, rest zeroed; never writes
    // past size, always terminated. Returns 1 on success.
    static int GetModuleDir(void* module, char* buffer, std::size_t size);
    static void MemSet(void* dst, int value, std::size_t size);
    static void MemCopy(void* dst, const void* src, std::size_t size);
    // Bounded vsnprintf: the length written, or -1 when the text was cut to fit (the
    // buffer still holds the cut, terminated text) or size is 0 (nothing written).
    static int Format(char* buffer, std::size_t size, const char* format, ...)
        __attribute__((format(printf, 3, 4)));
    // Bounded copy, always terminated when size > 0: 1 when all of src fit, else 0.
    static int StrCopy(char* dst, std::size_t size, const char* src);
    static std::size_t StrLength(const char* text);
    static int StrCompare(const char* a, const char* b);  // -1, 0, 1
    static void Sleep(DWORD dwMilliseconds);
    static intptr_t ShellOpen(const char* pathUtf8);
};

// Date and time in local time: year (full), month 1-12, day, hour, minute, second.
struct SFDateTime
{
    int nYear;
    int nMonth;
    int nDay;
    int nHour;
    int nMinute;
    int nSecond;
};

void SFDateTimeClear(SFDateTime& dt);
void SFDateTimeSet(SFDateTime& dt, int year, int month, int day, int hour, int minute, int second);
void SFDateTimeFromSeconds(SFDateTime& dt, DWORD seconds);
void SFDateTimeNow(SFDateTime& dt);
DWORD SFDateTimeToSeconds(const SFDateTime& dt);
DWORD SFDateTimeToSeconds(int year, int month, int day, int hour, int minute, int second);

}  // namespace SF_SOFT_BASE
