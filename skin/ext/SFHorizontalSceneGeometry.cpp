#include "skin/ext/SFHorizontalSceneGeometry.h"

#include <cmath>

double CSFHorizontalSceneGeometry::WidthAt(double distance, double angleDegrees)
{
    return distance * 2.0 * std::tan(angleDegrees / 2.0 * kPi / 180.0);
}

void CSFHorizontalSceneGeometry::SetDistances(double nearDistance, double farDistance)
{
    if (nearDistance != kKeep) {
        m_nearDistance = nearDistance;
        m_nearWidth = WidthAt(nearDistance, m_angle);
    }
    if (farDistance != kKeep) {
        m_farDistance = farDistance;
        m_farWidth = WidthAt(farDistance, m_angle);
    }
}

void CSFHorizontalSceneGeometry::Layout(double widgetWidth)
{
    m_markerSpan = (widgetWidth - 2.0 * kApexX) / 2.0;
    m_nearMarkerX = kApexX + m_markerSpan;
    m_farMarkerX = kApexX + 2.0 * m_markerSpan;
}

void CSFHorizontalSceneGeometry::Resize(double widgetWidth)
{
    if (m_handleWidth == 0.0)
        return;
    Layout(widgetWidth);
    const double x =
        m_markerSpan * (m_handleWidth - m_nearWidth) / (m_farWidth - m_nearWidth) + m_markerSpan + kApexX;
    if (std::isfinite(x))
        m_handleX = x;
}

void CSFHorizontalSceneGeometry::UpdateHandleValues()
{
    if (!(m_markerSpan > 0.0)) {
        m_handleWidth = m_nearWidth;
        m_handleDistance = m_nearDistance;
        return;
    }
    const double along = (m_handleX - m_nearMarkerX) / m_markerSpan;
    m_handleWidth = m_nearWidth + along * (m_farWidth - m_nearWidth);
    m_handleDistance = m_nearDistance + along * (m_farDistance - m_nearDistance);
}

bool CSFHorizontalSceneGeometry::HitsHandle(double x, double y, double widgetHeight) const
{
    return std::fabs(x - m_handleX) <= kGrabHalfWidth &&
           std::fabs(y - (widgetHeight - kHandleFromBottom)) <= kGrabHalfHeight;
}

bool CSFHorizontalSceneGeometry::DragTo(double x)
{
    if (x < m_nearMarkerX || x > m_farMarkerX)
        return false;
    m_handleX = x;
    return true;
}
