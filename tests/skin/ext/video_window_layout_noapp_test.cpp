// The video window's split layout on its own: the layout string read and written, the ten
// presets, rescaling and regridding, and the splitter editor (no widgets, no application).
#include "skin/ext/QTVideoWindowLayout.h"
#include "skin/ext/SFInterfaceExt.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Layout = CQTVideoWindowLayout;

QString Text(const Layout& layout)
{
    QString s;
    layout.ToString(s);
    return s;
}

// What the video window does with a text: read it, then derive the windows at the size the
// window has (the bars keep the text's rectangles only when that size is the text's).
void Apply(Layout& layout, const QString& text)
{
    const QSize size = layout.GetSize();
    layout.FromString(text);
    layout.FitTo(size.width(), size.height());
}

Layout AppliedAt(int width, int height, const QString& text)
{
    Layout layout(1, 1, width, height);
    Apply(layout, text);
    return layout;
}

QStringList PresetsAsWritten()
{
    QFile file(QStringLiteral(TESSALY_TEST_DATA_DIR "/video_layout_presets.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The windows cover the whole grid exactly once.
::testing::AssertionResult TilesTheGrid(const Layout& layout)
{
    const QSize size = layout.GetSize();
    std::vector<int> covered(static_cast<size_t>(size.width() * size.height()), 0);
    for (const auto& [number, rc] : layout.Cells())
        for (int y = rc.top(); y <= rc.bottom(); ++y)
            for (int x = rc.left(); x <= rc.right(); ++x)
                if (++covered[static_cast<size_t>(y * size.width() + x)] > 1)
                    return ::testing::AssertionFailure()
                           << "windows overlap at " << x << "," << y << " in " << Text(layout).toStdString();
    for (int v : covered)
        if (v != 1)
            return ::testing::AssertionFailure()
                   << "a pixel is in no window in " << Text(layout).toStdString();
    if (static_cast<int>(layout.Cells().size()) != layout.WindowCount())
        return ::testing::AssertionFailure()
               << "count " << layout.WindowCount() << " for " << layout.Cells().size() << " windows";
    return ::testing::AssertionSuccess();
}

QString Rect(const QRect& rc)
{
    return QStringLiteral("%1:%2:%3:%4").arg(rc.left()).arg(rc.top()).arg(rc.right()).arg(rc.bottom());
}

// ---- Presets ----------------------------------------------------------------------------

TEST(VideoLayoutPresets, AreTheTenStringsAndRebuildToTheirWindowCounts)
{
    const QStringList expected = PresetsAsWritten();
    ASSERT_EQ(expected.size(), 10);
    const int counts[10] = {1, 4, 6, 8, 9, 13, 16, 20, 25, 36};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const char* preset = CSFVideoWindow::GetDefaultLayout(static_cast<DEFAULT_LAYOUT>(i));
        ASSERT_NE(preset, nullptr);
        EXPECT_EQ(QString::fromLatin1(preset), expected[i]);
        Layout layout(1, 1, 400, 300);
        ASSERT_EQ(layout.FromString(QString::fromLatin1(preset)), 1);
        layout.RebuildCells();
        EXPECT_EQ(layout.WindowCount(), counts[i]);
        EXPECT_TRUE(TilesTheGrid(layout));
    }
    EXPECT_EQ(CSFVideoWindow::GetDefaultLayout(static_cast<DEFAULT_LAYOUT>(10)), nullptr);
    EXPECT_EQ(CSFVideoWindow::GetDefaultLayout(static_cast<DEFAULT_LAYOUT>(-1)), nullptr);
}

TEST(VideoLayoutPresets, OrderOfRecordsDoesNotMatter)
{
    // The four-window preset with bars and windows listed in reverse.
    const QString reversed = QStringLiteral(
        "2/2/4/400:300/1:1:200:145:400:155-0:1:0:145:200:155-65792:1:195:150:205:300-65536:1:195:0:205:150/"
        "200:150:400:300-0:150:200:300-200:0:400:150-0:0:200:150");
    Layout a = AppliedAt(400, 300, reversed);
    Layout b = AppliedAt(400, 300, QString::fromLatin1(CSFVideoWindow::GetDefaultLayout(DEFAULT_LAYOUT_4)));
    EXPECT_EQ(Text(a), Text(b));
}

TEST(VideoLayoutPresets, SixWindowPresetOnItsOwnSize)
{
    Layout layout =
        AppliedAt(400, 300, QString::fromLatin1(CSFVideoWindow::GetDefaultLayout(DEFAULT_LAYOUT_6)));
    ASSERT_EQ(layout.WindowCount(), 6);
    const char* windows[6] = {"0:0:265:199",   "266:0:399:99",    "266:100:399:199",
                              "0:200:132:299", "133:200:265:299", "266:200:399:299"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Rect(*layout.Window(i)), QLatin1String(windows[i])) << i;
    // The size did not change, so the preset's own bar rectangles stay.
    EXPECT_EQ(layout.Splitters().at(Layout::VerticalKey(0, 1)).rect, QRect(QPoint(261, 0), QPoint(271, 100)));
}

// ---- Writing and reading ----------------------------------------------------------------

TEST(VideoLayoutString, WrittenTextsReadBackUnchanged)
{
    struct Case
    {
        const char* name;
        Layout layout;
        const char* text;
    };
    const Case cases[] = {
        {"one window", Layout(1, 1, 400, 300), "1/1/1/400:300//0:0:399:299"},
        // Cells under 5 pixels wide put the vertical bars at negative x.
        {"squeezed", Layout(2, 3, 12, 30),
         "2/3/6/12:30/0:1:0:10:3:19-1:1:4:10:7:19-2:1:8:10:11:19-65536:1:-1:0:8:14-65537:1:3:0:12:14-"
         "65792:1:-1:15:8:29-65793:1:3:15:12:29/0:0:3:14-4:0:7:14-8:0:11:14-0:15:3:29-4:15:7:29-8:15:11:29"},
        {"no size, one window", Layout(1, 1, 0, 0), "1/1/1/0:0//0:0:-1:-1"},
        {"no size, four windows", Layout(2, 2, 0, 0),
         "2/2/4/0:0/0:1:0:-5:-1:4-1:1:0:-5:-1:4-65536:1:-5:0:4:-1-65792:1:-5:0:4:-1/"
         "0:0:-1:-1-0:0:-1:-1-0:0:-1:-1-0:0:-1:-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Text(c.layout), QLatin1String(c.text));
        Layout read(1, 1, c.layout.GetSize().width(), c.layout.GetSize().height());
        ASSERT_EQ(read.FromString(QLatin1String(c.text)), 1);
        EXPECT_EQ(Text(read), QLatin1String(c.text));
        EXPECT_EQ(read.Splitters().size(), c.layout.Splitters().size());
    }
}

TEST(VideoLayoutString, CountAndWindowListAreInformationalFlagsTakeEffect)
{
    const QString text = QStringLiteral("2/2/9/400:300/0:0:0:145:200:155-1:1:200:145:400:155-"
                                        "65536:1:195:0:205:150-65792:1:195:150:205:300/0:0:1:1");
    Layout same = AppliedAt(400, 300, text);
    EXPECT_EQ(same.WindowCount(), 3);
    EXPECT_EQ(Text(same),
              QStringLiteral("2/2/3/400:300/0:0:0:145:200:155-1:1:200:145:400:155-65536:1:195:0:205:150-"
                             "65792:1:195:150:205:300/0:0:199:299-200:0:399:149-200:150:399:299"));
    Layout larger = AppliedAt(640, 480, text);
    EXPECT_EQ(Text(larger),
              QStringLiteral("2/2/3/640:480/0:0:0:235:319:244-1:1:320:235:639:244-65536:1:315:0:324:239-"
                             "65792:1:315:240:324:479/0:0:319:479-320:0:639:239-320:240:639:479"));
}

TEST(VideoLayoutString, ReaderFillsGapsAndReadsNonNumbersAsZero)
{
    Layout layout(1, 1, 400, 300);
    // No bar listed: every bar of the grid is there, on.
    ASSERT_EQ(layout.FromString(QStringLiteral("2/2/4/400:300//")), 1);
    layout.RebuildCells();
    EXPECT_EQ(layout.Splitters().size(), 4u);
    EXPECT_EQ(layout.WindowCount(), 4);
    // A size that is not a number reads as 0.
    ASSERT_EQ(layout.FromString(QStringLiteral("1/1/x/400:high//")), 1);
    EXPECT_EQ(layout.GetSize(), QSize(400, 0));
    EXPECT_EQ(layout.WindowCount(), 0);
}

TEST(VideoLayoutString, MalformedTextsAreRefusedAndChangeNothing)
{
    const char* refused[] = {
        "1/1/1/400:300/",                              // five fields
        "1/1/1/400:300///",                            // seven fields
        "",                                            // one field
        "0/2/2/400:300//",                             // no rows
        "-1/2/2/400:300//",                            // negative rows
        "2/0/2/400:300//",                             // no columns
        "300/2/600/400:300//",                         // more rows than a key can hold
        "2/257/514/400:300//",                         // more columns than a key can hold
        "100000/100000/1/400:300//",                   // millions of cells
        "1/2/2/400//",                                 // size without height
        "1/2/2/400:300:5//",                           // size with a third number
        "1/2/2/-400:300//",                            // negative width
        "1/2/2/400:300/65536:1:195:0:205/",            // bar record one number short
        "1/2/2/400:300/65536:1:195:0:205:300:7/",      // bar record one number over
        "1/2/2/400:300/65536:1:195:0:205:300-/",       // empty record after a bar
        "1/2/2/400:300//0:0:199",                      // window record one number short
        "1/2/2/400:300/0:1:0:0:0:0/",                  // a horizontal bar a single row lacks
        "1/2/2/400:300/65537:1:0:0:0:0/",              // a vertical bar after the last column
        "1/2/2/400:300/131072:1:0:0:0:0/",             // no bar key at all
        "2/2/3/400:300/1:0:0:0:0:0-65792:0:0:0:0:0/",  // an L-shaped window
        "2/2/1/400:300/0:0:0:0:0:0-1:1:0:0:0:0-65536:0:0:0:0:0-65792:0:0:0:0:0/",  // bar inside a window
    };
    Layout layout =
        AppliedAt(640, 480, QString::fromLatin1(CSFVideoWindow::GetDefaultLayout(DEFAULT_LAYOUT_6)));
    const QString before = Text(layout);
    for (const char* text : refused) {
        EXPECT_EQ(layout.FromString(QLatin1String(text)), 0) << text;
        EXPECT_EQ(Text(layout), before) << text;
    }
}

// ---- Rescaling and regridding -----------------------------------------------------------

TEST(VideoLayoutGeometry, RemaindersGoToTheLastColumnAndRow)
{
    Layout layout(3, 3, 400, 302);
    EXPECT_EQ(Rect(*layout.Window(0)), QStringLiteral("0:0:132:99"));
    EXPECT_EQ(Rect(*layout.Window(1)), QStringLiteral("133:0:265:99"));
    EXPECT_EQ(Rect(*layout.Window(8)), QStringLiteral("266:200:399:301"));
    EXPECT_EQ(layout.Splitters().at(Layout::VerticalKey(2, 1)).rect,
              QRect(QPoint(261, 200), QPoint(270, 301)));
    EXPECT_EQ(layout.Splitters().at(Layout::HorizontalKey(1, 2)).rect,
              QRect(QPoint(266, 195), QPoint(399, 204)));
}

TEST(VideoLayoutGeometry, RegriddingKeepsMergesAndSizesRoundTrip)
{
    const QString s1 = QStringLiteral(
        "3/3/6/640:480/0:0:0:155:212:164-1:0:213:155:425:164-2:1:426:155:639:164-256:1:0:315:212:324-"
        "257:1:213:315:425:324-258:1:426:315:639:324-65536:0:208:0:217:159-65537:1:421:0:430:159-"
        "65792:0:208:160:217:319-65793:1:421:160:430:319-66048:1:208:320:217:479-66049:1:421:320:430:479/"
        "0:0:425:319-426:0:639:159-426:160:639:319-0:320:212:479-213:320:425:479-426:320:639:479");
    const QString preset6 = QString::fromLatin1(CSFVideoWindow::GetDefaultLayout(DEFAULT_LAYOUT_6));
    EXPECT_EQ(Text(AppliedAt(640, 480, preset6)), s1);
    const Layout at800 = AppliedAt(800, 600, s1);
    EXPECT_EQ(Text(at800), Text(AppliedAt(800, 600, preset6)));
    EXPECT_EQ(Rect(*at800.Window(0)), QStringLiteral("0:0:531:399"));
    EXPECT_EQ(Text(AppliedAt(640, 480, Text(at800))), s1);

    // Every preset resized away and back writes the same text; a copy takes the receiver's size.
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const QString preset =
            QString::fromLatin1(CSFVideoWindow::GetDefaultLayout(static_cast<DEFAULT_LAYOUT>(i)));
        Layout layout = AppliedAt(640, 480, preset);
        const QString before = Text(layout);
        EXPECT_EQ(layout.SetSize(1000, 701), 1);
        EXPECT_TRUE(TilesTheGrid(layout));
        EXPECT_EQ(layout.SetSize(1000, 701), 0);
        EXPECT_EQ(layout.SetSize(640, 480), 1);
        EXPECT_EQ(Text(layout), before);
        Layout copy(1, 1, 1000, 701);
        copy = AppliedAt(640, 480, preset);
        EXPECT_EQ(Text(copy), Text(AppliedAt(1000, 701, preset)));
    }
}

TEST(VideoLayoutGeometry, RowsAndColumnsChangeKeepingFlags)
{
    Layout one(1, 1, 400, 300);
    ASSERT_EQ(one.SetRows(2), 1);
    ASSERT_EQ(one.Splitters().size(), 1u);
    EXPECT_EQ(one.Splitters().at(0).bEnable, 1);
    EXPECT_EQ(one.WindowCount(), 2);

    Layout layout =
        AppliedAt(400, 300, QString::fromLatin1(CSFVideoWindow::GetDefaultLayout(DEFAULT_LAYOUT_6)));
    const QString before = Text(layout);
    ASSERT_EQ(layout.SetRows(4), 1);
    EXPECT_EQ(layout.WindowCount(), 9);  // the 2 x 2 block stays, a fourth row of three is added
    EXPECT_TRUE(TilesTheGrid(layout));
    ASSERT_EQ(layout.SetColumns(5), 1);
    EXPECT_EQ(layout.WindowCount(), 17);
    ASSERT_EQ(layout.SetColumns(3), 1);
    ASSERT_EQ(layout.SetRows(3), 1);
    Layout back(1, 1, 400, 300);
    back.FromString(before);
    back.SetSize(401, 300);
    back.SetSize(400, 300);  // the uniform bars of the regridded layout
    EXPECT_EQ(Text(layout), Text(back));

    for (int n : {0, -1, 3, 257})
        EXPECT_EQ(layout.SetRows(n), 0) << n;
    for (int n : {0, 3, 257})
        EXPECT_EQ(layout.SetColumns(n), 0) << n;
}

// ---- Splitter editing -------------------------------------------------------------------

TEST(VideoLayoutEditing, ClicksMergeAndSplitAsTheyShould)
{
    Layout layout(2, 2, 400, 300);
    EXPECT_EQ(layout.HitTestSplitter(QPoint(100, 100)), 0);
    EXPECT_TRUE(layout.Selected().empty());
    EXPECT_EQ(layout.ToggleSelectedSplitters(), 0);
    // The bar between the two left cells: its junction's other bars are on, so it goes alone.
    ASSERT_EQ(layout.HitTestSplitter(QPoint(100, 150)), 1);
    ASSERT_EQ(layout.Selected().size(), 1u);
    EXPECT_EQ(layout.Selected().begin()->first, Layout::HorizontalKey(0, 0));
    ASSERT_EQ(layout.ToggleSelectedSplitters(), 1);
    EXPECT_EQ(layout.WindowCount(), 3);
    EXPECT_EQ(Rect(*layout.Window(0)), QStringLiteral("0:0:199:299"));
    // The selection is kept: toggling again splits the window back.
    ASSERT_EQ(layout.ToggleSelectedSplitters(), 1);
    EXPECT_EQ(layout.WindowCount(), 4);

    // Four clicks on a full 3 x 3 grid give a five-window layout; merging its top row with
    // the rest must give one window (the merged bar left of cell (1,1) must stay off).
    Layout grid(3, 3, 400, 300);
    const QPoint clicks[] = {{133, 50}, {266, 50}, {66, 199}, {266, 250}};
    for (const QPoint& p : clicks) {
        ASSERT_EQ(grid.HitTestSplitter(p), 1);
        ASSERT_EQ(grid.ToggleSelectedSplitters(), 1);
    }
    const QString fiveWindows = QStringLiteral(
        "3/3/5/400:300/0:1:0:95:132:104-1:1:133:95:265:104-2:1:266:95:399:104-256:0:0:195:132:204-"
        "257:1:133:195:265:204-258:1:266:195:399:204-65536:0:128:0:137:99-65537:0:261:0:270:99-"
        "65792:1:128:100:137:199-65793:1:261:100:270:199-66048:1:128:200:137:299-66049:0:261:200:270:299/"
        "0:0:399:99-0:100:132:299-133:100:265:199-266:100:399:199-133:200:399:299");
    ASSERT_EQ(Text(grid), fiveWindows);
    ASSERT_EQ(grid.HitTestSplitter(QPoint(66, 99)), 1);
    ASSERT_EQ(grid.ToggleSelectedSplitters(), 1);
    EXPECT_EQ(grid.WindowCount(), 1);
    EXPECT_EQ(Rect(*grid.Window(0)), QStringLiteral("0:0:399:299"));
    EXPECT_TRUE(TilesTheGrid(grid));
}

// Every way to cut a grid of up to 4 x 4 into rectangles: for each, the bar string of
// "on" flags (bar between two cells of one rectangle off).
void ForEachRectangularLayout(int rows, int columns, const std::function<void(const QString&)>& visit)
{
    std::vector<int> owner(static_cast<size_t>(rows * columns), -1);
    int next = 0;
    std::function<void()> fill = [&] {
        int first = 0;
        while (first < rows * columns && owner[static_cast<size_t>(first)] != -1)
            ++first;
        if (first == rows * columns) {
            QString bars;
            auto add = [&](int key, bool on) {
                bars += (bars.isEmpty() ? QString() : QStringLiteral("-")) +
                        QStringLiteral("%1:%2:0:0:0:0").arg(key).arg(on ? 1 : 0);
            };
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < columns; ++c) {
                    const int o = owner[static_cast<size_t>(r * columns + c)];
                    if (c + 1 < columns)
                        add(Layout::VerticalKey(r, c), o != owner[static_cast<size_t>(r * columns + c + 1)]);
                    if (r + 1 < rows)
                        add(Layout::HorizontalKey(r, c),
                            o != owner[static_cast<size_t>((r + 1) * columns + c)]);
                }
            visit(QStringLiteral("%1/%2/0/1:1/%3/").arg(rows).arg(columns).arg(bars));
            return;
        }
        const int r0 = first / columns, c0 = first % columns;
        for (int h = 1; r0 + h <= rows; ++h) {
            for (int w = 1; c0 + w <= columns; ++w) {
                bool free = true;
                for (int r = r0; r < r0 + h && free; ++r)
                    for (int c = c0; c < c0 + w && free; ++c)
                        free = owner[static_cast<size_t>(r * columns + c)] == -1;
                if (!free)
                    break;
                const int id = next++;
                for (int r = r0; r < r0 + h; ++r)
                    for (int c = c0; c < c0 + w; ++c)
                        owner[static_cast<size_t>(r * columns + c)] = id;
                fill();
                for (int r = r0; r < r0 + h; ++r)
                    for (int c = c0; c < c0 + w; ++c)
                        owner[static_cast<size_t>(r * columns + c)] = -1;
                --next;
            }
        }
    };
    fill();
}

TEST(VideoLayoutEditing, EveryClickOnEveryLayoutUpTo4x4LeavesRectangles)
{
    std::map<std::pair<int, int>, long> merges;
    for (int rows = 1; rows <= 4; ++rows) {
        for (int columns = 1; columns <= 4; ++columns) {
            ForEachRectangularLayout(rows, columns, [&](const QString& text) {
                Layout base(1, 1, 1, 1);
                ASSERT_EQ(base.FromString(text), 1) << text.toStdString();
                base.SetSize(400, 300);  // every bar at its uniform place
                const int cw = 400 / columns, ch = 300 / rows;
                for (const auto& [key, bar] : base.Splitters()) {
                    const int r = Layout::KeyRow(key), c = Layout::KeyColumn(key);
                    const QPoint centre = Layout::IsVerticalKey(key) ? QPoint((c + 1) * cw, r * ch + ch / 2)
                                                                     : QPoint(c * cw + cw / 2, (r + 1) * ch);
                    Layout layout(base);
                    ASSERT_EQ(layout.HitTestSplitter(centre), 1);
                    ASSERT_EQ(layout.Selected().count(key), 1u);
                    ASSERT_EQ(layout.ToggleSelectedSplitters(), 1);
                    if (bar.bEnable)
                        ++merges[{rows, columns}];
                    ASSERT_EQ(layout.Splitters().at(key).bEnable, bar.bEnable ? 0 : 1);
                    // The windows tile the grid: their areas add up and no two overlap.
                    long area = 0;
                    for (auto a = layout.Cells().begin(); a != layout.Cells().end(); ++a) {
                        area += static_cast<long>(a->second.width()) * a->second.height();
                        for (auto b = std::next(a); b != layout.Cells().end(); ++b)
                            ASSERT_FALSE(a->second.intersects(b->second))
                                << text.toStdString() << " clicked " << key;
                    }
                    ASSERT_EQ(area, 400L * 300L) << text.toStdString() << " clicked " << key;
                    ASSERT_EQ(static_cast<int>(layout.Cells().size()), layout.WindowCount());
                }
            });
        }
    }
    // Every bar that was on in every layout was clicked (the sweep saw every layout).
    EXPECT_EQ((merges[{3, 3}]), 2628);
    EXPECT_EQ((merges[{3, 4}]), 37131);
    EXPECT_EQ((merges[{4, 4}]), 1192560);
}

}  // namespace

// ---- Edges of reading, copying, regridding and clicking ---------------------------------

namespace {

TEST(VideoLayoutEdges, NumbersAreDecimalWhateverTheirPrefix)
{
    struct Case
    {
        const char* text;
        int read;  // 1 read, 0 refused
        QSize size;
    };
    const Case cases[] = {
        {"1/1/1/0400:0300//", 1, QSize(400, 300)},  // a leading zero is no octal mark
        {"1/1/1/0x10:300//", 1, QSize(0, 300)},     // nor is 0x a hexadecimal one
        {"1/1/1/400:0x10//", 1, QSize(400, 0)},
        {"1/1/1/16777215:16777215//", 1, QSize(16777215, 16777215)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Layout layout(1, 1, 640, 480);
        ASSERT_EQ(layout.FromString(QLatin1String(c.text)), c.read);
        EXPECT_EQ(layout.GetSize(), c.size);
    }
    // Rows and columns are read the same way: "010" is ten, not eight.
    Layout layout(1, 1, 400, 300);
    ASSERT_EQ(layout.FromString(QStringLiteral("010/02/20/400:300//")), 1);
    EXPECT_EQ(layout.Rows(), 10);
    EXPECT_EQ(layout.Columns(), 2);
}

TEST(VideoLayoutEdges, SizesAboveTheBoundAreRefusedAndChangeNothing)
{
    Layout layout =
        AppliedAt(400, 300, QString::fromLatin1(CSFVideoWindow::GetDefaultLayout(DEFAULT_LAYOUT_6)));
    const QString before = Text(layout);
    for (const char* text : {"1/1/1/16777216:300//", "1/1/1/400:16777216//", "1/1/1/2147483647:300//"}) {
        EXPECT_EQ(layout.FromString(QLatin1String(text)), 0) << text;
        EXPECT_EQ(Text(layout), before) << text;
    }
}

TEST(VideoLayoutEdges, AnyNonZeroBarFlagReadsAsOnAndIsWrittenAsOne)
{
    Layout layout(1, 1, 400, 300);
    ASSERT_EQ(layout.FromString(QStringLiteral("1/2/2/400:300/65536:2:195:0:204:299/")), 1);
    layout.RebuildCells();
    EXPECT_EQ(layout.Splitters().at(Layout::VerticalKey(0, 0)).bEnable, 1);
    EXPECT_EQ(layout.WindowCount(), 2);
    EXPECT_EQ(Text(layout), QStringLiteral("1/2/2/400:300/65536:1:195:0:204:299/0:0:199:299-200:0:399:299"));
    // A click merges it (not "2 flipped to 0 or 1 by chance").
    ASSERT_EQ(layout.HitTestSplitter(QPoint(200, 100)), 1);
    ASSERT_EQ(layout.ToggleSelectedSplitters(), 1);
    EXPECT_EQ(layout.WindowCount(), 1);
}

TEST(VideoLayoutEdges, NoOrNegativeRowsOrColumnsMakeOneWindow)
{
    const std::pair<int, int> grids[] = {{0, 0}, {0, 3}, {3, 0}, {-1, -5}, {-7, 2}};
    for (const auto& [rows, columns] : grids) {
        SCOPED_TRACE(testing::Message() << rows << " x " << columns);
        const Layout layout(rows, columns, 400, 300);
        EXPECT_EQ(layout.Rows(), rows < 1 ? 1 : rows);
        EXPECT_EQ(layout.Columns(), columns < 1 ? 1 : columns);
        EXPECT_TRUE(TilesTheGrid(layout));
    }
    const Layout none(0, -1, 400, 300);
    EXPECT_EQ(none.WindowCount(), 1);
    EXPECT_EQ(Text(none), QStringLiteral("1/1/1/400:300//0:0:399:299"));
}

TEST(VideoLayoutEdges, AssigningAtTheSameSizeGivesTheSourcesWindowsAndNoSelection)
{
    const Layout source =
        AppliedAt(400, 300, QString::fromLatin1(CSFVideoWindow::GetDefaultLayout(DEFAULT_LAYOUT_6)));
    Layout receiver(2, 2, 400, 300);
    ASSERT_EQ(receiver.HitTestSplitter(QPoint(100, 150)), 1);
    ASSERT_FALSE(receiver.Selected().empty());
    receiver = source;
    EXPECT_EQ(receiver.WindowCount(), 6);
    EXPECT_EQ(Text(receiver), Text(source));
    EXPECT_EQ(Rect(*receiver.Window(0)), QStringLiteral("0:0:265:199"));
    EXPECT_TRUE(receiver.Selected().empty());
    // Nothing left to toggle: the copy stays as it is.
    EXPECT_EQ(receiver.ToggleSelectedSplitters(), 0);
    EXPECT_EQ(Text(receiver), Text(source));
}

TEST(VideoLayoutEdges, TheLargestGridIsAcceptedAndARegridEmptiesTheSelection)
{
    Layout big(1, 1, 512, 512);
    EXPECT_EQ(big.SetRows(256), 1);
    EXPECT_EQ(big.SetColumns(256), 1);
    EXPECT_EQ(big.Rows(), 256);
    EXPECT_EQ(big.Columns(), 256);
    EXPECT_EQ(big.WindowCount(), 256 * 256);
    const QRect* last = big.Window(256 * 256 - 1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(Rect(*last), QStringLiteral("510:510:511:511"));

    for (const bool rows : {true, false}) {
        SCOPED_TRACE(rows ? "rows" : "columns");
        Layout layout(2, 2, 400, 300);
        ASSERT_EQ(layout.HitTestSplitter(QPoint(100, 150)), 1);
        ASSERT_EQ(rows ? layout.SetRows(3) : layout.SetColumns(3), 1);
        EXPECT_TRUE(layout.Selected().empty());
        const QString before = Text(layout);
        EXPECT_EQ(layout.ToggleSelectedSplitters(), 0);
        EXPECT_EQ(Text(layout), before);
    }
}

TEST(VideoLayoutEdges, ClicksOnTheLastPixelOfABarSelectIt)
{
    // 2 x 2 of 400 x 300: the vertical bar of row 0 covers x 195..204, y 0..149; the
    // horizontal bar of column 0 covers x 0..199, y 145..154.
    struct Case
    {
        QPoint point;
        int hit;
        int key;
    };
    const Case cases[] = {
        {{195, 50}, 1, Layout::VerticalKey(0, 0)},    // first pixel column
        {{204, 50}, 1, Layout::VerticalKey(0, 0)},    // last pixel column
        {{205, 50}, 0, 0},                            // one past it
        {{50, 145}, 1, Layout::HorizontalKey(0, 0)},  // first pixel row
        {{50, 154}, 1, Layout::HorizontalKey(0, 0)},  // last pixel row
        {{50, 155}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.point.x() << "," << c.point.y());
        Layout layout(2, 2, 400, 300);
        ASSERT_EQ(layout.HitTestSplitter(c.point), c.hit);
        if (c.hit)
            EXPECT_EQ(layout.Selected().count(c.key), 1u);
        else
            EXPECT_TRUE(layout.Selected().empty());
    }
}

}  // namespace
