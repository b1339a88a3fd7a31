// Exported face: other programs are built against this header. Names and their spellings and
// the layout of the records must never change.
// The time-line's layout record, handed to SetSkinLayout: a head of two 32-bit values that
// the control does not read, then 30 wide strings [0]..[29]. Rectangles are "x,y,w,h"
// (last pixel x + w - 1), picture names are relative to the skin folder:
//   [0] time rect (ruler and bars)     [1] label rect (channel names)
//   [2] previous-day button rect       [3] next-day button rect
//   [4] painted panel rect             [5] panel picture rect
//   [6]..[12] the zoomer's slider pictures, in the order of ImageSliderStyle
//   [13] zoomer rect                   [14]..[25] not read
//   [26] row-up button rect            [27] row-down button rect
//   [28] zoom-in button rect           [29] zoom-out button rect
#pragma once

#include <cstdint>
#include <string>

struct ImagePlayProgressLayout
{
    std::int32_t nHead1 = 0;
    std::int32_t nHead2 = 0;
    std::wstring item[30];

    static constexpr int Count() { return 30; }
    std::wstring& operator[](int i) { return item[i]; }
    const std::wstring& operator[](int i) const { return item[i]; }
};
