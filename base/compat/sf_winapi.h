// Our Linux replacements for the handful of Windows functions the program relies on.
// They live in namespace sfwin so every call site shows it is a replacement.
#pragma once

#include "base/compat/sf_wintypes.h"

#include <cstdint>
#include <functional>
#include <string>

namespace sfwin {

// The geometry's 32-bit two's-complement arithmetic: wraps around, defined for every input
// (done in unsigned arithmetic, as signed overflow is undefined). Every wrapping sum of
// rectangle, point and size fields goes through these.
inline LONG WrapAdd(LONG a, LONG b)
{
    return static_cast<LONG>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline LONG WrapSub(LONG a, LONG b)
{
    return static_cast<LONG>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
inline LONG WrapNeg(LONG a) { return WrapSub(0, a); }

// user32 rectangle functions, with Win32's results (right/bottom exclusive).
BOOL IsRectEmpty(const RECT* r);
BOOL PtInRect(const RECT* r, POINT pt);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL SetRect(RECT* r, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* r);
BOOL CopyRect(RECT* dst, const RECT* src);
BOOL InflateRect(RECT* r, int dx, int dy);
BOOL OffsetRect(RECT* r, int dx, int dy);
BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b);
BOOL SubtractRect(RECT* dst, const RECT* a, const RECT* b);

// a * b / c with a 64-bit product, rounded half away from zero;
// -1 when c is 0 or the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

// The calling thread's kernel id (a Linux TID).
DWORD GetCurrentThreadId();
void Sleep(DWORD milliseconds);

// Debugger output goes to standard error; tests may redirect it.
void OutputDebugStringA(const char* text);
void SetDebugOutputSink(std::function<void(const char*)> sink);  // empty: back to stderr

// Full path of the running program ("" when unknown).
std::string GetModuleFileName();
// Full path of the file holding the given address (a library or the program), "" when unknown.
std::string GetModuleFileNameOf(const void* address);

// Opens a file or address in the desktop's handler. Returns > 32 on success,
// 2 for a missing local file, 31 when no handler could be started.
intptr_t ShellOpen(const std::string& pathOrUrlUtf8);
// Test seam: replaces the handler (an empty function restores the default, which
// spawns xdg-open detached).
void SetShellOpenHandler(std::function<intptr_t(const std::string&)> handler);
// How the default handler reads a text: an address when it holds a scheme ("://"), or
// starts with "mailto:" or "www."; anything else is a local file.
bool IsShellUrl(const std::string& text);

// UTF-8 <-> wide text. Never fails as a whole: invalid UTF-8 becomes U+FFFD, a wchar_t
// that is no Unicode scalar value becomes EF BF BD; a non-BMP character is one wchar_t.
std::string WideToUtf8(const wchar_t* text, std::size_t length);
std::wstring Utf8ToWide(const char* text, std::size_t length);
// The whole string, embedded NULs included.
std::string WideToUtf8(const std::wstring& text);
std::wstring Utf8ToWide(const std::string& text);
// A NUL-terminated text; a null pointer gives empty text.
std::string WideToUtf8(const wchar_t* text);
std::wstring Utf8ToWide(const char* text);
// The text with each broken UTF-8 sequence made U+FFFD, byte for byte what a round trip
// through wide text gives, without the wide copy; valid text comes back unchanged.
std::string ValidUtf8(const char* text, std::size_t length);
std::string ValidUtf8(const std::string& text);

}  // namespace sfwin
