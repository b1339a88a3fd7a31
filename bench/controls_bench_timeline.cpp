// The time-line's cases of bench/controls.sh: painting, zooming and scrolling a day of 64
// channels whose records (n in all, evenly over one day) fill the four visible rows, against
// a plain QWidget of the same size, rendered the same way, drawing with QPainter what the
// panel draws (rows, names, ruler, bars, cursors).
#include "bench/ControlsBench.h"
#include "skin/ext/CSFQTPlayProgressPanel.h"
#include "skin/ext/ImagePlayProgressLayout.h"
#include "skin/ext/PlayProgressData.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQtPlayProgressPanel.h"
#include "tests/skin/ext/play_progress_test_data.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace {

using controls_bench::Case;
using controls_bench::ControlsBenchCase;
using controls_bench::StopWatch;

constexpr int kChannels = 64;
constexpr int kDayStart = 1714953600;  // 2024-05-06 00:00 UTC (the script runs with TZ=UTC)
constexpr int kDay = 86400;
constexpr int kTimeLeft = 100, kTimeTop = 20, kTimeWidth = 780, kTimeHeight = 100;
constexpr int kRowHeight = kTimeHeight / 4;
constexpr int kFrames = 10;
const int kZooms[kFrames] = {1, 12, 23, 34, 45, 56, 67, 78, 89, 100};

// One channel's records: n / 64 of them spread evenly over the day, each 80 % of its slot.
std::vector<PlayProgressRecord> Records(int channel, int n)
{
    const int count = std::max(1, n / kChannels);
    const int slot = kDay / count;
    std::vector<PlayProgressRecord> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int start = kDayStart + i * slot;
        records.push_back({channel * 100000 + i, start, start + std::max(1, slot * 4 / 5), 2 << (i % 3)});
    }
    return records;
}

struct Timeline
{
    QWidget parent;
    CSFPlayProgressPanel* facade = nullptr;
    CSFQTPlayProgressPanel* control = nullptr;
    QImage image;

    explicit Timeline(int n)
    {
        parent.resize(900, 200);
        facade = SF_CreatePlayProgressPanel(nullptr);
        facade->Create(L"", 0x10000000, 0, RECT{0, 0, 900, 170}, &parent, 1);
        ImagePlayProgressLayout l = playprogress::PanelLayout();
        facade->SetSkinLayout(&l);
        for (int c = 0; c < kChannels; ++c) {
            PlayProgressChannel channel;
            channel.nChannelId = c;
            channel.strName = L"Camera " + std::to_wstring(c);
            channel.records = Records(c, n);
            facade->AddChannel(channel);
        }
        control = dynamic_cast<CSFQTPlayProgressPanel*>(facade);
        image = QImage(control->Panel()->size(), QImage::Format_ARGB32_Premultiplied);
    }
    void Paint() { control->Panel()->render(&image); }
};

// The plain side: a plain QWidget of the panel's size, rendered the way the panel is, whose
// paint draws with QPainter what the panel draws in day mode: the rows' lines and channel
// names, the outline of the highlighted first row, the ruler's ticks and labels at the zoom,
// the bars of the visible rows (each bar's place worked out from its seconds of day, tested
// against the view, filled) and the rows' cursors at the day's start with their labels.
class PlainBars : public QWidget
{
public:
    explicit PlainBars(int n)
    {
        resize(900, 142);
        for (int row = 0; row < 4; ++row) {
            names.push_back(QStringLiteral("Camera %1").arg(row));
            for (const PlayProgressRecord& r : Records(row, n))
                bars.push_back({row, r.nStartTime - kDayStart, r.nEndTime - kDayStart, r.nType});
        }
        image = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    }
    void Paint(int zoomTo, int offsetTo)
    {
        zoom = zoomTo;
        offset = offsetTo;
        render(&image);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(50, 50, 50));
        const QRect time(kTimeLeft, kTimeTop, kTimeWidth, kTimeHeight);
        for (int row = 0; row < 4; ++row) {
            const int top = kTimeTop + row * kRowHeight;
            p.setPen(QColor(Qt::darkGray));
            p.drawLine(time.left(), top, time.right(), top);
            p.setPen(Qt::white);
            p.drawText(QRect(4, top, kTimeLeft - 4, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       names[row]);
        }
        p.setPen(QColor(56, 182, 255));
        p.drawRect(
            QRect(QPoint(time.left() + 1, kTimeTop), QPoint(time.right() - 1, kTimeTop + kRowHeight - 1)));
        p.setClipRect(time);
        const std::int64_t width = static_cast<std::int64_t>(kTimeWidth) * zoom;
        const auto toX = [&](std::int64_t seconds) {
            return static_cast<int>(width * seconds / kDay) - offset + kTimeLeft;
        };
        QFont font = p.font();
        font.setPixelSize(9);
        p.setFont(font);
        // The ruler's steps at this many pixels an hour: seconds a tick, ticks a label, ticks
        // a minor tick, and how the label reads.
        const PlayProgressData::RulerLevel level =
            PlayProgressData::RulerLevelFor(static_cast<int>(width / 24));
        for (int unit = 0; unit <= level.nLastUnit; ++unit) {
            const std::int64_t seconds = static_cast<std::int64_t>(unit) * level.nUnitSeconds;
            // The day's last tick sits on the right edge, as the panel draws it.
            const int x = std::min(toX(seconds), time.right());
            if (x < time.left())
                continue;
            if (toX(seconds) > time.right() + 1)
                break;
            if (unit % level.nLabelEvery == 0) {
                p.setPen(QColor(Qt::darkGray));
                p.drawLine(x, kTimeTop + 8, x, kTimeTop + 8 + kTimeHeight + 10);
                const int h = static_cast<int>(seconds / 3600), m = static_cast<int>(seconds % 3600 / 60);
                const QString label =
                    level.label == PlayProgressData::RulerLevel::HourMinuteSecond
                        ? QString::asprintf("%02d:%02d:%02d", h, m, static_cast<int>(seconds % 60))
                    : level.label == PlayProgressData::RulerLevel::HourMinute
                        ? QString::asprintf("%02d:%02d:00", h, m)
                        : QString::asprintf("%02d", h);
                p.setPen(Qt::white);
                p.drawText(QRect(x - 30, kTimeTop - 1, 60, 19), Qt::AlignHCenter | Qt::AlignTop, label);
            } else if (unit % level.nMinorEvery == 0) {
                p.setPen(Qt::black);
                p.drawLine(x, kTimeTop + 14, x, kTimeTop + 18);
            }
        }
        for (const Bar& b : bars) {
            const int top = kTimeTop + b.row * kRowHeight;
            const QRect bar(QPoint(toX(b.from), top + 1), QPoint(toX(b.to), top + kRowHeight - 1));
            if (bar.intersects(time))
                p.fillRect(bar, b.type == 4   ? QColor(213, 17, 17, 176)
                                : b.type == 8 ? QColor(196, 175, 0, 176)
                                              : QColor(66, 208, 23, 176));
        }
        const int cursor = toX(0);
        if (cursor >= time.left() && cursor <= time.right()) {
            const QString text = QStringLiteral("00:00:00");
            for (int row = 0; row < 4; ++row) {
                const int top = kTimeTop + row * kRowHeight;
                p.setPen(Qt::white);
                p.drawLine(cursor, top + 1, cursor, top + kRowHeight - 1);
                const QFontMetrics fm(p.font());
                const QRect box(QPoint(cursor + 2, top + 2),
                                QSize(fm.horizontalAdvance(text) + 6, fm.height() + 2));
                p.fillRect(box, QColor(255, 165, 59, 76));
                p.drawText(box, Qt::AlignCenter, text);
            }
        }
    }

private:
    struct Bar
    {
        int row, from, to, type;
    };
    std::vector<Bar> bars;
    std::vector<QString> names;
    QImage image;
    int zoom = 1, offset = 0;
};

// Times the frames of one side: frame(i) sets the view of frame i and paints it.
double TimeFrames(const std::function<void(int)>& frame)
{
    const StopWatch watch;
    for (int i = 0; i < kFrames; ++i)
        frame(i);
    return watch.Seconds();
}

int ScrollOffset(int frame) { return frame * 99 * kTimeWidth / kFrames; }

const ControlsBenchCase paint(Case{"timeline paint (day in view)",
                                   [](int n) {
                                       Timeline t(n);
                                       return TimeFrames([&](int) { t.Paint(); });
                                   },
                                   [](int n) {
                                       PlainBars b(n);
                                       return TimeFrames([&](int) { b.Paint(1, 0); });
                                   }});

const ControlsBenchCase zoom(Case{"timeline zoom 1..100 and paint",
                                  [](int n) {
                                      Timeline t(n);
                                      return TimeFrames([&](int i) {
                                          t.facade->SetZoom(kZooms[i]);
                                          t.Paint();
                                      });
                                  },
                                  [](int n) {
                                      PlainBars b(n);
                                      // The control's zoom keeps its cursor's place: the day's start.
                                      return TimeFrames([&](int i) { b.Paint(kZooms[i], 0); });
                                  }});

const ControlsBenchCase scroll(Case{"timeline scroll at zoom 100 and paint",
                                    [](int n) {
                                        Timeline t(n);
                                        t.facade->SetZoom(100);
                                        return TimeFrames([&](int i) {
                                            t.control->ScrollBar()->setValue(ScrollOffset(i));
                                            t.Paint();
                                        });
                                    },
                                    [](int n) {
                                        PlainBars b(n);
                                        return TimeFrames([&](int i) { b.Paint(100, ScrollOffset(i)); });
                                    }});

}  // namespace
