// The time-line's pictures: row and zoom buttons, the day buttons, the zoomer's sheet and the
// panel and background fills. The names are the ones the gallery and the tests put in the
// time-line's skin records.
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

// The zoomer's sheet, cut by the slider at "0,0,39,5" (groove left of the handle), "0,8,39,5"
// (groove right of it) and four 10 x 14 handles at x 0, 12, 24, 36 from y 16 (normal, hover,
// pressed, disabled); each cell covers w + 1 by h + 1 pixels.
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
    const std::pair<const char*, Look> states[] = {{"", Look::Normal},
                                                   {"_hover", Look::Hover},
                                                   {"_pressed", Look::Pressed},
                                                   {"_disabled", Look::Disabled}};
    const std::pair<const char*, Arrow> rowButtons[] = {{"timeline_row_up", Arrow::Up},
                                                        {"timeline_row_down", Arrow::Down}};
    for (const auto& [prefix, arrow] : rowButtons) {
        for (const auto& [suffix, look] : states) {
            const Arrow a = arrow;
            const Look l = look;
            out.push_back({QString::fromLatin1(prefix) + QLatin1String(suffix) + QStringLiteral(".png"),
                           button, kUsedBy, [a, l](QImage& img) {
                               pushButton(img, l);
                               drawArrow(img, a, glyphInk(l));
                           }});
        }
    }
    for (bool plus : {true, false}) {
        out.push_back(
            {plus ? QStringLiteral("timeline_zoom_in.png") : QStringLiteral("timeline_zoom_out.png"), button,
             kUsedBy, [plus](QImage& img) {
                 pushButton(img, Look::Normal);
                 drawZoomSign(img, plus);
             }});
    }
    const std::pair<const char*, Arrow> dayButtons[] = {{"timeline_prev_day", Arrow::Left},
                                                        {"timeline_next_day", Arrow::Right}};
    for (const auto& [prefix, arrow] : dayButtons) {
        const Arrow a = arrow;
        out.push_back({QString::fromLatin1(prefix) + QStringLiteral("_off.png"), button, kUsedBy,
                       [a](QImage& img) { drawArrow(img, a, QColor(110, 110, 110)); }});
        out.push_back({QString::fromLatin1(prefix) + QStringLiteral("_on.png"), button, kUsedBy,
                       [a](QImage& img) { drawArrow(img, a, skinpal::accentLight()); }});
    }
    out.push_back({QStringLiteral("timeline_zoomer.png"), {48, 32}, kUsedBy, zoomerSheet});
    out.push_back({QStringLiteral("timeline_panel.png"), {16, 16}, kUsedBy, [](QImage& img) {
                       solid(img, QColor(36, 38, 42));
                   }});
    out.push_back({QStringLiteral("timeline_background.png"), {16, 16}, kUsedBy, [](QImage& img) {
                       solid(img, QColor(28, 30, 34));
                   }});
}
