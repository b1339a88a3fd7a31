// The process-wide application folder and the 8-bit path conversion, kept in the base
// library so that it needs no widgets. The skin framework's path helpers forward here.
#pragma once

#include <cstddef>
#include <string>

namespace SF_SOFT_BASE {

// The program's folder without a trailing separator, refreshed from
// QCoreApplication::applicationDirPath() while an application object exists;
// the last value seen (empty at first) otherwise. A test override wins over both.
std::wstring SFBaseGetAppDirPath();
// Test seam: a non-empty folder replaces the program's folder; an empty one clears it.
void SFBaseSetAppDirPathOverride(const std::wstring& folder);

// Copies UTF-8 text as local 8-bit text (UTF-8 on Linux) into out, terminated.
// When it does not fit in size bytes, writes an empty string (if size > 0) and returns false.
bool SFBaseUtf8ToLocal8Bit(const char* utf8, char* out, std::size_t size);

}  // namespace SF_SOFT_BASE
