// Pictures of the tree control (item icons), the date/time control (field and spin buttons)
// and the scroll area (background tile).
#include "tools/skin_painter/skin_catalog.h"
#include "tools/skin_painter/skin_painters.h"
#include "tools/skin_painter/skin_palette.h"

#include <QPainter>
#include <QPainterPath>

#include <utility>

using namespace skinpaint;

namespace {

// A camera seen from the side, on a 50 x 50 icon: body, lens and a status lamp, lit (blue
// body, green lamp) or dark (grey body and lamp).
void cameraIcon(QImage& img, bool on)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal u = img.width() / 50.0;
    const QColor body = on ? skinpal::accent() : skinpal::lineStrong();
    const QColor edge = on ? skinpal::accentDeep() : skinpal::inkSoft();
    p.setPen(QPen(edge, 1.2 * u));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(6 * u, 15 * u, 30 * u, 18 * u), 3 * u, 3 * u);
    QPainterPath lens;
    lens.moveTo(36 * u, 20 * u);
    lens.lineTo(45 * u, 15 * u);
    lens.lineTo(45 * u, 33 * u);
    lens.lineTo(36 * u, 28 * u);
    lens.closeSubpath();
    p.drawPath(lens);
    p.setBrush(edge);
    p.drawRect(QRectF(17 * u, 33 * u, 4 * u, 7 * u));
    p.drawRoundedRect(QRectF(11 * u, 39 * u, 16 * u, 3 * u), 1.5 * u, 1.5 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(on ? skinpal::ledGreen() : skinpal::disabledInk());
    p.drawEllipse(QPointF(12 * u, 21 * u), 2.6 * u, 2.6 * u);
}

// A recorder front on a 50 x 50 icon: the group an item's cameras belong to.
void recorderIcon(QImage& img)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal u = img.width() / 50.0;
    p.setPen(QPen(skinpal::metalDark(), 1.2 * u));
    p.setBrush(skinpal::metal());
    p.drawRoundedRect(QRectF(4 * u, 16 * u, 42 * u, 18 * u), 2.5 * u, 2.5 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(skinpal::trayFace());
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF((17 + 9 * i) * u, 20 * u, 7 * u, 10 * u), 1 * u, 1 * u);
    p.setBrush(skinpal::ledBlue());
    p.drawEllipse(QPointF(10 * u, 25 * u), 2.2 * u, 2.2 * u);
}

// A spin button: the push button's face of that look with a small arrow, up or down.
void spinButton(QImage& img, Look look, bool up)
{
    pushButton(img, look);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c = QRectF(img.rect()).center();
    const qreal dy = up ? -1.5 : 1.5;
    QPainterPath arrow;
    arrow.moveTo(c.x() - 4, c.y() - dy);
    arrow.lineTo(c.x() + 4, c.y() - dy);
    arrow.lineTo(c.x(), c.y() + dy * 1.6);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(glyphInk(look));
    p.drawPath(arrow);
}

// The scroll area's background tile: a light surface with a faint dot grid, seamless when
// tiled.
void scrollTile(QImage& img)
{
    img.fill(skinpal::surface());
    QPainter p(&img);
    p.fillRect(QRect(0, 0, 2, 2), skinpal::accentTintLine());
}

}  // namespace

void addTreeDateScrollPictures(std::vector<SkinPicture>& out)
{
    out.push_back(
        {"tree_camera_on.png", {50, 50}, "tree control, on-picture of SetItemIcon(data, 1)", [](QImage& i) {
             cameraIcon(i, true);
         }});
    out.push_back(
        {"tree_camera_off.png", {50, 50}, "tree control, off-picture of SetItemIcon(data, 0)", [](QImage& i) {
             cameraIcon(i, false);
         }});
    out.push_back({"tree_recorder.png", {50, 50}, "tree control, item icon by name", recorderIcon});

    out.push_back({"datetime_field.png", {120, 26}, "date/time control, field border", fieldBox});
    const std::pair<const char*, Look> looks[] = {{"normal", Look::Normal},
                                                  {"hover", Look::Hover},
                                                  {"pressed", Look::Pressed},
                                                  {"disabled", Look::Disabled}};
    for (const bool up : {true, false})
        for (const auto& [name, look] : looks) {
            const Look l = look;
            out.push_back({QStringLiteral("datetime_%1_%2.png").arg(up ? "up" : "down", name),
                           {21, 13},
                           "date/time control, spin button",
                           [l, up](QImage& i) { spinButton(i, l, up); }});
        }

    out.push_back({"scrollarea_tile.png", {16, 16}, "scroll area, tiled background", scrollTile});
}
