// The style of the skinned slider: it draws a CSFQTSliderCtrl entirely from the control's
// pieces (two groove pieces split at the handle centre, one handle piece per state) and
// sizes it from them. Any other widget, and a slider without its pieces, gets the common
// style. The arithmetic that places the handle and reads a pointer back into a value is
// offered on its own, so it is checked without a widget.
#pragma once

#include <QCommonStyle>

class QSliderExStyle : public QCommonStyle
{
    Q_OBJECT

public:
    QSliderExStyle();

    // Hover is turned on (off) so that the hover piece reaches painting.
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QCommonStyle::polish;
    using QCommonStyle::unpolish;

    // A left press sets the value at the pointer; every other hint is the common style's.
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    // Horizontal (vertical): slider thickness = height (width) of the right groove piece,
    // control thickness = width (height) of the normal handle, scroll-bar slider minimum and
    // slider length = width (height) of the right groove piece.
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The handle centre along a control `length` pixels long with a handle `handleLength`
    // long: (length - handleLength) x (pos - min) / (max - min) + handleLength / 2, truncated;
    // length - handleLength when min >= max.
    static int HandleCentre(int length, int handleLength, int pos, int min, int max);
    // The value under a pointer at `at` along the control: the pointer is held to
    // [handleLength / 2, length - handleLength / 2] and read linearly over min..max, rounded
    // half up and held to at most max. An empty range gives max; a control no longer than
    // its handle gives min (there is no track to read).
    static int ValueAtPointer(int at, int length, int handleLength, int min, int max);
};
