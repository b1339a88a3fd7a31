// Linux implementations of the Windows-shaped helpers in sf_winapi.h (apart from the
// rectangle functions and MulDiv, which live in sf_rect.cpp).
#include "base/compat/sf_winapi.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <mutex>
#include <thread>

#include <dlfcn.h>
#include <limits.h>
#include <spawn.h>
#include <sys/auxv.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace sfwin {

// ---------------------------------------------------------------------------------------
// Threads and time

DWORD GetCurrentThreadId() { return static_cast<DWORD>(::gettid()); }

void Sleep(DWORD milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// ---------------------------------------------------------------------------------------
// Debug output

namespace {

std::mutex& DebugSinkMutex()
{
    static std::mutex m;
    return m;
}

std::function<void(const char*)>& DebugSink()
{
    static std::function<void(const char*)> sink;
    return sink;
}

}  // namespace

void OutputDebugStringA(const char* text)
{
    if (text == nullptr)
        return;
    std::function<void(const char*)> sink;
    {
        std::lock_guard<std::mutex> lock(DebugSinkMutex());
        sink = DebugSink();
    }
    if (sink) {
        sink(text);
        return;
    }
    std::fputs(text, stderr);
    std::fflush(stderr);
}

void SetDebugOutputSink(std::function<void(const char*)> sink)
{
    std::lock_guard<std::mutex> lock(DebugSinkMutex());
    DebugSink() = std::move(sink);
}

// ---------------------------------------------------------------------------------------
// Module file names

std::string GetModuleFileName()
{
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", &buffer[0], buffer.size());
        if (n < 0)
            return std::string();
        const std::size_t len = static_cast<std::size_t>(n);
        if (len < buffer.size()) {
            buffer.resize(len);
            return buffer;
        }
        if (buffer.size() >= (std::size_t(1) << 20))
            return std::string();
        buffer.resize(buffer.size() * 2);  // may have been cut: try again with more room
    }
}

std::string GetModuleFileNameOf(const void* address)
{
    if (address == nullptr)
        return std::string();
    Dl_info info;
    std::memset(&info, 0, sizeof(info));
    if (::dladdr(address, &info) == 0)
        return std::string();

    // The program itself is reported under the name it was started with, which may be
    // relative or a bare name: use the kernel's view of it instead.
    const unsigned long phdr = ::getauxval(AT_PHDR);
    if (phdr != 0) {
        Dl_info mainInfo;
        std::memset(&mainInfo, 0, sizeof(mainInfo));
        if (::dladdr(reinterpret_cast<const void*>(phdr), &mainInfo) != 0 &&
            mainInfo.dli_fbase == info.dli_fbase)
            return GetModuleFileName();
    }
    if (info.dli_fname == nullptr || info.dli_fname[0] == '\0')
        return std::string();
    char* resolved = ::realpath(info.dli_fname, nullptr);
    if (resolved == nullptr)
        return std::string(info.dli_fname);
    std::string result(resolved);
    std::free(resolved);
    return result;
}

// ---------------------------------------------------------------------------------------
// Shell open

bool IsShellUrl(const std::string& text)
{
    return text.find("://") != std::string::npos || text.compare(0, 7, "mailto:") == 0 ||
           text.compare(0, 4, "www.") == 0;
}

namespace {

// Starts xdg-open on the argument in its own session and reaps it from a detached
// thread, so it never lingers as a zombie. The opener (and the viewer it starts) gets only
// the standard descriptors: an inherited one, such as the launcher's single-instance lock,
// must not outlive the program in a viewer. Returns false when it could not be started.
bool SpawnOpener(const std::string& argument)
{
    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0)
        return false;
    if (::posix_spawn_file_actions_addclosefrom_np(&actions, 3) != 0) {
        ::posix_spawn_file_actions_destroy(&actions);
        return false;
    }
    posix_spawnattr_t attr;
    if (::posix_spawnattr_init(&attr) != 0) {
        ::posix_spawn_file_actions_destroy(&actions);
        return false;
    }
    ::posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);

    std::string program = "xdg-open";
    std::string arg = argument;
    char* argv[] = {&program[0], &arg[0], nullptr};
    pid_t pid = 0;
    const int rc = ::posix_spawnp(&pid, "xdg-open", &actions, &attr, argv, environ);
    ::posix_spawnattr_destroy(&attr);
    ::posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return false;
    try {
        std::thread([pid]() {
            int status = 0;
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (...) {
        // No thread for the reaper: the child then stays a zombie until we exit.
    }
    return true;
}

intptr_t DefaultShellOpen(const std::string& text)
{
    std::string target = text;
    if (IsShellUrl(text)) {
        if (text.compare(0, 4, "www.") == 0)
            target = "http://" + text;
    } else {
        struct stat st;
        if (text.empty() || ::stat(text.c_str(), &st) != 0)
            return 2;  // file not found
    }
    return SpawnOpener(target) ? 42 : 31;
}

std::mutex& ShellMutex()
{
    static std::mutex m;
    return m;
}

std::function<intptr_t(const std::string&)>& ShellHandler()
{
    static std::function<intptr_t(const std::string&)> handler;
    return handler;
}

}  // namespace

intptr_t ShellOpen(const std::string& pathOrUrlUtf8)
{
    std::function<intptr_t(const std::string&)> handler;
    {
        std::lock_guard<std::mutex> lock(ShellMutex());
        handler = ShellHandler();
    }
    if (handler)
        return handler(pathOrUrlUtf8);
    return DefaultShellOpen(pathOrUrlUtf8);
}

void SetShellOpenHandler(std::function<intptr_t(const std::string&)> handler)
{
    std::lock_guard<std::mutex> lock(ShellMutex());
    ShellHandler() = std::move(handler);
}

// ---------------------------------------------------------------------------------------
// UTF-8 <-> wide text

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacement;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes the sequence that starts with the non-ASCII byte at s[i] and moves i past it. A
// broken sequence gives U+FFFD for its longest valid start (the offending byte starts the
// next sequence); the allowed range of the second byte rules out overlong forms, surrogates
// and values above U+10FFFF.
char32_t DecodeUtf8Sequence(const unsigned char* s, std::size_t length, std::size_t& i)
{
    const unsigned char b0 = s[i++];
    std::size_t need = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    char32_t c = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 1;
        c = b0 & 0x1Fu;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 2;
        c = b0 & 0x0Fu;
        if (b0 == 0xE0)
            lo = 0xA0;
        else if (b0 == 0xED)
            hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 3;
        c = b0 & 0x07u;
        if (b0 == 0xF0)
            lo = 0x90;
        else if (b0 == 0xF4)
            hi = 0x8F;
    } else {
        return kReplacement;  // stray or impossible byte
    }
    for (std::size_t got = 0; got < need; ++got) {
        if (i >= length)
            return kReplacement;
        const unsigned char b = s[i];
        if (b < (got == 0 ? lo : 0x80) || b > (got == 0 ? hi : 0xBF))
            return kReplacement;
        c = (c << 6) | (b & 0x3Fu);
        ++i;
    }
    return c;
}

// Calls emit(begin, end, c) for each character of the text in turn: [begin, end) are its
// bytes and c its value, U+FFFD for a broken sequence.
template <typename Emit>
void ForEachUtf8Character(const char* text, std::size_t length, Emit emit)
{
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    std::size_t i = 0;
    while (i < length) {
        const std::size_t begin = i;
        const char32_t c = s[i] < 0x80 ? s[i++] : DecodeUtf8Sequence(s, length, i);
        emit(begin, i, c);
    }
}

}  // namespace

std::string WideToUtf8(const wchar_t* text, std::size_t length)
{
    std::string out;
    if (text == nullptr || length == 0)
        return out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i)
        AppendUtf8(out, static_cast<char32_t>(static_cast<std::uint32_t>(text[i])));
    return out;
}

std::wstring Utf8ToWide(const char* text, std::size_t length)
{
    std::wstring out;
    if (text == nullptr || length == 0)
        return out;
    out.reserve(length);
    ForEachUtf8Character(text, length, [&out](std::size_t, std::size_t, char32_t c) {
        out.push_back(static_cast<wchar_t>(c));
    });
    return out;
}

std::string ValidUtf8(const char* text, std::size_t length)
{
    std::string out;
    if (text == nullptr || length == 0)
        return out;
    out.reserve(length);
    // A broken sequence and an encoded U+FFFD both come out as EF BF BD.
    ForEachUtf8Character(text, length, [&out, text](std::size_t begin, std::size_t end, char32_t c) {
        if (c == kReplacement)
            out.append("\xEF\xBF\xBD");
        else
            out.append(text + begin, end - begin);
    });
    return out;
}

std::string WideToUtf8(const std::wstring& text) { return WideToUtf8(text.data(), text.size()); }

std::wstring Utf8ToWide(const std::string& text) { return Utf8ToWide(text.data(), text.size()); }

std::string WideToUtf8(const wchar_t* text)
{
    return text ? WideToUtf8(text, std::wcslen(text)) : std::string();
}

std::wstring Utf8ToWide(const char* text)
{
    return text ? Utf8ToWide(text, std::strlen(text)) : std::wstring();
}

std::string ValidUtf8(const std::string& text) { return ValidUtf8(text.data(), text.size()); }

}  // namespace sfwin
