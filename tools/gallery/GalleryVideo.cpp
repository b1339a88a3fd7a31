// The video window: a split wall of panes showing generated test-card frames, one idle pane
// with the back picture, the focus frame, and beside it the same layout in splitter mode.
#include "skin/ext/ImageVideoWindowStyle.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFSkinRecordsExt.h"
#include "tools/gallery/GallerySection.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace {

ImageVideoWindowStyle VideoSkin()
{
    ImageVideoWindowStyle s = VideoWindowSkinRecord();
    s[12] = L"22,22";
    s[14] = L"7D8799";  // bars a shade lighter than the default, to stand out in the editor
    s.nMaxZoomWidth = 1600;
    s.nMaxZoomHeight = 1200;
    return s;
}

// A test card: colour bars over a grey ramp, a circle and the channel number.
QImage TestCard(int channel)
{
    QImage frame(320, 240, QImage::Format_RGB32);
    QPainter p(&frame);
    const QColor bars[] = {Qt::white, Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue};
    const int bw = frame.width() / 7;
    for (int i = 0; i < 7; ++i)
        p.fillRect(QRect(i * bw, 0, i == 6 ? frame.width() - 6 * bw : bw, 170), bars[(i + channel) % 7]);
    for (int x = 0; x < frame.width(); ++x)
        p.fillRect(QRect(x, 170, 1, 70), QColor::fromHsv(0, 0, 255 * x / frame.width()));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(160, 120), 90, 90);
    p.setFont(QFont(QStringLiteral("Sans"), 28, QFont::Bold));
    p.drawText(QRect(0, 90, 320, 60), Qt::AlignCenter, QStringLiteral("CH %1").arg(channel + 1));
    return frame;
}

ISFVideoWindowEvent& QuietSink()
{
    static ISFVideoWindowEvent sink;
    return sink;
}

void BuildVideo(QWidget* area)
{
    ImageVideoWindowStyle skin = VideoSkin();
    CSFVideoWindow* wall = SF_CreateVideoWindow(VIDEOWINDOW_NORMAL, &QuietSink(), 3, 3);
    if (!wall)
        return;
    wall->SetSkin(&skin);  // before Create: the pane controls take their pictures there
    wall->Create(L"Video wall", RECT{0, 0, 480, 330}, area, 1);
    wall->SetDefaultLayout(DEFAULT_LAYOUT_6);
    for (int index = 0; index < 5; ++index) {
        const int id = wall->GetSubWinID(index);
        wall->SetSubWinVideo(index, 1);
        QImage frame = TestCard(id);
        wall->RenderSubWin(id, frame.bits(), RENDER_DATA_RGB32, frame.width(), frame.height());
    }
    wall->SetFocusSubWin(wall->GetSubWinID(1));

    CSFVideoWindow* editor = SF_CreateVideoWindow(VIDEOWINDOW_SPLITTER, &QuietSink(), 0, 0);
    if (!editor)
        return;
    editor->SetSkin(&skin);
    editor->Create(L"Layout editor", RECT{492, 0, 732, 165}, area, 2);
    editor->SetDefaultLayout(DEFAULT_LAYOUT_13);
}

}  // namespace

GallerySection galleryVideo()
{
    return {QStringLiteral("Video window (wall and layout editor)"), QSize(732, 330), BuildVideo};
}
