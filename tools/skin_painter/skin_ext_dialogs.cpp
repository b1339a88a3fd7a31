// Pictures of the application's dialogs that the running program does not load: the wait
// dialog's animation.
#include "tools/skin_painter/skin_catalog.h"
#include "tools/skin_painter/skin_palette.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int kSpinnerDots = 8;

// A ring of dots, the brightest one step further round in each frame, the rest fading behind.
void spinner(QImage& img, int frame)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF centre(img.width() / 2.0, img.height() / 2.0);
    const double ring = img.width() * 0.34;
    const double dot = img.width() * 0.09;
    const QColor head = skinpal::accent();
    const QColor tail = skinpal::accentTintLine();
    for (int i = 0; i < kSpinnerDots; ++i) {
        const int behind = (frame - i + kSpinnerDots) % kSpinnerDots;  // 0: the head
        const double t = static_cast<double>(behind) / (kSpinnerDots - 1);
        const QColor c = QColor::fromRgbF(head.redF() + (tail.redF() - head.redF()) * t,
                                          head.greenF() + (tail.greenF() - head.greenF()) * t,
                                          head.blueF() + (tail.blueF() - head.blueF()) * t);
        const double angle = 2.0 * M_PI * i / kSpinnerDots - M_PI / 2.0;
        p.setBrush(c);
        p.drawEllipse(centre + QPointF(std::cos(angle) * ring, std::sin(angle) * ring), dot * (1.0 - 0.3 * t),
                      dot * (1.0 - 0.3 * t));
    }
}

}  // namespace

void addDialogPictures(std::vector<SkinPicture>& c)
{
    c.push_back(
        {"Waiting.gif", {32 * kSpinnerDots, 32}, "wait dialog animation (32 x 32)", [](QImage& strip) {
             paintFrameStrip(strip, kSpinnerDots, spinner);
         }});
}
