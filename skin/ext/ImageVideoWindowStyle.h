// Exported face: other programs are built against this header. Names and their spellings and
// the layout of the records must never change.
// The video window's skin record (CSFVideoWindow::SetSkin): 21 wide strings, then the largest
// size a play widget may be zoomed to.
//   [0]        back picture, shown centred by idle panes
//   [1]..[3]   close button pictures: normal, hover, pressed
//   [4]..[6]   snapshot button pictures: normal, hover, pressed
//   [7] [9] [8] property button pictures: normal, hover, pressed (in that order)
//   [10]       record box pictures 1, 2, 3 and 7 (checked normal, hover, pressed, disabled)
//   [11]       record box pictures 4, 5, 6 and 8 (unchecked normal, hover, pressed, disabled)
//   [12]       control button size "w,h"
//   [13]..[18] colours RRGGBB: background, bar, selected bar, merged-bar dash, selected
//              merged-bar dash, focus frame (an empty text keeps the default)
//   [19] [20]  bar line width and dash width, decimal (an empty text keeps the default)
#pragma once

#include "skin/SFSkinStyles.h"

struct ImageVideoWindowStyle : SFWideStringRecord<21>
{
    int nMaxZoomWidth = 0;
    int nMaxZoomHeight = 0;
};
