#include "skin/ext/SFQTPixmapItem.h"

#include <algorithm>
#include <cmath>

CSFQTPixmapItem::CSFQTPixmapItem(double anchorX, double anchorY) : m_anchorX(anchorX), m_anchorY(anchorY) {}

void CSFQTPixmapItem::SetSource(const QPixmap& picture)
{
    m_source = picture;
    m_shownHeight = -1.0;
}

void CSFQTPixmapItem::ShowNatural()
{
    m_shownHeight = -1.0;
    Place(m_source);
}

void CSFQTPixmapItem::ScaleToHeight(double height)
{
    const double h = std::isfinite(height) ? std::clamp(std::trunc(height), 0.0, double(kMaxHeight)) : 0.0;
    if (h == m_shownHeight)
        return;
    m_shownHeight = h;
    if (m_source.isNull() || h < 1.0) {
        Place(QPixmap());
        return;
    }
    Place(m_source.scaledToHeight(static_cast<int>(h), Qt::SmoothTransformation));
}

void CSFQTPixmapItem::Place(const QPixmap& shown)
{
    setPixmap(shown);
    setOffset(-shown.width() * m_anchorX, -shown.height() * m_anchorY);
}
