// The list control's pictures: its skin sprite, the row and header check boxes, the two
// cell buttons and the progress bars of its cells.
#include "skin/ext/SFSkinRecordsExt.h"
#include "tools/skin_painter/skin_catalog.h"
#include "tools/skin_painter/skin_painters.h"
#include "tools/skin_painter/skin_palette.h"

#include <QPainter>
#include <QPainterPath>

namespace {

using skinpaint::Look;

// The header band over a row band, the cells of the list's skin record (read, not painted).
void listSprite(QImage& img)
{
    QPainter p(&img);
    const int w = img.width(), half = img.height() / 2;
    p.fillRect(QRect(0, 0, w, half), skinpal::surfaceDim());
    p.fillRect(QRect(0, half - 1, w, 1), skinpal::line());
    p.fillRect(QRect(0, half, w, img.height() - half), skinpal::white());
}

// A check box: the filter box's look, lightened on hover, darkened when pressed, greyed when
// disabled.
void checkBox(QImage& img, bool checked, Look look)
{
    skinpaint::checkMark(img, checked);
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    switch (look) {
    case Look::Normal:
        break;
    case Look::Hover:
        p.fillRect(img.rect(), QColor(255, 255, 255, 60));
        break;
    case Look::Pressed:
        p.fillRect(img.rect(), QColor(0, 0, 0, 50));
        break;
    case Look::Disabled:
        p.fillRect(img.rect(), QColor(236, 239, 242, 170));
        break;
    }
}

enum class CellGlyph
{
    Edit,
    Remove
};

// A 22 x 22 cell button: the push-button face with a pencil or a cross on it.
void cellButton(QImage& img, CellGlyph glyph, Look look)
{
    skinpaint::pushButton(img, look);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = look == Look::Disabled       ? skinpal::disabledInk()
                       : look == Look::Pressed      ? skinpal::white()
                       : glyph == CellGlyph::Remove ? skinpal::danger()
                                                    : skinpal::accentDark();
    const qreal s = img.width() / 22.0;
    p.setPen(QPen(ink, 2 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (glyph == CellGlyph::Remove) {
        p.drawLine(QPointF(7 * s, 7 * s), QPointF(15 * s, 15 * s));
        p.drawLine(QPointF(15 * s, 7 * s), QPointF(7 * s, 15 * s));
        return;
    }
    QPainterPath pencil;
    pencil.moveTo(6 * s, 16 * s);
    pencil.lineTo(7 * s, 13 * s);
    pencil.lineTo(14 * s, 6 * s);
    pencil.lineTo(16 * s, 8 * s);
    pencil.lineTo(9 * s, 15 * s);
    pencil.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.drawPath(pencil);
}

// Progress bar pictures, tiled by its style sheet: a green chunk and a pale groove.
void progressChunk(QImage& img)
{
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(108, 214, 132));
    g.setColorAt(1, QColor(46, 160, 84));
    p.fillRect(img.rect(), g);
}

void progressGroove(QImage& img)
{
    QPainter p(&img);
    p.fillRect(img.rect(), skinpal::surfaceDim());
    p.fillRect(QRect(0, 0, img.width(), 1), skinpal::line());
}

}  // namespace

void addListPictures(std::vector<SkinPicture>& c)
{
    c.push_back({skinRecordName(ListSkinRecord()[0]), {64, 54}, "list control skin sprite", listSprite});

    // Check boxes in the order of ImageRadioBox: [0]-[2] on, [3]-[5] off, [6], [7] disabled.
    const ImageRadioBox check = ListCheckSkinRecord();
    const struct
    {
        bool checked;
        Look look;
    } boxes[] = {
        {true, Look::Normal}, {true, Look::Hover},    {true, Look::Pressed},  {false, Look::Normal},
        {false, Look::Hover}, {false, Look::Pressed}, {true, Look::Disabled}, {false, Look::Disabled},
    };
    for (int field = 0; field < 8; ++field) {
        const bool checked = boxes[field].checked;
        const Look look = boxes[field].look;
        c.push_back(
            {skinRecordName(check[field]), {16, 16}, "list control check box", [checked, look](QImage& i) {
                 checkBox(i, checked, look);
             }});
    }

    // Cell buttons in the order of ImageButtonStyle: normal, hover, pressed, disabled.
    const std::pair<ImageButtonStyle, CellGlyph> buttons[] = {
        {ListEditButtonSkinRecord(), CellGlyph::Edit}, {ListRemoveButtonSkinRecord(), CellGlyph::Remove}};
    const Look looks[] = {Look::Normal, Look::Hover, Look::Pressed, Look::Disabled};
    for (const auto& [record, glyph] : buttons) {
        for (int field = 0; field < 4; ++field) {
            const CellGlyph g = glyph;
            const Look l = looks[field];
            c.push_back(
                {skinRecordName(record[field]), {22, 22}, "list control cell button", [g, l](QImage& i) {
                     cellButton(i, g, l);
                 }});
        }
    }

    const ImageProgressCtrlStyle progress = ListProgressSkinRecord();
    c.push_back({skinRecordName(progress[0]), {8, 16}, "list control progress cell, chunk", progressChunk});
    c.push_back({skinRecordName(progress[1]), {8, 16}, "list control progress cell, groove", progressGroove});
}
