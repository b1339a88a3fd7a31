#include "base/sf_system.h"

#include "base/compat/sf_winapi.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include <dlfcn.h>
#include <link.h>

namespace SF_SOFT_BASE {

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

}  // namespace SF_SOFT_BASE
