#include "base/number_text.h"

#include <climits>
#include <cstring>

namespace VesperonBase {

namespace {

template <class Char>
bool IsParseSpace(Char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads at most maxChars characters of text (stopping at a NUL) as atoi does, saturating.
template <class Char>
int ParseSaturated(const Char* text, std::size_t maxChars)
{
    if (!text)
        return 0;
    std::size_t i = 0;
    while (i < maxChars && text[i] != 0 && IsParseSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < maxChars && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate the magnitude, stopping to grow once it is past every 32-bit value.
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; i < maxChars && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (negative)
        return magnitude >= limit ? INT_MIN : static_cast<int>(-magnitude);
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

}  // namespace

int WToI(const wchar_t* text) { return ParseSaturated(text, static_cast<std::size_t>(-1)); }

int AToI(const char* text) { return ParseSaturated(text, static_cast<std::size_t>(-1)); }

int AToIBounded(const char* text, std::size_t maxChars) { return ParseSaturated(text, maxChars); }

std::size_t BoundedLength(const char* text, std::size_t maxChars)
{
    std::size_t n = 0;
    if (text)
        while (n < maxChars && text[n] != 0)
            ++n;
    return n;
}

void CopyBoundedChars(char* dst, std::size_t dstSize, const char* src, std::size_t maxChars)
{
    if (!dst || dstSize == 0)
        return;
    if (maxChars > dstSize - 1)
        maxChars = dstSize - 1;
    const std::size_t n = BoundedLength(src, maxChars);
    if (n > 0)
        std::memcpy(dst, src, n);
    std::memset(dst + n, 0, dstSize - n);
}

}  // namespace VesperonBase
