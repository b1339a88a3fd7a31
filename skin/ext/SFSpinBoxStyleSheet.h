// The style sheet of a skinned spin box (the number spinner and the date/time field): the
// frame and the two buttons in their normal, hover, pressed and disabled states, each an
// 8-px side padding or 21-px wide button drawn with its picture.
#pragma once

#include <QString>

// The nine pictures, as full file paths.
struct SFSpinBoxPictures
{
    QString frame;
    QString up;
    QString upHover;
    QString upPressed;
    QString upDisabled;
    QString down;
    QString downHover;
    QString downPressed;
    QString downDisabled;
};

// The sheet for the widget class widgetClass (e.g. "QSpinBox"), its nine rules in the order
// of SFSpinBoxPictures.
QString SFSpinBoxStyleSheet(const QString& widgetClass, const SFSpinBoxPictures& pictures);
