#include "app/FrameDialogStyle.h"

void SetFrameDialogStyle(DialogStyle& style)
{
    // The draw-mode entries after each piece, the title-button cells and rectangles and a
    // few spare entries are written empty; [44] (the close button's window rectangle) is
    // left alone, so the frame draws no title button: the dialogs carry their own.
    for (int i = 9; i <= 25; i += 2)
        style[i].clear();
    for (int i = 27; i <= 36; ++i)
        style[i].clear();
    for (int i = 40; i <= 43; ++i)
        style[i].clear();
    for (int i = 50; i <= 52; ++i)
        style[i].clear();

    style[0] = L"Frame.png";
    style[1] = L"bgColorWhite.png";
    style[2] = L"tile";
    style[3] = L"000000";
    style[4] = L"0,0,10,27";  // top-left corner
    style[5] = L"tile";
    style[6] = L"30,0,1,27";  // top edge
    style[7] = L"stretch";
    style[8] = L"138,0,10,27";  // top-right corner
    style[10] = L"0,27,1,80";   // left: upper, middle, lower
    style[12] = L"0,110,1,20";
    style[14] = L"0,110,1,20";
    style[16] = L"0,139,10,1";  // bottom-left corner, bottom edge, bottom-right corner
    style[18] = L"10,139,1,1";
    style[20] = L"138,139,10,1";
    style[22] = L"147,110,1,20";  // right: lower, middle, upper
    style[24] = L"147,110,1,20";
    style[26] = L"147,27,1,80";
    style[37] = L"11,41,23,14";  // close cells: normal, hover, pressed
    style[38] = L"41,41,23,14";
    style[39] = L"71,41,23,14";
    style[45] = L"Tahoma";
    style[46] = L"11";
    style[47] = L"normal";
    style[48] = L"FFFFFF";  // title colour
    style[49] = L"999999";
    style[53] = L"left";
    style[54] = L"10,0,1000,27";  // caption: the dialog stretches it over its whole width
    style.bFlag = true;
    style[55] = L"0,0,-1,-1";
}
