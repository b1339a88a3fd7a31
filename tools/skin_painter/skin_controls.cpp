// Frames, brand pictures, buttons and input-control pictures.
#include "tools/skin_painter/skin_painters.h"
#include "tools/skin_painter/skin_palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace skinpaint {

namespace {

// The rectangle whose outline, drawn with a 1-px pen, covers exactly the border pixels of r.
QRectF hairline(const QRectF& r) { return r.adjusted(0.5, 0.5, -0.5, -0.5); }

void begin(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

void fillRounded(QPainter& p, const QRectF& r, qreal radius, const QBrush& brush)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void outline(QPainter& p, const QRectF& r, qreal radius, const QColor& colour)
{
    p.save();
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    if (radius > 0)
        p.drawRoundedRect(hairline(r), radius, radius);
    else
        p.drawRect(hairline(r));
    p.restore();
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The glyph of a caption button, centred in `cell`.
void drawGlyph(QPainter& p, const QRectF& cell, Glyph glyph, const QColor& ink)
{
    const QPointF c = cell.center();
    const qreal unit = std::min(cell.width(), cell.height()) / 24.0;  // designed on a 24-px cell
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    switch (glyph) {
    case Glyph::Menu:
        for (int i = -1; i <= 1; ++i)
            p.drawRect(QRectF(std::round(c.x() - 6 * unit), std::round(c.y() + i * 4 * unit) - 1,
                              std::round(12 * unit), 2));
        break;
    case Glyph::Minimise:
        p.drawRect(
            QRectF(std::round(c.x() - 6 * unit), std::round(c.y() + 3 * unit) - 1, std::round(12 * unit), 2));
        break;
    case Glyph::Close: {
        QPen pen(ink, 1.8 * unit, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        const qreal d = 4.6 * unit;
        p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
        p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
        break;
    }
    case Glyph::Help: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.4 * unit));
        p.drawEllipse(c, 7.5 * unit, 7.5 * unit);
        p.setFont(uiFont(int(std::round(11 * unit)), true));
        p.drawText(QRectF(c.x() - 8 * unit, c.y() - 8 * unit, 16 * unit, 16 * unit), Qt::AlignCenter,
                   QStringLiteral("?"));
        break;
    }
    }
    p.restore();
}

// One caption-button face: background plate of the state, then the white glyph.
void drawCaptionCell(QPainter& p, const QRectF& cell, Glyph glyph, Look look)
{
    const bool danger = glyph == Glyph::Close;
    const qreal r = std::min(cell.width(), cell.height()) / 8.0;
    switch (look) {
    case Look::Normal:
        break;
    case Look::Hover:
        fillRounded(p, cell, r, danger ? skinpal::danger() : withAlpha(skinpal::white(), 60));
        break;
    case Look::Pressed:
        fillRounded(p, cell, r, danger ? skinpal::dangerDark() : withAlpha(skinpal::accentDeep(), 200));
        break;
    case Look::Disabled:
        break;
    }
    drawGlyph(p, cell, glyph, look == Look::Disabled ? withAlpha(skinpal::white(), 110) : skinpal::white());
}

// The closed face of a combo box, in `cell` (the arrow zone is a 24-px square at the right).
enum class ComboLook
{
    Normal,
    Disabled,
    Open
};
void drawComboFace(QPainter& p, const QRect& cell, ComboLook look)
{
    const QRectF r(cell);
    QColor border, sep, arrow;
    QBrush fill;
    switch (look) {
    case ComboLook::Normal:
        fill = vertical(r, skinpal::white(), skinpal::surfaceDim());
        border = QColor(172, 182, 194);
        sep = skinpal::lineSoft();
        arrow = skinpal::inkSoft();
        break;
    case ComboLook::Disabled:
        fill = skinpal::disabledFill();
        border = skinpal::disabledLine();
        sep = skinpal::disabledLine();
        arrow = skinpal::disabledInk();
        break;
    case ComboLook::Open:
        fill = skinpal::white();
        border = skinpal::accent();
        sep = skinpal::accentTintLine();
        arrow = skinpal::accent();
        break;
    }
    fillRounded(p, r, 2.5, fill);
    const QRectF zone(r.right() + 1 - 24, r.top() + 1, 23, r.height() - 2);
    if (look == ComboLook::Open)
        p.fillRect(zone.adjusted(0, 0, -1, 0), skinpal::accentTint());
    p.fillRect(QRectF(zone.left(), r.top() + 5, 1, r.height() - 10), sep);
    outline(p, r, 2.5, border);

    const QPointF c(zone.center().x() + 0.5, zone.center().y());
    const qreal dir = look == ComboLook::Open ? -1 : 1;  // open: the chevron points up
    QPainterPath chevron;
    chevron.moveTo(c.x() - 4, c.y() - 2 * dir);
    chevron.lineTo(c.x(), c.y() + 2 * dir);
    chevron.lineTo(c.x() + 4, c.y() - 2 * dir);
    p.save();
    p.setPen(QPen(arrow, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chevron);
    p.restore();
}

}  // namespace

void solid(QImage& img, const QColor& colour) { img.fill(colour); }

void rule(QImage& img) { img.fill(skinpal::line()); }

// Sheet of the dialogs' frame: a 27-px caption strip and a 1-px outline around a white body.
// The pieces are cut at TL 0,0,10,27 / top 30,0,1,27 / TR 138,0,10,27, the sides at columns 0
// and 147 from row 27, and the bottom at row 139; three close-button cells sit at y 41.
void dialogFrame(QImage& img)
{
    QPainter p(&img);
    begin(p);
    const int w = img.width(), h = img.height();
    p.fillRect(img.rect(), skinpal::white());
    const QRect strip(0, 0, w, 27);
    p.fillRect(strip, vertical(strip, QColor(34, 148, 250), skinpal::accentDark()));
    p.fillRect(QRect(0, 0, w, 1), withAlpha(skinpal::white(), 40));  // top light edge
    p.fillRect(QRect(0, 27, 1, h - 27), skinpal::accentDark());
    p.fillRect(QRect(w - 1, 27, 1, h - 27), skinpal::accentDark());
    p.fillRect(QRect(0, h - 1, w, 1), skinpal::accentDark());

    // Close-button cells (normal, hover, pressed), each on a strip-coloured plate.
    const Look looks[] = {Look::Normal, Look::Hover, Look::Pressed};
    for (int i = 0; i < 3; ++i) {
        const QRect cell(11 + 30 * i, 41, 24, 15);  // "x,41,23,14" read inclusively
        p.fillRect(cell, skinpal::accentDark());
        drawCaptionCell(p, cell, Glyph::Close, looks[i]);
    }
}

// Sheet of the main window's frame. Only its outermost pixels show around the tool bar
// and the page; the top band carries the tool-bar blue so any gap there blends in.
void mainFrame(QImage& img)
{
    QPainter p(&img);
    const int w = img.width(), h = img.height();
    p.fillRect(img.rect(), skinpal::white());
    p.fillRect(QRect(0, 0, w, 8), skinpal::accent());
    p.fillRect(QRect(0, h - 8, w, 8), skinpal::surface());
    p.fillRect(QRect(0, 0, w, 1), skinpal::accentDeep());
    p.fillRect(QRect(0, h - 1, w, 1), skinpal::accentDeep());
    p.fillRect(QRect(0, 0, 1, h), skinpal::accentDeep());
    p.fillRect(QRect(w - 1, 0, 1, h), skinpal::accentDeep());
}

// The product emblem: a rounded tile with a recorder front on it.
void emblem(QPainter& p, const QRectF& box, bool onAccent)
{
    p.save();
    begin(p);
    const qreal u = box.width() / 32.0;
    const QColor fg = onAccent ? skinpal::accent() : skinpal::white();
    if (onAccent)
        fillRounded(p, box, 7 * u, skinpal::white());
    else
        fillRounded(p, box, 7 * u, vertical(box, skinpal::accentLight(), skinpal::accentDark()));

    const QRectF body(box.x() + 5 * u, box.y() + 9 * u, 22 * u, 11 * u);
    fillRounded(p, body, 2 * u, fg);
    const QColor slot = onAccent ? skinpal::white() : skinpal::accentDark();
    for (int i = 0; i < 3; ++i)
        fillRounded(p, QRectF(body.x() + (9.5 + 4 * i) * u, body.y() + 2.5 * u, 3 * u, 6 * u), 0.8 * u, slot);
    p.setPen(Qt::NoPen);
    p.setBrush(skinpal::ledGreen());
    p.drawEllipse(QPointF(body.x() + 4 * u, body.y() + 5.5 * u), 1.6 * u, 1.6 * u);
    // stand
    fillRounded(p, QRectF(box.x() + 11 * u, box.y() + 22 * u, 10 * u, 2 * u), 1 * u, fg);
    p.restore();
}

void appIcon(QImage& img)
{
    QPainter p(&img);
    emblem(p, QRectF(img.rect()), false);
}

// Left end of the tool bar: emblem and product name on the tool-bar blue.
void titleBanner(QImage& img)
{
    QPainter p(&img);
    begin(p);
    p.fillRect(img.rect(), skinpal::accent());
    const qreal e = 34;
    emblem(p, QRectF(14, (img.height() - e) / 2, e, e), true);
    p.setPen(skinpal::white());
    p.setFont(uiFont(22, true));
    // Only the product name, which reads the same in every language: the picture does not
    // change with the language.
    p.drawText(QPointF(60, 37), QStringLiteral("Tessaly"));
}

// Banner of the About dialog, right below its caption strip.
void aboutBanner(QImage& img)
{
    QPainter p(&img);
    begin(p);
    const QRectF r(img.rect());
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, skinpal::accent());
    g.setColorAt(1, skinpal::accentDeep());
    p.fillRect(r, g);
    // quiet rings on the right
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(withAlpha(skinpal::white(), 26 - 5 * i), 1));
        p.drawEllipse(QPointF(r.width() - 40, r.height() / 2), 26.0 + 18 * i, 26.0 + 18 * i);
    }
    p.fillRect(QRectF(0, 0, r.width(), 1), withAlpha(skinpal::white(), 40));
    const qreal e = 44;
    emblem(p, QRectF(20, (r.height() - e) / 2, e, e), true);
    p.setPen(skinpal::white());
    p.setFont(uiFont(24, true));
    p.drawText(QPointF(80, 48), QStringLiteral("Tessaly"));
}

void captionButton(QImage& img, Glyph glyph, Look look)
{
    QPainter p(&img);
    begin(p);
    drawCaptionCell(p, QRectF(img.rect()), glyph, look);
}

// Neutral push button (dialog OK/Cancel, paging arrows). Pressed turns blue so the
// white text of a pressed dialog button stays readable.
void pushButton(QImage& img, Look look)
{
    QPainter p(&img);
    begin(p);
    const QRectF r(img.rect());
    const qreal radius = 3;
    switch (look) {
    case Look::Normal:
        fillRounded(p, r, radius, vertical(r, skinpal::white(), skinpal::surfaceDim()));
        outline(p, r, radius, QColor(176, 186, 198));
        break;
    case Look::Hover:
        fillRounded(p, r, radius, vertical(r, skinpal::white(), skinpal::accentTint()));
        outline(p, r, radius, skinpal::accentLight());
        break;
    case Look::Pressed:
        fillRounded(p, r, radius, vertical(r, skinpal::accentDark(), skinpal::accent()));
        outline(p, r, radius, skinpal::accentDeep());
        break;
    case Look::Disabled:
        fillRounded(p, r, radius, skinpal::disabledFill());
        outline(p, r, radius, skinpal::disabledLine());
        break;
    }
}

QColor glyphInk(Look look)
{
    switch (look) {
    case Look::Pressed:
        return skinpal::white();
    case Look::Disabled:
        return skinpal::disabledInk();
    default:
        return skinpal::ink();
    }
}

// The blue call-to-action button ("Search"), white text on it.
void accentButton(QImage& img, Look look)
{
    QPainter p(&img);
    begin(p);
    const QRectF r(img.rect());
    const qreal radius = 3;
    switch (look) {
    case Look::Normal:
        fillRounded(p, r, radius, vertical(r, QColor(44, 152, 252), skinpal::accentDark()));
        p.fillRect(QRectF(2, 1, r.width() - 4, 1), withAlpha(skinpal::white(), 60));
        outline(p, r, radius, skinpal::accentDeep());
        break;
    case Look::Hover:
        fillRounded(p, r, radius, vertical(r, QColor(96, 180, 253), skinpal::accent()));
        p.fillRect(QRectF(2, 1, r.width() - 4, 1), withAlpha(skinpal::white(), 80));
        outline(p, r, radius, skinpal::accentDark());
        break;
    case Look::Pressed:
        fillRounded(p, r, radius, vertical(r, skinpal::accentDeep(), skinpal::accentDark()));
        outline(p, r, radius, QColor(6, 66, 134));
        break;
    case Look::Disabled:
        fillRounded(p, r, radius, QColor(196, 208, 222));
        outline(p, r, radius, QColor(174, 188, 205));
        break;
    }
}

// Background of the About dialog's web-address line.
void linkBand(QImage& img)
{
    QPainter p(&img);
    const QRect r = img.rect();
    p.fillRect(r, skinpal::surface());
    p.fillRect(QRect(0, r.height() - 1, r.width(), 1), skinpal::lineSoft());
}

void checkMark(QImage& img, bool checked)
{
    QPainter p(&img);
    begin(p);
    const QRectF r(img.rect());
    if (!checked) {
        fillRounded(p, r, 2.5, skinpal::white());
        outline(p, r, 2.5, skinpal::lineStrong());
        return;
    }
    fillRounded(p, r, 2.5, skinpal::accent());
    outline(p, r, 2.5, skinpal::accentDark());
    const qreal s = r.width() / 16.0;
    QPainterPath tick;
    tick.moveTo(4 * s, 8.2 * s);
    tick.lineTo(6.9 * s, 11.1 * s);
    tick.lineTo(12 * s, 5 * s);
    p.setPen(QPen(skinpal::white(), 1.9 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

// Brush of the edit fields. It is tiled, not scaled, and the fields differ in width,
// so it carries only horizontal lines: any width shows the same field.
void editField(QImage& img)
{
    QPainter p(&img);
    const int w = img.width(), h = img.height();
    p.fillRect(img.rect(), skinpal::surface());
    p.fillRect(QRect(0, 0, w, 1), QColor(172, 182, 194));
    p.fillRect(QRect(0, 1, w, 1), skinpal::surfaceDim());
    p.fillRect(QRect(0, h - 1, w, 1), skinpal::line());
}

// Stretched over a whole control (number spinner, date/time field), so the outline sits on
// its edge at any size.
void fieldBox(QImage& img)
{
    QPainter p(&img);
    const QRect r = img.rect();
    p.fillRect(r, skinpal::white());
    p.setPen(skinpal::line());
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// Sprite sheet of a combo box's closed face. Cells are cut from x,y to x+w,y+h inclusive:
// rows 0-27 normal (and hover), 28-55 disabled, 28-56 list open above, 84-112 list open below.
void comboSheet(QImage& img)
{
    const int w = img.width();
    {
        QPainter p(&img);
        begin(p);
        drawComboFace(p, QRect(0, 0, w, 28), ComboLook::Normal);
        drawComboFace(p, QRect(0, 28, w, 28), ComboLook::Disabled);
        drawComboFace(p, QRect(0, 84, w, 29), ComboLook::Open);
    }
    // The open-above cell is the disabled cell one row taller: repeat its bottom row
    // so that cell also ends in a border.
    if (img.height() > 56)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, 56, img.pixel(x, 55));
}

// Tab at the left of the figures header; its left 60 px lie under the blue "Spec" label.
void specTab(QImage& img)
{
    QPainter p(&img);
    begin(p);
    const qreal w = img.width(), h = img.height();
    QPainterPath tab;
    tab.moveTo(0, 0);
    tab.lineTo(w - 14, 0);
    tab.lineTo(w - 4, h / 2);
    tab.lineTo(w - 14, h);
    tab.lineTo(0, h);
    tab.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(skinpal::accent());
    p.drawPath(tab);
}

// A hand pointing up, the tip of its index finger at the hot spot (13, 7).
void handPointer(QImage& img)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(11, 6, 5, 15), 2.5, 2.5);        // index finger
    hand.addRoundedRect(QRectF(15.5, 13, 4, 9), 2, 2);          // middle finger
    hand.addRoundedRect(QRectF(19, 14, 4, 8), 2, 2);            // ring finger
    hand.addRoundedRect(QRectF(22.5, 15, 3.5, 7), 1.75, 1.75);  // little finger
    hand.addRoundedRect(QRectF(6, 17, 7, 4), 2, 2);             // thumb
    hand.addRoundedRect(QRectF(9, 18, 17, 11), 4, 4);           // palm
    hand.setFillRule(Qt::WindingFill);
    p.setPen(QPen(skinpal::ink(), 1.2));
    p.setBrush(skinpal::white());
    p.drawPath(hand.simplified());
}

}  // namespace skinpaint
