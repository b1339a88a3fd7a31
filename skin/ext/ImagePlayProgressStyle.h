// Exported face: other programs are built against this header. Names and their spellings and
// the layout of the records must never change.
// The time-line's picture record, handed to SetSkin: 50 wide strings [0]..[49], picture names
// relative to the skin folder. The control reads:
//   [24] [25] [26] [28] row-up button: normal, hover, pressed, disabled
//   [29] [30] [31] [33] row-down button: normal, hover, pressed, disabled
//   [35] zoom-in button, all states        [37] zoom-out button, all states
//   [43] [44] loaded for the painted panel, not drawn
//   [45] [46] previous-day button: disabled, enabled
//   [47] [48] next-day button: disabled, enabled
//   [49] panel picture
// The other strings are not read.
#pragma once

#include "skin/SFSkinStyles.h"

struct ImagePlayProgressStyle : SFWideStringRecord<50>
{};
