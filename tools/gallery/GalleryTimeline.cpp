// The gallery's time-line section: a made-up day of recordings on five cameras, once across
// the whole day with a cut range, once zoomed in on the morning.
#include "skin/ext/ImagePlayProgressLayout.h"
#include "skin/ext/ImagePlayProgressStyle.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFSkinRecordsExt.h"
#include "tools/gallery/GallerySection.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QWidget>

#include <string>

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 172;

ImagePlayProgressLayout timelineLayout()
{
    ImagePlayProgressLayout l = TimelineZoomerLayoutRecord();
    l[0] = L"110,24,770,100";  // ruler on top, rows below from y 44
    l[1] = L"0,44,110,80";
    l[2] = L"6,26,14,14";
    l[3] = L"884,26,14,14";
    l[4] = L"0,0,900,146";
    l[5] = L"0,0,900,146";
    l[13] = L"660,152,150,16";
    l[26] = L"884,50,14,14";
    l[27] = L"884,104,14,14";
    l[28] = L"816,152,16,16";
    l[29] = L"638,152,16,16";
    return l;
}

// Five cameras: continuous, motion-triggered (type 4), alarm (type 8) and mixed recordings on
// one local day, the night camera running on past midnight.
void addChannels(CSFPlayProgressPanel* timeline, int day)
{
    auto at = [day](int h, int m) { return day + h * 3600 + m * 60; };
    struct Camera
    {
        int id;
        const wchar_t* name;
        std::vector<PlayProgressRecord> records;
    };
    const Camera cameras[] = {
        {1,
         L"Entrance",
         {{1, at(0, 0), at(6, 30), 2}, {2, at(6, 45), at(18, 0), 2}, {3, at(18, 10), at(23, 59), 2}}},
        {2,
         L"Car park",
         {{4, at(7, 5), at(7, 40), 4},
          {5, at(9, 10), at(9, 25), 4},
          {6, at(12, 0), at(13, 30), 4},
          {7, at(17, 20), at(18, 5), 4}}},
        {3,
         L"Warehouse",
         {{8, at(2, 14), at(2, 40), 8}, {9, at(8, 0), at(16, 0), 2}, {10, at(16, 0), at(16, 20), 8}}},
        {4,
         L"Loading bay",
         {{11, at(5, 30), at(11, 0), 2}, {12, at(11, 0), at(11, 45), 4}, {13, at(14, 0), at(20, 30), 2}}},
        {5, L"Night yard", {{14, at(20, 0), at(23, 0), 2}, {15, at(23, 0), at(24 + 5, 0), 8}}},
    };
    for (const Camera& c : cameras) {
        PlayProgressChannel channel;
        channel.nChannelId = c.id;
        channel.strName = c.name;
        channel.records = c.records;
        timeline->AddChannel(channel);
    }
}

CSFPlayProgressPanel* makeTimeline(QWidget* area, int top, UINT id)
{
    CSFPlayProgressPanel* timeline = SF_CreatePlayProgressPanel(nullptr);
    if (!timeline)
        return nullptr;
    timeline->Create(L"", WS_VISIBLE, 0, RECT{0, top, kWidth, top + kHeight}, area, id);
    ImagePlayProgressLayout layout = timelineLayout();
    timeline->SetSkinLayout(&layout);
    ImagePlayProgressStyle style = TimelineSkinRecord();
    timeline->SetSkin(&style);
    timeline->SetBackground(TimelineBackgroundPicture().c_str());
    const int day = static_cast<int>(QDateTime(QDate(2024, 5, 6), QTime(0, 0)).toSecsSinceEpoch());
    addChannels(timeline, day);
    return timeline;
}

}  // namespace

GallerySection galleryTimeline()
{
    return {QStringLiteral("Time-line"), QSize(kWidth, 2 * kHeight + 8), [](QWidget* area) {
                const int day =
                    static_cast<int>(QDateTime(QDate(2024, 5, 6), QTime(0, 0)).toSecsSinceEpoch());
                if (CSFPlayProgressPanel* whole = makeTimeline(area, 0, 1)) {
                    whole->SetHighlightChannel(3);
                    whole->SetPosition(3, day + 11 * 3600 + 20 * 60);
                    whole->EnableVideoCut(1);
                    whole->SetCutPos(0, day + 13 * 3600);
                    whole->SetCutPos(1, day + 15 * 3600 + 30 * 60);
                }
                if (CSFPlayProgressPanel* zoomed = makeTimeline(area, kHeight + 8, 2)) {
                    zoomed->SetZoom(40);
                    zoomed->ScrollToTime(day + 10 * 3600);
                    zoomed->SetRecordTypeFilter(2 | 4);
                }
            }};
}
