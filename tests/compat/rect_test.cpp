// The user32 rectangle functions and MulDiv against Win32's results.
#include "base/compat/sf_winapi.h"
#include "tests/common/test_rect.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <ostream>

namespace {

using testutil::Rect;
using testutil::SameRect;

TEST(RectFunctions, EmptinessAndPointContainment)
{
    EXPECT_EQ(sfwin::IsRectEmpty(nullptr), TRUE);
    struct Case
    {
        RECT r;
        BOOL empty;
    };
    const Case cases[] = {
        {Rect(0, 0, 1, 1), FALSE},       {Rect(0, 0, 0, 5), TRUE},  // no width
        {Rect(0, 0, 5, 0), TRUE},                                   // no height
        {Rect(5, 0, 0, 5), TRUE},                                   // inverted horizontally
        {Rect(0, 5, 5, 0), TRUE},                                   // inverted vertically
        {Rect(-10, -10, -5, -5), FALSE},
    };
    for (const Case& c : cases) {
        const RECT r = c.r;
        EXPECT_EQ(sfwin::IsRectEmpty(&r), c.empty)
            << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }

    const RECT r = Rect(10, 20, 30, 40);
    struct Pt
    {
        int x, y;
        BOOL in;
    };
    const Pt points[] = {
        {10, 20, TRUE},   // top-left corner is inside
        {29, 39, TRUE},   // last pixel
        {30, 39, FALSE},  // right edge is outside
        {29, 40, FALSE},  // bottom edge is outside
        {9, 20, FALSE},  {10, 19, FALSE},
    };
    for (const Pt& p : points) {
        POINT pt;
        pt.x = p.x;
        pt.y = p.y;
        EXPECT_EQ(sfwin::PtInRect(&r, pt), p.in) << p.x << "," << p.y;
    }
    const RECT inverted = Rect(30, 40, 10, 20);
    POINT mid;
    mid.x = 20;
    mid.y = 30;
    EXPECT_EQ(sfwin::PtInRect(&inverted, mid), FALSE);
}

TEST(RectFunctions, SetCopyEqualInflateOffset)
{
    RECT a;
    EXPECT_EQ(sfwin::SetRect(&a, 1, 2, 3, 4), TRUE);
    EXPECT_TRUE(SameRect(a, Rect(1, 2, 3, 4)));
    RECT b;
    EXPECT_EQ(sfwin::CopyRect(&b, &a), TRUE);
    EXPECT_EQ(sfwin::EqualRect(&a, &b), TRUE);
    b.bottom = 5;
    EXPECT_EQ(sfwin::EqualRect(&a, &b), FALSE);
    EXPECT_EQ(sfwin::EqualRect(&a, nullptr), FALSE);
    EXPECT_EQ(sfwin::SetRectEmpty(&b), TRUE);
    EXPECT_TRUE(SameRect(b, Rect(0, 0, 0, 0)));

    EXPECT_EQ(sfwin::InflateRect(&a, 10, -1), TRUE);
    EXPECT_TRUE(SameRect(a, Rect(-9, 3, 13, 3)));
    EXPECT_EQ(sfwin::OffsetRect(&a, 9, -3), TRUE);
    EXPECT_TRUE(SameRect(a, Rect(0, 0, 22, 0)));
    EXPECT_EQ(sfwin::OffsetRect(nullptr, 1, 1), FALSE);
}

// Arithmetic on the fields wraps in 32 bits (and stays defined: run under UBSan).
TEST(RectFunctions, OffsetAndInflateWrapAround)
{
    RECT r = Rect(INT_MAX - 10, 0, INT_MAX, 10);
    sfwin::OffsetRect(&r, 1, 0);
    EXPECT_TRUE(SameRect(r, Rect(INT_MAX - 9, 0, INT_MIN, 10)));
    RECT s = Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    sfwin::InflateRect(&s, 1, 2);
    EXPECT_TRUE(SameRect(s, Rect(INT_MAX, INT_MAX - 1, INT_MIN, INT_MIN + 1)));
}

struct TwoRectCase
{
    const char* name;
    RECT a, b;
    RECT expected;
    BOOL result;
};

// Runs op(&dst, &a, &b) for every case, dst starting as {7, 7, 7, 7}, and checks its result
// and dst.
template <std::size_t N>
void ExpectTwoRectCases(BOOL (*op)(RECT*, const RECT*, const RECT*), const TwoRectCase (&cases)[N])
{
    for (const TwoRectCase& c : cases) {
        RECT dst = Rect(7, 7, 7, 7);
        EXPECT_EQ(op(&dst, &c.a, &c.b), c.result) << c.name;
        EXPECT_TRUE(SameRect(dst, c.expected)) << c.name;
    }
}

TEST(RectFunctions, IntersectTable)
{
    const TwoRectCase cases[] = {
        {"overlap", Rect(0, 0, 10, 10), Rect(5, 5, 15, 15), Rect(5, 5, 10, 10), TRUE},
        {"contained", Rect(0, 0, 10, 10), Rect(2, 3, 4, 5), Rect(2, 3, 4, 5), TRUE},
        {"touching right edge", Rect(0, 0, 10, 10), Rect(10, 0, 20, 10), Rect(0, 0, 0, 0), FALSE},
        {"touching bottom edge", Rect(0, 0, 10, 10), Rect(0, 10, 10, 20), Rect(0, 0, 0, 0), FALSE},
        {"touching left edge", Rect(10, 0, 20, 10), Rect(0, 0, 10, 10), Rect(0, 0, 0, 0), FALSE},
        {"touching top edge", Rect(0, 10, 10, 20), Rect(0, 0, 10, 10), Rect(0, 0, 0, 0), FALSE},
        {"touching corner", Rect(0, 0, 10, 10), Rect(10, 10, 20, 20), Rect(0, 0, 0, 0), FALSE},
        {"apart", Rect(0, 0, 10, 10), Rect(50, 50, 60, 60), Rect(0, 0, 0, 0), FALSE},
        {"first empty inside second", Rect(5, 5, 5, 8), Rect(0, 0, 10, 10), Rect(0, 0, 0, 0), FALSE},
        {"second inverted", Rect(0, 0, 10, 10), Rect(8, 8, 2, 2), Rect(0, 0, 0, 0), FALSE},
        {"one pixel", Rect(0, 0, 10, 10), Rect(9, 9, 30, 30), Rect(9, 9, 10, 10), TRUE},
    };
    ExpectTwoRectCases(sfwin::IntersectRect, cases);
}

TEST(RectFunctions, UnionTable)
{
    const TwoRectCase cases[] = {
        {"disjoint", Rect(0, 0, 10, 10), Rect(20, 30, 40, 50), Rect(0, 0, 40, 50), TRUE},
        {"first empty is ignored", Rect(-100, -100, -100, 0), Rect(5, 5, 6, 6), Rect(5, 5, 6, 6), TRUE},
        {"second empty is ignored", Rect(5, 5, 6, 6), Rect(100, 100, 200, 100), Rect(5, 5, 6, 6), TRUE},
        {"second inverted is ignored", Rect(5, 5, 6, 6), Rect(200, 200, 100, 100), Rect(5, 5, 6, 6), TRUE},
        {"both empty", Rect(0, 0, 0, 10), Rect(3, 3, 1, 1), Rect(0, 0, 0, 0), FALSE},
    };
    ExpectTwoRectCases(sfwin::UnionRect, cases);
}

// The result is the bounding box of a minus b.
TEST(RectFunctions, SubtractTable)
{
    const RECT a = Rect(10, 10, 100, 100);
    const TwoRectCase cases[] = {
        {"corner overlap leaves a unchanged", a, Rect(50, 50, 150, 150), a, TRUE},
        {"right band spanning the height is cut", a, Rect(50, 10, 150, 150), Rect(10, 10, 50, 100), TRUE},
        {"left band spanning the height is cut", a, Rect(0, 0, 40, 100), Rect(40, 10, 100, 100), TRUE},
        {"top band spanning the width is cut", a, Rect(0, 0, 200, 30), Rect(10, 30, 100, 100), TRUE},
        {"bottom band spanning the width is cut", a, Rect(10, 90, 100, 100), Rect(10, 10, 100, 90), TRUE},
        {"vertical band through the middle changes nothing", a, Rect(40, 0, 60, 200), a, TRUE},
        {"horizontal band through the middle changes nothing", a, Rect(0, 40, 200, 60), a, TRUE},
        {"hole in the middle changes nothing", a, Rect(40, 40, 60, 60), a, TRUE},
        {"no overlap", a, Rect(200, 200, 300, 300), a, TRUE},
        {"touching only", a, Rect(100, 10, 200, 100), a, TRUE},
        {"empty second", a, Rect(20, 20, 20, 20), a, TRUE},
        {"full cover", a, Rect(0, 0, 200, 200), Rect(0, 0, 0, 0), FALSE},
        {"exact cover", a, a, Rect(0, 0, 0, 0), FALSE},
        {"empty first", Rect(5, 5, 5, 50), Rect(0, 0, 1, 1), Rect(0, 0, 0, 0), FALSE},
    };
    ExpectTwoRectCases(sfwin::SubtractRect, cases);
}

// The destination may be one of the sources.
TEST(RectFunctions, DestinationMayAliasASource)
{
    RECT a = Rect(0, 0, 10, 10);
    const RECT b = Rect(5, 5, 15, 15);
    sfwin::IntersectRect(&a, &a, &b);
    EXPECT_TRUE(SameRect(a, Rect(5, 5, 10, 10)));
    RECT c = Rect(0, 0, 10, 10);
    sfwin::UnionRect(&c, &b, &c);
    EXPECT_TRUE(SameRect(c, Rect(0, 0, 15, 15)));
    RECT d = Rect(10, 10, 100, 100);
    const RECT band = Rect(50, 0, 150, 150);
    sfwin::SubtractRect(&d, &d, &band);
    EXPECT_TRUE(SameRect(d, Rect(10, 10, 50, 100)));
}

TEST(MulDiv, Table)
{
    struct Case
    {
        int a, b, c, expected;
    };
    const Case cases[] = {
        {10, 3, 5, 6},
        {1, 1, 2, 1},    // 0.5 rounds up
        {-1, 1, 2, -1},  // -0.5 rounds away from zero
        {1, -1, 2, -1},
        {1, 1, -2, -1},
        {-1, -1, -2, -1},  // 1 * 1 / -2 = -0.5
        {-1, -1, 2, 1},
        {3, 1, 2, 2},  // 1.5 -> 2
        {5, 1, 2, 3},  // 2.5 -> 3
        {-5, 1, 2, -3},
        {5, 1, -2, -3},
        {7, 1, 3, 2},  // 2.33 -> 2
        {8, 1, 3, 3},  // 2.67 -> 3
        {-8, 1, 3, -3},
        {0, 5, -3, 0},
        {7, 9, 0, -1},  // zero divisor
        {0, 0, 0, -1},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},  // the 64-bit product is needed
        {INT_MAX, 2, 2, INT_MAX},
        {INT_MAX, 2, 1, -1},  // does not fit
        {INT_MIN, 2, 1, -1},
        {INT_MIN, 1, 1, -1},  // the most negative value counts as not fitting
        {INT_MIN, 1, -1, -1},
        {-INT_MAX, 1, 1, -INT_MAX},
        {INT_MIN, 1, 2, INT_MIN / 2},
        {65536, 65536, 2, -1},
        {65536, 65536, 4, 1073741824},
        {1000000, 1000000, 1000000, 1000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sfwin::MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
}

}  // namespace
