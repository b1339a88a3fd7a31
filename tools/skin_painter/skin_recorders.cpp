// Recorder fronts for the result slots: one picture per model family, plus its selected twin.
#include "tools/skin_painter/skin_painters.h"
#include "tools/skin_painter/skin_palette.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace skinpaint {

namespace {

QRectF hairline(const QRectF& r) { return r.adjusted(0.5, 0.5, -0.5, -0.5); }

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// Bold 8-px label font, condensed (and at last smaller) when `text` would not fit `width`.
QFont labelFont(const QString& text, int width)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(8);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    if (QFontMetrics(f).horizontalAdvance(text) > width)
        f.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(text) > width)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

void led(QPainter& p, const QPointF& c, const QColor& colour, qreal radius = 1.5)
{
    p.save();
    p.setPen(Qt::NoPen);
    QColor halo = colour;
    halo.setAlpha(70);
    p.setBrush(halo);
    p.drawEllipse(c, radius + 1, radius + 1);
    p.setBrush(colour);
    p.drawEllipse(c, radius, radius);
    p.restore();
}

// One disk tray. Wide trays carry their LED at the left and the latch at the right,
// tall ones the LED at the top and the latch at the bottom.
void tray(QPainter& p, const QRect& r, int index, bool light)
{
    const QColor face = light ? QColor(72, 80, 90) : skinpal::trayFace();
    p.fillRect(r, skinpal::trayEdge());
    const QRect inner = r.adjusted(1, 1, -1, -1);
    p.fillRect(inner, vertical(inner, face.lighter(112), face));
    p.fillRect(QRect(inner.left(), inner.top(), inner.width(), 1), face.lighter(135));

    // a few drives show activity (blue), scattered rather than in columns
    const QColor ledColour = (index * 5 + 2) % 7 == 0 ? skinpal::ledBlue() : skinpal::ledGreen();
    const QColor latch(150, 158, 168);
    if (r.width() >= r.height()) {
        led(p, QPointF(inner.left() + 3.5, inner.center().y() + 0.5), ledColour, 1.2);
        const int lw = std::max(4, inner.width() / 4);
        p.fillRect(QRect(inner.right() - lw - 1, inner.center().y(), lw, 1), latch);
        for (int x = inner.left() + 8; x < inner.right() - lw - 4; x += 3)
            p.fillRect(QRect(x, inner.top() + 2, 1, inner.height() - 4), face.darker(125));
    } else {
        led(p, QPointF(inner.center().x() + 0.5, inner.top() + 3.5), ledColour, 1.2);
        const int lh = std::max(4, inner.height() / 4);
        p.fillRect(QRect(inner.center().x(), inner.bottom() - lh - 1, 1, lh), latch);
        for (int y = inner.top() + 8; y < inner.bottom() - lh - 4; y += 3)
            p.fillRect(QRect(inner.left() + 2, y, inner.width() - 4, 1), face.darker(125));
    }
}

// Bays in a cols x rows grid, centred in `area`, 2 px apart.
void bayGrid(QPainter& p, const QRect& area, const RecorderFamily& f, bool light)
{
    const int gap = 2;
    const int cw = (area.width() - gap * (f.cols - 1)) / f.cols;
    const int ch = (area.height() - gap * (f.rows - 1)) / f.rows;
    const int gw = cw * f.cols + gap * (f.cols - 1);
    const int gh = ch * f.rows + gap * (f.rows - 1);
    const int x0 = area.left() + (area.width() - gw) / 2;
    const int y0 = area.top() + (area.height() - gh) / 2;
    int n = 0;
    for (int row = 0; row < f.rows; ++row)
        for (int col = 0; col < f.cols && n < f.bays; ++col, ++n)
            tray(p, QRect(x0 + col * (cw + gap), y0 + row * (ch + gap), cw, ch), n, light);
}

// Printed series name, status lights and power button at the left of the front.
void controlPanel(QPainter& p, const QRect& panel, const RecorderFamily& f, bool onMetal)
{
    const QColor text = onMetal ? QColor(228, 232, 237) : skinpal::ink();
    const QString series = QString::fromLatin1(f.series);
    p.setFont(labelFont(series, panel.width() - 2));
    p.setPen(text);
    const int base = panel.top() + 9;
    p.drawText(QPointF(panel.left(), base), series);
    p.fillRect(QRect(panel.left(), base + 2, 12, 2), f.seriesColour);

    const qreal ly = panel.height() < 30 ? base + 10.5 : panel.bottom() - 5.5;
    led(p, QPointF(panel.left() + 2.5, ly), skinpal::ledGreen());
    led(p, QPointF(panel.left() + 9.5, ly), skinpal::ledBlue());
    led(p, QPointF(panel.left() + 16.5, ly), onMetal ? QColor(90, 70, 40) : QColor(200, 190, 170));

    const QPointF pc(panel.right() - 5.5, ly);
    p.save();
    p.setPen(QPen(onMetal ? skinpal::metalDark() : skinpal::silverEdge(), 1));
    p.setBrush(onMetal ? skinpal::metalLight() : skinpal::silverLight());
    p.drawEllipse(pc, 4, 4);
    p.setPen(QPen(skinpal::ledBlue(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(pc, 2, 2);
    p.restore();

    if (panel.height() >= 40) {  // vents under the name on tall units
        const QColor vent = onMetal ? skinpal::metalDark() : skinpal::silverEdge();
        for (int y = base + 8; y < int(ly) - 6; y += 3)
            p.fillRect(QRect(panel.left(), y, panel.width() - 2, 1), vent);
    }
}

void shadow(QPainter& p, const QRect& chassis)
{
    const QRectF s(chassis.left() + 6, chassis.bottom() + 1, chassis.width() - 12, 4);
    QLinearGradient g(s.topLeft(), s.bottomLeft());
    g.setColorAt(0, QColor(0, 0, 0, 60));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(s, g);
}

void rackUnit(QPainter& p, const QRect& c, const RecorderFamily& f)
{
    // ears with their screw holes
    const int ear = 8;
    for (const QRect& e :
         {QRect(c.left(), c.top(), ear, c.height()), QRect(c.right() - ear + 1, c.top(), ear, c.height())}) {
        p.fillRect(e, vertical(e, skinpal::metal(), skinpal::metalDark()));
        p.setPen(QPen(skinpal::trayEdge(), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(hairline(e));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 22, 25));
        p.drawEllipse(QPointF(e.center().x() + 0.5, e.top() + 5.5), 1.6, 1.6);
        p.drawEllipse(QPointF(e.center().x() + 0.5, e.bottom() - 4.5), 1.6, 1.6);
    }
    const QRect body = c.adjusted(ear, 0, -ear, 0);
    p.fillRect(body, vertical(body, skinpal::metalLight(), skinpal::metal()));
    p.fillRect(QRect(body.left(), body.top() + 1, body.width(), 1), QColor(255, 255, 255, 50));
    p.setPen(QPen(skinpal::trayEdge(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(hairline(body));

    const QRect panel(body.left() + 5, body.top() + 3, 58, body.height() - 6);
    controlPanel(p, panel, f, true);
    const QRect bays(panel.right() + 4, body.top() + 3, body.right() - 3 - panel.right() - 4,
                     body.height() - 6);
    p.fillRect(bays.adjusted(-1, -1, 1, 1), skinpal::metalDark());
    bayGrid(p, bays, f, false);
}

void desktopUnit(QPainter& p, const QRect& c, const RecorderFamily& f)
{
    // feet
    p.setPen(Qt::NoPen);
    p.setBrush(skinpal::metalDark());
    p.drawRoundedRect(QRectF(c.left() + 10, c.bottom() - 1, 14, 3), 1, 1);
    p.drawRoundedRect(QRectF(c.right() - 23, c.bottom() - 1, 14, 3), 1, 1);

    const QRect body = c.adjusted(0, 0, 0, -2);
    p.setBrush(vertical(body, skinpal::silverLight(), skinpal::silver()));
    p.setPen(QPen(skinpal::silverEdge(), 1));
    p.drawRoundedRect(hairline(body), 4, 4);
    p.fillRect(QRect(body.left() + 4, body.top() + 1, body.width() - 8, 1), skinpal::white());

    const QRect panel(body.left() + 7, body.top() + 4, 58, body.height() - 8);
    controlPanel(p, panel, f, false);
    const QRect well(panel.right() + 4, body.top() + 5, body.right() - 6 - panel.right() - 4,
                     body.height() - 10);
    p.setPen(Qt::NoPen);
    p.setBrush(skinpal::metal());
    p.drawRoundedRect(QRectF(well.adjusted(-1, -1, 1, 1)), 2, 2);
    bayGrid(p, well.adjusted(1, 1, -1, -1), f, true);
}

}  // namespace

void recorder(QImage& img, const RecorderFamily& f, bool selected)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QRectF all(img.rect());
    if (selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(skinpal::accentTint());
        p.drawRoundedRect(all, 6, 6);
    }

    const QRect chassis((img.width() - f.width) / 2, (img.height() - f.height) / 2 - 2, f.width, f.height);
    shadow(p, chassis);
    if (f.chassis == Chassis::Rack)
        rackUnit(p, chassis, f);
    else
        desktopUnit(p, chassis, f);

    if (selected) {
        p.setPen(QPen(skinpal::accent(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 5, 5);
    }
}

// Empty result slot: a dashed outline around the ghost of a recorder.
void placeholder(QImage& img)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF all(img.rect());
    p.setBrush(skinpal::surface());
    QPen dash(skinpal::line(), 1, Qt::DashLine);
    dash.setDashPattern({4, 3});
    p.setPen(dash);
    p.drawRoundedRect(hairline(all), 6, 6);

    const QColor ghost = skinpal::lineSoft();
    const QRectF body(40, 34, 140, 30);
    p.setPen(QPen(ghost, 1));
    p.setBrush(skinpal::white());
    p.drawRoundedRect(hairline(body), 3, 3);
    for (int i = 0; i < 4; ++i)
        p.drawRect(hairline(QRectF(94 + 20 * i, 39, 18, 20)));
    p.setPen(Qt::NoPen);
    p.setBrush(ghost);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(49.5 + 7 * i, 56.5), 1.8, 1.8);
    p.drawRect(QRectF(46, 40, 34, 4));
    p.drawRoundedRect(QRectF(52, 66, 14, 3), 1, 1);
    p.drawRoundedRect(QRectF(154, 66, 14, 3), 1, 1);
}

}  // namespace skinpaint
