// CSFSize, CSFPoint and CSFRect: constructors, operators and the member rectangle operations.
#include "skin/SFRect.h"
#include "tests/common/test_rect.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

::testing::AssertionResult Is(const RECT& r, int l, int t, int rr, int b)
{
    return testutil::SameRect(r, testutil::Rect(l, t, rr, b));
}

TEST(Geometry, PackedConstructorsTakeSignedHalves)
{
    const CSFPoint p(static_cast<std::int32_t>(0xFFFF0001u));
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(p.y, -1);
    const CSFPoint q(static_cast<std::int32_t>(0x7FFF8000u));
    EXPECT_EQ(q.x, -32768);
    EXPECT_EQ(q.y, 32767);

    const CSFSize s(0x00008000u);
    EXPECT_EQ(s.cx, -32768);
    EXPECT_EQ(s.cy, 0);
    const CSFSize t(0x8000FFFFu);
    EXPECT_EQ(t.cx, -1);
    EXPECT_EQ(t.cy, -32768);
}

TEST(Geometry, SizeAndPointOperators)
{
    CSFSize s(3, 4);
    EXPECT_EQ(s == CSFSize(3, 4), 1);
    EXPECT_EQ(s != CSFSize(3, 4), 0);
    EXPECT_EQ(s != CSFSize(3, 5), 1);
    s += CSFSize(1, 1);
    s -= CSFSize(2, 0);
    EXPECT_EQ(s, CSFSize(2, 5));
    EXPECT_EQ(-s, CSFSize(-2, -5));
    EXPECT_EQ(s + CSFSize(1, 1), CSFSize(3, 6));
    EXPECT_EQ(s - CSFSize(1, 1), CSFSize(1, 4));

    const CSFPoint p(10, 20);
    EXPECT_EQ(s + p, CSFPoint(12, 25));
    EXPECT_EQ(s - p, CSFPoint(8, 15));  // point minus size
    EXPECT_EQ(CSFSize(p), CSFSize(10, 20));
    EXPECT_EQ(CSFPoint(s), CSFPoint(2, 5));

    CSFPoint q(1, 1);
    q.Offset(2, 3);
    q.Offset(CSFPoint(1, 1));
    q.Offset(CSFSize(-1, -1));
    EXPECT_EQ(q, CSFPoint(3, 4));
    q += CSFSize(1, 0);
    q -= CSFPoint(0, 1);
    EXPECT_EQ(q, CSFPoint(4, 3));
    EXPECT_EQ(q + CSFSize(1, 1), CSFPoint(5, 4));
    EXPECT_EQ(q - CSFSize(1, 1), CSFPoint(3, 2));
    EXPECT_EQ(q + CSFPoint(10, 10), CSFPoint(14, 13));
    EXPECT_EQ(-q, CSFPoint(-4, -3));
    const CSFSize d = q - CSFPoint(1, 10);  // point minus point is a size
    EXPECT_EQ(d, CSFSize(3, -7));

    const CSFRect r(0, 0, 10, 10);
    EXPECT_TRUE(Is(CSFPoint(5, 6) + &r, 5, 6, 15, 16));
    EXPECT_TRUE(Is(CSFPoint(5, 6) - &r, -5, -6, 5, 4));
    EXPECT_TRUE(Is(CSFSize(1, 2) + &r, 1, 2, 11, 12));
    EXPECT_TRUE(Is(CSFSize(1, 2) - &r, -1, -2, 9, 8));
}

TEST(Geometry, RectConstructionAndMeasures)
{
    POINT tl;
    tl.x = 3;
    tl.y = 4;
    SIZE sz;
    sz.cx = 10;
    sz.cy = 20;
    POINT br;
    br.x = 7;
    br.y = 9;
    EXPECT_TRUE(Is(CSFRect(tl, sz), 3, 4, 13, 24));
    EXPECT_TRUE(Is(CSFRect(tl, br), 3, 4, 7, 9));
    const RECT raw = {1, 2, 3, 4};
    EXPECT_TRUE(Is(CSFRect(raw), 1, 2, 3, 4));
    EXPECT_TRUE(Is(CSFRect(&raw), 1, 2, 3, 4));

    const CSFRect r(10, 20, 40, 30);
    EXPECT_EQ(r.Width(), 30);
    EXPECT_EQ(r.Height(), 10);
    EXPECT_EQ(r.Size(), CSFSize(30, 10));
    EXPECT_EQ(r.TopLeft(), CSFPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CSFPoint(40, 30));
    EXPECT_EQ(CSFRect(-3, -3, 0, 0).CenterPoint(), CSFPoint(-1, -1));  // truncates toward zero
    EXPECT_EQ(CSFRect(0, 0, 5, 7).CenterPoint(), CSFPoint(2, 3));
    EXPECT_EQ(CSFRect(5, 5, 5, 5).IsRectEmpty(), 1);
    EXPECT_EQ(CSFRect(5, 5, 5, 5).IsRectNull(), 0);
    EXPECT_EQ(CSFRect(0, 0, 0, 0).IsRectNull(), 1);
    EXPECT_EQ(r.PtInRect(CSFPoint(10, 20)), 1);
    EXPECT_EQ(r.PtInRect(CSFPoint(40, 29)), 0);

    // The conversions hand out the object itself.
    CSFRect m(1, 1, 2, 2);
    const tagRECT* cp = static_cast<const CSFRect&>(m);
    tagRECT* p = m;
    EXPECT_EQ(static_cast<const void*>(p), static_cast<const void*>(&m));
    EXPECT_EQ(static_cast<const void*>(cp), static_cast<const void*>(&m));
}

TEST(Geometry, CornerViewsWriteThrough)
{
    CSFRect r(1, 2, 3, 4);
    r.TopLeft().x = 5;
    r.BottomRight().y = 40;
    r.BottomRight() += CSFSize(10, 0);
    EXPECT_TRUE(Is(r, 5, 2, 13, 40));
    CSFPoint& tl = r.TopLeft();
    r.left = -7;
    EXPECT_EQ(tl.x, -7);
}

TEST(Geometry, AssignmentAndComparison)
{
    CSFRect r(0, 0, 0, 0);
    r.SetRect(1, 2, 3, 4);
    EXPECT_TRUE(Is(r, 1, 2, 3, 4));
    r.SetRect(CSFPoint(5, 6), CSFPoint(7, 8));
    EXPECT_TRUE(Is(r, 5, 6, 7, 8));
    const RECT raw = {9, 10, 11, 12};
    r.CopyRect(&raw);
    EXPECT_TRUE(Is(r, 9, 10, 11, 12));
    EXPECT_EQ(r.EqualRect(&raw), 1);
    EXPECT_EQ(r == raw, 1);
    EXPECT_EQ(r != raw, 0);
    r.SetRectEmpty();
    EXPECT_TRUE(Is(r, 0, 0, 0, 0));
    EXPECT_EQ(r != raw, 1);
    r = raw;
    EXPECT_TRUE(Is(r, 9, 10, 11, 12));
}

TEST(Geometry, InflateDeflateOffsetMove)
{
    CSFRect r(10, 10, 20, 20);
    r.InflateRect(1, 2);
    EXPECT_TRUE(Is(r, 9, 8, 21, 22));
    r.DeflateRect(CSFSize(1, 2));
    EXPECT_TRUE(Is(r, 10, 10, 20, 20));
    const RECT four = {1, 2, 3, 4};
    r.InflateRect(&four);
    EXPECT_TRUE(Is(r, 9, 8, 23, 24));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_TRUE(Is(r, 10, 10, 20, 20));
    r.InflateRect(1, 2, 3, 4);
    r.DeflateRect(&four);
    EXPECT_TRUE(Is(r, 10, 10, 20, 20));

    r.OffsetRect(1, 1);
    r.OffsetRect(CSFPoint(1, 0));
    r.OffsetRect(CSFSize(0, 1));
    EXPECT_TRUE(Is(r, 12, 12, 22, 22));
    r += CSFPoint(1, 1);
    r -= CSFSize(3, 3);
    EXPECT_TRUE(Is(r, 10, 10, 20, 20));
    r -= CSFPoint(10, 10);
    r += CSFSize(5, 5);
    EXPECT_TRUE(Is(r, 5, 5, 15, 15));

    r.MoveToX(100);
    EXPECT_TRUE(Is(r, 100, 5, 110, 15));
    r.MoveToY(-50);
    EXPECT_TRUE(Is(r, 100, -50, 110, -40));
    r.MoveToXY(0, 0);
    EXPECT_TRUE(Is(r, 0, 0, 10, 10));
    r.MoveToXY(CSFPoint(3, 4));
    EXPECT_TRUE(Is(r, 3, 4, 13, 14));
}

// The pointer operators inflate/deflate by the four fields; they do not add corners.
TEST(Geometry, RectPointerOperatorsInflate)
{
    const CSFRect r(10, 10, 20, 20);
    const RECT four = {1, 2, 3, 4};
    EXPECT_TRUE(Is(r + &four, 9, 8, 23, 24));
    EXPECT_TRUE(Is(r - &four, 11, 12, 17, 16));
    CSFRect m = r;
    m += &four;
    EXPECT_TRUE(Is(m, 9, 8, 23, 24));
    m -= &four;
    EXPECT_TRUE(Is(m, 10, 10, 20, 20));

    EXPECT_TRUE(Is(r + CSFPoint(1, 2), 11, 12, 21, 22));
    EXPECT_TRUE(Is(r - CSFPoint(1, 2), 9, 8, 19, 18));
    EXPECT_TRUE(Is(r + CSFSize(1, 2), 11, 12, 21, 22));
    EXPECT_TRUE(Is(r - CSFSize(1, 2), 9, 8, 19, 18));
}

TEST(Geometry, SetOperationsAsMembers)
{
    const CSFRect a(10, 10, 100, 100);
    CSFRect dst(7, 7, 7, 7);
    EXPECT_EQ(dst.IntersectRect(&a, CSFRect(100, 10, 200, 100)), 0);  // touching only
    EXPECT_TRUE(Is(dst, 0, 0, 0, 0));
    EXPECT_EQ(dst.UnionRect(CSFRect(0, 0, 0, 0), &a), 1);
    EXPECT_TRUE(Is(dst, 10, 10, 100, 100));
    EXPECT_EQ(dst.SubtractRect(&a, CSFRect(50, 10, 150, 150)), 1);
    EXPECT_TRUE(Is(dst, 10, 10, 50, 100));
    EXPECT_EQ(dst.SubtractRect(&a, CSFRect(40, 0, 60, 200)), 1);  // band through the middle
    EXPECT_TRUE(Is(dst, 10, 10, 100, 100));
    EXPECT_EQ(dst.SubtractRect(&a, CSFRect(0, 0, 200, 200)), 0);
    EXPECT_TRUE(Is(dst, 0, 0, 0, 0));

    EXPECT_TRUE(Is(a & CSFRect(50, 50, 150, 150), 50, 50, 100, 100));
    EXPECT_TRUE(Is(a | CSFRect(50, 50, 150, 150), 10, 10, 150, 150));
    EXPECT_TRUE(Is(a & CSFRect(200, 200, 300, 300), 0, 0, 0, 0));
    CSFRect m = a;
    m &= CSFRect(0, 50, 60, 300);
    EXPECT_TRUE(Is(m, 10, 50, 60, 100));
    m |= CSFRect(0, 0, 1, 1);
    EXPECT_TRUE(Is(m, 0, 0, 60, 100));
}

TEST(Geometry, NormalizeAndSwap)
{
    CSFRect r(10, 20, 0, 5);
    r.NormalizeRect();
    EXPECT_TRUE(Is(r, 0, 5, 10, 20));
    r.NormalizeRect();
    EXPECT_TRUE(Is(r, 0, 5, 10, 20));
    CSFRect only(0, 9, 5, 1);
    only.NormalizeRect();
    EXPECT_TRUE(Is(only, 0, 1, 5, 9));

    r.SwapLeftRight();
    EXPECT_TRUE(Is(r, 10, 5, 0, 20));
    RECT raw = {1, 2, 3, 4};
    CSFRect::SwapLeftRight(&raw);
    EXPECT_TRUE(Is(raw, 3, 2, 1, 4));
}

TEST(Geometry, MulDivEachField)
{
    EXPECT_TRUE(Is(CSFRect(1, 3, 5, -3).MulDiv(1, 2), 1, 2, 3, -2));  // halves away from zero
    EXPECT_TRUE(Is(CSFRect(10, 20, 30, 40).MulDiv(1, 0), -1, -1, -1, -1));
    EXPECT_TRUE(Is(CSFRect(100, 200, 300, 400).MulDiv(3, 2), 150, 300, 450, 600));
    EXPECT_TRUE(Is(CSFRect(1, INT_MAX, 2, 3).MulDiv(2, 1), 2, -1, 4, 6));  // overflow gives -1
}

// 32-bit wrap-around, not clamping (and defined behaviour: run under UBSan).
TEST(Geometry, ArithmeticWrapsInThirtyTwoBits)
{
    CSFRect r(INT_MAX - 5, 0, INT_MAX, 10);
    r.OffsetRect(1, 0);
    EXPECT_EQ(r.right, INT_MIN);
    EXPECT_EQ(r.left, INT_MAX - 4);
    const CSFRect wide(INT_MIN, 0, INT_MAX, 1);
    EXPECT_EQ(wide.Width(), -1);
    CSFPoint p(INT_MAX, INT_MIN);
    p += CSFSize(1, -1);
    EXPECT_EQ(p, CSFPoint(INT_MIN, INT_MAX));
    EXPECT_EQ(-CSFPoint(INT_MIN, 0), CSFPoint(INT_MIN, 0));
    CSFRect m(0, 0, 10, 10);
    m.MoveToX(INT_MAX);
    EXPECT_EQ(m.right, INT_MIN + 9);
    EXPECT_EQ(m.Width(), 10);
}

// The classes are the records: an array of them can be handed where records are expected.
TEST(Geometry, LayoutMatchesTheRecords)
{
    CSFRect rects[2] = {CSFRect(1, 2, 3, 4), CSFRect(5, 6, 7, 8)};
    RECT raw[2];
    std::memcpy(raw, rects, sizeof raw);
    EXPECT_TRUE(Is(raw[1], 5, 6, 7, 8));
    const RECT* asRecords = rects;
    EXPECT_TRUE(Is(asRecords[1], 5, 6, 7, 8));
}

}  // namespace
