// Drawing routines behind the skin catalog. Each one paints a whole picture onto
// a transparent image; the catalog decides names and sizes.
#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace skinpaint {

enum class Look
{
    Normal,
    Hover,
    Pressed,
    Disabled
};
enum class Glyph
{
    Menu,
    Minimise,
    Close,
    Help
};

// Window frames and backgrounds.
void dialogFrame(QImage& img);
void mainFrame(QImage& img);
void solid(QImage& img, const QColor& colour);
void rule(QImage& img);

// Brand pictures.
void emblem(QPainter& p, const QRectF& box, bool onAccent);
void appIcon(QImage& img);
void titleBanner(QImage& img);
void aboutBanner(QImage& img);

// Buttons.
void captionButton(QImage& img, Glyph glyph, Look look);
void pushButton(QImage& img, Look look);
// The ink of an arrow or sign drawn on a push button of that look: white on the pressed
// (blue) face, the disabled ink on a disabled one, the ink otherwise.
QColor glyphInk(Look look);
void accentButton(QImage& img, Look look);
void linkBand(QImage& img);

// Input controls.
void checkMark(QImage& img, bool checked);
void editField(QImage& img);
// A plain field: white with a 1-px outline round the whole picture.
void fieldBox(QImage& img);
void comboSheet(QImage& img);
void specTab(QImage& img);
// The pointer over a slider: a hand pointing up, its fingertip at (13, 7).
void handPointer(QImage& img);

// Recorder fronts.
enum class Chassis
{
    Desktop,
    Rack
};
struct RecorderFamily
{
    const char* prefix;  // picture name without ".png"
    const char* series;  // series name printed on the front
    int bays;            // disk bays shown
    int cols, rows;      // arrangement of the bays
    Chassis chassis;
    int width, height;    // chassis size within the 220 x 100 picture
    QColor seriesColour;  // stripe under the printed series name
};
void recorder(QImage& img, const RecorderFamily& family, bool selected);
void placeholder(QImage& img);

}  // namespace skinpaint
