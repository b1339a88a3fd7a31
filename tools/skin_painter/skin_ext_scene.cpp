// Pictures of the camera scenes: the horizontal scene's camera and handle, the vertical
// scene's handles, object and camera, and the simulation scene's background.
#include "skin/ext/SFSkinRecordsExt.h"
#include "tools/skin_painter/skin_catalog.h"
#include "tools/skin_painter/skin_palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

void begin(QPainter& p) { p.setRenderHint(QPainter::Antialiasing, true); }

// A camera seen from above, lens to the right: body, lens barrel, a lit window.
void cameraTop(QImage& img)
{
    QPainter p(&img);
    begin(p);
    const qreal w = img.width(), h = img.height();
    p.setPen(QPen(skinpal::metalDark(), 1));
    p.setBrush(skinpal::silver());
    p.drawRoundedRect(QRectF(1.5, h * 0.2, w * 0.68, h * 0.6), 3, 3);
    p.setBrush(skinpal::metal());
    p.drawRect(QRectF(w * 0.7, h * 0.32, w * 0.26, h * 0.36));
    p.setBrush(skinpal::ledBlue());
    p.drawEllipse(QPointF(w * 0.9, h * 0.5), h * 0.12, h * 0.12);
}

// A camera seen from the side on a short arm, lens to the right and tilted down.
void cameraSide(QImage& img)
{
    QPainter p(&img);
    begin(p);
    const qreal w = img.width(), h = img.height();
    p.setPen(QPen(skinpal::metalDark(), 1));
    p.setBrush(skinpal::metal());
    p.drawRect(QRectF(0.5, h * 0.4, w * 0.2, h * 0.2));
    p.translate(w * 0.55, h * 0.5);
    p.rotate(18);
    p.setBrush(skinpal::silver());
    p.drawRoundedRect(QRectF(-w * 0.35, -h * 0.3, w * 0.6, h * 0.6), 2, 2);
    p.setBrush(skinpal::metal());
    p.drawRect(QRectF(w * 0.25, -h * 0.18, w * 0.15, h * 0.36));
}

// The horizontal scene's handle: a rounded plate with grip ridges.
void plateHandle(QImage& img, bool pressed)
{
    QPainter p(&img);
    begin(p);
    const QRectF r(0.5, 0.5, img.width() - 1, img.height() - 1);
    p.setPen(QPen(pressed ? skinpal::accentDeep() : skinpal::lineStrong(), 1));
    p.setBrush(pressed ? skinpal::accent() : skinpal::surface());
    p.drawRoundedRect(r, 5, 5);
    p.setPen(QPen(pressed ? skinpal::white() : skinpal::inkSoft(), 1));
    const qreal c = r.center().x();
    for (int i = -1; i <= 1; ++i)
        p.drawLine(QPointF(c + i * 4, r.top() + 4), QPointF(c + i * 4, r.bottom() - 4));
}

// The vertical scene's handles: a round knob with two arrows along the axis it moves on.
// State 0 focused, 1 held, 2 hover, 3 disabled, 4 at rest.
void knob(QImage& img, bool vertical, int state)
{
    QPainter p(&img);
    begin(p);
    QColor fill = skinpal::surface(), ring = skinpal::lineStrong(), ink = skinpal::ink();
    switch (state) {
    case 0:
        ring = skinpal::accent();
        break;
    case 1:
        fill = skinpal::accent();
        ring = skinpal::accentDeep();
        ink = skinpal::white();
        break;
    case 2:
        fill = skinpal::accentTint();
        break;
    case 3:
        fill = skinpal::disabledFill();
        ring = skinpal::disabledLine();
        ink = skinpal::disabledInk();
        break;
    default:
        break;
    }
    const qreal s = img.width();
    const QPointF c(s / 2, s / 2);
    p.setPen(QPen(ring, state == 0 ? 2 : 1));
    p.setBrush(fill);
    p.drawEllipse(c, s / 2 - 1, s / 2 - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal a = s * 0.16, b = s * 0.34;
    if (vertical) {
        p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - b), QPointF(c.x() - a, c.y() - a * 0.4),
                                 QPointF(c.x() + a, c.y() - a * 0.4)}));
        p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() + b), QPointF(c.x() - a, c.y() + a * 0.4),
                                 QPointF(c.x() + a, c.y() + a * 0.4)}));
    } else {
        p.drawPolygon(QPolygonF({QPointF(c.x() - b, c.y()), QPointF(c.x() - a * 0.4, c.y() - a),
                                 QPointF(c.x() - a * 0.4, c.y() + a)}));
        p.drawPolygon(QPolygonF({QPointF(c.x() + b, c.y()), QPointF(c.x() + a * 0.4, c.y() - a),
                                 QPointF(c.x() + a * 0.4, c.y() + a)}));
    }
}

// A standing person, filling the picture's height from head to feet.
void person(QImage& img)
{
    QPainter p(&img);
    begin(p);
    const qreal w = img.width(), h = img.height();
    const QColor body = skinpal::accentDeep();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(w / 2, h * 0.09), h * 0.08, h * 0.08);
    QPainterPath torso;
    torso.addRoundedRect(QRectF(w * 0.22, h * 0.19, w * 0.56, h * 0.38), w * 0.12, w * 0.12);
    p.drawPath(torso);
    p.drawRect(QRectF(w * 0.27, h * 0.52, w * 0.2, h * 0.48));
    p.drawRect(QRectF(w * 0.53, h * 0.52, w * 0.2, h * 0.48));
}

// A picture-frame background of the simulated camera picture: sky over a ground band.
void simulationBackground(QImage& img)
{
    QPainter p(&img);
    const int groundTop = img.height() * 3 / 4;
    p.fillRect(QRect(0, 0, img.width(), groundTop), QColor(157, 194, 255));
    p.fillRect(QRect(0, groundTop, img.width(), img.height() - groundTop), skinpal::metalLight());
}

}  // namespace

void addScenePictures(std::vector<SkinPicture>& out)
{
    const QString horizontal = QStringLiteral("horizontal scene");
    const QString vertical = QStringLiteral("vertical scene");
    const ImageHorizontalStyle top = HorizontalSceneSkinRecord();
    const ImageVericalStyle side = VerticalSceneSkinRecord();
    const ImageSimulationlStyle simulation = SimulationSceneSkinRecord();
    out.push_back({skinRecordName(top[0]), {35, 24}, horizontal + " camera", cameraTop});
    out.push_back(
        {skinRecordName(top[1]), {45, 18}, horizontal + " handle", [](QImage& i) { plateHandle(i, false); }});
    out.push_back({skinRecordName(top[2]), {45, 18}, horizontal + " held handle", [](QImage& i) {
                       plateHandle(i, true);
                   }});
    for (int state = 0; state < 5; ++state) {
        out.push_back({skinRecordName(side[ImageVericalStyle::kVerticalHandle + state]),
                       {16, 16},
                       vertical + " up-down handle",
                       [state](QImage& i) { knob(i, true, state); }});
        out.push_back({skinRecordName(side[ImageVericalStyle::kHorizontalHandle + state]),
                       {16, 16},
                       vertical + " sideways handle",
                       [state](QImage& i) { knob(i, false, state); }});
    }
    out.push_back(
        {skinRecordName(side[ImageVericalStyle::kCamera]), {30, 18}, vertical + " camera", cameraSide});
    out.push_back({skinRecordName(side[ImageVericalStyle::kObject]),
                   {40, 80},
                   "vertical and simulation scene object",
                   person});
    out.push_back({skinRecordName(simulation[0]),
                   {64, 48},
                   "simulation scene background (kept)",
                   simulationBackground});
}
