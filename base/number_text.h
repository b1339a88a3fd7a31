// Integer parsing of text and bounded copies into fixed-size character fields.
#pragma once

#include <cstddef>

namespace VesperonBase {

// Integer parsing in the manner of the C library's atoi: leading white space is skipped, an
// optional sign is read, then decimal digits up to the first other character; no digits
// gives 0. A value beyond 32 bits saturates at INT_MIN / INT_MAX instead of wrapping.
// A null text gives 0.
int WToI(const wchar_t* text);
int AToI(const char* text);
// The same over at most maxChars characters of text (for fixed fields that might lack a
// terminator).
int AToIBounded(const char* text, std::size_t maxChars);

// The length of text up to its first NUL, at most maxChars; 0 for a null text.
std::size_t BoundedLength(const char* text, std::size_t maxChars);

// Copies at most maxChars bytes of src (fewer when it ends sooner) into dst and fills the
// rest of dst with NULs; dst always ends terminated, whatever maxChars says.
void CopyBoundedChars(char* dst, std::size_t dstSize, const char* src, std::size_t maxChars);
template <std::size_t N>
inline void CopyBounded(char (&dst)[N], const char* src, std::size_t maxChars)
{
    CopyBoundedChars(dst, N, src, maxChars);
}

}  // namespace VesperonBase
