// A RECT from its four fields, for the tests of every area that hand rectangles to the
// Win32-style layer (sf_compat and everything above it).
#pragma once

#include "base/compat/sf_wintypes.h"

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

}  // namespace testutil
