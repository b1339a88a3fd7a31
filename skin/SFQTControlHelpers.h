// Small helpers shared by the skinned controls: the two ways a facade rectangle is read,
// the controls' rectangles handed back in the facade's form, and text copied out into a
// caller's buffer.
#pragma once

#include "base/compat/sf_windows.h"
#include "skin/SFSkinString.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstddef>
#include <string>

// ---- Rectangles -------------------------------------------------------------------------
// A RECT handed to a control is read one of two ways:
// - one past (the Win32 reading; Create of the controls): right and bottom lie one past the
//   area, so the widget covers left..right-1 and top..bottom-1, width right - left;
// - inclusive (MoveWindow(RECT*) of most controls, the view's Create): right and bottom are
//   the last pixel inside, width right - left + 1.
// Rectangles handed back (window, client and control positions) are inclusive.

// The widget rectangle of a one-past RECT: at (left, top), right - left by bottom - top.
inline QRect OnePastRectToQRect(const RECT& rc)
{
    return QRect(QPoint(rc.left, rc.top), QPoint(rc.right - 1, rc.bottom - 1));
}

// The widget rectangle of an inclusive RECT: at (left, top), right - left + 1 by
// bottom - top + 1.
inline QRect InclusiveRectToQRect(const RECT& rc)
{
    return QRect(QPoint(rc.left, rc.top), QPoint(rc.right, rc.bottom));
}

// The four corners of r: {left, top, right, bottom}, right and bottom inclusive (the inverse
// of InclusiveRectToQRect).
inline RECT QRectToInclusiveRect(const QRect& r) { return RECT{r.left(), r.top(), r.right(), r.bottom()}; }

// The widget's own area in its own coordinates: {0, 0, width - 1, height - 1}.
inline RECT WidgetClientRect(const QWidget& widget) { return QRectToInclusiveRect(widget.rect()); }

// The widget's area on the screen: its top-left and bottom-right pixels mapped to global
// coordinates.
inline RECT WidgetScreenRect(const QWidget& widget)
{
    return QRectToInclusiveRect(QRect(widget.mapToGlobal(QPoint(0, 0)),
                                      widget.mapToGlobal(QPoint(widget.width() - 1, widget.height() - 1))));
}

// Screen coordinates into the widget's: each corner is mapped on its own, so the rectangle
// keeps whichever rule (inclusive or one past) it was written with.
inline RECT ScreenRectToClient(const QWidget& widget, const RECT& rc)
{
    const QPoint tl = widget.mapFromGlobal(QPoint(rc.left, rc.top));
    const QPoint br = widget.mapFromGlobal(QPoint(rc.right, rc.bottom));
    return RECT{tl.x(), tl.y(), br.x(), br.y()};
}

// The Create of the camera scenes and the focus graph: the widget goes into the parent, takes
// the title, covers the rectangle's corners as they stand (right and bottom inclusive) and is
// shown when the style has WS_VISIBLE. Returns 1.
inline int CreateAsGiven(QWidget& widget, const wchar_t* title, DWORD style, const RECT& rc, void* parentUI)
{
    widget.setParent(static_cast<QWidget*>(parentUI));
    widget.setWindowTitle(WideToQString(title));
    widget.setGeometry(InclusiveRectToQRect(rc));
    widget.setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

// ---- Text -------------------------------------------------------------------------------

// Copies the text into buf (size characters with the terminating 0), cut when needed.
// Returns the number of characters copied; nothing is written when buf is null or size <= 0.
inline int CopyWideOut(const std::wstring& wide, wchar_t* buf, int size)
{
    if (!buf || size <= 0)
        return 0;
    const int n = static_cast<int>(std::min<std::size_t>(wide.size(), static_cast<std::size_t>(size - 1)));
    std::copy_n(wide.data(), n, buf);
    buf[n] = L'\0';
    return n;
}

// The same for a toolkit text, counted in wchar_t units after conversion, so a character
// outside the BMP is one unit.
inline int CopyTextOut(const QString& text, wchar_t* buf, int size)
{
    return CopyWideOut(QStringToWide(text), buf, size);
}

// Copies the whole text with its terminating 0 into buf (size characters) and returns true.
// A text that does not fit whole, a null buf or size 0 writes nothing and gives false: for a
// path, a cut text would name something else.
inline bool CopyWideWhole(const std::wstring& wide, wchar_t* buf, std::size_t size)
{
    if (!buf || wide.size() >= size)
        return false;
    std::copy_n(wide.data(), wide.size(), buf);
    buf[wide.size()] = L'\0';
    return true;
}
