// The user32 rectangle functions and MulDiv against Win32's results.
#include "sf_winapi.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

namespace {

RECT R(int l, int t, int r, int b)
{
    RECT rc;
    rc.left = l;
    rc.top = t;
    rc.right = r;
    rc.bottom = b;
    return rc;
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected)
{
    if (actual.left == expected.left && actual.top == expected.top && actual.right == expected.right &&
        actual.bottom == expected.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got {" << actual.left << ", " << actual.top << ", " << actual.right
                                         << ", " << actual.bottom << "}, want {" << expected.left << ", "
                                         << expected.top << ", " << expected.right << ", " << expected.bottom << "}";
}

TEST(RectFunctions, EmptinessAndPointContainment)
{
    EXPECT_EQ(sfwin::IsRectEmpty(nullptr), TRUE);
    struct Case { RECT r; BOOL empty; };
    const Case cases[] = {
        {R(0, 0, 1, 1), FALSE},
        {R(0, 0, 0, 5), TRUE},    // no width
        {R(0, 0, 5, 0), TRUE},    // no height
        {R(5, 0, 0, 5), TRUE},    // inverted horizontally
        {R(0, 5, 5, 0), TRUE},    // inverted vertically
        {R(-10, -10, -5, -5), FALSE},
    };
    for (const Case& c : cases) {
        const RECT r = c.r;
        EXPECT_EQ(sfwin::IsRectEmpty(&r), c.empty) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }

    const RECT r = R(10, 20, 30, 40);
    struct Pt { int x, y; BOOL in; };
    const Pt points[] = {
        {10, 20, TRUE},   // top-left corner is inside
        {29, 39, TRUE},   // last pixel
        {30, 39, FALSE},  // right edge is outside
        {29, 40, FALSE},  // bottom edge is outside
        {9, 20, FALSE},
        {10, 19, FALSE},
    };
    for (const Pt& p : points) {
        POINT pt;
        pt.x = p.x;
        pt.y = p.y;
        EXPECT_EQ(sfwin::PtInRect(&r, pt), p.in) << p.x << "," << p.y;
    }
    const RECT inverted = R(30, 40, 10, 20);
    POINT mid;
    mid.x = 20;
    mid.y = 30;
    EXPECT_EQ(sfwin::PtInRect(&inverted, mid), FALSE);
}

TEST(RectFunctions, SetCopyEqualInflateOffset)
{
    RECT a;
    EXPECT_EQ(sfwin::SetRect(&a, 1, 2, 3, 4), TRUE);
    EXPECT_TRUE(SameRect(a, R(1, 2, 3, 4)));
    RECT b;
    EXPECT_EQ(sfwin::CopyRect(&b, &a), TRUE);
    EXPECT_EQ(sfwin::EqualRect(&a, &b), TRUE);
    b.bottom = 5;
    EXPECT_EQ(sfwin::EqualRect(&a, &b), FALSE);
    EXPECT_EQ(sfwin::EqualRect(&a, nullptr), FALSE);
    EXPECT_EQ(sfwin::SetRectEmpty(&b), TRUE);
    EXPECT_TRUE(SameRect(b, R(0, 0, 0, 0)));

    EXPECT_EQ(sfwin::InflateRect(&a, 10, -1), TRUE);
    EXPECT_TRUE(SameRect(a, R(-9, 3, 13, 3)));
    EXPECT_EQ(sfwin::OffsetRect(&a, 9, -3), TRUE);
    EXPECT_TRUE(SameRect(a, R(0, 0, 22, 0)));
    EXPECT_EQ(sfwin::OffsetRect(nullptr, 1, 1), FALSE);
}

// Arithmetic on the fields wraps in 32 bits (and stays defined: run under UBSan).
TEST(RectFunctions, OffsetAndInflateWrapAround)
{
    RECT r = R(INT_MAX - 10, 0, INT_MAX, 10);
    sfwin::OffsetRect(&r, 1, 0);
    EXPECT_TRUE(SameRect(r, R(INT_MAX - 9, 0, INT_MIN, 10)));
    RECT s = R(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    sfwin::InflateRect(&s, 1, 2);
    EXPECT_TRUE(SameRect(s, R(INT_MAX, INT_MAX - 1, INT_MIN, INT_MIN + 1)));
}

struct TwoRectCase
{
    const char* name;
    RECT a, b;
    RECT expected;
    BOOL result;
};

TEST(RectFunctions, IntersectTable)
{
    const TwoRectCase cases[] = {
        {"overlap", R(0, 0, 10, 10), R(5, 5, 15, 15), R(5, 5, 10, 10), TRUE},
        {"contained", R(0, 0, 10, 10), R(2, 3, 4, 5), R(2, 3, 4, 5), TRUE},
        {"touching right edge", R(0, 0, 10, 10), R(10, 0, 20, 10), R(0, 0, 0, 0), FALSE},
        {"touching bottom edge", R(0, 0, 10, 10), R(0, 10, 10, 20), R(0, 0, 0, 0), FALSE},
        {"touching left edge", R(10, 0, 20, 10), R(0, 0, 10, 10), R(0, 0, 0, 0), FALSE},
        {"touching top edge", R(0, 10, 10, 20), R(0, 0, 10, 10), R(0, 0, 0, 0), FALSE},
        {"touching corner", R(0, 0, 10, 10), R(10, 10, 20, 20), R(0, 0, 0, 0), FALSE},
        {"apart", R(0, 0, 10, 10), R(50, 50, 60, 60), R(0, 0, 0, 0), FALSE},
        {"first empty inside second", R(5, 5, 5, 8), R(0, 0, 10, 10), R(0, 0, 0, 0), FALSE},
        {"second inverted", R(0, 0, 10, 10), R(8, 8, 2, 2), R(0, 0, 0, 0), FALSE},
        {"one pixel", R(0, 0, 10, 10), R(9, 9, 30, 30), R(9, 9, 10, 10), TRUE},
    };
    for (const TwoRectCase& c : cases) {
        RECT dst = R(7, 7, 7, 7);
        EXPECT_EQ(sfwin::IntersectRect(&dst, &c.a, &c.b), c.result) << c.name;
        EXPECT_TRUE(SameRect(dst, c.expected)) << c.name;
    }
}

TEST(RectFunctions, UnionTable)
{
    const TwoRectCase cases[] = {
        {"disjoint", R(0, 0, 10, 10), R(20, 30, 40, 50), R(0, 0, 40, 50), TRUE},
        {"first empty is ignored", R(-100, -100, -100, 0), R(5, 5, 6, 6), R(5, 5, 6, 6), TRUE},
        {"second empty is ignored", R(5, 5, 6, 6), R(100, 100, 200, 100), R(5, 5, 6, 6), TRUE},
        {"second inverted is ignored", R(5, 5, 6, 6), R(200, 200, 100, 100), R(5, 5, 6, 6), TRUE},
        {"both empty", R(0, 0, 0, 10), R(3, 3, 1, 1), R(0, 0, 0, 0), FALSE},
    };
    for (const TwoRectCase& c : cases) {
        RECT dst = R(7, 7, 7, 7);
        EXPECT_EQ(sfwin::UnionRect(&dst, &c.a, &c.b), c.result) << c.name;
        EXPECT_TRUE(SameRect(dst, c.expected)) << c.name;
    }
}

// The result is the bounding box of a minus b.
TEST(RectFunctions, SubtractTable)
{
    const RECT a = R(10, 10, 100, 100);
    const TwoRectCase cases[] = {
        {"corner overlap leaves a unchanged", a, R(50, 50, 150, 150), a, TRUE},
        {"right band spanning the height is cut", a, R(50, 10, 150, 150), R(10, 10, 50, 100), TRUE},
        {"left band spanning the height is cut", a, R(0, 0, 40, 100), R(40, 10, 100, 100), TRUE},
        {"top band spanning the width is cut", a, R(0, 0, 200, 30), R(10, 30, 100, 100), TRUE},
        {"bottom band spanning the width is cut", a, R(10, 90, 100, 100), R(10, 10, 100, 90), TRUE},
        {"vertical band through the middle changes nothing", a, R(40, 0, 60, 200), a, TRUE},
        {"horizontal band through the middle changes nothing", a, R(0, 40, 200, 60), a, TRUE},
        {"hole in the middle changes nothing", a, R(40, 40, 60, 60), a, TRUE},
        {"no overlap", a, R(200, 200, 300, 300), a, TRUE},
        {"touching only", a, R(100, 10, 200, 100), a, TRUE},
        {"empty second", a, R(20, 20, 20, 20), a, TRUE},
        {"full cover", a, R(0, 0, 200, 200), R(0, 0, 0, 0), FALSE},
        {"exact cover", a, a, R(0, 0, 0, 0), FALSE},
        {"empty first", R(5, 5, 5, 50), R(0, 0, 1, 1), R(0, 0, 0, 0), FALSE},
    };
    for (const TwoRectCase& c : cases) {
        RECT dst = R(7, 7, 7, 7);
        EXPECT_EQ(sfwin::SubtractRect(&dst, &c.a, &c.b), c.result) << c.name;
        EXPECT_TRUE(SameRect(dst, c.expected)) << c.name;
    }
}

// The destination may be one of the sources.
TEST(RectFunctions, DestinationMayAliasASource)
{
    RECT a = R(0, 0, 10, 10);
    const RECT b = R(5, 5, 15, 15);
    sfwin::IntersectRect(&a, &a, &b);
    EXPECT_TRUE(SameRect(a, R(5, 5, 10, 10)));
    RECT c = R(0, 0, 10, 10);
    sfwin::UnionRect(&c, &b, &c);
    EXPECT_TRUE(SameRect(c, R(0, 0, 15, 15)));
    RECT d = R(10, 10, 100, 100);
    const RECT band = R(50, 0, 150, 150);
    sfwin::SubtractRect(&d, &d, &band);
    EXPECT_TRUE(SameRect(d, R(10, 10, 50, 100)));
}

TEST(MulDiv, Table)
{
    struct Case { int a, b, c, expected; };
    const Case cases[] = {
        {10, 3, 5, 6},
        {1, 1, 2, 1},          // 0.5 rounds up
        {-1, 1, 2, -1},        // -0.5 rounds away from zero
        {1, -1, 2, -1},
        {1, 1, -2, -1},
        {-1, -1, -2, -1},      // 1 * 1 / -2 = -0.5
        {-1, -1, 2, 1},
        {3, 1, 2, 2},          // 1.5 -> 2
        {5, 1, 2, 3},          // 2.5 -> 3
        {-5, 1, 2, -3},
        {5, 1, -2, -3},
        {7, 1, 3, 2},          // 2.33 -> 2
        {8, 1, 3, 3},          // 2.67 -> 3
        {-8, 1, 3, -3},
        {0, 5, -3, 0},
        {7, 9, 0, -1},         // zero divisor
        {0, 0, 0, -1},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},   // the 64-bit product is needed
        {INT_MAX, 2, 2, INT_MAX},
        {INT_MAX, 2, 1, -1},                    // does not fit
        {INT_MIN, 2, 1, -1},
        {INT_MIN, 1, 1, -1},                    // the most negative value counts as not fitting
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

} // namespace
