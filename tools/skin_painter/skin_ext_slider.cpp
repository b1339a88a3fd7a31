// The slider's piece sheet and the progress bar's background and chunk. (The hand pointer
// over a slider is named by the slider's own code, so it ships with the core pictures.)
//
// Slider sheet (rectangle texts x,y,w,h cover (w + 1) x (h + 1) pixels):
//   "0,0,119,15"  groove left of the handle (filled)   "0,16,119,15" groove right of it
//   "0,32,15,15"  handle, normal   "16,32,15,15" hover   "32,32,15,15" pressed
//   "48,32,15,15" disabled
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
    c.push_back({"slider_sheet.png", {kGrooveWidth, 3 * kCell}, "slider piece sheet", sliderSheet});
    c.push_back({"progress_chunk.png", {8, 16}, "progress bar chunk, tiled", progressChunk});
    c.push_back({"progress_bg.png", {8, 16}, "progress bar background, tiled", [](QImage& i) {
                     skinpaint::solid(i, skinpal::surfaceDim());
                 }});
}
