#include "skin/ext/SFQTVSliderItem.h"

#include "skin/ext/ISFSliderEvent.h"

#include <QGraphicsSceneMouseEvent>

#include <algorithm>

CSFQTVSliderItem::CSFQTVSliderItem(int type, Qt::Orientation orientation, ISFSliderEvent* sink)
    : m_type(type),
      m_orientation(orientation),
      m_sink(sink)
{
    setFlag(QGraphicsItem::ItemIsFocusable, true);
    setAcceptHoverEvents(true);
}

void CSFQTVSliderItem::SetPictures(const QPixmap (&pictures)[kStateCount])
{
    std::copy(std::begin(pictures), std::end(pictures), std::begin(m_pictures));
    Show(m_state);
}

void CSFQTVSliderItem::SetBounds(double min, double max)
{
    m_min = min;
    m_max = std::max(min, max);
}

void CSFQTVSliderItem::Show(int state)
{
    m_state = state;
    const QPixmap& picture = m_pictures[state];
    setPixmap(picture);
    setOffset(-picture.width() / 2.0, -picture.height() / 2.0);
}

void CSFQTVSliderItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    Show(kHeld);
    event->accept();  // the moves and the release come here
}

void CSFQTVSliderItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    const bool vertical = m_orientation == Qt::Vertical;
    const QPointF at = event->scenePos();
    const double coordinate = std::clamp(vertical ? at.y() : at.x(), m_min, m_max);
    setPos(vertical ? QPointF(pos().x(), coordinate) : QPointF(coordinate, pos().y()));
    if (m_sink)
        m_sink->OnSliderMoved(m_type, coordinate);
}

void CSFQTVSliderItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* /*event*/) { Show(kAtRest); }

void CSFQTVSliderItem::focusInEvent(QFocusEvent* /*event*/) { Show(kFocused); }

void CSFQTVSliderItem::focusOutEvent(QFocusEvent* /*event*/) { Show(kAtRest); }
