// The user32 rectangle functions and MulDiv, written by hand with Win32's results.
// Rectangles are right/bottom exclusive; arithmetic on the fields wraps in 32 bits.
#include "base/compat/sf_winapi.h"

#include <cstdint>

namespace sfwin {

namespace {

inline LONG minOf(LONG a, LONG b) { return a < b ? a : b; }
inline LONG maxOf(LONG a, LONG b) { return a > b ? a : b; }

inline bool empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
inline void zero(RECT* r) { r->left = r->top = r->right = r->bottom = 0; }

}  // namespace

BOOL IsRectEmpty(const RECT* r) { return (!r || empty(*r)) ? TRUE : FALSE; }

BOOL PtInRect(const RECT* r, POINT pt)
{
    if (!r)
        return FALSE;
    return (pt.x >= r->left && pt.x < r->right && pt.y >= r->top && pt.y < r->bottom) ? TRUE : FALSE;
}

BOOL EqualRect(const RECT* a, const RECT* b)
{
    if (!a || !b)
        return FALSE;
    return (a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom) ? TRUE
                                                                                                      : FALSE;
}

BOOL SetRect(RECT* r, int left, int top, int right, int bottom)
{
    if (!r)
        return FALSE;
    r->left = left;
    r->top = top;
    r->right = right;
    r->bottom = bottom;
    return TRUE;
}

BOOL SetRectEmpty(RECT* r)
{
    if (!r)
        return FALSE;
    zero(r);
    return TRUE;
}

BOOL CopyRect(RECT* dst, const RECT* src)
{
    if (!dst || !src)
        return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL InflateRect(RECT* r, int dx, int dy)
{
    if (!r)
        return FALSE;
    r->left = WrapSub(r->left, dx);
    r->top = WrapSub(r->top, dy);
    r->right = WrapAdd(r->right, dx);
    r->bottom = WrapAdd(r->bottom, dy);
    return TRUE;
}

BOOL OffsetRect(RECT* r, int dx, int dy)
{
    if (!r)
        return FALSE;
    r->left = WrapAdd(r->left, dx);
    r->top = WrapAdd(r->top, dy);
    r->right = WrapAdd(r->right, dx);
    r->bottom = WrapAdd(r->bottom, dy);
    return TRUE;
}

BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (!dst || !a || !b)
        return FALSE;
    const RECT ra = *a;  // dst may be one of the inputs
    const RECT rb = *b;
    if (empty(ra) || empty(rb) || ra.left >= rb.right || rb.left >= ra.right || ra.top >= rb.bottom ||
        rb.top >= ra.bottom) {
        zero(dst);
        return FALSE;
    }
    dst->left = maxOf(ra.left, rb.left);
    dst->top = maxOf(ra.top, rb.top);
    dst->right = minOf(ra.right, rb.right);
    dst->bottom = minOf(ra.bottom, rb.bottom);
    return TRUE;
}

BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (!dst || !a || !b)
        return FALSE;
    const RECT ra = *a;
    const RECT rb = *b;
    const bool emptyA = empty(ra);
    const bool emptyB = empty(rb);
    if (emptyA && emptyB) {
        zero(dst);
        return FALSE;
    }
    if (emptyA) {
        *dst = rb;
    } else if (emptyB) {
        *dst = ra;
    } else {
        dst->left = minOf(ra.left, rb.left);
        dst->top = minOf(ra.top, rb.top);
        dst->right = maxOf(ra.right, rb.right);
        dst->bottom = maxOf(ra.bottom, rb.bottom);
    }
    return TRUE;
}

// The result is the bounding box of a minus b: only a band of b that spans a completely
// along one axis and touches one of a's edges along the other can be cut off.
BOOL SubtractRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (!dst || !a || !b)
        return FALSE;
    const RECT ra = *a;
    const RECT rb = *b;
    if (empty(ra)) {
        zero(dst);
        return FALSE;
    }
    RECT overlap;
    if (!IntersectRect(&overlap, &ra, &rb)) {
        *dst = ra;
        return TRUE;
    }
    if (EqualRect(&overlap, &ra)) {
        zero(dst);
        return FALSE;
    }
    RECT result = ra;
    if (overlap.top == ra.top && overlap.bottom == ra.bottom) {
        // b spans a vertically: a band at the left or right edge comes off
        if (overlap.left == ra.left)
            result.left = overlap.right;
        else if (overlap.right == ra.right)
            result.right = overlap.left;
    } else if (overlap.left == ra.left && overlap.right == ra.right) {
        // b spans a horizontally: a band at the top or bottom edge comes off
        if (overlap.top == ra.top)
            result.top = overlap.bottom;
        else if (overlap.bottom == ra.bottom)
            result.bottom = overlap.top;
    }
    *dst = result;
    return TRUE;
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * static_cast<std::int64_t>(b);
    const bool negative = (product < 0) != (c < 0);
    // Magnitudes: |product| <= 2^62 and |c| <= 2^31, so nothing here overflows 64 bits.
    const std::uint64_t num = product < 0
                                  ? static_cast<std::uint64_t>(0) - static_cast<std::uint64_t>(product)
                                  : static_cast<std::uint64_t>(product);
    const std::uint64_t den =
        c < 0 ? static_cast<std::uint64_t>(0) - static_cast<std::uint64_t>(static_cast<std::int64_t>(c))
              : static_cast<std::uint64_t>(c);
    const std::uint64_t magnitude = (num + den / 2) / den;  // halves round away from zero
    if (magnitude > 0x7FFFFFFFu)
        return -1;  // the result does not fit (the most negative value counts as not fitting)
    const int value = static_cast<int>(magnitude);
    return negative ? -value : value;
}

}  // namespace sfwin
