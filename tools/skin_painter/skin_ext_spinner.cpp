// Pictures of the number spinner, sample thumbnails for the image strip, and the animated
// picture's movie (a strip of frames the painter writes as an animated GIF).
#include "tools/skin_painter/skin_catalog.h"
#include "tools/skin_painter/skin_painters.h"
#include "tools/skin_painter/skin_palette.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <vector>

using namespace skinpaint;

namespace {

// ---- Number spinner -----------------------------------------------------------------------

// An up or down button: a push-button face with an arrow.
void spinnerButton(QImage& img, bool up, Look look)
{
    pushButton(img, look);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c = QRectF(img.rect()).center();
    const qreal hw = 3.5, hh = 2.0;
    QPolygonF arrow;
    if (up)
        arrow << QPointF(c.x() - hw, c.y() + hh) << QPointF(c.x() + hw, c.y() + hh)
              << QPointF(c.x(), c.y() - hh);
    else
        arrow << QPointF(c.x() - hw, c.y() - hh) << QPointF(c.x() + hw, c.y() - hh)
              << QPointF(c.x(), c.y() + hh);
    p.setPen(Qt::NoPen);
    p.setBrush(glyphInk(look));
    p.drawPolygon(arrow);
}

// ---- Image strip --------------------------------------------------------------------------

// A still from a camera: sky, a building with lit windows, ground, and a time stamp band.
// hue picks the time of day the still shows.
void cameraStill(QImage& img, int hue)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const int w = img.width(), h = img.height();
    const QColor skyTop = QColor::fromHsv(hue, 120, 230);
    const QColor skyLow = QColor::fromHsv(hue, 50, 250);
    QLinearGradient sky(0, 0, 0, h * 0.65);
    sky.setColorAt(0, skyTop);
    sky.setColorAt(1, skyLow);
    p.fillRect(QRectF(0, 0, w, h * 0.65), sky);
    p.fillRect(QRectF(0, h * 0.65, w, h * 0.35), QColor::fromHsv((hue + 90) % 360, 70, 120));
    const QRectF house(w * 0.18, h * 0.30, w * 0.42, h * 0.40);
    p.fillRect(house, skinpal::metalLight());
    p.setBrush(skinpal::ledAmber());
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(house.x() + 6 + col * house.width() / 3,
                              house.y() + 6 + row * house.height() / 2, house.width() / 3 - 12,
                              house.height() / 2 - 12));
    p.setBrush(QColor::fromHsv((hue + 180) % 360, 160, 200));
    p.drawEllipse(QPointF(w * 0.78, h * 0.58), w * 0.08, w * 0.08);
    p.fillRect(QRectF(0, h - 14, w, 14), QColor(0, 0, 0, 150));
}

// ---- Animated picture ----------------------------------------------------------------------

// One frame of the busy ring: eight dots, the lit one at step and a fading tail behind it.
void busyFrame(QImage& img, int step, int steps)
{
    img.fill(skinpal::white());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    const QPointF c = QRectF(img.rect()).center();
    const qreal radius = img.width() * 0.34, dot = img.width() * 0.09;
    for (int i = 0; i < steps; ++i) {
        const int behind = (step - i + steps) % steps;
        const qreal mix = behind < 3 ? 1.0 - behind / 3.0 : 0.0;
        const QColor lit = skinpal::accent(), dim = skinpal::lineSoft();
        p.setBrush(QColor::fromRgbF(dim.redF() + (lit.redF() - dim.redF()) * mix,
                                    dim.greenF() + (lit.greenF() - dim.greenF()) * mix,
                                    dim.blueF() + (lit.blueF() - dim.blueF()) * mix));
        const qreal a = 2 * M_PI * i / steps - M_PI / 2;
        p.drawEllipse(QPointF(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a)), dot, dot);
    }
}

constexpr int kBusySize = 48;
constexpr int kBusySteps = 8;

// The movie's frames side by side, as the painter writes a ".gif" picture.
void busyStrip(QImage& strip)
{
    paintFrameStrip(strip, kBusySteps, [](QImage& frame, int step) { busyFrame(frame, step, kBusySteps); });
}

}  // namespace

void addSpinnerStripPictures(std::vector<SkinPicture>& c)
{
    const QString spinner = QStringLiteral("number spinner");
    c.push_back({"NumSpiner_Field.png", {60, 24}, spinner + QStringLiteral(" field"), fieldBox});
    const struct
    {
        const char* name;
        bool up;
        Look look;
    } buttons[] = {
        {"NumSpiner_Up.png", true, Look::Normal},
        {"NumSpiner_UpPressed.png", true, Look::Pressed},
        {"NumSpiner_UpDisabled.png", true, Look::Disabled},
        {"NumSpiner_Down.png", false, Look::Normal},
        {"NumSpiner_DownPressed.png", false, Look::Pressed},
        {"NumSpiner_DownDisabled.png", false, Look::Disabled},
    };
    for (const auto& b : buttons) {
        const bool up = b.up;
        const Look look = b.look;
        c.push_back({QLatin1String(b.name),
                     {21, 12},
                     spinner + (up ? QStringLiteral(" up") : QStringLiteral(" down")),
                     [up, look](QImage& i) { spinnerButton(i, up, look); }});
    }

    // Sample stills for the image strip, loaded by their full path as an owner would.
    for (int n = 1; n <= 6; ++n) {
        const int hue = (n * 55) % 360;
        c.push_back({QStringLiteral("ImagePanel_Still%1.png").arg(n),
                     {160, 120},
                     "image strip sample still",
                     [hue](QImage& i) { cameraStill(i, hue); }});
    }

    // The animated picture's movie.
    c.push_back(
        {"PictureEx_Busy.gif", {kBusySize * kBusySteps, kBusySize}, "animated picture movie", busyStrip});
}
