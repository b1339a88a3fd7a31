#include "skin/ext/SFQTSimulationScene.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QPainter>

#include <cmath>

namespace {

const QColor kSky(157, 194, 255);

}  // namespace

CSFQTSimulationScene::CSFQTSimulationScene() : QWidget(nullptr) {}

CSFQTSimulationScene::~CSFQTSimulationScene() = default;

int CSFQTSimulationScene::Create(const wchar_t* title, DWORD style, const RECT& rc, void* parentUI,
                                 UINT /*id*/)
{
    return CreateAsGiven(*this, title, style, rc, parentUI);
}

void CSFQTSimulationScene::SetCursor() {}

int CSFQTSimulationScene::SetSkin(ImageSimulationlStyle* style)
{
    if (!style)
        return 0;
    if (!(*style)[0].empty())
        m_background = CSFSkinPicture::FromName((*style)[0]);
    if (!(*style)[1].empty())
        m_object = CSFSkinPicture::FromName((*style)[1]);
    update();
    return 1;
}

void CSFQTSimulationScene::ShowWindow(int /*show*/) {}

void CSFQTSimulationScene::MoveWindow(RECT* rc)
{
    if (rc)
        setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTSimulationScene::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTSimulationScene::ChangeScale(double s1, double s2, double heightShare, double s4)
{
    m_scale1 = s1;
    m_scale2 = s2;
    m_heightShare = heightShare;
    m_scale4 = s4;
    update();
}

double CSFQTSimulationScene::ObjectHeight(int fieldHeight, double share)
{
    const double height = std::trunc(fieldHeight * share);
    // Not a number, below a pixel or without end: nothing is drawn.
    return height >= 1.0 && std::isfinite(height) ? height : 0.0;
}

void CSFQTSimulationScene::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    p.fillRect(rect(), kSky);
    const QPixmap& object = m_object.Pixmap();
    const double height = ObjectHeight(this->height(), m_heightShare);
    if (object.isNull() || height == 0)
        return;
    // Only the part inside the widget is scaled and drawn, so a share far above 1 costs no
    // more than the pixels that show (and stays within the painter's coordinate range).
    const double width = object.width() * height / object.height();
    const QRectF target((this->width() - width) / 2.0, this->height() - height, width, height);
    const QRectF shown = target.intersected(QRectF(rect()));
    if (shown.isEmpty())
        return;
    const double sx = object.width() / target.width(), sy = object.height() / target.height();
    const QRectF source((shown.left() - target.left()) * sx, (shown.top() - target.top()) * sy,
                        shown.width() * sx, shown.height() * sy);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawPixmap(shown, object, source);
}
