// A Win32-style thread that runs a procedure and can be waited on.
#pragma once

#include "base/compat/sf_wintypes.h"

namespace SF_SOFT_BASE {

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

}  // namespace SF_SOFT_BASE
