#include "skin/ext/SFQTHorizontalScene.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// The wedge's edges stand this far from the axis, whatever the camera's angle.
const double kWedgeHalfAngle = 0.21816615649305554;  // 12.5 degrees in radians

const QColor kBackground(105, 113, 127);
const QColor kNearZone(127, 133, 143);
const QColor kFarZone(75, 79, 87);

// The camera picture's top-left corner lies this far left of and above the apex.
const int kCameraLeft = 35;
const int kCameraUp = 12;
// The handle's line runs from this y down to kLineEndFromBottom above the bottom edge.
const int kLineTop = 20;
const int kLineEndFromBottom = 19;

QString Label(double value) { return QString::number(value, 'f', 1); }

}  // namespace

CSFQTHorizontalScene::CSFQTHorizontalScene() : QWidget(nullptr) {}

CSFQTHorizontalScene::~CSFQTHorizontalScene() = default;

int CSFQTHorizontalScene::Create(const wchar_t* title, DWORD style, const RECT& rc, void* parentUI,
                                 UINT /*id*/)
{
    return CreateAsGiven(*this, title, style, rc, parentUI);
}

void CSFQTHorizontalScene::SetCursor() {}

int CSFQTHorizontalScene::SetSkin(ImageHorizontalStyle* style)
{
    if (!style)
        return 0;
    m_camera = CSFSkinPicture::FromNameOrNone((*style)[0]);
    m_handle = CSFSkinPicture::FromNameOrNone((*style)[1]);
    m_handlePressed = CSFSkinPicture::FromNameOrNone((*style)[2]);
    update();
    return 1;
}

void CSFQTHorizontalScene::ShowWindow(int /*show*/) {}

void CSFQTHorizontalScene::MoveTo(const QRect& geometry)
{
    m_geometry.Resize(geometry.width());
    setGeometry(geometry);
    update();
}

void CSFQTHorizontalScene::MoveWindow(RECT* rc)
{
    if (rc)
        MoveTo(InclusiveRectToQRect(*rc));
}

void CSFQTHorizontalScene::MoveWindow(int x, int y, int w, int h) { MoveTo(QRect(x, y, w, h)); }

void CSFQTHorizontalScene::ChangeAngle(double degrees)
{
    m_geometry.SetAngle(degrees);
    ChangeDis(m_geometry.NearDistance(), m_geometry.FarDistance());
    update();
}

void CSFQTHorizontalScene::ChangeDis(double nearDistance, double farDistance)
{
    m_geometry.SetDistances(nearDistance, farDistance);
    update();
}

void CSFQTHorizontalScene::paintEvent(QPaintEvent* /*event*/)
{
    m_geometry.Layout(width());
    m_geometry.UpdateHandleValues();

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(rect(), kBackground);

    const double apexX = CSFHorizontalSceneGeometry::kApexX;
    const double axisY = height() / 2.0;
    const double span = m_geometry.MarkerSpan();
    const double nearX = m_geometry.NearMarkerX();
    const double farX = m_geometry.FarMarkerX();
    const double slope = std::tan(kWedgeHalfAngle);
    const QPointF apex(apexX, axisY);
    const QPointF nearTop(nearX, axisY - span * slope), nearBottom(nearX, axisY + span * slope);
    const QPointF farTop(farX, axisY - 2 * span * slope), farBottom(farX, axisY + 2 * span * slope);

    // Zones, then the wedge's edges and the markers over them.
    p.setPen(Qt::NoPen);
    p.setBrush(kNearZone);
    p.drawPolygon(QPolygonF({apex, nearTop, nearBottom}));
    p.setBrush(kFarZone);
    p.drawPolygon(QPolygonF({nearTop, farTop, farBottom, nearBottom}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(apex, farTop);
    p.drawLine(apex, farBottom);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(nearTop, nearBottom);
    p.drawLine(farTop, farBottom);

    const QPixmap& camera = m_camera.Pixmap();
    if (!camera.isNull())
        p.drawPixmap(QPointF(apexX - kCameraLeft, axisY - kCameraUp), camera);

    // The handle: its line, its picture centred on the grab line, its two read-outs.
    const double handleX = m_geometry.HandleX();
    const double grabY = height() - CSFHorizontalSceneGeometry::kHandleFromBottom;
    p.setPen(QPen(m_bDragging ? QColor(Qt::red) : QColor(Qt::white), 1));
    p.drawLine(QPointF(handleX, kLineTop), QPointF(handleX, height() - kLineEndFromBottom));
    const QPixmap& handle = (m_bDragging ? m_handlePressed : m_handle).Pixmap();
    if (!handle.isNull())
        p.drawPixmap(QPointF(handleX - handle.width() / 2.0, grabY - handle.height() / 2.0), handle);

    // Labels: each a number with one decimal, laid out of the axis and the zones' middles.
    p.setPen(Qt::white);
    const QFontMetrics fm = p.fontMetrics();
    const double top = fm.ascent() + 2;
    p.drawText(QPointF(apexX - kCameraLeft, axisY + kCameraUp + fm.ascent() + 16), Label(m_geometry.Angle()));
    p.drawText(QPointF(nearX + 4, std::max(top, nearTop.y() - 4)), Label(m_geometry.NearWidth()));
    const QString farText = Label(m_geometry.FarWidth());
    p.drawText(QPointF(farX - 4 - fm.horizontalAdvance(farText), std::max(top, farTop.y() - 4)), farText);
    const double besideHandle = handleX + CSFHorizontalSceneGeometry::kGrabHalfWidth + 4;
    p.drawText(QPointF(besideHandle, grabY - 2), Label(m_geometry.HandleDistance()));
    p.drawText(QPointF(besideHandle, grabY + fm.ascent()), Label(m_geometry.HandleWidth()));
}

void CSFQTHorizontalScene::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        return;
    const QPointF at = event->position();
    m_bDragging = m_geometry.HitsHandle(at.x(), at.y(), height());
    update();
}

void CSFQTHorizontalScene::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bDragging)
        return;
    m_geometry.Layout(width());  // the markers of the widget as it stands
    if (m_geometry.DragTo(event->position().x()))
        update();
}

void CSFQTHorizontalScene::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    m_bDragging = false;
    update();
}
