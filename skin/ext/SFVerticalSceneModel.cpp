#include "skin/ext/SFVerticalSceneModel.h"

#include <algorithm>
#include <cmath>

CSFVerticalSceneModel::CSFVerticalSceneModel() { UpdateAll(); }

void CSFVerticalSceneModel::SetObject(double distance, double width)
{
    m_nearDistance = distance;
    m_sceneWidth = width;
    UpdateAll();
}

void CSFVerticalSceneModel::SetResolution(double pictureHeight, double pictureWidth)
{
    m_pictureHeight = pictureHeight;
    m_pictureWidth = pictureWidth;
    UpdateAll();
}

void CSFVerticalSceneModel::SetCameraHeight(double metres)
{
    m_cameraHeight = metres;
    UpdateFarHeight();
}

void CSFVerticalSceneModel::SetDrawingSize(double width, double height)
{
    if (width > 0)
        m_drawingWidth = width;
    if (height > 0)
        m_drawingHeight = height;
}

void CSFVerticalSceneModel::SetVerticalRange(double metres)
{
    if (!(metres > 0))
        return;
    m_cameraHeight = metres * m_cameraHeight / m_verticalRange;
    m_verticalRange = metres;
    UpdateFarHeight();
}

void CSFVerticalSceneModel::SetHorizontalRange(double metres)
{
    if (!(metres > 0))
        return;
    const double scale = metres / m_horizontalRange;
    m_nearDistance *= scale;
    m_zoneDepth *= scale;
    m_horizontalRange = metres;
    UpdateFarHeight();
}

CSFVerticalSceneModel::DistanceReports CSFVerticalSceneModel::Drag(int type, double coordinate)
{
    DistanceReports reports;
    switch (type) {
    case kCameraHandle:
        m_cameraHeight = HeightAt(coordinate);
        KeepFarEnd();
        reports.emplace_back(1, m_nearDistance);
        break;
    case kNearHandle: {
        const double farEnd = FarEnd();
        m_nearDistance = DistanceAt(coordinate);
        m_farHeight = m_cameraHeight -
                      farEnd / std::tan(std::atan(m_nearDistance / m_cameraHeight) + VerticalAngleRadians());
        m_zoneDepth = farEnd - m_nearDistance;
        reports.emplace_back(1, m_nearDistance);
        break;
    }
    case kFarHandle: {
        const double farEnd = DistanceAt(coordinate);
        m_nearDistance = m_cameraHeight * std::tan(std::atan(farEnd / (m_cameraHeight - m_farHeight)) -
                                                   VerticalAngleRadians());
        m_zoneDepth = farEnd - m_nearDistance;
        reports.emplace_back(0, farEnd);
        reports.emplace_back(1, m_nearDistance);
        break;
    }
    case kObjectHandle:
        m_objectHeight = std::max(0.0, HeightAt(coordinate));
        break;
    case kFarHeightHandle:
        m_farHeight = HeightAt(coordinate);
        KeepFarEnd();
        reports.emplace_back(1, m_nearDistance);
        break;
    default:
        return reports;
    }
    UpdateShares();
    return reports;
}

bool CSFVerticalSceneModel::MovesVertically(int type)
{
    return type == kCameraHandle || type == kObjectHandle || type == kFarHeightHandle;
}

std::pair<double, double> CSFVerticalSceneModel::Bounds(int type) const
{
    if (MovesVertically(type))
        return {kTop, GroundY()};
    return {kPoleX, kPoleX + m_drawingWidth};
}

double CSFVerticalSceneModel::XOf(double metres) const
{
    return kPoleX + metres / m_horizontalRange * m_drawingWidth;
}

double CSFVerticalSceneModel::YOf(double metres) const
{
    return GroundY() - metres / m_verticalRange * m_drawingHeight;
}

double CSFVerticalSceneModel::DistanceAt(double x) const
{
    return m_drawingWidth > 0 ? (x - kPoleX) / m_drawingWidth * m_horizontalRange : 0.0;
}

double CSFVerticalSceneModel::HeightAt(double y) const
{
    return m_drawingHeight > 0 ? (GroundY() - y) / m_drawingHeight * m_verticalRange : 0.0;
}

void CSFVerticalSceneModel::UpdateAll()
{
    m_horizontalAngle = 2.0 * std::atan(m_sceneWidth * 0.5 / m_nearDistance) * 180.0 / kPi;
    m_verticalAngle = m_horizontalAngle * m_pictureHeight / m_pictureWidth;
    UpdateFarHeight();
}

void CSFVerticalSceneModel::UpdateFarHeight()
{
    m_farHeight = m_cameraHeight + FarEnd() / std::tan(kPi - std::atan(m_nearDistance / m_cameraHeight) -
                                                       VerticalAngleRadians());
    UpdateShares();
}

void CSFVerticalSceneModel::UpdateShares()
{
    const double n = m_nearDistance == 0.0 ? 0.0001 : m_nearDistance;
    const double d = m_cameraHeight * m_zoneDepth / n + m_farHeight;
    m_farShare = m_objectHeight / d;
    m_nearShare = m_objectHeight / (n * d / (n + m_zoneDepth));
}

void CSFVerticalSceneModel::KeepFarEnd()
{
    const double farEnd = FarEnd();
    const double above = m_cameraHeight - m_farHeight;
    double fromVertical = kPi / 2.0;
    if (above > 0)
        fromVertical = std::atan(farEnd / above);
    else if (above < 0)
        fromVertical = kPi - std::atan(farEnd / -above);
    m_nearDistance = m_cameraHeight * std::tan(fromVertical - VerticalAngleRadians());
    m_zoneDepth = farEnd - m_nearDistance;
}
