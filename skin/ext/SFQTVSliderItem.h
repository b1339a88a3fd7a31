// A draggable handle of the vertical scene: a picture item that moves along one axis within
// its bounds and reports each position to its ISFSliderEvent. Its position is the centre of
// its picture. It shows one of five state pictures: [4] at rest, [0] with the focus, [1]
// while held; [2] and [3] are kept for the skin.
#pragma once

#include <QGraphicsPixmapItem>
#include <QPixmap>

class ISFSliderEvent;

class CSFQTVSliderItem : public QGraphicsPixmapItem
{
public:
    static constexpr int kStateCount = 5;
    static constexpr int kFocused = 0;
    static constexpr int kHeld = 1;
    static constexpr int kAtRest = 4;

    CSFQTVSliderItem(int type, Qt::Orientation orientation, ISFSliderEvent* sink);

    // The handle's type as it reports it (1..5); QGraphicsItem::type() is the item kind.
    int HandleType() const { return m_type; }
    Qt::Orientation Orientation() const { return m_orientation; }
    void SetPictures(const QPixmap (&pictures)[kStateCount]);
    // The coordinates along its axis that a drag keeps it within.
    void SetBounds(double min, double max);
    int State() const { return m_state; }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Show(int state);

    int m_type;
    Qt::Orientation m_orientation;
    ISFSliderEvent* m_sink;
    double m_min = 0.0;
    double m_max = 0.0;
    int m_state = kAtRest;
    QPixmap m_pictures[kStateCount];
};
