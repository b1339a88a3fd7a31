// A picture item of the vertical scene: keeps its source picture, shows it scaled to a
// height, and places it by an anchor given as shares of its size (0.5, 1: the item's
// position is the middle of the picture's bottom edge).
#pragma once

#include <QGraphicsPixmapItem>
#include <QPixmap>

class CSFQTPixmapItem : public QGraphicsPixmapItem
{
public:
    // The tallest a picture is scaled to, so that no drawing area makes it unbounded.
    static constexpr int kMaxHeight = 4096;

    CSFQTPixmapItem(double anchorX, double anchorY);

    void SetSource(const QPixmap& picture);
    // Shows the source at its own size.
    void ShowNatural();
    // Shows the source smoothly scaled to height pixels (kept within 0..kMaxHeight, whole
    // pixels); nothing below one pixel. Showing the height already shown does nothing.
    void ScaleToHeight(double height);

private:
    void Place(const QPixmap& shown);

    QPixmap m_source;
    // The clamped height last shown by ScaleToHeight (-1: none since the source or the
    // natural size was shown), so that an unchanged height is not scaled again.
    double m_shownHeight = -1.0;
    double m_anchorX;
    double m_anchorY;
};
