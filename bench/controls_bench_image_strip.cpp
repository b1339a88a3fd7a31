// The image strip's cases of bench/controls.sh: adding items, painting and hovering a row
// scrolled to its end, against a plain Qt list in icon mode (adding, hovering) and plain
// QPainter drawing of the thumbnails in view (painting).
#include "bench/ControlsBench.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTImagePanel.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace controls_bench;

constexpr int kWidth = 800;
constexpr int kHeight = 200;
constexpr int kThumbWidth = 80;
constexpr int kThumbHeight = 60;
constexpr int kSpacing = 3;
constexpr int kRepaints = 50;
constexpr int kMoves = 200;

// One small still shared by every item, as a recorder's strip of one camera would show.
const std::wstring& StillPath()
{
    static const std::wstring path = [] {
        const QString file = QDir::temp().filePath(QStringLiteral("tessaly_bench_still.png"));
        QImage img(32, 24, QImage::Format_RGB32);
        img.fill(QColor(40, 120, 200));
        img.save(file);
        return file.toStdWString();
    }();
    return path;
}

std::vector<std::wstring> Names(int n)
{
    std::vector<std::wstring> names;
    names.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        names.push_back(L"clip " + std::to_wstring(i));
    return names;
}

// A shown strip of n items, or none, with 80 x 60 thumbnails and 3-px spacings.
struct Strip
{
    explicit Strip(int n = 0)
    {
        host.resize(kWidth, kHeight);
        strip = dynamic_cast<CSFQTImagePanel*>(SF_CreateImagePanel(nullptr));
        strip->Create(L"", RECT{0, 0, kWidth, kHeight}, &host, 1);
        UIImagePanelStyle skin;
        skin[12] = L"FFFFFF";
        skin.nThumbHeight = kThumbHeight;
        skin.nThumbWidth = kThumbWidth;
        skin.nMargin = skin.nTopOffset = skin.nGap = kSpacing;
        strip->SetSkin(&skin);
        strip->ShowWindow(1);
        host.show();
        const std::vector<std::wstring> names = Names(n);
        for (const std::wstring& name : names)
            strip->AddItem(StillPath().c_str(), name.c_str(), L"Motion", L"08:00:00", L"08:05:00");
        strip->ScrollBar()->setValue(strip->ScrollBar()->maximum());
        Flush();
    }
    QWidget host;
    CSFQTImagePanel* strip = nullptr;  // owned by host
};

// A shown list in icon mode of n items with the same still, scrolled to its end.
struct IconList
{
    explicit IconList(int n = 0)
    {
        list.setViewMode(QListView::IconMode);
        list.setIconSize(QSize(kThumbWidth, kThumbHeight));
        list.setFlow(QListView::LeftToRight);
        list.setWrapping(false);
        list.setUniformItemSizes(true);
        list.setMouseTracking(true);
        list.resize(kWidth, kHeight);
        list.show();
        const std::vector<std::wstring> names = Names(n);
        for (const std::wstring& name : names)
            Add(name);
        list.doItemsLayout();
        list.scrollToBottom();
        list.horizontalScrollBar()->setValue(list.horizontalScrollBar()->maximum());
        Flush();
    }
    void Add(const std::wstring& name)
    {
        QPixmap picture;
        picture.load(QString::fromStdWString(StillPath()));
        new QListWidgetItem(QIcon(picture), QString::fromStdWString(name), &list);
    }
    QListWidget list;
};

void MovesOver(QWidget* target, int width)
{
    for (int i = 0; i < kMoves; ++i) {
        const QPointF at(5 + (i * 37) % (width - 10), 30);
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
}

const ControlsBenchCase addItems({"strip AddItem",
                                  [](int n) {
                                      Strip s;
                                      const std::vector<std::wstring> names = Names(n);
                                      const StopWatch watch;
                                      for (const std::wstring& name : names)
                                          s.strip->AddItem(StillPath().c_str(), name.c_str(), L"Motion",
                                                           L"08:00:00", L"08:05:00");
                                      Flush();
                                      return watch.Seconds();
                                  },
                                  [](int n) {
                                      IconList l;
                                      const std::vector<std::wstring> names = Names(n);
                                      const StopWatch watch;
                                      for (const std::wstring& name : names)
                                          l.Add(name);
                                      Flush();
                                      return watch.Seconds();
                                  }});

// The strip draws itself; the baseline draws what the strip shows at the end of its row: the
// background, the thumbnails in view, the information panel and its texts.
const ControlsBenchCase
    paintAtTheEnd({"strip paint, scrolled to the end",
                   [](int n) {
                       Strip s(n);
                       QImage target(kWidth, kHeight, QImage::Format_RGB32);
                       const StopWatch watch;
                       for (int i = 0; i < kRepaints; ++i)
                           s.strip->render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
                       return watch.Seconds();
                   },
                   [](int n) {
                       QPixmap picture;
                       picture.load(QString::fromStdWString(StillPath()));
                       CSFImagePanelLayout copy;
                       copy.SetWidgetSize(QSize(kWidth, kHeight));
                       copy.SetThumbSize(kThumbWidth, kThumbHeight);
                       copy.SetSpacing(kSpacing, kSpacing, kSpacing);
                       const int scroll = copy.ScrollMaximum(n);
                       QImage target(kWidth, kHeight, QImage::Format_RGB32);
                       const StopWatch watch;
                       for (int r = 0; r < kRepaints; ++r) {
                           QPainter p(&target);
                           p.fillRect(copy.PictureArea(), Qt::white);
                           const int step = kThumbWidth + kSpacing;
                           const int first = std::max(0, (scroll - kSpacing) / step);
                           for (int i = first; i < n; ++i) {
                               const QRect thumb = copy.ThumbRect(i, n, scroll);
                               if (!copy.IsThumbShown(thumb))
                                   break;
                               p.drawPixmap(thumb, picture);
                           }
                           p.fillRect(copy.InfoArea(), QColor(92, 101, 118));
                           for (int row = 0; row < CSFImagePanelLayout::kInfoRows; ++row) {
                               p.drawText(copy.CaptionRect(row), Qt::AlignRight | Qt::AlignVCenter,
                                          QStringLiteral("Name"));
                               p.drawText(copy.ValueRect(row), Qt::AlignCenter, QString());
                           }
                       }
                       return watch.Seconds();
                   }});

const ControlsBenchCase hoverAtTheEnd({"strip hover, scrolled to the end",
                                       [](int n) {
                                           Strip s(n);
                                           const StopWatch watch;
                                           MovesOver(s.strip, s.strip->Layout().PictureArea().width());
                                           Flush();
                                           return watch.Seconds();
                                       },
                                       [](int n) {
                                           IconList l(n);
                                           const StopWatch watch;
                                           MovesOver(l.list.viewport(), l.list.viewport()->width());
                                           Flush();
                                           return watch.Seconds();
                                       }});

}  // namespace
