// The focus graph's values without a widget: what is stored in each mode, the peak, and which
// values each mode's curve shows.
#include "skin/ext/SFFocusGraphData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FocusGraphData, LiveModeStoresNewValuesUpToTheLimit)
{
    CSFFocusGraphData d;
    d.SetMode(1);
    for (int v : {5, 5, 5})
        EXPECT_EQ(d.AddPointY(v), 1);
    EXPECT_EQ(d.Points(), std::vector<int>{5});

    for (int v = 6; v < 6 + 1000; ++v)  // 1001 values in all
        ASSERT_EQ(d.AddPointY(v), 1);
    EXPECT_EQ(d.Points().size(), 1001u);
    EXPECT_EQ(d.AddPointY(-3), 0);
    EXPECT_EQ(d.Points().size(), 1001u);
    EXPECT_EQ(d.Peak(), 1005);
    EXPECT_EQ(d.PeakIndex(), 1000);
}

TEST(FocusGraphData, OtherModesSetOnlyTheReference)
{
    CSFFocusGraphData d;
    d.SetMode(1);
    d.AddPointY(10);
    d.AddPointY(30);
    d.AddPointY(20);
    for (int mode : {0, 2, 7}) {
        d.SetMode(mode);
        EXPECT_EQ(d.AddPointY(40 + mode), 1);
        EXPECT_EQ(d.Reference(), 40 + mode);
        EXPECT_EQ(d.Points(), (std::vector<int>{10, 30, 20}));
    }
}

TEST(FocusGraphData, ModeZeroForgetsThePeakAndClearForgetsAll)
{
    CSFFocusGraphData d;
    d.SetMode(1);
    d.AddPointY(10);
    d.AddPointY(30);
    d.SetMode(2);
    EXPECT_EQ(d.Peak(), 30);
    d.SetMode(0);
    EXPECT_EQ(d.Peak(), 0);
    EXPECT_EQ(d.Points().size(), 2u);

    d.SetMode(1);
    d.AddPointY(25);  // above the forgotten peak
    EXPECT_EQ(d.Peak(), 25);
    EXPECT_EQ(d.PeakIndex(), 2);
    d.ClearPointY();
    EXPECT_TRUE(d.Points().empty());
    EXPECT_EQ(d.Peak(), 0);
}

// n rising values from 1, with the peak moved to index peak (0 for none).
CSFFocusGraphData Filled(int mode, int n, int peak)
{
    CSFFocusGraphData d;
    d.SetMode(1);
    for (int i = 0; i < n; ++i)
        d.AddPointY(i == peak ? 100000 : i + 1);
    d.SetMode(mode);
    return d;
}

TEST(FocusGraphData, EachModeShowsItsWindowInsideTheValues)
{
    const struct
    {
        int mode, n, peak, first, count;
    } cases[] = {
        {1, 50, 0, 0, 50},                                // the live curve from the first value
        {1, 150, 0, 50, 100},                             // the newest hundred
        {2, 80, 70, 0, 80},                               // fewer than a hundred: all of them
        {2, 300, 10, 0, 100},                             // not before the first
        {2, 300, 150, 100, 100}, {2, 300, 280, 230, 70},  // the peak near the end: up to the newest
        {0, 300, 150, 0, 0},                              // text only
    };
    for (const auto& c : cases) {
        const CSFFocusGraphData d = Filled(c.mode, c.n, c.peak);
        const CSFFocusGraphData::Window w = d.Shown();
        EXPECT_EQ(w.first, c.first) << c.mode << "/" << c.n << "/" << c.peak;
        EXPECT_EQ(w.count, c.count) << c.mode << "/" << c.n << "/" << c.peak;
    }
}

TEST(FocusGraphData, NoPeakNoCurveAndTheScaleIsNotTruncated)
{
    CSFFocusGraphData d = Filled(1, 300, 280);
    d.SetMode(0);  // forgets the peak value
    d.SetMode(2);
    EXPECT_EQ(d.Shown().count, 0);
    EXPECT_EQ(d.Scale(100), 0);

    d.SetMode(1);
    d.AddPointY(160);  // a peak above the plot's height
    EXPECT_DOUBLE_EQ(d.Scale(100), 100.0 / 160);
}

// ---- The peak kept on a tie, the window of exactly a hundred, unknown modes ------------

TEST(FocusGraphData, AValueEqualToThePeakKeepsThePeaksIndex)
{
    CSFFocusGraphData d;
    d.SetMode(1);
    for (int v : {10, 30, 20, 30, 25})
        d.AddPointY(v);
    EXPECT_EQ(d.Peak(), 30);
    EXPECT_EQ(d.PeakIndex(), 1);
}

TEST(FocusGraphData, WindowsAtTheEdgesOfAHundredAndUnknownModes)
{
    const struct
    {
        int mode, n, peak, first, count;
    } cases[] = {
        {2, 100, 80, 30, 70},  // exactly a hundred: from 50 before the peak to the newest
        {2, 99, 80, 0, 99},    // one fewer: the whole curve
        {1, 100, 80, 0, 100},  // the live curve: all hundred
        {3, 300, 150, 0, 0},   // a mode above 2 shows no curve
        {7, 100, 80, 0, 0},   {-1, 100, 80, 0, 0},
    };
    for (const auto& c : cases) {
        const CSFFocusGraphData d = Filled(c.mode, c.n, c.peak);
        const CSFFocusGraphData::Window w = d.Shown();
        EXPECT_EQ(w.first, c.first) << c.mode << "/" << c.n << "/" << c.peak;
        EXPECT_EQ(w.count, c.count) << c.mode << "/" << c.n << "/" << c.peak;
    }
}

}  // namespace
