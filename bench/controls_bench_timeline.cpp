// The time-line's cases of bench/controls.sh: painting, zooming and scrolling a day of 64
// channels whose records (n in all, evenly over one day) fill the four visible rows, against
// plain QPainter drawing the same bars (each bar's place worked out from its seconds of day,
// tested against the view, filled) into an image of the same size.
#include "bench/ControlsBench.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/CSFQTPlayProgressPanel.h"
#include "skin/ext/ImagePlayProgressLayout.h"
#include "skin/ext/SFQtPlayProgressPanel.h"
#include "tests/skin/ext/play_progress_test_data.h"

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

// The plain side: the visible rows' bars as seconds of day, drawn at a zoom and offset.
struct PlainBars
{
    struct Bar
    {
        int row, from, to, type;
    };
    std::vector<Bar> bars;
    QImage image{900, 142, QImage::Format_ARGB32_Premultiplied};

    explicit PlainBars(int n)
    {
        for (int row = 0; row < 4; ++row)
            for (const PlayProgressRecord& r : Records(row, n))
                bars.push_back({row, r.nStartTime - kDayStart, r.nEndTime - kDayStart, r.nType});
    }
    void Paint(int zoom, int offset)
    {
        QPainter p(&image);
        p.fillRect(image.rect(), QColor(50, 50, 50));
        const QRect time(kTimeLeft, kTimeTop, kTimeWidth, kTimeHeight);
        p.setClipRect(time);
        const std::int64_t width = static_cast<std::int64_t>(kTimeWidth) * zoom;
        for (const Bar& b : bars) {
            const int x0 = static_cast<int>(width * b.from / kDay) - offset + kTimeLeft;
            const int x1 = static_cast<int>(width * b.to / kDay) - offset + kTimeLeft;
            const int top = kTimeTop + b.row * kRowHeight;
            const QRect bar(QPoint(x0, top + 1), QPoint(x1, top + kRowHeight - 1));
            if (bar.intersects(time))
                p.fillRect(bar, b.type == 4   ? QColor(213, 17, 17, 176)
                                : b.type == 8 ? QColor(196, 175, 0, 176)
                                              : QColor(66, 208, 23, 176));
        }
    }
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
