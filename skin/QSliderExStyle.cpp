#include "skin/QSliderExStyle.h"

#include "skin/SFQTSliderCtrl.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleOptionSlider>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

const CSFQTSliderCtrl* SkinnedSlider(const QWidget* widget)
{
    return qobject_cast<const CSFQTSliderCtrl*>(widget);
}

// The length of a piece along the slider (horizontal: width) and across it.
int Along(const QPixmap& piece, Qt::Orientation o)
{
    return o == Qt::Horizontal ? piece.width() : piece.height();
}
int Across(const QPixmap& piece, Qt::Orientation o)
{
    return o == Qt::Horizontal ? piece.height() : piece.width();
}

}  // namespace

QSliderExStyle::QSliderExStyle() = default;

void QSliderExStyle::polish(QWidget* widget)
{
    QCommonStyle::polish(widget);
    if (widget)
        widget->setAttribute(Qt::WA_Hover, true);
}

void QSliderExStyle::unpolish(QWidget* widget)
{
    QCommonStyle::unpolish(widget);
    if (widget)
        widget->setAttribute(Qt::WA_Hover, false);
}

int QSliderExStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                              QStyleHintReturn* returnData) const
{
    if (hint == SH_Slider_AbsoluteSetButtons)
        return Qt::LeftButton;
    return QCommonStyle::styleHint(hint, option, widget, returnData);
}

int QSliderExStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const CSFQTSliderCtrl* slider = SkinnedSlider(widget);
    if (slider) {
        const Qt::Orientation o = slider->orientation();
        const QPixmap& groove = slider->Piece(CSFQTSliderCtrl::PieceGrooveRight);
        const QPixmap& handle = slider->Piece(CSFQTSliderCtrl::PieceHandle);
        switch (metric) {
        case PM_SliderThickness:
            if (!groove.isNull())
                return Across(groove, o);
            break;
        case PM_SliderControlThickness:
            if (!handle.isNull())
                return Along(handle, o);
            break;
        case PM_ScrollBarSliderMin:
        case PM_SliderLength:
            if (!groove.isNull())
                return Along(groove, o);
            break;
        default:
            break;
        }
    }
    return QCommonStyle::pixelMetric(metric, option, widget);
}

void QSliderExStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const
{
    const CSFQTSliderCtrl* slider = SkinnedSlider(widget);
    const auto* opt = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_Slider || !slider || !opt) {
        QCommonStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const bool horizontal = opt->orientation == Qt::Horizontal;
    const Qt::Orientation o = opt->orientation;
    const int length = horizontal ? opt->rect.width() : opt->rect.height();
    const int depth = horizontal ? opt->rect.height() : opt->rect.width();
    const QPixmap& normal = slider->Piece(CSFQTSliderCtrl::PieceHandle);
    const int centre =
        HandleCentre(length, Along(normal, o), opt->sliderPosition, opt->minimum, opt->maximum);

    const QPixmap& before = slider->Piece(CSFQTSliderCtrl::PieceGrooveLeft);
    const QPixmap& after = slider->Piece(CSFQTSliderCtrl::PieceGrooveRight);
    if ((opt->subControls & SC_SliderGroove) && !before.isNull() && !after.isNull()) {
        // Each groove piece is drawn at its own size, from its own coordinates: the pieces
        // are as long as the control once Create has scaled them.
        if (horizontal) {
            painter->drawPixmap(0, 0, before, 0, 0, centre, before.height());
            painter->drawPixmap(centre, 0, after, centre, 0, after.width() - centre, after.height());
        } else {
            painter->drawPixmap(0, 0, before, 0, 0, before.width(), centre);
            painter->drawPixmap(0, centre, after, 0, centre, after.width(), after.height() - centre);
        }
    }

    const QPixmap& hover = slider->Piece(CSFQTSliderCtrl::PieceHandleHover);
    const QPixmap& pressed = slider->Piece(CSFQTSliderCtrl::PieceHandlePressed);
    const QPixmap& disabled = slider->Piece(CSFQTSliderCtrl::PieceHandleDisabled);
    if ((opt->subControls & SC_SliderHandle) && !normal.isNull() && !hover.isNull() && !pressed.isNull() &&
        !disabled.isNull()) {
        const bool over = (opt->state & State_MouseOver) != 0;
        const bool enabled = (opt->state & State_Enabled) != 0;
        const QPixmap* piece = &hover;
        if (over && slider->IsPressed())
            piece = &pressed;
        else if (!enabled)
            piece = &disabled;
        else if (!over)
            piece = &normal;
        const int start = centre - Along(*piece, o) / 2;
        const int side = (depth - Across(*piece, o) + 1) / 2;
        if (horizontal)
            painter->drawPixmap(start, side, *piece);
        else
            painter->drawPixmap(side, start, *piece);
    }
}

int QSliderExStyle::HandleCentre(int length, int handleLength, int pos, int min, int max)
{
    const std::int64_t track = static_cast<std::int64_t>(length) - handleLength;
    if (min >= max)
        return static_cast<int>(track);
    const std::int64_t span = static_cast<std::int64_t>(max) - min;
    return static_cast<int>(track * (static_cast<std::int64_t>(pos) - min) / span + handleLength / 2);
}

int QSliderExStyle::ValueAtPointer(int at, int length, int handleLength, int min, int max)
{
    if (min >= max)
        return max;
    const int track = length - handleLength;
    // A control no longer than its handle has no track to read a value from.
    if (track <= 0)
        return min;
    const int half = handleLength / 2;
    const int held = std::clamp(at, half, length - half);
    const double span = static_cast<double>(max) - min;
    const double v = min + static_cast<double>(held - half) * span / track;
    // Half up also below zero, so the pointer reaches a negative minimum.
    const double rounded = std::floor(v + 0.5);
    return static_cast<int>(std::clamp(rounded, static_cast<double>(min), static_cast<double>(max)));
}
