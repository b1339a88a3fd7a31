// Crash handling: on a fatal signal the program writes a crash report beside itself
// ("<program path>.dmp") and ends with a fixed exit code.
//
// The report holds the signal, its code and the faulting address, the process and thread
// ids, the registers, a backtrace (addresses and symbols) and a copy of /proc/self/maps,
// enough to symbolise the addresses offline.
#pragma once

namespace VesperonBase {

// Exit codes of the crash handler.
constexpr int SF_CRASH_EXIT_CODE = 1;          // after the first fault
constexpr int SF_CRASH_EXIT_CODE_NESTED = 23;  // a fault while the first one is handled

// With bTopLevel non-zero (the call made at start-up, once the application object
// exists): handles SIGSEGV, SIGBUS, SIGILL, SIGFPE and SIGABRT from now on, on an
// alternate signal stack so that a stack overflow is caught too. The calling thread gets
// its stack here; threads started through SF_SOFT_BASE::CSFThread get theirs when they
// start. With 0: nothing to do. Returns 0.
int InstallCrashHandler(int bTopLevel);

// Gives the calling thread its alternate signal stack (kept until the thread ends).
void InstallCrashSignalStack();

// Where the report goes: "<program path>.dmp" once installed ("" when the program's path
// is unknown). A non-empty path replaces it (for tests); NULL or "" goes back to the
// program's. Paths that do not fit are refused and leave no report.
void SetCrashDumpPath(const char* path);
const char* GetCrashDumpPath();

// Test seam: called by the report writer right after it opened the file.
typedef void (*SF_CRASH_WRITER_HOOK)();
void SetCrashWriterHook(SF_CRASH_WRITER_HOOK hook);

}  // namespace VesperonBase
