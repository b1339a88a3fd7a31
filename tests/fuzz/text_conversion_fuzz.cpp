// The compat layer's UTF-8 <-> wide conversion: both directions over any input keep their
// promises.
#include "base/compat/sf_winapi.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

bool IsScalarValue(uint32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // UTF-8 -> wide -> UTF-8: the result is valid UTF-8 that decodes to the same wide text,
    // and valid input comes back byte for byte. Input is valid exactly when every U+FFFD of
    // the wide text comes from an encoded U+FFFD of the input.
    const std::wstring wide = sfwin::Utf8ToWide(bytes);
    const std::string again = sfwin::WideToUtf8(wide);
    Check(sfwin::Utf8ToWide(again) == wide);
    Check(sfwin::WideToUtf8(sfwin::Utf8ToWide(again)) == again);
    // Repairing without the wide copy gives the same bytes.
    Check(sfwin::ValidUtf8(bytes) == again);
    std::size_t replacements = 0;
    for (wchar_t c : wide) {
        Check(IsScalarValue(static_cast<uint32_t>(c)));
        replacements += c == 0xFFFD;
    }
    if (replacements == Count(bytes, "\xEF\xBF\xBD"))
        Check(again == bytes);
    Check(wide.size() <= bytes.size());

    // The NUL-terminated forms stop at the first NUL.
    Check(sfwin::Utf8ToWide(bytes.c_str()) == sfwin::Utf8ToWide(std::string(bytes.c_str())));

    // Wide -> UTF-8 -> wide: every scalar value comes back, anything else as U+FFFD.
    std::wstring units(size / sizeof(wchar_t), L'\0');
    if (!units.empty())
        std::memcpy(&units[0], data, units.size() * sizeof(wchar_t));
    const std::wstring back = sfwin::Utf8ToWide(sfwin::WideToUtf8(units));
    Check(back.size() == units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const uint32_t c = static_cast<uint32_t>(units[i]);
        Check(back[i] == (IsScalarValue(c) ? units[i] : static_cast<wchar_t>(0xFFFD)));
    }
    return 0;
}
