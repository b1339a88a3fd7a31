// RECTs for the tests of every area that hand rectangles to the Win32-style layer (sf_compat
// and everything above it): one from its four fields, and a comparison that prints both.
#pragma once

#include "base/compat/sf_wintypes.h"

#include <gtest/gtest.h>

namespace testutil {

inline RECT Rect(LONG left, LONG top, LONG right, LONG bottom)
{
    RECT rc;
    rc.left = left;
    rc.top = top;
    rc.right = right;
    rc.bottom = bottom;
    return rc;
}

// Success when the four fields match; otherwise both rectangles, as {left, top, right, bottom}.
inline ::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected)
{
    if (actual.left == expected.left && actual.top == expected.top && actual.right == expected.right &&
        actual.bottom == expected.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got {" << actual.left << ", " << actual.top << ", " << actual.right << ", " << actual.bottom
           << "}, want {" << expected.left << ", " << expected.top << ", " << expected.right << ", "
           << expected.bottom << "}";
}

}  // namespace testutil
