// Value types with exactly the layout of the Win32 size, point and rectangle records.
// They stand wherever those records are expected and add constructors, operators and the
// Win32 rectangle operations as members. Rectangles are right/bottom exclusive.
// Field arithmetic is plain 32-bit two's-complement with wrap-around (sfwin::WrapAdd and its
// kin): nothing is clamped.
#pragma once

#include "base/compat/sf_windows.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

class CSFSize;
class CSFPoint;
class CSFRect;

namespace sf_geometry_detail {
// The Win32 packing of two signed 16-bit values into 32 bits: low half first.
inline LONG PackedLow(std::uint32_t v) { return static_cast<std::int16_t>(v & 0xFFFFu); }
inline LONG PackedHigh(std::uint32_t v) { return static_cast<std::int16_t>((v >> 16) & 0xFFFFu); }
}  // namespace sf_geometry_detail

class CSFSize : public tagSIZE
{
public:
    CSFSize() = default;  // fields left uninitialised
    CSFSize(int initCX, int initCY)
    {
        cx = initCX;
        cy = initCY;
    }
    CSFSize(tagSIZE initSize)
    {
        cx = initSize.cx;
        cy = initSize.cy;
    }
    CSFSize(tagPOINT initPt)
    {
        cx = initPt.x;
        cy = initPt.y;
    }
    // Packed form: cx = low 16 bits, cy = high 16 bits, both signed. Only the low 32 bits
    // of the value count.
    explicit CSFSize(std::uint32_t dwSize)
    {
        cx = sf_geometry_detail::PackedLow(dwSize);
        cy = sf_geometry_detail::PackedHigh(dwSize);
    }

    BOOL operator==(tagSIZE size) const { return (cx == size.cx && cy == size.cy) ? 1 : 0; }
    BOOL operator!=(tagSIZE size) const { return (cx != size.cx || cy != size.cy) ? 1 : 0; }
    void operator+=(tagSIZE size)
    {
        cx = sfwin::WrapAdd(cx, size.cx);
        cy = sfwin::WrapAdd(cy, size.cy);
    }
    void operator-=(tagSIZE size)
    {
        cx = sfwin::WrapSub(cx, size.cx);
        cy = sfwin::WrapSub(cy, size.cy);
    }
    void SetSize(int CX, int CY)
    {
        cx = CX;
        cy = CY;
    }

    CSFSize operator+(tagSIZE size) const
    {
        return CSFSize(sfwin::WrapAdd(cx, size.cx), sfwin::WrapAdd(cy, size.cy));
    }
    CSFSize operator-(tagSIZE size) const
    {
        return CSFSize(sfwin::WrapSub(cx, size.cx), sfwin::WrapSub(cy, size.cy));
    }
    CSFSize operator-() const { return CSFSize(sfwin::WrapNeg(cx), sfwin::WrapNeg(cy)); }
    // (point.x + cx, point.y + cy)
    CSFPoint operator+(tagPOINT point) const;
    // (point.x - cx, point.y - cy)
    CSFPoint operator-(tagPOINT point) const;
    // The rectangle moved by (cx, cy) / by (-cx, -cy).
    CSFRect operator+(const tagRECT* lpRect) const;
    CSFRect operator-(const tagRECT* lpRect) const;
};

class CSFPoint : public tagPOINT
{
public:
    CSFPoint() = default;  // fields left uninitialised
    CSFPoint(int initX, int initY)
    {
        x = initX;
        y = initY;
    }
    CSFPoint(tagPOINT initPt)
    {
        x = initPt.x;
        y = initPt.y;
    }
    CSFPoint(tagSIZE initSize)
    {
        x = initSize.cx;
        y = initSize.cy;
    }
    // Packed form (a mouse position in a message parameter): x = low 16 bits, y = high 16
    // bits, both signed. Only the low 32 bits of the value count.
    explicit CSFPoint(std::int32_t lParam)
    {
        x = sf_geometry_detail::PackedLow(static_cast<std::uint32_t>(lParam));
        y = sf_geometry_detail::PackedHigh(static_cast<std::uint32_t>(lParam));
    }

    void Offset(int xOffset, int yOffset)
    {
        x = sfwin::WrapAdd(x, xOffset);
        y = sfwin::WrapAdd(y, yOffset);
    }
    void Offset(tagPOINT point) { Offset(point.x, point.y); }
    void Offset(tagSIZE size) { Offset(size.cx, size.cy); }
    void SetPoint(int X, int Y)
    {
        x = X;
        y = Y;
    }

    BOOL operator==(tagPOINT point) const { return (x == point.x && y == point.y) ? 1 : 0; }
    BOOL operator!=(tagPOINT point) const { return (x != point.x || y != point.y) ? 1 : 0; }
    void operator+=(tagSIZE size) { Offset(size.cx, size.cy); }
    void operator-=(tagSIZE size) { Offset(sfwin::WrapNeg(size.cx), sfwin::WrapNeg(size.cy)); }
    void operator+=(tagPOINT point) { Offset(point.x, point.y); }
    void operator-=(tagPOINT point) { Offset(sfwin::WrapNeg(point.x), sfwin::WrapNeg(point.y)); }

    CSFPoint operator+(tagSIZE size) const
    {
        return CSFPoint(sfwin::WrapAdd(x, size.cx), sfwin::WrapAdd(y, size.cy));
    }
    CSFPoint operator-(tagSIZE size) const
    {
        return CSFPoint(sfwin::WrapSub(x, size.cx), sfwin::WrapSub(y, size.cy));
    }
    CSFPoint operator-() const { return CSFPoint(sfwin::WrapNeg(x), sfwin::WrapNeg(y)); }
    CSFPoint operator+(tagPOINT point) const
    {
        return CSFPoint(sfwin::WrapAdd(x, point.x), sfwin::WrapAdd(y, point.y));
    }
    // The distance (x - point.x, y - point.y).
    CSFSize operator-(tagPOINT point) const
    {
        return CSFSize(sfwin::WrapSub(x, point.x), sfwin::WrapSub(y, point.y));
    }
    // The rectangle moved by (x, y) / by (-x, -y).
    CSFRect operator+(const tagRECT* lpRect) const;
    CSFRect operator-(const tagRECT* lpRect) const;
};

class CSFRect : public tagRECT
{
public:
    CSFRect() = default;  // fields left uninitialised
    CSFRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CSFRect(const tagRECT& srcRect) { sfwin::CopyRect(this, &srcRect); }
    // A null source gives an all-zero rectangle.
    CSFRect(const tagRECT* lpSrcRect)
    {
        if (!sfwin::CopyRect(this, lpSrcRect))
            sfwin::SetRectEmpty(this);
    }
    CSFRect(tagPOINT point, tagSIZE size)
    {
        left = point.x;
        top = point.y;
        right = sfwin::WrapAdd(point.x, size.cx);
        bottom = sfwin::WrapAdd(point.y, size.cy);
    }
    CSFRect(tagPOINT topLeft, tagPOINT bottomRight)
    {
        left = topLeft.x;
        top = topLeft.y;
        right = bottomRight.x;
        bottom = bottomRight.y;
    }

    int Width() const { return sfwin::WrapSub(right, left); }
    int Height() const { return sfwin::WrapSub(bottom, top); }
    CSFSize Size() const { return CSFSize(Width(), Height()); }
    // Views of the two corners inside this rectangle: writing through them changes the fields.
    CSFPoint& TopLeft() { return *reinterpret_cast<CSFPoint*>(&left); }
    CSFPoint& BottomRight() { return *reinterpret_cast<CSFPoint*>(&right); }
    const CSFPoint& TopLeft() const { return *reinterpret_cast<const CSFPoint*>(&left); }
    const CSFPoint& BottomRight() const { return *reinterpret_cast<const CSFPoint*>(&right); }
    // Integer division truncating toward zero.
    CSFPoint CenterPoint() const
    {
        return CSFPoint(sfwin::WrapAdd(left, right) / 2, sfwin::WrapAdd(top, bottom) / 2);
    }

    operator tagRECT*() { return this; }
    operator const tagRECT*() const { return this; }

    BOOL IsRectEmpty() const { return sfwin::IsRectEmpty(this); }
    BOOL IsRectNull() const { return (left == 0 && top == 0 && right == 0 && bottom == 0) ? 1 : 0; }
    BOOL PtInRect(tagPOINT point) const { return sfwin::PtInRect(this, point); }

    void SetRect(int x1, int y1, int x2, int y2) { sfwin::SetRect(this, x1, y1, x2, y2); }
    void SetRect(tagPOINT topLeft, tagPOINT bottomRight)
    {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    void SetRectEmpty() { sfwin::SetRectEmpty(this); }
    void CopyRect(const tagRECT* lpSrcRect) { sfwin::CopyRect(this, lpSrcRect); }
    CSFRect& operator=(const tagRECT& srcRect)
    {
        sfwin::CopyRect(this, &srcRect);
        return *this;
    }

    BOOL EqualRect(const tagRECT* lpRect) const { return sfwin::EqualRect(this, lpRect); }
    BOOL operator==(const tagRECT& rect) const { return sfwin::EqualRect(this, &rect); }
    BOOL operator!=(const tagRECT& rect) const { return sfwin::EqualRect(this, &rect) ? 0 : 1; }

    // left -= dx, right += dx, top -= dy, bottom += dy
    void InflateRect(int dx, int dy) { sfwin::InflateRect(this, dx, dy); }
    void InflateRect(tagSIZE size) { InflateRect(size.cx, size.cy); }
    // left -= r->left, top -= r->top, right += r->right, bottom += r->bottom
    void InflateRect(const tagRECT* lpRect)
    {
        InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    void InflateRect(int l, int t, int r, int b)
    {
        left = sfwin::WrapSub(left, l);
        top = sfwin::WrapSub(top, t);
        right = sfwin::WrapAdd(right, r);
        bottom = sfwin::WrapAdd(bottom, b);
    }
    void DeflateRect(int dx, int dy) { InflateRect(sfwin::WrapNeg(dx), sfwin::WrapNeg(dy)); }
    void DeflateRect(tagSIZE size) { DeflateRect(size.cx, size.cy); }
    void DeflateRect(const tagRECT* lpRect)
    {
        DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    void DeflateRect(int l, int t, int r, int b)
    {
        left = sfwin::WrapAdd(left, l);
        top = sfwin::WrapAdd(top, t);
        right = sfwin::WrapSub(right, r);
        bottom = sfwin::WrapSub(bottom, b);
    }

    void OffsetRect(int dx, int dy) { sfwin::OffsetRect(this, dx, dy); }
    void OffsetRect(tagPOINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(tagSIZE size) { OffsetRect(size.cx, size.cy); }
    void operator+=(tagPOINT point) { OffsetRect(point.x, point.y); }
    void operator+=(tagSIZE size) { OffsetRect(size.cx, size.cy); }
    void operator-=(tagPOINT point) { OffsetRect(sfwin::WrapNeg(point.x), sfwin::WrapNeg(point.y)); }
    void operator-=(tagSIZE size) { OffsetRect(sfwin::WrapNeg(size.cx), sfwin::WrapNeg(size.cy)); }

    // Move so that left (top) becomes the value, keeping width and height.
    void MoveToX(int x)
    {
        right = sfwin::WrapAdd(x, Width());
        left = x;
    }
    void MoveToY(int y)
    {
        bottom = sfwin::WrapAdd(y, Height());
        top = y;
    }
    void MoveToXY(int x, int y)
    {
        MoveToX(x);
        MoveToY(y);
    }
    void MoveToXY(tagPOINT point) { MoveToXY(point.x, point.y); }

    // The Win32 operations with this rectangle as destination; their BOOL result.
    BOOL IntersectRect(const tagRECT* lpRect1, const tagRECT* lpRect2)
    {
        return sfwin::IntersectRect(this, lpRect1, lpRect2);
    }
    BOOL UnionRect(const tagRECT* lpRect1, const tagRECT* lpRect2)
    {
        return sfwin::UnionRect(this, lpRect1, lpRect2);
    }
    BOOL SubtractRect(const tagRECT* lpRectSrc1, const tagRECT* lpRectSrc2)
    {
        return sfwin::SubtractRect(this, lpRectSrc1, lpRectSrc2);
    }

    void operator&=(const tagRECT& rect) { sfwin::IntersectRect(this, this, &rect); }
    void operator|=(const tagRECT& rect) { sfwin::UnionRect(this, this, &rect); }
    CSFRect operator&(const tagRECT& rect2) const
    {
        CSFRect result;
        sfwin::IntersectRect(&result, this, &rect2);
        return result;
    }
    CSFRect operator|(const tagRECT& rect2) const
    {
        CSFRect result;
        sfwin::UnionRect(&result, this, &rect2);
        return result;
    }

    CSFRect operator+(tagPOINT point) const
    {
        CSFRect result(*this);
        result.OffsetRect(point.x, point.y);
        return result;
    }
    CSFRect operator-(tagPOINT point) const
    {
        CSFRect result(*this);
        result -= point;
        return result;
    }
    CSFRect operator+(tagSIZE size) const
    {
        CSFRect result(*this);
        result.OffsetRect(size.cx, size.cy);
        return result;
    }
    CSFRect operator-(tagSIZE size) const
    {
        CSFRect result(*this);
        result -= size;
        return result;
    }
    // Inflate / deflate by the four fields of the argument (not a corner-wise sum).
    void operator+=(const tagRECT* lpRect) { InflateRect(lpRect); }
    void operator-=(const tagRECT* lpRect) { DeflateRect(lpRect); }
    CSFRect operator+(const tagRECT* lpRect) const
    {
        CSFRect result(*this);
        result.InflateRect(lpRect);
        return result;
    }
    CSFRect operator-(const tagRECT* lpRect) const
    {
        CSFRect result(*this);
        result.DeflateRect(lpRect);
        return result;
    }

    void NormalizeRect()
    {
        if (right < left)
            SwapLeftRight();
        if (bottom < top) {
            const LONG t = top;
            top = bottom;
            bottom = t;
        }
    }
    void SwapLeftRight() { SwapLeftRight(this); }
    static void SwapLeftRight(tagRECT* lpRect)
    {
        const LONG t = lpRect->left;
        lpRect->left = lpRect->right;
        lpRect->right = t;
    }

    // Every field passed through MulDiv(field, num, den): a 64-bit product, the quotient
    // rounded half away from zero, -1 when den is 0 or the result does not fit.
    CSFRect MulDiv(int nMultiplier, int nDivisor) const
    {
        return CSFRect(sfwin::MulDiv(left, nMultiplier, nDivisor), sfwin::MulDiv(top, nMultiplier, nDivisor),
                       sfwin::MulDiv(right, nMultiplier, nDivisor),
                       sfwin::MulDiv(bottom, nMultiplier, nDivisor));
    }
};

inline CSFPoint CSFSize::operator+(tagPOINT point) const
{
    return CSFPoint(sfwin::WrapAdd(point.x, cx), sfwin::WrapAdd(point.y, cy));
}
inline CSFPoint CSFSize::operator-(tagPOINT point) const
{
    return CSFPoint(sfwin::WrapSub(point.x, cx), sfwin::WrapSub(point.y, cy));
}
inline CSFRect CSFSize::operator+(const tagRECT* lpRect) const
{
    CSFRect result(lpRect);
    result.OffsetRect(cx, cy);
    return result;
}
inline CSFRect CSFSize::operator-(const tagRECT* lpRect) const
{
    CSFRect result(lpRect);
    result.OffsetRect(sfwin::WrapNeg(cx), sfwin::WrapNeg(cy));
    return result;
}
inline CSFRect CSFPoint::operator+(const tagRECT* lpRect) const
{
    CSFRect result(lpRect);
    result.OffsetRect(x, y);
    return result;
}
inline CSFRect CSFPoint::operator-(const tagRECT* lpRect) const
{
    CSFRect result(lpRect);
    result.OffsetRect(sfwin::WrapNeg(x), sfwin::WrapNeg(y));
    return result;
}

static_assert(sizeof(CSFSize) == sizeof(tagSIZE) && sizeof(CSFSize) == 8, "CSFSize has the layout of SIZE");
static_assert(sizeof(CSFPoint) == sizeof(tagPOINT) && sizeof(CSFPoint) == 8,
              "CSFPoint has the layout of POINT");
static_assert(sizeof(CSFRect) == sizeof(tagRECT) && sizeof(CSFRect) == 16, "CSFRect has the layout of RECT");
static_assert(std::is_standard_layout<CSFSize>::value, "CSFSize stays a plain record");
static_assert(std::is_standard_layout<CSFPoint>::value, "CSFPoint stays a plain record");
static_assert(std::is_standard_layout<CSFRect>::value, "CSFRect stays a plain record");
static_assert(std::is_trivially_copyable<CSFRect>::value, "CSFRect copies by its fields");
static_assert(offsetof(tagRECT, right) == sizeof(tagPOINT), "the two corners of a rectangle are two points");
