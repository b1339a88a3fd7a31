// The slider's piece sheet and the progress bar's background and chunk. (The hand pointer
// over a slider is named by the slider's own code, so it ships with the core pictures.)
//
// The slider sheet is drawn at the cells SliderSkinRecord cuts it into: the filled groove, the
// groove right of the handle, then the handle normal, hover, pressed and disabled.
#include "skin/SFSkinRecords.h"
#include "tools/skin_painter/skin_catalog.h"
#include "tools/skin_painter/skin_painters.h"
#include "tools/skin_painter/skin_palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int kGrooveWidth = 120;
constexpr int kCell = 16;

// A groove row 16 pixels high: a 6-pixel bar with a top and bottom edge and no end caps, so
// the two pieces join seamlessly wherever the handle splits them and any stretch keeps the
// look.
void grooveRow(QPainter& p, int top, const QColor& fill, const QColor& edge)
{
    p.fillRect(QRect(0, top + 5, kGrooveWidth, 6), fill);
    p.fillRect(QRect(0, top + 5, kGrooveWidth, 1), edge);
    p.fillRect(QRect(0, top + 10, kGrooveWidth, 1), edge);
}

void handleCell(QPainter& p, int left, const QColor& fill, const QColor& ring)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(ring, 2));
    p.setBrush(fill);
    p.drawEllipse(QRectF(left + 2, 2, kCell - 4, kCell - 4).translated(0, 32));
    p.restore();
}

void sliderSheet(QImage& img)
{
    QPainter p(&img);
    grooveRow(p, 0, skinpal::accent(), skinpal::accentDark());
    grooveRow(p, kCell, skinpal::surfaceDim(), skinpal::line());
    handleCell(p, 0, skinpal::white(), skinpal::accent());
    handleCell(p, kCell, skinpal::accentTint(), skinpal::accentDark());
    handleCell(p, 2 * kCell, skinpal::accentDark(), skinpal::accentDeep());
    handleCell(p, 3 * kCell, skinpal::disabledFill(), skinpal::disabledLine());
}

void progressChunk(QImage& img)
{
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, skinpal::accentLight());
    g.setColorAt(1, skinpal::accentDark());
    p.fillRect(img.rect(), g);
}

}  // namespace

void addSliderPictures(std::vector<SkinPicture>& c)
{
    const ImageProgressCtrlStyle progress = ProgressSkinRecord();
    c.push_back({skinRecordName(SliderSkinRecord()[0]),
                 {kGrooveWidth, 3 * kCell},
                 "slider piece sheet",
                 sliderSheet});
    c.push_back({skinRecordName(progress[0]), {8, 16}, "progress bar chunk, tiled", progressChunk});
    c.push_back({skinRecordName(progress[1]), {8, 16}, "progress bar background, tiled", [](QImage& i) {
                     skinpaint::solid(i, skinpal::surfaceDim());
                 }});
}
