// Static system helpers: shared libraries, memory, bounded text and the shell.
#pragma once

#include "base/compat/sf_wintypes.h"

#include <cstddef>
#include <cstdint>

namespace SF_SOFT_BASE {

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

}  // namespace SF_SOFT_BASE
