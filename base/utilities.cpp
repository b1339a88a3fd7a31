#include "base/utilities.h"

#include "base/compat/sf_winapi.h"
#include "base/sf_paths.h"

#include <QDebug>

#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include <sys/stat.h>
#include <unistd.h>

namespace VesperonBase {

namespace {

int ClampByte(int value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }

}  // namespace

int MakeDirPath(const std::wstring& path)
{
    const std::string p = sfwin::WideToUtf8(path);
    if (p.empty())
        return -1;
    if (::access(p.c_str(), F_OK) == 0)
        return 0;
    int result = -1;
    for (std::size_t pos = p.find('/'); pos != std::string::npos; pos = p.find('/', pos + 1)) {
        if (pos == 0)
            continue;  // the root
        const std::string prefix = p.substr(0, pos);
        if (::access(prefix.c_str(), F_OK) == 0)
            continue;
        result = ::mkdir(prefix.c_str(), 0777);
        if (result != 0)
            break;
    }
    return result;
}

void DebugPrint(const wchar_t* text) { qDebug("%s", sfwin::WideToUtf8(text).c_str()); }

void DebugPrintUtf8(const wchar_t* text) { qDebug("kkkk--%s\n", sfwin::WideToUtf8(text).c_str()); }

int FormatWide(wchar_t* buffer, std::size_t size, const wchar_t* format, ...)
{
    if (buffer == nullptr || size == 0 || format == nullptr)
        return -1;
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(buffer, size, format, args);
    va_end(args);
    buffer[size - 1] = L'\0';
    return n;
}

int FormatInt(int value, wchar_t* buffer) { return FormatWide(buffer, 64, L"%d", value); }

void FillWide(wchar_t* buffer, wchar_t value, std::size_t count)
{
    if (buffer != nullptr)
        std::wmemset(buffer, value, count);
}

int SafeStrCopy(char* dst, std::size_t size, const char* src)
{
    if (dst == nullptr || size == 0)
        return EINVAL;
    std::memset(dst, 0, size);
    if (src == nullptr)
        return EINVAL;
    const std::size_t length = std::strlen(src);
    if (length >= size)
        return ERANGE;
    std::memcpy(dst, src, length);
    return 0;
}

int IpAdd(const char* text, int n, char* out)
{
    if (out == nullptr)
        return 1;
    if (text == nullptr)
        text = "";
    if (n == 0) {
        std::memset(out, 0, 16);
        std::strncpy(out, text, 15);
        return 1;
    }
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    std::sscanf(text, "%d.%d.%d.%d", &a, &b, &c, &d);
    d += n;
    if (d >= 256) {
        c += d / 255;
        d %= 255;
    }
    if (c >= 256) {
        b += c / 255;
        c %= 255;
    }
    if (b >= 256) {
        a += b / 255;
        b %= 255;
    }
    if (a > 255)
        a = 255;
    std::snprintf(out, 64, "%d.%d.%d.%d", a, b, c, d);
    return 1;
}

double NowSeconds()
{
    // One clock reading, so seconds and milliseconds always agree.
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    return static_cast<double>(ms) / 1000.0;
}

void GetResourcesDir(const wchar_t* path, std::wstring* wideOut, std::string* utf8Out)
{
    std::string p = sfwin::WideToUtf8(path);
    const std::size_t slash = p.rfind('/');
    p = (slash == std::string::npos ? std::string() : p.substr(0, slash + 1)) + "Resources";
    if (utf8Out)
        *utf8Out = p;
    if (wideOut)
        *wideOut = sfwin::Utf8ToWide(p);
}

std::wstring GetSkinFile(const wchar_t* name)
{
    return SF_SOFT_BASE::SFBaseGetAppDirPath() + L"/Skin" + (name ? name : L"");
}

const SFYuvTables& GetYuvTables()
{
    static const SFYuvTables tables = [] {
        SFYuvTables t;
        for (int i = 0; i < 256; ++i) {
            t.luma[i] = i * 9535 - 152560;
            t.uBlue[i] = i * 16531 - 2115968;
            t.uGreen[i] = i * 3203 - 409984;
            t.vGreen[i] = i * 6660 - 852480;
            t.vRed[i] = i * 13074 - 1673472;
        }
        return t;
    }();
    return tables;
}

void Yuv420ToRgb32(const std::uint8_t* yPlane, const std::uint8_t* uPlane, const std::uint8_t* vPlane,
                   int width, int height, std::uint8_t* out)
{
    if (!yPlane || !uPlane || !vPlane || !out || width <= 0 || height == 0)
        return;
    const SFYuvTables& t = GetYuvTables();
    const bool bottomUp = height < 0;
    const int rows = bottomUp ? -height : height;
    const int chromaWidth = (width + 1) / 2;
    for (int row = 0; row < rows; ++row) {
        const std::uint8_t* ys = yPlane + static_cast<std::size_t>(row) * width;
        const std::uint8_t* us = uPlane + static_cast<std::size_t>(row / 2) * chromaWidth;
        const std::uint8_t* vs = vPlane + static_cast<std::size_t>(row / 2) * chromaWidth;
        const int outRow = bottomUp ? rows - 1 - row : row;
        std::uint8_t* px = out + static_cast<std::size_t>(outRow) * width * 4;
        for (int x = 0; x < width; ++x) {
            const int y = t.luma[ys[x]];
            const int u = us[x / 2];
            const int v = vs[x / 2];
            px[0] = static_cast<std::uint8_t>(ClampByte((y + t.uBlue[u]) >> 13));
            px[1] = static_cast<std::uint8_t>(ClampByte((y - t.uGreen[u] - t.vGreen[v]) >> 13));
            px[2] = static_cast<std::uint8_t>(ClampByte((y + t.vRed[v]) >> 13));
            px[3] = 255;
            px += 4;
        }
    }
}

}  // namespace VesperonBase
