// Exported face: other programs are built against this header. Names and their spellings and
// the layout of the records must never change.
// The list control's skin record, filled by the owner and read by CSFListCtrl::SetSkin.
#pragma once

#include "skin/SFSkinStyles.h"

// 46 wide strings, then four ints:
//   [0]          sprite picture file, relative to the skin folder (loaded, not painted)
//   [1]..[20]    part rectangles "x,y,w,h" (cells of (w + 1) x (h + 1) pixels)
//   [21]..[40]   the mode of each part: "stretch" stretches it
//   [41], [42]   even-row and odd-row colours, "RRGGBB"
//   [43]..[45]   not read
//   nValue[2]    header height (the header's fixed height)
//   nValue[3]    row height of the rows inserted afterwards
//   nValue[0], nValue[1] are not read.
struct ListCtrlStyle : SFWideStringRecord<46>
{
    int nValue[4] = {};
};
