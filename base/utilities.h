// Loose helpers of the base library: paths, debug prints, wide formatting, a bounded copy,
// IPv4 arithmetic, the current time and a YUV 4:2:0 to 32-bit pixel converter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace VesperonBase {

// Creates the directories of a path: returns 0 when the path exists already; otherwise
// creates every missing prefix that ends before a '/' (so a last component without a
// trailing '/' is not created), stopping at the first failure. Returns the last mkdir
// result (0 or -1), -1 when none ran.
int MakeDirPath(const std::wstring& path);

// Debug channel prints of wide text (as UTF-8); the second one adds a marker prefix.
void DebugPrint(const wchar_t* text);
void DebugPrintUtf8(const wchar_t* text);

// vswprintf into the caller's buffer of size units (wide texts need %ls). Returns the
// number of units written, -1 when it did not fit (the buffer then holds a cut text).
int FormatWide(wchar_t* buffer, std::size_t size, const wchar_t* format, ...);
// Prints value with L"%d" into a buffer of at least 64 units.
int FormatInt(int value, wchar_t* buffer);
void FillWide(wchar_t* buffer, wchar_t value, std::size_t count);

// Zeroes size bytes of dst, then copies src when it fits (terminator included).
// 0 on success; EINVAL for a null argument or size 0, ERANGE when src does not fit (dst
// is then left empty).
int SafeStrCopy(char* dst, std::size_t size, const char* src);

// Adds n to the last part of the dotted address text and prints the result into out
// (64 bytes). A part of 256 or more carries its quotient by 255 into the part before it
// and keeps its remainder by 255; the first part stops at 255. With n = 0 the text is
// copied (16 bytes at most, terminated). Returns 1.
int IpAdd(const char* text, int n, char* out);

// Seconds since 1970 with millisecond precision.
double NowSeconds();

// The folder part of a path (up to and including its last '/') followed by "Resources".
void GetResourcesDir(const wchar_t* path, std::wstring* wideOut, std::string* utf8Out);
// The application folder + "/Skin" + name.
std::wstring GetSkinFile(const wchar_t* name);

// Fixed-point (factor 8192) YUV to RGB terms, 256 entries each.
struct SFYuvTables
{
    int luma[256];    // i * 9535 - 152560
    int uBlue[256];   // i * 16531 - 2115968
    int uGreen[256];  // i * 3203 - 409984
    int vGreen[256];  // i * 6660 - 852480
    int vRed[256];    // i * 13074 - 1673472
};
const SFYuvTables& GetYuvTables();

// Converts planar YUV 4:2:0 (Y rows of width bytes; U and V rows of (width + 1) / 2 bytes
// for every two rows, rounded up) into 32-bit pixels stored B, G, R, 255. A negative
// height gives |height| rows written bottom-up.
void Yuv420ToRgb32(const std::uint8_t* yPlane, const std::uint8_t* uPlane, const std::uint8_t* vPlane,
                   int width, int height, std::uint8_t* out);

}  // namespace VesperonBase
