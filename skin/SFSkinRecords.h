// Not part of the exported face. The core controls' skin records filled with the pictures the
// skin painter draws for them in the extended set (which the program does not ship) and the
// cells it cuts them into: the one home of those names and cells, which the painter draws,
// and the gallery and the controls' tests load. Each function fills only what names a picture
// or a cell of one. The painter takes its file names from here; a cell re-cut here must be
// re-drawn in the painter.
#pragma once

#include "skin/SFSkinStyles.h"

// The slider sheet: two 120 x 16 groove pieces, then four 16 x 16 handles.
inline ImageSliderStyle SliderSkinRecord()
{
    ImageSliderStyle s;
    s[0] = L"slider_sheet.png";
    s[1] = L"0,0,119,15";
    s[2] = L"0,16,119,15";
    s[3] = L"0,32,15,15";
    s[4] = L"16,32,15,15";
    s[5] = L"32,32,15,15";
    s[6] = L"48,32,15,15";
    return s;
}

// The progress bar's chunk and background, each tiled along the bar.
inline ImageProgressCtrlStyle ProgressSkinRecord()
{
    ImageProgressCtrlStyle s;
    s[0] = L"progress_chunk.png";
    s[1] = L"progress_bg.png";
    return s;
}
