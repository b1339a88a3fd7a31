// The video window's pictures: the back picture idle panes show, and the close, snapshot,
// property and record controls that float over the pane under the mouse.
#include "skin/ext/SFSkinRecordsExt.h"
#include "tools/skin_painter/skin_catalog.h"
#include "tools/skin_painter/skin_palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

enum class VideoGlyph
{
    Close,
    Snapshot,
    Property,
    Record
};

// A round dark button with a light glyph; hover lightens it, pressed turns it blue, a
// checked record button shows a red dot.
void videoControl(QImage& img, VideoGlyph glyph, int look, bool checked = false)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(img.rect()).adjusted(1, 1, -1, -1);
    const QColor fill = look == 2   ? skinpal::accentDark()
                        : look == 1 ? QColor(86, 96, 112)
                                    : QColor(36, 42, 52);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(QColor(fill.red(), fill.green(), fill.blue(), 220));
    p.drawRoundedRect(r, 4, 4);
    const qreal s = r.width() / 22.0;
    const QPointF c = r.center();
    QPen pen(skinpal::white(), 1.8 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case VideoGlyph::Close:
        p.drawLine(c + QPointF(-5 * s, -5 * s), c + QPointF(5 * s, 5 * s));
        p.drawLine(c + QPointF(-5 * s, 5 * s), c + QPointF(5 * s, -5 * s));
        break;
    case VideoGlyph::Snapshot:
        p.drawRoundedRect(QRectF(c.x() - 7 * s, c.y() - 4 * s, 14 * s, 10 * s), 1.5 * s, 1.5 * s);
        p.drawEllipse(c + QPointF(0, 1 * s), 3 * s, 3 * s);
        p.drawLine(c + QPointF(-3 * s, -6 * s), c + QPointF(3 * s, -6 * s));
        break;
    case VideoGlyph::Property:
        for (int i = -1; i <= 1; ++i)
            p.drawLine(c + QPointF(-6 * s, i * 4 * s), c + QPointF(6 * s, i * 4 * s));
        break;
    case VideoGlyph::Record:
        p.setBrush(checked ? skinpal::danger() : Qt::NoBrush);
        p.setPen(QPen(checked ? skinpal::white() : skinpal::silver(), 1.6 * s));
        p.drawEllipse(c, 5.5 * s, 5.5 * s);
        break;
    }
}

// An idle pane's picture: a camera outline on transparent ground, so the pane's colour shows.
void videoBack(QImage& img)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = img.width(), h = img.height();
    const QColor ink(132, 144, 162);
    p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(w * 0.12, h * 0.28, w * 0.52, h * 0.44), 5, 5);
    QPainterPath lens;
    lens.moveTo(w * 0.64, h * 0.42);
    lens.lineTo(w * 0.86, h * 0.3);
    lens.lineTo(w * 0.86, h * 0.7);
    lens.lineTo(w * 0.64, h * 0.58);
    p.drawPath(lens);
    p.setBrush(ink);
    p.drawEllipse(QPointF(w * 0.24, h * 0.4), 2.5, 2.5);
}

}  // namespace

void addVideoPictures(std::vector<SkinPicture>& out)
{
    const QString control = QStringLiteral("video window pane control");
    const ImageVideoWindowStyle record = VideoWindowSkinRecord();
    out.push_back(
        {skinRecordName(record[0]), {72, 48}, QStringLiteral("video window back picture"), videoBack});
    // Each pane button's fields of its normal, hover and pressed pictures.
    const struct
    {
        VideoGlyph glyph;
        int fields[3];
    } buttons[] = {
        {VideoGlyph::Close, {1, 2, 3}}, {VideoGlyph::Snapshot, {4, 5, 6}}, {VideoGlyph::Property, {7, 9, 8}}};
    for (const auto& button : buttons) {
        for (int look = 0; look < 3; ++look) {
            const VideoGlyph g = button.glyph;
            out.push_back(
                {skinRecordName(record[button.fields[look]]), {22, 22}, control, [g, look](QImage& i) {
                     videoControl(i, g, look);
                 }});
        }
    }
    out.push_back({skinRecordName(record[10]), {22, 22}, control, [](QImage& i) {
                       videoControl(i, VideoGlyph::Record, 0, true);
                   }});
    out.push_back({skinRecordName(record[11]), {22, 22}, control, [](QImage& i) {
                       videoControl(i, VideoGlyph::Record, 0, false);
                   }});
}
