#include "skin/ext/SFQTVerticalScene.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTDeleteGuard.h"
#include "skin/SFSkinPicture.h"
#include "skin/SFSkinString.h"
#include "skin/ext/SFQTGraphicsLineItem.h"
#include "skin/ext/SFQTPixmapItem.h"
#include "skin/ext/SFQTVSliderItem.h"

#include <QBrush>
#include <QGraphicsPathItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QPainterPath>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

namespace {

const QColor kBackground(105, 113, 127);
const QColor kZone(75, 79, 87);
const QColor kLevelGreen(121, 166, 92);
const QColor kLevelBlue(159, 194, 255);
const QColor kRayYellow(252, 232, 59);

// Lines by index: five white (pole above and below the camera, ground, near end up to the
// object's top, far end up to the far height), the object's top across the zone (green), the
// far height from the pole (blue), and the two view rays (yellow).
const QColor kLineColours[CSFQTVerticalScene::kLineCount] = {
    Qt::white, Qt::white, Qt::white, Qt::white, Qt::white, kLevelGreen, kLevelBlue, kRayYellow, kRayYellow};

// The scene is the widget less this much on the right and at the bottom.
const int kSceneMargin = 10;
// Room the drawing area leaves, when it follows the widget, right of it (labels, range box)
// and below the ground (labels, range box).
const double kRoomRight = 60.0;
const double kRoomBelow = 44.0;
// The range boxes' size and range.
const int kBoxWidth = 56;
const int kBoxHeight = 22;
const int kRangeMin = 1;
const int kRangeMax = 999;

QString Number(double value) { return QString::number(value, 'f', 1); }

}  // namespace

CSFQTVerticalScene::CSFQTVerticalScene(ISFVerticalSceneEvent* pEvent)
    : QWidget(nullptr),
      CSFVerticalScene(pEvent)
{
    m_scene = new QGraphicsScene(this);
    m_scene->setBackgroundBrush(kBackground);
    m_view = new QGraphicsView(m_scene, this);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_view->setRenderHint(QPainter::Antialiasing, true);
    BuildScene();
}

CSFQTVerticalScene::~CSFQTVerticalScene() = default;

void CSFQTVerticalScene::BuildScene()
{
    m_zone = m_scene->addPath(QPainterPath(), QPen(Qt::NoPen), QBrush(kZone));
    m_zone->setZValue(-0.2);
    for (int i = 0; i < kLineCount; ++i) {
        m_lines[i] = new CSFQTGraphicsLineItem(kLineColours[i]);
        m_scene->addItem(m_lines[i]);
    }
    for (CSFQTPixmapItem*& object : m_objects) {
        object = new CSFQTPixmapItem(0.5, 1.0);  // standing on the ground
        object->setZValue(-0.1);
        m_scene->addItem(object);
    }
    m_camera = new CSFQTPixmapItem(0.0, 0.5);  // beside the pole, at the camera's height
    m_scene->addItem(m_camera);
    for (QGraphicsSimpleTextItem*& label : m_labels) {
        label = m_scene->addSimpleText(QString());
        label->setBrush(Qt::white);
        label->setZValue(0.5);
    }
    for (int type = 1; type <= kHandleCount; ++type) {
        const Qt::Orientation axis =
            CSFVerticalSceneModel::MovesVertically(type) ? Qt::Vertical : Qt::Horizontal;
        m_handles[type - 1] = new CSFQTVSliderItem(type, axis, this);
        m_handles[type - 1]->setZValue(1.0);
        m_scene->addItem(m_handles[type - 1]);
    }
}

int CSFQTVerticalScene::Create(const wchar_t* title, DWORD style, const RECT& rc, void* parentUI, UINT /*id*/)
{
    CreateAsGiven(*this, title, style, rc, parentUI);
    Relayout();
    return 1;
}

void CSFQTVerticalScene::SetCursor() {}

int CSFQTVerticalScene::SetSkin(ImageVericalStyle* style)
{
    if (!style)
        return 0;
    for (int type = 1; type <= kHandleCount; ++type) {
        const int first = CSFVerticalSceneModel::MovesVertically(type) ? ImageVericalStyle::kVerticalHandle
                                                                       : ImageVericalStyle::kHorizontalHandle;
        QPixmap pictures[CSFQTVSliderItem::kStateCount];
        for (int i = 0; i < CSFQTVSliderItem::kStateCount; ++i)
            pictures[i] = CSFSkinPicture::FromNameOrNone((*style)[first + i]).Pixmap();
        m_handles[type - 1]->SetPictures(pictures);
    }
    const QPixmap object = CSFSkinPicture::FromNameOrNone((*style)[ImageVericalStyle::kObject]).Pixmap();
    for (CSFQTPixmapItem* item : m_objects)
        item->SetSource(object);
    m_camera->SetSource(CSFSkinPicture::FromNameOrNone((*style)[ImageVericalStyle::kCamera]).Pixmap());
    m_camera->ShowNatural();
    MakeRangeBoxes();
    Relayout();
    return 1;
}

void CSFQTVerticalScene::MakeRangeBoxes()
{
    if (m_verticalRangeBox)
        return;  // made once: a second skin keeps the boxes
    m_verticalRangeBox = new QSpinBox;
    m_horizontalRangeBox = new QSpinBox;
    const double ranges[] = {m_model.VerticalRange(), m_model.HorizontalRange()};
    QSpinBox* boxes[] = {m_verticalRangeBox, m_horizontalRangeBox};
    for (int i = 0; i < 2; ++i) {
        boxes[i]->setRange(kRangeMin, kRangeMax);
        boxes[i]->setValue(static_cast<int>(std::lround(ranges[i])));
        QGraphicsProxyWidget* proxy = m_scene->addWidget(boxes[i]);
        proxy->resize(kBoxWidth, kBoxHeight);
        proxy->setZValue(2.0);
    }
    connect(m_verticalRangeBox, &QSpinBox::valueChanged, this, &CSFQTVerticalScene::OnVerticalRange);
    connect(m_horizontalRangeBox, &QSpinBox::valueChanged, this, &CSFQTVerticalScene::OnHorizontalRange);
}

void CSFQTVerticalScene::ShowWindow(int /*show*/) {}

void CSFQTVerticalScene::MoveWindow(RECT* rc)
{
    if (rc)
        setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTVerticalScene::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTVerticalScene::FollowDistance(int distance)
{
    const int range = static_cast<int>(std::clamp(2.0 * distance, double(kRangeMin), double(kRangeMax)));
    if (m_horizontalRangeBox)
        m_horizontalRangeBox->setValue(range);  // its change rescales the scene
    else if (range != m_model.HorizontalRange())
        OnHorizontalRange(range);
}

void CSFQTVerticalScene::SetObjectDW(int distance, int width)
{
    if (distance != m_model.NearDistance())
        FollowDistance(distance);
    m_model.SetObject(distance, width);
    if (!ReportAll())
        return;
    Relayout();
}

void CSFQTVerticalScene::SetRealXY(int x, int y)
{
    m_bOwnWidth = m_bOwnWidth || x > 0;
    m_bOwnHeight = m_bOwnHeight || y > 0;
    m_model.SetDrawingSize(x, y);
    Relayout();
}

void CSFQTVerticalScene::SetVirtualHeight(double height)
{
    m_model.SetCameraHeight(height);
    Relayout();
}

void CSFQTVerticalScene::SetRes(int first, int second)
{
    m_model.SetResolution(first, second);
    if (!ReportAll())
        return;
    Relayout();
}

void CSFQTVerticalScene::OnSliderMoved(int type, double coordinate)
{
    const CSFVerticalSceneModel::DistanceReports reports = m_model.Drag(type, coordinate);
    if (m_pEvent) {
        const CSFQTDeleteGuard guard(this);
        for (const auto& [which, metres] : reports) {
            m_pEvent->VS_OnDistanceChanged(which, metres);
            if (guard.IsDeleted())
                return;
        }
    }
    Relayout();
}

void CSFQTVerticalScene::OnCurrentNumChanged(UINT /*id*/, int /*value*/) {}

void CSFQTVerticalScene::OnVerticalRange(int value)
{
    m_model.SetVerticalRange(value);
    Relayout();
}

void CSFQTVerticalScene::OnHorizontalRange(int value)
{
    m_model.SetHorizontalRange(value);
    Relayout();
}

bool CSFQTVerticalScene::ReportAll()
{
    if (!m_pEvent)
        return true;
    const CSFQTDeleteGuard guard(this);
    m_pEvent->VS_OnAngleChanged(m_model.HorizontalAngle());
    if (guard.IsDeleted())
        return false;
    m_pEvent->VS_OnDistanceChanged(1, m_model.NearDistance());
    if (guard.IsDeleted())
        return false;
    m_pEvent->VS_OnDistanceChanged(0, m_model.FarEnd());
    return !guard.IsDeleted();
}

CSFQTVSliderItem* CSFQTVerticalScene::Handle(int type) const
{
    return type >= 1 && type <= kHandleCount ? m_handles[type - 1] : nullptr;
}

QString CSFQTVerticalScene::LabelText(Label label) const { return m_labels[label]->text(); }

void CSFQTVerticalScene::resizeEvent(QResizeEvent* /*event*/) { Relayout(); }

void CSFQTVerticalScene::Relayout()
{
    m_view->setGeometry(rect());
    const double sceneWidth = std::max(0, width() - kSceneMargin);
    const double sceneHeight = std::max(0, height() - kSceneMargin);
    m_scene->setSceneRect(0, 0, sceneWidth, sceneHeight);
    const double poleX = CSFVerticalSceneModel::kPoleX;
    const double top = CSFVerticalSceneModel::kTop;
    m_model.SetDrawingSize(m_bOwnWidth ? 0 : std::max(1.0, sceneWidth - poleX - kRoomRight),
                           m_bOwnHeight ? 0 : std::max(1.0, sceneHeight - top - kRoomBelow));

    const CSFVerticalSceneModel& m = m_model;
    const double groundY = m.GroundY();
    const double cameraY = m.YOf(m.CameraHeight());
    const double nearX = m.XOf(m.NearDistance());
    const double farX = m.XOf(m.FarEnd());
    const double farY = m.YOf(m.FarHeight());
    const double objectY = m.YOf(m.ObjectHeight());
    const QPointF camera(poleX, cameraY), nearEnd(nearX, groundY), farEnd(farX, groundY), farTop(farX, farY);

    QPainterPath zone(camera);
    zone.lineTo(nearEnd);
    zone.lineTo(farEnd);
    zone.lineTo(farTop);
    zone.closeSubpath();
    m_zone->setPath(zone);

    const QLineF lines[kLineCount] = {{QPointF(poleX, top), camera},
                                      {camera, QPointF(poleX, groundY)},
                                      {QPointF(poleX, groundY), QPointF(poleX + m.DrawingWidth(), groundY)},
                                      {nearEnd, QPointF(nearX, objectY)},
                                      {farEnd, farTop},
                                      {QPointF(nearX, objectY), QPointF(farX, objectY)},
                                      {QPointF(poleX, farY), farTop},
                                      {camera, nearEnd},
                                      {camera, farTop}};
    for (int i = 0; i < kLineCount; ++i)
        m_lines[i]->setLine(lines[i]);

    const double objectPixels = groundY - objectY;
    m_objects[0]->setPos(nearEnd);
    m_objects[1]->setPos(farEnd);
    for (CSFQTPixmapItem* item : m_objects)
        item->ScaleToHeight(objectPixels);
    m_camera->setPos(camera);

    const QPointF handleAt[kHandleCount] = {camera, nearEnd, farEnd, QPointF(nearX, objectY), farTop};
    for (int type = 1; type <= kHandleCount; ++type) {
        CSFQTVSliderItem* handle = m_handles[type - 1];
        const auto [min, max] = m.Bounds(type);
        handle->SetBounds(min, max);
        handle->setPos(handleAt[type - 1]);
    }

    // Labels beside their handles, the distances under the ground.
    const double beside = 12.0, under = 10.0;
    const struct
    {
        double value;
        QPointF at;
    } labels[kLabelCount] = {{m.CameraHeight(), QPointF(poleX + beside, cameraY - 24)},
                             {m.VerticalAngle(), QPointF(poleX + beside, cameraY + 12)},
                             {m.NearDistance(), QPointF((poleX + nearX) / 2, groundY + under)},
                             {m.ZoneDepth(), QPointF((nearX + farX) / 2, groundY + under)},
                             {m.ObjectHeight(), QPointF(nearX + beside, objectY - 8)},
                             {m.FarHeight(), QPointF(farX + beside, farY - 8)},
                             {m.FarEnd(), QPointF(farX + beside, groundY + under)}};
    for (int i = 0; i < kLabelCount; ++i) {
        m_labels[i]->setText(Number(labels[i].value));
        m_labels[i]->setPos(labels[i].at);
    }

    if (m_verticalRangeBox) {
        m_verticalRangeBox->graphicsProxyWidget()->setPos(poleX + beside, 0);
        m_horizontalRangeBox->graphicsProxyWidget()->setPos(poleX + m.DrawingWidth() - kBoxWidth,
                                                            groundY + 2 * under + 4);
    }
}
