// The time-line's pictures: row and zoom buttons, the day buttons, the zoomer's sheet and the
// panel and background fills, under the names of the time-line's skin records
// (skin/ext/SFSkinRecordsExt.h).
#include "skin/ext/SFSkinRecordsExt.h"
#include "tools/skin_painter/skin_catalog.h"
#include "tools/skin_painter/skin_painters.h"
#include "tools/skin_painter/skin_palette.h"

#include <QPainter>
#include <QPolygonF>

using namespace skinpaint;

namespace {

const QString kUsedBy = QStringLiteral("time-line");

enum class Arrow
{
    Up,
    Down,
    Left,
    Right
};

// A filled triangle pointing one way, inset in the picture.
void drawArrow(QImage& img, Arrow arrow, const QColor& colour)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal w = img.width(), h = img.height(), m = w * 0.3;
    QPolygonF tri;
    switch (arrow) {
    case Arrow::Up:
        tri << QPointF(m, h - m) << QPointF(w - m, h - m) << QPointF(w / 2, m);
        break;
    case Arrow::Down:
        tri << QPointF(m, m) << QPointF(w - m, m) << QPointF(w / 2, h - m);
        break;
    case Arrow::Left:
        tri << QPointF(w - m, m) << QPointF(w - m, h - m) << QPointF(m, h / 2);
        break;
    case Arrow::Right:
        tri << QPointF(m, m) << QPointF(m, h - m) << QPointF(w - m, h / 2);
        break;
    }
    p.drawPolygon(tri);
}

// A plus (zoom in) or a minus (zoom out) across the picture's middle.
void drawZoomSign(QImage& img, bool plus)
{
    QPainter p(&img);
    const int w = img.width(), h = img.height(), m = w / 4;
    p.fillRect(QRect(m, h / 2 - 1, w - 2 * m, 2), skinpal::ink());
    if (plus)
        p.fillRect(QRect(w / 2 - 1, m, 2, h - 2 * m), skinpal::ink());
}

// The zoomer's sheet, drawn at the cells TimelineZoomerLayoutRecord cuts it into: the groove
// left of the handle, the groove right of it, then four handles (normal, hover, pressed,
// disabled).
void zoomerSheet(QImage& img)
{
    QPainter p(&img);
    p.fillRect(QRect(0, 0, 40, 6), skinpal::accent());
    p.fillRect(QRect(0, 2, 40, 2), skinpal::accentLight());
    p.fillRect(QRect(0, 8, 40, 6), QColor(90, 90, 90));
    p.fillRect(QRect(0, 10, 40, 2), QColor(120, 120, 120));
    const QColor faces[] = {skinpal::silver(), skinpal::white(), skinpal::accentLight(),
                            skinpal::disabledFill()};
    for (int i = 0; i < 4; ++i) {
        const QRect handle(12 * i, 16, 10, 14);
        p.fillRect(handle, faces[i]);
        p.setPen(i == 3 ? skinpal::disabledLine() : skinpal::lineStrong());
        p.drawRect(handle.adjusted(0, 0, -1, -1));
    }
}

}  // namespace

void addTimelinePictures(std::vector<SkinPicture>& out)
{
    const QSize button(16, 16);
    const ImagePlayProgressStyle record = TimelineSkinRecord();
    // Each row button's five fields: normal, hover, pressed, (none), disabled.
    const std::pair<int, Look> states[] = {
        {0, Look::Normal}, {1, Look::Hover}, {2, Look::Pressed}, {4, Look::Disabled}};
    const std::pair<int, Arrow> rowButtons[] = {{24, Arrow::Up}, {29, Arrow::Down}};
    for (const auto& [first, arrow] : rowButtons) {
        for (const auto& [field, look] : states) {
            const Arrow a = arrow;
            const Look l = look;
            out.push_back({skinRecordName(record[first + field]), button, kUsedBy, [a, l](QImage& img) {
                               pushButton(img, l);
                               drawArrow(img, a, glyphInk(l));
                           }});
        }
    }
    for (bool plus : {true, false}) {
        out.push_back({skinRecordName(record[plus ? 35 : 37]), button, kUsedBy, [plus](QImage& img) {
                           pushButton(img, Look::Normal);
                           drawZoomSign(img, plus);
                       }});
    }
    // Each day button's off and on fields.
    const std::pair<int, Arrow> dayButtons[] = {{45, Arrow::Left}, {47, Arrow::Right}};
    for (const auto& [off, arrow] : dayButtons) {
        const Arrow a = arrow;
        out.push_back({skinRecordName(record[off]), button, kUsedBy,
                       [a](QImage& img) { drawArrow(img, a, QColor(110, 110, 110)); }});
        out.push_back({skinRecordName(record[off + 1]), button, kUsedBy,
                       [a](QImage& img) { drawArrow(img, a, skinpal::accentLight()); }});
    }
    out.push_back({skinRecordName(TimelineZoomerLayoutRecord()[6]), {48, 32}, kUsedBy, zoomerSheet});
    out.push_back(
        {skinRecordName(record[49]), {16, 16}, kUsedBy, [](QImage& img) { solid(img, QColor(36, 38, 42)); }});
    out.push_back({skinRecordName(TimelineBackgroundPicture()), {16, 16}, kUsedBy, [](QImage& img) {
                       solid(img, QColor(28, 30, 34));
                   }});
}
