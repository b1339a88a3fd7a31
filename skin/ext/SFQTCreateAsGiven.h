// The Create of the camera scenes and the focus graph: the widget goes into the parent, takes
// the title, covers the rectangle's corners as they stand (right and bottom inclusive) and is
// shown when the style has WS_VISIBLE. Returns 1.
#pragma once

#include "base/compat/sf_windows.h"
#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QWidget>

inline int CreateAsGiven(QWidget& widget, const wchar_t* title, DWORD style, const RECT& rc, void* parentUI)
{
    widget.setParent(static_cast<QWidget*>(parentUI));
    widget.setWindowTitle(WideToQString(title));
    widget.setGeometry(InclusiveRectToQRect(rc));
    widget.setVisible((style & WS_VISIBLE) != 0);
    return 1;
}
