// The time-line's model without any widget: filing records by local day (midnight, month end,
// before 1970, another zone, a daylight-saving change), adding and removing channels, rows,
// day stepping, zoom steps, the ruler levels, and the time/pixel arithmetic at widths where
// 32 bits overflow or where no layout exists yet.
#include "skin/ext/PlayProgressData.h"
#include "tests/skin/ext/play_progress_test_data.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

using playprogress::Channel;
using playprogress::Utc;
using playprogress::ZoneScope;

struct Model
{
    PlayProgressData::ChannelMap map;
    PlayProgressData data{&map};

    // A time area of w pixels starting at x 100.
    void Layout(int w)
    {
        data.timeRect = QRect(100, 20, w, 100);
        data.labelRect = QRect(0, 20, 100, 100);
        data.Resize(0);
    }
    // The ids filed under each day of a channel, day by day.
    std::vector<std::vector<int>> Filing(int id) const
    {
        std::vector<std::vector<int>> out;
        for (const auto& day : data.days.at(id).days) {
            out.emplace_back();
            for (const PlayProgressDayFiling::Entry& e : day.second.Entries())
                out.back().push_back(e.pRecord->nRecordID);
        }
        return out;
    }
    std::vector<PlayProgressDate> Dates(int id) const
    {
        std::vector<PlayProgressDate> out;
        for (const auto& day : data.days.at(id).days)
            out.push_back(day.first);
        return out;
    }
};

// A channel with one record from 01:00 to 02:00 on each of the given days after day d.
PlayProgressChannel OnDays(int id, int d, const std::vector<int>& dayNumbers)
{
    std::vector<PlayProgressRecord> records;
    for (int n : dayNumbers)
        records.push_back(
            {static_cast<int>(records.size()) + 1, d + n * 86400 + 3600, d + n * 86400 + 7200, 2});
    return Channel(id, records);
}

// ---- Filing by day ----------------------------------------------------------------------

TEST(PlayProgressModel, RecordsAreFiledUnderTheLocalDaysTheyTouch)
{
    Model m;
    const int d1 = Utc(2024, 5, 6);
    m.data.AddChannel(Channel(1, {{10, d1 + 10 * 3600, d1 + 11 * 3600, 2},
                                  {11, d1 + 23 * 3600 + 1800, d1 + 86400 + 1800, 4},
                                  {12, d1 + 2 * 86400 + 9 * 3600, d1 + 2 * 86400 + 9 * 3600 + 1800, 2}}));
    EXPECT_EQ(m.Dates(1), (std::vector<PlayProgressDate>{{2024, 5, 6}, {2024, 5, 7}, {2024, 5, 8}}));
    EXPECT_EQ(m.Filing(1), (std::vector<std::vector<int>>{{10, 11}, {11}, {12}}));

    // Month end: two separate days in calendar order.
    m.data.AddChannel(Channel(2, {{20, Utc(2024, 2, 1, 8), Utc(2024, 2, 1, 9), 2},
                                  {21, Utc(2024, 1, 31, 8), Utc(2024, 1, 31, 9), 2}}));
    EXPECT_EQ(m.Dates(2), (std::vector<PlayProgressDate>{{2024, 1, 31}, {2024, 2, 1}}));
    EXPECT_EQ(m.Filing(2), (std::vector<std::vector<int>>{{21}, {20}}));

    // Before 1970 the conversion is refused: the record goes under 1970-01-01.
    m.data.AddChannel(Channel(3, {{30, -2 * 86400, 3600, 2}}));
    EXPECT_EQ(m.Dates(3), (std::vector<PlayProgressDate>{{1970, 1, 1}}));
    EXPECT_EQ(SecondsOfDay(-5), 0);
}

TEST(PlayProgressModel, FilingUsesLocalTime)
{
    const ZoneScope zone("CST-8");
    Model m;
    m.data.AddChannel(Channel(1, {{1, Utc(2024, 1, 1, 16), Utc(2024, 1, 1, 17), 2}}));
    EXPECT_EQ(m.Dates(1), (std::vector<PlayProgressDate>{{2024, 1, 2}}));
    EXPECT_EQ(SecondsOfDay(Utc(2024, 1, 1, 16)), 0);
    EXPECT_EQ(DayStart(2024, 1, 2), Utc(2024, 1, 1, 16));
}

TEST(PlayProgressModel, DaylightSavingChangeKeepsLocalDays)
{
    const ZoneScope zone("CET-1CEST,M3.5.0,M10.5.0/3");
    Model m;
    // 23:30 CET on 30 March to 00:30 on 31 March, then 10:00 CEST on the 23-hour day.
    m.data.AddChannel(Channel(1, {{1, Utc(2024, 3, 30, 22, 30), Utc(2024, 3, 30, 23, 30), 2},
                                  {2, Utc(2024, 3, 31, 8), Utc(2024, 3, 31, 9), 2}}));
    EXPECT_EQ(m.Dates(1), (std::vector<PlayProgressDate>{{2024, 3, 30}, {2024, 3, 31}}));
    EXPECT_EQ(m.Filing(1), (std::vector<std::vector<int>>{{1}, {1, 2}}));
    EXPECT_EQ(DayStart(2024, 3, 31), Utc(2024, 3, 30, 23));
    EXPECT_EQ(DayStart(2024, 4, 1) - DayStart(2024, 3, 31), 23 * 3600);
    EXPECT_EQ(SecondsOfDay(Utc(2024, 3, 31, 8)), 10 * 3600);
}

// ---- Channels, cursors and rows ---------------------------------------------------------

TEST(PlayProgressModel, AddingAndRemovingChannels)
{
    Model m;
    const int t0 = Utc(2024, 5, 6, 8);
    m.data.AddChannel(Channel(5, {{1, t0 + 600, t0 + 900, 2}, {2, t0, t0 + 300, 2}}));
    EXPECT_EQ(m.data.nHighlight, 5);
    EXPECT_EQ(m.data.GetPosition(5), t0);
    m.data.AddChannel(Channel(9, {}));
    EXPECT_EQ(m.data.nHighlight, 5);
    EXPECT_EQ(m.data.GetPosition(9), 0);
    EXPECT_EQ(m.data.GetCurrentDate(9), (PlayProgressDate{1970, 1, 1}));
    EXPECT_EQ(m.data.nTopRow, 0);
    EXPECT_EQ(std::vector<int>(m.data.visible, m.data.visible + 4), (std::vector<int>{5, 9, -1, -1}));

    // An unknown id changes no map.
    m.data.RemoveChannel(42);
    EXPECT_EQ(m.map.size(), 2u);
    EXPECT_EQ(m.data.days.size(), 2u);
    EXPECT_EQ(m.data.cursors.size(), 1u);

    m.data.nSharedCursor = 77;
    m.data.RemoveChannel(9);
    m.data.RemoveChannel(5);
    EXPECT_EQ(m.data.nSharedCursor, 0);
    EXPECT_EQ(m.data.nTopRow, -1);
    EXPECT_EQ(m.data.nHighlight, -1);
    EXPECT_TRUE(m.data.days.empty() && m.data.cursors.empty() && m.data.dayIndexes.empty());
}

TEST(PlayProgressModel, RowsScrollWithinTheChannels)
{
    Model m;
    for (int id = 1; id <= 6; ++id)
        m.data.AddChannel(Channel(id * 10, {}));
    for (int i = 0; i < 5; ++i)
        m.data.ScrollRows(+1);
    EXPECT_EQ(m.data.nTopRow, 2);
    EXPECT_EQ(std::vector<int>(m.data.visible, m.data.visible + 4), (std::vector<int>{30, 40, 50, 60}));
    for (int i = 0; i < 5; ++i)
        m.data.ScrollRows(-1);
    EXPECT_EQ(m.data.nTopRow, 0);

    // Highlighting a channel out of view scrolls it in.
    m.data.SetHighlightChannel(50);
    EXPECT_EQ(m.data.nHighlight, 50);
    EXPECT_EQ(m.data.nTopRow, 2);
    m.data.SetHighlightChannel(7);
    EXPECT_EQ(m.data.nHighlight, -1);
}

TEST(PlayProgressModel, PositionBoundsAreCheckedWithoutOverflow)
{
    Model m;
    const int start = Utc(2024, 5, 6, 8), end = start + 3600;
    m.data.AddChannel(Channel(1, {{1, start, end, 2}}));
    m.data.AddChannel(Channel(2, {}));
    m.data.AddChannel(Channel(3, {{1, INT_MAX - 100, INT_MAX - 5, 2}}));
    const struct
    {
        int channel, time;
        bool accepted;
    } cases[] = {{1, end + 10, true},    {1, end + 11, false}, {1, start - 10, true},
                 {1, start - 11, false}, {2, 5, false},        {3, INT_MAX, true},
                 {3, INT_MIN, false},    {-1, 1234, true},     {99, start, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.channel << " @ " << c.time);
        EXPECT_EQ(m.data.SetPosition(c.channel, c.time), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(m.data.GetPosition(c.channel), c.time);
        }
    }

    // Offsets count from the earliest start; a channel without records has none.
    EXPECT_TRUE(m.data.SetPositionOffset(1, 3600));
    EXPECT_EQ(m.data.GetPosition(1), end);
    EXPECT_FALSE(m.data.SetPositionOffset(1, 3601));
    EXPECT_FALSE(m.data.SetPositionOffset(1, -1));
    EXPECT_FALSE(m.data.SetPositionOffset(2, 0));
    EXPECT_FALSE(m.data.SetPositionOffset(2, 100));
    EXPECT_EQ(m.data.GetPosition(2), 0);
    EXPECT_FALSE(m.data.SetPositionOffset(3, INT_MAX));
}

// ---- Days -------------------------------------------------------------------------------

TEST(PlayProgressModel, DayButtonsStepEveryChannelThatCan)
{
    Model m;
    const int d = Utc(2024, 5, 6);
    // Channel 1 has days 6, 7, 9; channel 2 has days 6 and 8.
    m.data.AddChannel(Channel(1, {{1, d + 3600, d + 7200, 2},
                                  {2, d + 86400 + 3600, d + 86400 + 7200, 2},
                                  {3, d + 3 * 86400 + 3600, d + 3 * 86400 + 7200, 2}}));
    m.data.AddChannel(Channel(2, {{1, d + 3600, d + 7200, 2}, {2, d + 2 * 86400, d + 2 * 86400 + 60, 2}}));
    EXPECT_FALSE(m.data.bPrevDay);
    EXPECT_TRUE(m.data.bNextDay);

    m.data.StepNextDay();
    EXPECT_EQ(m.data.GetCurrentDate(1), (PlayProgressDate{2024, 5, 7}));
    EXPECT_EQ(m.data.GetCurrentDate(2), (PlayProgressDate{2024, 5, 8}));
    EXPECT_TRUE(m.data.bPrevDay);
    EXPECT_TRUE(m.data.bNextDay);
    m.data.StepNextDay();
    EXPECT_EQ(m.data.GetCurrentDate(1), (PlayProgressDate{2024, 5, 9}));
    EXPECT_EQ(m.data.GetCurrentDate(2), (PlayProgressDate{2024, 5, 8}));
    EXPECT_EQ(m.data.dayIndexes.at(1), 2);
    EXPECT_EQ(m.data.dayIndexes.at(2), 1);
    EXPECT_EQ(m.data.nDayIndex, 2);
    EXPECT_FALSE(m.data.bNextDay);

    m.data.StepPrevDay();
    EXPECT_EQ(m.data.GetCurrentDate(1), (PlayProgressDate{2024, 5, 7}));
    EXPECT_EQ(m.data.GetCurrentDate(2), (PlayProgressDate{2024, 5, 6}));
    EXPECT_TRUE(m.data.bNextDay);
    EXPECT_EQ(m.data.GetDayDate(1, 99), (PlayProgressDate{2024, 5, 9}));
    EXPECT_EQ(m.data.GetDayDate(1, -3), (PlayProgressDate{2024, 5, 6}));
}

TEST(PlayProgressModel, GoingToTheCursorDayCentresTheCursor)
{
    Model m;
    m.Layout(800);
    m.data.SetZoom(10, 0);
    const int d = Utc(2024, 5, 6);
    m.data.AddChannel(Channel(1, {{1, d + 3600, d + 7200, 2}, {2, d + 86400 + 43200, d + 86400 + 46800, 2}}));
    m.data.SetPosition(1, d + 86400 + 43200);
    m.data.GoToCursorDay(1);
    EXPECT_EQ(m.data.nDayIndex, 1);
    EXPECT_EQ(m.data.GetCurrentDate(1), (PlayProgressDate{2024, 5, 7}));
    EXPECT_EQ(m.data.nDayOffset, 8000 * 43200 / 86400 - 400);
}

// ---- Zoom, scroll and pixels ------------------------------------------------------------

TEST(PlayProgressModel, WheelZoomStepsByOneThenTwoUpToOneHundred)
{
    Model m;
    m.Layout(780);
    int steps = 0;
    while (m.data.nDayZoom < 50) {
        m.data.ZoomIn(0);
        ++steps;
    }
    EXPECT_EQ(steps, 49);
    m.data.ZoomIn(0);
    EXPECT_EQ(m.data.nDayZoom, 52);
    m.data.ZoomOut(0);
    EXPECT_EQ(m.data.nDayZoom, 50);
    for (steps = 49; m.data.nDayZoom < 100; ++steps)
        m.data.ZoomIn(0);
    EXPECT_EQ(steps, 74);
    m.data.nDayZoom = 99;
    m.data.ZoomIn(0);
    EXPECT_EQ(m.data.nDayZoom, 100);
    EXPECT_EQ(m.data.nDayWidth, 78000);
    m.data.nDayZoom = 1;
    m.data.ZoomOut(0);
    EXPECT_EQ(m.data.nDayZoom, 1);
}

TEST(PlayProgressModel, ZoomKeepsTheAnchoredTime)
{
    Model m;
    m.Layout(800);
    m.data.nDayOffset = 0;
    const int anchor = 300;
    const int before = m.data.XToTime(anchor);
    m.data.SetZoom(40, anchor);
    EXPECT_NEAR(m.data.XToTime(anchor), before, 86400 / 800);
    m.data.ZoomIn(anchor);
    EXPECT_NEAR(m.data.XToTime(anchor), before, 86400 / 800);
    m.data.SetZoom(500, anchor);
    EXPECT_EQ(m.data.nDayZoom, 100);
    m.data.SetZoom(-3, anchor);
    EXPECT_EQ(m.data.nDayZoom, 1);
    EXPECT_EQ(m.data.nDayOffset, 0);
}

TEST(PlayProgressModel, PixelArithmeticBeyond32Bits)
{
    // 960 pixels at zoom 100: 4000 pixels per hour, and 96000 x 86399 does not fit 32 bits.
    Model m;
    m.Layout(960);
    m.data.SetZoom(100, 0);
    ASSERT_EQ(m.data.nDayWidth, 96000);
    const int lastSecond = Utc(2024, 5, 6, 23, 59, 59);
    EXPECT_EQ(m.data.TimeToX(lastSecond), 95998);
    m.data.nDayOffset = 96000 - 960;
    EXPECT_EQ(m.data.XToTime(959), 86399);
    m.data.ScrollToTime(Utc(2024, 5, 6, 23));
    EXPECT_EQ(m.data.nDayOffset, 92000);
    m.data.ScrollToTime(lastSecond);
    EXPECT_EQ(m.data.nDayOffset, 96000 - 960);
    // A resize keeps the offset's relative place.
    m.data.nDayOffset = 48000;
    m.data.Resize(-480);
    EXPECT_EQ(m.data.width, 480);
    EXPECT_EQ(m.data.nDayWidth, 48000);
    EXPECT_EQ(m.data.nDayOffset, 24000);
}

TEST(PlayProgressModel, NoLayoutNeverDivides)
{
    Model m;
    m.data.AddChannel(Channel(1, {{1, 1000, 5000, 2}}));
    m.data.SetZoom(10, 50);
    EXPECT_EQ(m.data.nDayZoom, 10);
    EXPECT_EQ(m.data.nDayWidth, 0);
    m.data.ZoomIn(5);
    m.data.ZoomOut(5);
    m.data.ScrollToTime(3000);
    EXPECT_EQ(m.data.XToTime(30), 0);
    EXPECT_EQ(m.data.TimeToX(3000), -1);
    EXPECT_EQ(m.data.XToPercent(30), 0);
    m.data.bRecordMode = true;
    m.data.nRecordChannel = 1;
    m.data.SetZoom(3, 10);
    EXPECT_EQ(m.data.XToTime(30), 0);
    EXPECT_EQ(m.data.TimeToX(3000), -1);
    // A time area squeezed to nothing is no width either.
    m.Layout(50);
    m.data.Resize(-80);
    EXPECT_EQ(m.data.width, 0);
    EXPECT_EQ(m.data.XToTime(10), 0);
    m.data.nRecordChannel = 404;
    EXPECT_EQ(m.data.XToTime(10), -1);
}

TEST(PlayProgressModel, RecordModeMeasuresBothWaysAgainstTheWholeSpan)
{
    Model m;
    m.Layout(500);
    m.data.AddChannel(Channel(1, {{7, 10000, 20000, 2}, {8, 30000, 30000, 2}, {9, 40000, 60000, 4}}));
    m.data.bRecordMode = true;
    m.data.nRecordChannel = 1;
    m.data.Resize(0);
    EXPECT_EQ(m.data.TimeToX(35000), 250);
    EXPECT_EQ(m.data.XToTime(250), 35000);
    EXPECT_EQ(m.data.XToTime(0), 10000);
    // The records end to end: 10000 s, 0 s, 20000 s.
    int inside = -1;
    EXPECT_EQ(m.data.FindRecordAt(1, 25, &inside), 7);
    EXPECT_EQ(inside, 75);
    EXPECT_EQ(m.data.FindRecordAt(1, 50, &inside), 9);
    EXPECT_EQ(inside, 25);
    EXPECT_EQ(m.data.FindRecordAt(1, 100, &inside), -1);
    // The recorded time before a moment, and the whole when no record holds it.
    const PlayProgressChannel* channel = m.data.FindChannel(1);
    EXPECT_EQ(PlayProgressData::GetRecordTimeBefore(channel, 15000), 5000);
    EXPECT_EQ(PlayProgressData::GetRecordTimeBefore(channel, 45000), 15000);
    EXPECT_EQ(PlayProgressData::GetRecordTimeBefore(channel, 25000), 30000);
    EXPECT_EQ(PlayProgressData::GetTotalRecordTime(channel), 30000);
}

TEST(PlayProgressModel, ZeroLengthRecordIsFoundAtNoPercent)
{
    Model m;
    const int d = Utc(2024, 5, 6);
    m.data.AddChannel(Channel(1, {{3, d + 43200, d + 43200, 2}, {4, d + 50000, d + 60000, 2}}));
    int inside = -1;
    EXPECT_EQ(m.data.FindRecordAt(1, 50, &inside), 3);
    EXPECT_EQ(inside, 0);
    EXPECT_EQ(m.data.FindRecordAt(1, 10, &inside), -1);
    EXPECT_EQ(m.data.FindRecordAt(77, 50, &inside), -1);
}

TEST(PlayProgressModel, RulerLevelsByPixelsPerHour)
{
    using L = PlayProgressData::RulerLevel;
    const struct
    {
        int p;
        int unit, minor, labelled, last;
        L::Label label;
    } cases[] = {{4000, 1, 12, 60, 86399, L::HourMinuteSecond}, {3600, 1, 60, 120, 86399, L::HourMinute},
                 {801, 10, 6, 30, 8639, L::HourMinute},         {800, 30, 6, 30, 2879, L::HourMinute},
                 {161, 60, 5, 30, 1439, L::HourMinute},         {61, 60, 10, 60, 1439, L::Hour},
                 {60, 900, 4, 4, 96, L::HourBlankPadded},       {50, 900, 4, 4, 96, L::HourBlankPadded}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.p);
        const L level = PlayProgressData::RulerLevelFor(c.p);
        EXPECT_EQ(level.nUnitSeconds, c.unit);
        EXPECT_EQ(level.nMinorEvery, c.minor);
        EXPECT_EQ(level.nLabelEvery, c.labelled);
        EXPECT_EQ(level.nLastUnit, c.last);
        EXPECT_EQ(level.label, c.label);
    }
    EXPECT_EQ(PlayProgressData::RulerLabel(PlayProgressData::RulerLevelFor(4000), 3661), "01:01:01");
    EXPECT_EQ(PlayProgressData::RulerLabel(PlayProgressData::RulerLevelFor(3000), 7320), "02:02:00");
    EXPECT_EQ(PlayProgressData::RulerLabel(PlayProgressData::RulerLevelFor(100), 540), "09");
    EXPECT_EQ(PlayProgressData::RulerLabel(PlayProgressData::RulerLevelFor(50), 36), " 9");
    EXPECT_EQ(PlayProgressData::RulerLabel(PlayProgressData::RulerLevelFor(50), 96), "24");
}

// ---- The day's clock, both ways --------------------------------------------------------

// Bars, cursors and presses use one rule: on a day with a clock change a press at the ruler's
// 10:30 is 10:30 on the clock, and a cursor at a record's start sits on the start of its bar.
TEST(PlayProgressModel, DaylightSavingDaysConvertBothWaysByTheClock)
{
    const ZoneScope zone("CET-1CEST,M3.5.0,M10.5.0/3");
    const struct
    {
        PlayProgressDate day;
        int start;  // 10:00 on that day's clock
        int at1030;
    } cases[] = {{{2024, 3, 31}, Utc(2024, 3, 31, 8), Utc(2024, 3, 31, 8, 30)},
                 {{2024, 10, 27}, Utc(2024, 10, 27, 9), Utc(2024, 10, 27, 9, 30)},
                 {{2024, 5, 6}, Utc(2024, 5, 6, 8), Utc(2024, 5, 6, 8, 30)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day.nMonth << "-" << c.day.nDay);
        Model m;
        m.Layout(864);  // 10 pixels per ruler second of the day, 100 s a pixel
        m.data.AddChannel(Channel(1, {{1, c.start, c.start + 3600, 2}}));
        ASSERT_EQ(m.data.GetCurrentDate(1), c.day);
        const PlayProgressDayFiling::Entry& bar = m.data.days.at(1).days.at(c.day).Entries().at(0);
        EXPECT_EQ(bar.nFrom, 10 * 3600);
        EXPECT_EQ(m.data.DayTimeToX(c.start, c.day), m.data.DaySecondsToX(bar.nFrom));
        EXPECT_EQ(m.data.DayTimeToX(c.start, c.day), 360);
        EXPECT_EQ(m.data.DayXToTime(c.day, 378), c.at1030);
        EXPECT_EQ(m.data.DayTimeToX(c.at1030, c.day), 378);
        // The cursor centred by the day's own clock.
        m.data.GoToCursorDay(1);
        EXPECT_EQ(m.data.nDayOffset, 0);
        m.data.SetZoom(10, 0);
        m.data.GoToCursorDay(1);
        EXPECT_EQ(m.data.nDayOffset, 3600 - 432);
        // The record under a percentage of the day is found on the same clock.
        int inside = -1;
        EXPECT_EQ(m.data.FindRecordAt(1, 43, &inside), 1);  // 10:19:12
        EXPECT_EQ(inside, 32);
    }
    EXPECT_EQ(SecondsFromDay(Utc(2024, 3, 31, 22, 30), {2024, 3, 31}), 86400 + 30 * 60);
    EXPECT_EQ(SecondsFromDay(Utc(2024, 3, 30, 22, 30), {2024, 3, 31}), -30 * 60);
    EXPECT_EQ(TimeAtSecondsOfDay({2024, 3, 31}, 86400 + 1800), Utc(2024, 3, 31, 22, 30));
}

// Far-off times lie far outside the view in 64 bits and are clamped at the very end, so a
// far edge can never come back on the other side.
TEST(PlayProgressModel, FarOffTimesClampToTheTimeArea)
{
    Model m;
    m.Layout(780);  // time rect x 100..879
    const PlayProgressDate day{2024, 5, 6};
    m.data.AddChannel(Channel(1, {{1, Utc(2024, 5, 6, 12), Utc(2024, 5, 6, 12, 1), 2}}));
    m.data.SetZoom(100, 0);
    m.data.ScrollToTime(Utc(2024, 5, 6, 12));
    const struct
    {
        std::int64_t t;
        int x;
    } cases[] = {{Utc(1990, 1, 1), 99},
                 {INT_MIN, 99},
                 {0, 99},
                 {INT_MAX, 880},
                 {Utc(2037, 1, 1), 880},
                 {Utc(2024, 5, 6, 12), 100},
                 {Utc(2024, 5, 6, 12, 5), 100 + 300 * 78000 / 86400}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.t);
        EXPECT_EQ(m.data.VisibleX(m.data.DayTimeToX(c.t, day)), c.x);
    }
    // Record mode over a 60 s span: a cut a lifetime later is right of the view.
    m.data.AddChannel(Channel(2, {{1, Utc(2024, 5, 6, 12), Utc(2024, 5, 6, 12, 1), 2}}));
    m.data.bRecordMode = true;
    m.data.nRecordChannel = 2;
    m.data.Resize(0);
    EXPECT_EQ(m.data.VisibleX(m.data.TimeToX(INT_MAX)), 880);
    EXPECT_EQ(m.data.VisibleX(m.data.TimeToX(INT_MIN)), 99);
    EXPECT_EQ(m.data.VisibleX(m.data.TimeToX(Utc(2024, 5, 6, 12, 0, 30))), 490);
}

// The last day a 32-bit time reaches: a press late on it clamps to the last second.
TEST(PlayProgressModel, PressesLateOn2038ClampToTheLastSecond)
{
    Model m;
    m.Layout(780);
    const PlayProgressDate last{2038, 1, 19};
    EXPECT_EQ(m.data.DayXToTime(last, 0), Utc(2038, 1, 19));
    EXPECT_EQ(m.data.DayXToTime(last, 779), INT_MAX);
    EXPECT_EQ(m.data.DayXToTime(last, 65), Utc(2038, 1, 19, 2));
}

// The day filing is kept with each bar's place on the clock; a paint asks it for the records
// that can meet the seconds in view, in list order.
TEST(PlayProgressModel, DayFilingNarrowsAPaintToTheRecordsInView)
{
    Model m;
    const int d = Utc(2024, 5, 6);
    m.data.AddChannel(Channel(1, {{1, d - 3600, d + 3600, 2},
                                  {2, d + 7200, d + 9000, 2},
                                  {3, d + 40000, d + 50000, 2},
                                  {4, d + 20000, d + 21000, 2},
                                  {5, d + 80000, d + 90000, 2}}));
    const PlayProgressDayFiling& filing = m.data.days.at(1).days.at({2024, 5, 6});
    ASSERT_EQ(filing.size(), 5u);
    EXPECT_EQ(filing.Entries()[0].nFrom, 0);
    EXPECT_EQ(filing.Entries()[0].nTo, 3600);
    EXPECT_EQ(filing.Entries()[4].nFrom, 80000);
    EXPECT_EQ(filing.Entries()[4].nTo, 86400);
    const struct
    {
        int from, to;
        std::size_t first, last;
    } cases[] = {{0, 86400, 0, 5},     {3601, 7199, 1, 1},   {7200, 7200, 1, 2},   {9001, 19999, 2, 2},
                 {45000, 45000, 2, 4}, {50001, 79999, 4, 4}, {86400, 90000, 4, 5}, {-50, -1, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
        const auto range = filing.Candidates(c.from, c.to);
        EXPECT_EQ(range.first, c.first);
        EXPECT_EQ(range.second, c.last);
    }
}

// ---- What a caller sees of the model's edges --------------------------------------------

TEST(PlayProgressModel, ZeroLengthRecordsGiveNoCursor)
{
    Model m;
    const int t = Utc(2024, 5, 6, 9);
    m.data.AddChannel(Channel(1, {{1, t, t, 2}, {2, t, t, 2}}));
    EXPECT_EQ(m.data.cursors.count(1), 0u);
    EXPECT_EQ(m.data.GetPosition(1), 0);
}

TEST(PlayProgressModel, RemovingAChannelKeepsTheDayPositionAfterSteppingBack)
{
    Model m;
    const int d = Utc(2024, 5, 6);
    // Channel 1 has days 6, 7, 8; channel 2 has days 6 and 7; channel 3 only day 6.
    m.data.AddChannel(OnDays(1, d, {0, 1, 2}));
    m.data.AddChannel(OnDays(2, d, {0, 1}));
    m.data.AddChannel(OnDays(3, d, {0}));
    m.data.StepNextDay();
    m.data.StepNextDay();
    m.data.StepPrevDay();
    ASSERT_EQ(m.data.nDayIndex, 1);
    ASSERT_EQ(m.data.dayIndexes.at(1), 1);
    ASSERT_EQ(m.data.dayIndexes.at(2), 0);
    m.data.RemoveChannel(3);
    EXPECT_EQ(m.data.nDayIndex, 1);
    m.data.RemoveChannel(1);
    EXPECT_EQ(m.data.nDayIndex, 0);
}

TEST(PlayProgressModel, FiveChannelsKeepTheFirstHighlighted)
{
    Model m;
    for (int id = 1; id <= 5; ++id)
        m.data.AddChannel(Channel(id * 10, {}));
    EXPECT_EQ(m.data.nTopRow, 0);
    EXPECT_EQ(std::vector<int>(m.data.visible, m.data.visible + 4), (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(m.data.nHighlight, 10);
}

TEST(PlayProgressModel, HighlightingTheHighlightedChannelKeepsTheView)
{
    Model m;
    m.Layout(800);
    m.data.SetZoom(10, 0);
    const int d = Utc(2024, 5, 6);
    m.data.AddChannel(Channel(1, {{1, d + 3600, d + 7200, 2}, {2, d + 86400 + 43200, d + 86400 + 46800, 2}}));
    m.data.StepNextDay();
    m.data.nDayOffset = 1234;
    m.data.SetHighlightChannel(1);
    EXPECT_EQ(m.data.nDayIndex, 1);
    EXPECT_EQ(m.data.GetCurrentDate(1), (PlayProgressDate{2024, 5, 7}));
    EXPECT_EQ(m.data.nDayOffset, 1234);
}

TEST(PlayProgressModel, RecordQueriesAtTheEdgesOfARecord)
{
    const PlayProgressChannel channel = Channel(1, {{7, 1000, 2000, 2}, {8, 3000, 5000, 2}});
    const struct
    {
        int t;
        int min, max;
    } spans[] = {{1000, INT_MAX, 0}, {2000, INT_MAX, 0}, {1001, 1000, 2000}, {3000, INT_MAX, 0}};
    for (const auto& c : spans) {
        SCOPED_TRACE(c.t);
        int nMin = -1, nMax = -1;
        PlayProgressData::GetRecordSpan(&channel, &nMin, &nMax, c.t);
        EXPECT_EQ(nMin, c.min);
        EXPECT_EQ(nMax, c.max);
    }
    EXPECT_EQ(PlayProgressData::GetRecordTimeBefore(&channel, 2000), 1000);
    EXPECT_EQ(PlayProgressData::GetRecordTimeBefore(&channel, 5000), 3000);
    EXPECT_EQ(PlayProgressData::GetRecordTimeBefore(&channel, 1000), 0);
}

TEST(PlayProgressModel, LastDayAndRecordModeDayJump)
{
    Model m;
    m.Layout(800);
    const int d = Utc(2024, 5, 6);
    m.data.AddChannel(OnDays(1, d, {0, 1, 2}));
    EXPECT_EQ(m.data.GetDayDate(1, 3), (PlayProgressDate{2024, 5, 8}));
    EXPECT_EQ(m.data.GetDayDate(1, 2), (PlayProgressDate{2024, 5, 8}));
    EXPECT_EQ(m.data.GetDayDate(1, 1), (PlayProgressDate{2024, 5, 7}));

    m.data.SetPosition(1, d + 2 * 86400 + 3600);
    m.data.bRecordMode = true;
    m.data.GoToCursorDay(1);
    EXPECT_EQ(m.data.nDayIndex, 0);
    EXPECT_EQ(m.data.GetCurrentDate(1), (PlayProgressDate{2024, 5, 6}));
    EXPECT_EQ(m.data.nDayOffset, 0);
}

TEST(PlayProgressModel, ZoomOutFromFiftyOneGivesFifty)
{
    Model m;
    m.Layout(780);
    m.data.SetZoom(51, 0);
    m.data.ZoomOut(0);
    EXPECT_EQ(m.data.nDayZoom, 50);
}

TEST(PlayProgressModel, HalfTheWidthIsFiftyPercentAndHalfWayMovesTheRightEdge)
{
    Model m;
    m.Layout(800);
    EXPECT_EQ(m.data.XToPercent(400), 50);
    EXPECT_EQ(m.data.XToPercent(399), 49);
    m.data.SetZoom(2, 0);
    m.data.nDayOffset = 400;
    EXPECT_EQ(m.data.XToPercent(400), 50);

    m.data.cut[0] = 1000;
    m.data.cut[1] = 2000;
    EXPECT_FALSE(m.data.MoveCutEdge(1500));
    EXPECT_EQ(m.data.cut[0], 1000);
    EXPECT_EQ(m.data.cut[1], 1500);
    EXPECT_TRUE(m.data.MoveCutEdge(1100));
    EXPECT_EQ(m.data.cut[0], 1100);

    // Rows of 25 px from y 20: the lines at 20, 45 (and the row's last line) are no row's.
    const struct
    {
        int y, row;
    } rows[] = {{20, -1}, {21, 0}, {43, 0}, {44, -1}, {45, -1}, {46, 1}, {119, -1}, {96, 3}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.y);
        EXPECT_EQ(m.data.RowAt(r.y), r.row);
    }
}

}  // namespace
