// The two readings of a facade rectangle (one past and inclusive) and the inclusive read-out
// that inverts the second.
#include "skin/SFQTControlHelpers.h"
#include "tests/common/test_rect.h"

#include <gtest/gtest.h>

#include <QRect>

namespace {

using testutil::Rect;

struct Geometry
{
    int x, y, w, h;
};

::testing::AssertionResult Is(const QRect& r, const Geometry& want)
{
    if (r.x() == want.x && r.y() == want.y && r.width() == want.w && r.height() == want.h)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height() << ", want " << want.x
           << "," << want.y << " " << want.w << "x" << want.h;
}

TEST(ControlRect, OnePastAndInclusiveReadings)
{
    const struct
    {
        const char* name;
        RECT rc;
        Geometry onePast;
        Geometry inclusive;
    } cases[] = {
        {"plain", Rect(10, 20, 110, 60), {10, 20, 100, 40}, {10, 20, 101, 41}},
        {"one pixel", Rect(7, 8, 8, 9), {7, 8, 1, 1}, {7, 8, 2, 2}},
        {"corners equal", Rect(5, 5, 5, 5), {5, 5, 0, 0}, {5, 5, 1, 1}},
        {"negative corners", Rect(-30, -10, -5, 0), {-30, -10, 25, 10}, {-30, -10, 26, 11}},
        {"right before left", Rect(50, 50, 40, 45), {50, 50, -10, -5}, {50, 50, -9, -4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(Is(OnePastRectToQRect(c.rc), c.onePast));
        EXPECT_TRUE(Is(InclusiveRectToQRect(c.rc), c.inclusive));

        const RECT back = QRectToInclusiveRect(InclusiveRectToQRect(c.rc));
        EXPECT_EQ(back.left, c.rc.left);
        EXPECT_EQ(back.top, c.rc.top);
        EXPECT_EQ(back.right, c.rc.right);
        EXPECT_EQ(back.bottom, c.rc.bottom);
    }
}

}  // namespace
