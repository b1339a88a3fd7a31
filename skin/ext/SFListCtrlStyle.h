// The list control's skin record, filled by the owner and read by CSFListCtrl::SetSkin.
#pragma once

#include <string>

// 46 wide strings, then four ints:
//   [0]          sprite picture file, relative to the skin folder (loaded, not painted)
//   [1]..[20]    part rectangles "x,y,w,h" (cells of (w + 1) x (h + 1) pixels)
//   [21]..[40]   the mode of each part: "stretch" stretches it
//   [41], [42]   even-row and odd-row colours, "RRGGBB"
//   [43]..[45]   not read
//   nValue[2]    header height (the header's fixed height)
//   nValue[3]    row height of the rows inserted afterwards
//   nValue[0], nValue[1] are not read.
struct ListCtrlStyle
{
    std::wstring item[46];
    int nValue[4] = {0, 0, 0, 0};

    static constexpr int Count() { return 46; }
    std::wstring& operator[](int i) { return item[i]; }
    const std::wstring& operator[](int i) const { return item[i]; }
};
