// The time-line as an owner uses it: made by the factory, laid out and skinned with the
// generated pictures, driven by mouse and wheel events on the painted panel and by its child
// controls, and heard through a recording sink.
#include "skin/SFQTButton.h"
#include "skin/SFQTSliderCtrl.h"
#include "skin/ext/CSFQTPlayProgressPanel.h"
#include "skin/ext/ImagePlayProgressLayout.h"
#include "skin/ext/ImagePlayProgressStyle.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQtPlayProgressPanel.h"
#include "skin/ext/SFSkinRecordsExt.h"
#include "tests/common/widget_test_util.h"
#include "tests/skin/ext/play_progress_test_data.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {

constexpr UINT kId = 77;
// Time area: x 100..879 (780 px), y 20..119; label column x 0..99; four rows of 25 px from y 20.
constexpr int kTimeLeft = 100;
constexpr int kTimeWidth = 780;
constexpr int kRowTop = 20;
constexpr int kRowHeight = 25;

const int kDay1 = playprogress::Utc(2024, 5, 6);

// Panel x of a time of day, and the y inside a row clear of its boundary lines and labels.
int XAt(int secondsOfDay) { return kTimeLeft + kTimeWidth * secondsOfDay / 86400; }
int RowY(int row) { return kRowTop + row * kRowHeight + 18; }

struct SinkCall
{
    std::string what;
    int channel = 0, record = 0, pos = 0, cut = 0;
    bool move = false;
    POINT pt{0, 0};
    UINT id = 0;
};

class RecordingSink : public IPlayProgressEvent
{
public:
    std::vector<SinkCall> calls;

    void OnPositionChanged(UINT nID, int nChannel, int nRecordID, int nPos, VIDEOCUT_TYPE cut,
                           bool bMove) override
    {
        calls.push_back({"position", nChannel, nRecordID, nPos, static_cast<int>(cut), bMove, {0, 0}, nID});
    }
    void OnSetHighlight(UINT nID, int nChannel) override
    {
        calls.push_back({"highlight", nChannel, 0, 0, 0, false, {0, 0}, nID});
    }
    void OnMouseOverChannel(UINT nID, int nChannel, POINT pt, int nTime) override
    {
        calls.push_back({"over", nChannel, 0, nTime, 0, false, pt, nID});
    }
    void PPP_OnMouseLeave(UINT nID) override { calls.push_back({"leave", 0, 0, 0, 0, false, {0, 0}, nID}); }
};

ImagePlayProgressLayout Layout() { return playprogress::PanelLayout(); }

// A channel named "Cam " and its id.
PlayProgressChannel Channel(int id, std::vector<PlayProgressRecord> records)
{
    return playprogress::Channel(id, std::move(records), L"Cam ");
}

// Channel 1: 10:00-11:00 (type 2) and 23:30 to 00:30 of the next day (type 4).
PlayProgressChannel TwoDayChannel()
{
    return Channel(1, {{101, kDay1 + 10 * 3600, kDay1 + 11 * 3600, 2},
                       {102, kDay1 + 23 * 3600 + 1800, kDay1 + 86400 + 1800, 4}});
}

class PlayProgressPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());
        parent.resize(900, 200);
        facade = SF_CreatePlayProgressPanel(&sink);
        ASSERT_NE(facade, nullptr);
        control = dynamic_cast<CSFQTPlayProgressPanel*>(facade);
        ASSERT_NE(control, nullptr);
        ASSERT_EQ(facade->Create(L"", WS_VISIBLE, 0, RECT{0, 0, 900, 170}, &parent, kId), 1);
        ImagePlayProgressLayout layout = Layout();
        facade->SetSkinLayout(&layout);
        ImagePlayProgressStyle style = TimelineSkinRecord();
        facade->SetSkin(&style);
        panel = control->findChild<SFQtPlayProgressPanel*>();
        ASSERT_NE(panel, nullptr);
    }

    void Press(QPoint at) { testutil::SendMouse(panel, QEvent::MouseButtonPress, at); }
    void Move(QPoint at) { testutil::SendMouse(panel, QEvent::MouseMove, at); }
    void Release(QPoint at) { testutil::SendMouse(panel, QEvent::MouseButtonRelease, at); }
    void Hover(QPoint at) { testutil::SendMouse(panel, QEvent::MouseMove, at, Qt::NoButton); }
    void Wheel(QPoint at, int delta) { testutil::SendWheel(panel, at, delta); }
    QImage Grab() { return panel->grab().toImage(); }
    const PlayProgressData& Data() const { return control->Data(); }

    QWidget parent;
    RecordingSink sink;
    CSFPlayProgressPanel* facade = nullptr;
    CSFQTPlayProgressPanel* control = nullptr;
    SFQtPlayProgressPanel* panel = nullptr;
};

bool RedDominant(QRgb c) { return qRed(c) > 2 * qGreen(c) && qRed(c) > 100; }
bool GreenDominant(QRgb c) { return qGreen(c) > 2 * qRed(c) && qGreen(c) > 100; }
bool PanelGrey(QRgb c) { return qRed(c) == 50 && qGreen(c) == 50 && qBlue(c) == 50; }

// ---- Facade -----------------------------------------------------------------------------

TEST_F(PlayProgressPanelTest, ReservedOperationsThrowTheirTexts)
{
    const struct
    {
        void (CSFPlayProgressPanel::*op)();
        const char* text;
    } reserved[] = {{&CSFPlayProgressPanel::Reserved6, "unimplemented"},
                    {&CSFPlayProgressPanel::Reserved7, "umimplemented"},
                    {&CSFPlayProgressPanel::Reserved8, "unimplemented"},
                    {&CSFPlayProgressPanel::Reserved10, "umimplemented"},
                    {&CSFPlayProgressPanel::Reserved30, "unimplemented"}};
    for (const auto& r : reserved) {
        try {
            (facade->*r.op)();
            ADD_FAILURE() << r.text << " not thrown";
        } catch (const char* text) {
            EXPECT_STREQ(text, r.text);
        }
    }
    EXPECT_NO_THROW(facade->Reserved11());
    SF_DestroyPlayProgressPanel(facade);  // the parent owns it: nothing happens
    EXPECT_EQ(control->parentWidget(), &parent);
}

TEST(PlayProgressPanelOrder, NullRecordsAndZoomBeforeLayout)
{
    QWidget parent;
    CSFPlayProgressPanel* facade = SF_CreatePlayProgressPanel(nullptr);
    ASSERT_NE(facade, nullptr);
    facade->Create(L"", WS_VISIBLE, 0, RECT{0, 0, 900, 170}, &parent, 1);
    facade->SetSkin(nullptr);
    facade->SetSkinLayout(nullptr);
    facade->SetZoom(10);
    facade->AddChannel(TwoDayChannel());
    facade->SetPositionOffset(2, 30);
    facade->AddChannel(Channel(2, {}));
    facade->SetPositionOffset(2, 30);
    EXPECT_EQ(facade->GetPosition(2), 0);
    auto* control = dynamic_cast<CSFQTPlayProgressPanel*>(facade);
    EXPECT_EQ(control->Data().nDayZoom, 10);
    EXPECT_EQ(control->Data().nDayWidth, 0);
    control->grab();

    ImagePlayProgressLayout layout = Layout();
    facade->SetSkinLayout(&layout);
    EXPECT_EQ(control->Data().width, kTimeWidth);
    EXPECT_EQ(control->Data().nDayWidth, 10 * kTimeWidth);
    EXPECT_EQ(control->ScrollBar()->maximum(), 9 * kTimeWidth);
}

TEST_F(PlayProgressPanelTest, PositionWindowAndHeldMouse)
{
    facade->AddChannel(TwoDayChannel());
    const int end = kDay1 + 86400 + 1800;
    facade->SetPosition(1, end + 10);
    EXPECT_EQ(facade->GetPosition(1), end + 10);
    facade->SetPosition(1, end + 11);
    EXPECT_EQ(facade->GetPosition(1), end + 10);

    Press(QPoint(XAt(12 * 3600), RowY(0)));
    const int pressed = facade->GetPosition(1);
    facade->SetPosition(1, kDay1 + 10 * 3600);
    facade->SetPositionOffset(1, 0);
    EXPECT_EQ(facade->GetPosition(1), pressed);
    Release(QPoint(XAt(12 * 3600), RowY(0)));
    facade->SetPosition(1, kDay1 + 10 * 3600);
    EXPECT_EQ(facade->GetPosition(1), kDay1 + 10 * 3600);
}

// ---- Mouse, wheel and child controls ----------------------------------------------------

TEST_F(PlayProgressPanelTest, PressAndReleaseInARowReportTheTime)
{
    facade->AddChannel(TwoDayChannel());
    facade->AddChannel(Channel(2, {{201, kDay1 + 3600, kDay1 + 7200, 8}}));
    sink.calls.clear();

    // On a row boundary, or below the rows: nothing.
    Press(QPoint(XAt(12 * 3600), kRowTop + kRowHeight));
    Release(QPoint(XAt(12 * 3600), kRowTop + kRowHeight));
    EXPECT_TRUE(sink.calls.empty());

    Press(QPoint(XAt(12 * 3600), RowY(1)));
    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_EQ(sink.calls[0].what, "highlight");
    EXPECT_EQ(sink.calls[0].channel, 2);
    EXPECT_EQ(sink.calls[0].id, kId);
    EXPECT_TRUE(control->IsMouseHeld());
    Release(QPoint(XAt(12 * 3600), RowY(1)));
    EXPECT_FALSE(control->IsMouseHeld());
    ASSERT_EQ(sink.calls.size(), 2u);
    const SinkCall& pos = sink.calls[1];
    EXPECT_EQ(pos.what, "position");
    EXPECT_EQ(pos.channel, 2);
    EXPECT_EQ(pos.record, -1);
    EXPECT_EQ(pos.cut, VIDEOCUT_RIGHT);
    EXPECT_FALSE(pos.move);
    EXPECT_NEAR(pos.pos, kDay1 + 43200, 86400 / kTimeWidth);
    EXPECT_EQ(Data().nHighlight, 2);

    // Hovering reports the channel, the screen point and the time of day; leaving is heard.
    sink.calls.clear();
    Hover(QPoint(XAt(6 * 3600), RowY(0)));
    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_EQ(sink.calls[0].what, "over");
    EXPECT_EQ(sink.calls[0].channel, 1);
    EXPECT_NEAR(sink.calls[0].pos, 6 * 3600, 86400 / kTimeWidth);
    const QPoint global = panel->mapToGlobal(QPoint(XAt(6 * 3600), RowY(0)));
    EXPECT_EQ(sink.calls[0].pt.x, global.x());
    EXPECT_EQ(sink.calls[0].pt.y, global.y());
    testutil::SendLeave(control);
    ASSERT_EQ(sink.calls.size(), 2u);
    EXPECT_EQ(sink.calls[1].what, "leave");
    EXPECT_EQ(sink.calls[1].id, kId);
}

TEST_F(PlayProgressPanelTest, WheelZoomIsReadFromTheScrollBar)
{
    facade->AddChannel(TwoDayChannel());
    // The owner's zoom keeps the highlighted channel's cursor (10:00) where it is on screen.
    auto cursorX = [this] { return Data().TimeToX(facade->GetPosition(1)) - Data().nDayOffset; };
    const int cursorBefore = cursorX();
    facade->SetZoom(20);
    EXPECT_EQ(Data().nDayWidth, 20 * kTimeWidth);
    EXPECT_NEAR(cursorX(), cursorBefore, 1);
    facade->SetZoom(1);

    const QPoint at(XAt(12 * 3600), RowY(0));
    for (int i = 0; i < 49; ++i)
        Wheel(at, 120);
    EXPECT_EQ(control->ScrollBar()->maximum(), 49 * kTimeWidth);
    Wheel(at, 120);
    EXPECT_EQ(control->ScrollBar()->maximum(), 51 * kTimeWidth);
    Wheel(at, -120);
    EXPECT_EQ(control->ScrollBar()->maximum(), 49 * kTimeWidth);
    for (int i = 0; i < 40; ++i)
        Wheel(at, 120);
    EXPECT_EQ(control->ScrollBar()->maximum(), 99 * kTimeWidth);
    // The wheel keeps the time under the mouse (each step truncates by up to a pixel).
    EXPECT_NEAR(Data().XToTime(at.x() - kTimeLeft), 12 * 3600, 900);
    int lo = 0, hi = 0;
    control->Zoomer()->GetRange(lo, hi);
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 100);
    EXPECT_EQ(control->Zoomer()->GetPos(), 100);

    // The scroll bar moves the day; the zoom buttons zoom out and in.
    control->ScrollBar()->setValue(1000);
    EXPECT_EQ(Data().nDayOffset, 1000);
    testutil::Click(control->ZoomOutButton());
    EXPECT_EQ(Data().nDayZoom, 99);
    testutil::Click(control->ZoomInButton());
    EXPECT_EQ(Data().nDayZoom, 100);
    facade->SetZoom(1);
    EXPECT_EQ(control->ScrollBar()->maximum(), 0);
    EXPECT_EQ(control->Zoomer()->GetPos(), 1);

    // A press on the zoomer zooms to its value.
    testutil::Click(control->Zoomer());
    const int zoom = control->Zoomer()->GetPos();
    EXPECT_GT(zoom, 40);
    EXPECT_LT(zoom, 60);
    EXPECT_EQ(Data().nDayZoom, zoom);
    EXPECT_EQ(control->ScrollBar()->maximum(), (zoom - 1) * kTimeWidth);
}

TEST_F(PlayProgressPanelTest, RowButtonsAndHighlightKeepTheViewInStep)
{
    for (int id = 1; id <= 6; ++id)
        facade->AddChannel(Channel(id, {{id, kDay1 + id * 3600, kDay1 + id * 3600 + 600, 2}}));
    testutil::Click(control->RowDownButton());
    testutil::Click(control->RowDownButton());
    testutil::Click(control->RowDownButton());
    EXPECT_EQ(Data().nTopRow, 2);
    testutil::Click(control->RowUpButton());
    EXPECT_EQ(Data().nTopRow, 1);
    facade->ScrollChannelUp();
    EXPECT_EQ(Data().nTopRow, 0);

    facade->SetZoom(20);
    facade->SetHighlightChannel(5);
    EXPECT_EQ(Data().nHighlight, 5);
    EXPECT_EQ(Data().nTopRow, 2);
    EXPECT_EQ(control->ScrollBar()->minimum(), 0);
    EXPECT_EQ(control->ScrollBar()->maximum(), Data().nDayWidth - Data().width);
    EXPECT_EQ(control->ScrollBar()->value(), Data().nDayOffset);
}

// ---- Painting ---------------------------------------------------------------------------

TEST_F(PlayProgressPanelTest, BarsFollowTheTypeFilterAndTheDay)
{
    facade->AddChannel(TwoDayChannel());
    const int y = RowY(0);
    const struct
    {
        int mask;
        bool red, green;
    } cases[] = {{1, true, true}, {4, true, false}, {5, true, true}, {2, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        facade->SetRecordTypeFilter(c.mask);
        const QImage img = Grab();
        EXPECT_EQ(RedDominant(img.pixel(XAt(23 * 3600 + 2700), y)), c.red);
        EXPECT_EQ(GreenDominant(img.pixel(XAt(10 * 3600 + 1800), y)), c.green);
        EXPECT_TRUE(PanelGrey(img.pixel(XAt(15 * 3600 + 600), y)));
    }

    // The next-day button: the record crossing midnight runs from 00:00 to 00:30.
    facade->SetRecordTypeFilter(1);
    ASSERT_TRUE(Data().bNextDay);
    Release(QPoint(888, 10));
    EXPECT_EQ(Data().GetCurrentDate(1), (PlayProgressDate{2024, 5, 7}));
    EXPECT_TRUE(Data().bPrevDay);
    const QImage next = Grab();
    EXPECT_TRUE(RedDominant(next.pixel(XAt(900), y)));
    EXPECT_TRUE(RedDominant(next.pixel(XAt(1700), y)));
    EXPECT_TRUE(PanelGrey(next.pixel(XAt(2400), y)));
    EXPECT_FALSE(GreenDominant(next.pixel(XAt(10 * 3600 + 1800), y)));
}

TEST_F(PlayProgressPanelTest, SkinPicturesArePainted)
{
    auto blue = [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 120; };
    auto grey = [](QRgb c) { return qRed(c) == qBlue(c) && qRed(c) > 90 && qRed(c) < 130; };
    // No day to step to: neither day button is drawn.
    facade->AddChannel(Channel(2, {{201, kDay1 + 3600, kDay1 + 7200, 8}}));
    EXPECT_TRUE(PanelGrey(Grab().pixel(887, 10)));
    // A later day: the next-day button enabled, the previous-day one disabled; then the other way.
    facade->AddChannel(TwoDayChannel());
    QImage img = Grab();
    EXPECT_TRUE(blue(img.pixel(887, 10)));
    EXPECT_TRUE(grey(img.pixel(10, 10)));
    Release(QPoint(887, 10));
    img = Grab();
    EXPECT_TRUE(grey(img.pixel(887, 10)));
    EXPECT_TRUE(blue(img.pixel(10, 10)));

    // The background covers the control where no child does.
    facade->SetBackground(TimelineBackgroundPicture().c_str());
    EXPECT_EQ(control->grab().toImage().pixel(50, 165), qRgb(28, 30, 34));
}

TEST_F(PlayProgressPanelTest, CutRangeIsSetPaintedAndDragged)
{
    facade->AddChannel(TwoDayChannel());
    facade->SetCutPos(0, kDay1 + 3 * 3600);
    facade->SetCutPos(2, kDay1 + 3 * 3600);
    EXPECT_EQ(Data().cut[0], 0);

    facade->EnableVideoCut(1);
    facade->SetCutPos(0, kDay1 + 4 * 3600);
    facade->SetCutPos(1, kDay1 + 8 * 3600 + 0.9);
    facade->SetCutPos(1, 1e300);
    EXPECT_EQ(Data().cut[0], kDay1 + 4 * 3600);
    EXPECT_EQ(Data().cut[1], kDay1 + 8 * 3600);
    const QImage img = Grab();
    const QRgb inside = img.pixel(XAt(6 * 3600 + 600), RowY(3));
    EXPECT_GT(qRed(inside), qGreen(inside));
    EXPECT_GT(qGreen(inside), qBlue(inside));
    EXPECT_GT(qRed(inside), 90);
    EXPECT_TRUE(PanelGrey(img.pixel(XAt(9 * 3600 + 600), RowY(3))));

    // Dragging near each edge moves that edge and reports which one.
    sink.calls.clear();
    Press(QPoint(XAt(4 * 3600 + 300), RowY(0)));
    Move(QPoint(XAt(3 * 3600 + 300), RowY(0)));
    Release(QPoint(XAt(3 * 3600 + 300), RowY(0)));
    Press(QPoint(XAt(8 * 3600 - 300), RowY(0)));
    Move(QPoint(XAt(9 * 3600), RowY(0)));
    Release(QPoint(XAt(9 * 3600), RowY(0)));
    ASSERT_EQ(sink.calls.size(), 4u);
    const struct
    {
        int cut;
        bool move;
    } expected[] = {
        {VIDEOCUT_LEFT, false}, {VIDEOCUT_LEFT, true}, {VIDEOCUT_RIGHT, false}, {VIDEOCUT_RIGHT, true}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sink.calls[i].what, "position");
        EXPECT_EQ(sink.calls[i].channel, 1);
        EXPECT_EQ(sink.calls[i].cut, expected[i].cut);
        EXPECT_EQ(sink.calls[i].move, expected[i].move);
    }
    EXPECT_NEAR(Data().cut[0], kDay1 + 3 * 3600 + 300, 86400 / kTimeWidth);
    EXPECT_NEAR(Data().cut[1], kDay1 + 9 * 3600, 86400 / kTimeWidth);
    // The release of a cut drag lets the owner set the cut again.
    EXPECT_FALSE(control->IsMouseHeld());
    facade->SetCutPos(0, kDay1);
    EXPECT_EQ(Data().cut[0], kDay1);
}

TEST_F(PlayProgressPanelTest, RecordModeReportsTheRecordUnderTheMouse)
{
    facade->AddChannel(TwoDayChannel());
    facade->SetViewMode(1, 1);
    ASSERT_TRUE(Data().bRecordMode);
    int lo = -1, hi = -1;
    control->Zoomer()->GetRange(lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 1);
    EXPECT_EQ(control->Zoomer()->GetPos(), 1);
    EXPECT_EQ(control->ScrollBar()->maximum(), 0);
    sink.calls.clear();
    // The span 10:00 .. 00:30 next day is 14.5 h across 780 px; records end to end are
    // 1 h then 1 h, so 25 % of the width lies in the first record.
    const int x = kTimeLeft + kTimeWidth / 4;
    Press(QPoint(x, RowY(1)));
    Release(QPoint(x, RowY(1)));
    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_EQ(sink.calls[0].what, "position");
    EXPECT_EQ(sink.calls[0].channel, 1);
    EXPECT_EQ(sink.calls[0].record, 101);
    EXPECT_NEAR(sink.calls[0].pos, kDay1 + 10 * 3600 + 52200 / 4, 52200 / kTimeWidth + 1);
    EXPECT_FALSE(control->IsMouseHeld());
    Wheel(QPoint(x, RowY(1)), 120);
    EXPECT_EQ(Data().nRecordZoom, 1);
    EXPECT_FALSE(Grab().isNull());

    // An unknown record channel, and no sink at all: every path runs.
    facade->SetViewMode(404, 1);
    Press(QPoint(x, RowY(1)));
    Move(QPoint(x + 5, RowY(1)));
    Release(QPoint(x + 5, RowY(1)));
    Grab();
    facade->SetViewMode(1, 0);
    EXPECT_FALSE(Data().bRecordMode);
}

TEST(PlayProgressPanelSink, NoSinkAndResizing)
{
    // Shown: a hidden widget hears of its new size only when it is shown.
    QWidget parent;
    parent.resize(1000, 200);
    parent.show();
    CSFPlayProgressPanel* facade = SF_CreatePlayProgressPanel(nullptr);
    ASSERT_NE(facade, nullptr);
    facade->Create(L"", WS_VISIBLE, 0, RECT{0, 0, 900, 170}, &parent, 3);
    ImagePlayProgressLayout layout = Layout();
    facade->SetSkinLayout(&layout);
    facade->AddChannel(TwoDayChannel());
    facade->EnableVideoCut(1);
    auto* control = dynamic_cast<CSFQTPlayProgressPanel*>(facade);
    auto* panel = control->findChild<SFQtPlayProgressPanel*>();
    const QPoint at(XAt(12 * 3600), RowY(0));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease})
        testutil::SendMouse(panel, type, at);
    facade->EnableVideoCut(0);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease})
        testutil::SendMouse(panel, type, at);
    testutil::SendLeave(control);

    // Growing the control by 100 px widens the time area and moves the next-day button.
    RECT rc{0, 0, 999, 169};
    facade->MoveWindow(&rc);
    EXPECT_EQ(control->width(), 1000);
    EXPECT_EQ(control->Data().width, kTimeWidth + 100);
    EXPECT_EQ(control->Data().nextDayRect.left(), 980);
    EXPECT_EQ(control->ScrollBar()->width(), kTimeWidth + 100);
    facade->MoveWindow(0, 0, 100, 170);
    EXPECT_EQ(control->Data().width, 0);
    testutil::SendMouse(panel, QEvent::MouseMove, QPoint(10, RowY(0)), Qt::NoButton);
    control->grab();
}

// ---- Channels through the facade -------------------------------------------------------

bool Yellowish(QRgb c) { return qRed(c) > 100 && qGreen(c) > 90 && qBlue(c) < 80; }

TEST_F(PlayProgressPanelTest, GetChannelHandsOutTheStoredChannelReadOnly)
{
    // The day filing points into the stored records: callers get them read-only.
    static_assert(std::is_same_v<decltype(facade->GetChannel(1)), const PlayProgressChannel*>);
    facade->AddChannel(TwoDayChannel());
    const PlayProgressChannel* channel = facade->GetChannel(1);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->strName, L"Cam 1");
    ASSERT_EQ(channel->records.size(), 2u);
    EXPECT_EQ(channel->records[0].nRecordID, 101);
    EXPECT_EQ(channel->records[1].nRecordID, 102);
    EXPECT_EQ(facade->GetChannel(5), nullptr);

    // A changed channel is handed in again: the bars follow it.
    PlayProgressChannel changed = *channel;
    changed.records = {{103, kDay1 + 15 * 3600, kDay1 + 16 * 3600, 8}};
    facade->AddChannel(changed);
    ASSERT_EQ(facade->GetChannel(1)->records.size(), 1u);
    const QImage img = Grab();
    EXPECT_TRUE(Yellowish(img.pixel(XAt(15 * 3600 + 1800), RowY(0))));
    EXPECT_TRUE(PanelGrey(img.pixel(XAt(10 * 3600 + 1800), RowY(0))));
}

TEST_F(PlayProgressPanelTest, RemovingChannelsThroughTheFacade)
{
    facade->AddChannel(TwoDayChannel());
    facade->AddChannel(Channel(2, {{201, kDay1 + 3600, kDay1 + 7200, 8}}));
    facade->SetPosition(-1, kDay1 + 3600);
    ASSERT_EQ(Data().nHighlight, 1);
    EXPECT_TRUE(Yellowish(Grab().pixel(XAt(5400), RowY(1))));

    facade->RemoveChannel(1);
    EXPECT_EQ(facade->GetChannel(1), nullptr);
    EXPECT_NE(facade->GetChannel(2), nullptr);
    EXPECT_EQ(facade->GetPosition(1), 0);
    EXPECT_EQ(Data().nHighlight, -1);
    EXPECT_FALSE(Data().bNextDay);
    // Channel 2 moves up into the first row.
    QImage img = Grab();
    EXPECT_TRUE(Yellowish(img.pixel(XAt(5400), RowY(0))));
    EXPECT_TRUE(PanelGrey(img.pixel(XAt(5400), RowY(1))));
    EXPECT_TRUE(PanelGrey(img.pixel(XAt(10 * 3600 + 1800), RowY(0))));

    facade->RemoveChannel(404);
    EXPECT_NE(facade->GetChannel(2), nullptr);
    facade->AddChannel(TwoDayChannel());
    facade->RemoveAllChannels();
    EXPECT_EQ(facade->GetChannel(1), nullptr);
    EXPECT_EQ(facade->GetChannel(2), nullptr);
    EXPECT_EQ(facade->GetPosition(-1), 0);
    EXPECT_EQ(Data().nTopRow, -1);
    img = Grab();
    EXPECT_TRUE(PanelGrey(img.pixel(XAt(5400), RowY(0))));
    EXPECT_TRUE(PanelGrey(img.pixel(XAt(10 * 3600 + 1800), RowY(0))));
}

// ---- Cursors and cut far off, and the day's clock ---------------------------------------

bool White(QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; }
bool CutColoured(QRgb c) { return qRed(c) > qGreen(c) && qGreen(c) > qBlue(c) && qRed(c) > 90; }

TEST_F(PlayProgressPanelTest, SyncCursorIsOneLineThroughAllRows)
{
    facade->AddChannel(TwoDayChannel());
    facade->AddChannel(Channel(2, {{201, kDay1 + 3600, kDay1 + 7200, 8}}));
    facade->SetPosition(-1, kDay1 + 14 * 3600);
    const int x = XAt(14 * 3600);
    // Off: only the channels' own cursors (at their first starts); the empty rows stay clear.
    EXPECT_FALSE(White(Grab().pixel(x, RowY(3))));
    facade->SetSyncCursor(1);
    EXPECT_TRUE(Data().bSyncCursor);
    QImage img = Grab();
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_TRUE(White(img.pixel(x, RowY(row))));
    }
    // The channels' own cursors are not drawn while the one cursor is.
    EXPECT_FALSE(White(img.pixel(XAt(10 * 3600), RowY(0))));
    facade->SetSyncCursor(0);
    EXPECT_FALSE(Data().bSyncCursor);
    img = Grab();
    EXPECT_FALSE(White(img.pixel(x, RowY(3))));
    EXPECT_TRUE(White(img.pixel(XAt(10 * 3600), RowY(0))));
}

TEST_F(PlayProgressPanelTest, FarOffCutEdgesStayOnTheirSide)
{
    const int start = kDay1 + 12 * 3600;
    // Day mode at zoom 100 with the view at 12:00: one edge a century back, the other at 12:05.
    facade->AddChannel(Channel(1, {{1, start, start + 60, 2}}));
    facade->SetZoom(100);
    facade->ScrollToTime(start);
    facade->EnableVideoCut(1);
    facade->SetCutPos(0, INT_MIN);
    facade->SetCutPos(1, start + 300);
    QImage img = Grab();
    EXPECT_TRUE(CutColoured(img.pixel(kTimeLeft + 10, RowY(2))));
    EXPECT_TRUE(CutColoured(img.pixel(kTimeLeft + 250, RowY(2))));
    EXPECT_FALSE(CutColoured(img.pixel(kTimeLeft + kTimeWidth - 10, RowY(2))));

    // Record mode over a 60 s span: from the middle to an edge a lifetime later.
    facade->SetViewMode(1, 1);
    facade->SetCutPos(0, start + 30);
    facade->SetCutPos(1, INT_MAX);
    img = Grab();
    EXPECT_FALSE(CutColoured(img.pixel(kTimeLeft + 10, RowY(2))));
    EXPECT_TRUE(CutColoured(img.pixel(kTimeLeft + kTimeWidth / 2 + 10, RowY(2))));
    EXPECT_TRUE(CutColoured(img.pixel(kTimeLeft + kTimeWidth - 10, RowY(2))));
}

TEST_F(PlayProgressPanelTest, PressLateOnTheLastDayOf32BitTimeClamps)
{
    facade->AddChannel(Channel(1, {{1, playprogress::Utc(2038, 1, 19), INT_MAX, 2}}));
    sink.calls.clear();
    const QPoint at(XAt(23 * 3600), RowY(0));
    Press(at);
    Release(at);
    ASSERT_EQ(sink.calls.size(), 2u);
    EXPECT_EQ(sink.calls[1].what, "position");
    EXPECT_EQ(sink.calls[1].pos, INT_MAX);
    EXPECT_EQ(facade->GetPosition(1), INT_MAX);
    EXPECT_EQ(facade->GetPosition(-1), INT_MAX);
}

TEST_F(PlayProgressPanelTest, DaylightSavingDayPressAndCursorFollowTheRuler)
{
    const playprogress::ZoneScope zone("CET-1CEST,M3.5.0,M10.5.0/3");
    // 10:00 to 11:00 on the clock of the day the clocks go forward.
    const int start = playprogress::Utc(2024, 3, 31, 8);
    facade->AddChannel(Channel(1, {{1, start, start + 3600, 2}}));
    sink.calls.clear();
    const QPoint at(XAt(10 * 3600 + 1800), RowY(0));
    Press(at);
    Release(at);
    ASSERT_EQ(sink.calls.size(), 2u);
    EXPECT_NEAR(sink.calls[1].pos, start + 1800, 86400 / kTimeWidth);

    // A cursor at the record's start is drawn on the start of its bar.
    facade->SetPosition(1, start);
    const QImage img = Grab();
    EXPECT_TRUE(White(img.pixel(XAt(10 * 3600), RowY(0))));
    EXPECT_FALSE(White(img.pixel(XAt(9 * 3600), RowY(0))));
}

// ---- An owner that deletes the control from a notification ------------------------------

// The sink deletes the control at the first call of the kind it waits for; the control must
// not touch itself afterwards (ASan reports any use of the freed control).
class DeletingSink : public RecordingSink
{
public:
    std::string deleteOn;
    QPointer<QWidget> victim;

    void OnPositionChanged(UINT nID, int nChannel, int nRecordID, int nPos, VIDEOCUT_TYPE cut,
                           bool bMove) override
    {
        RecordingSink::OnPositionChanged(nID, nChannel, nRecordID, nPos, cut, bMove);
        Hit("position");
    }
    void OnSetHighlight(UINT nID, int nChannel) override
    {
        RecordingSink::OnSetHighlight(nID, nChannel);
        Hit("highlight");
    }
    void OnMouseOverChannel(UINT nID, int nChannel, POINT pt, int nTime) override
    {
        RecordingSink::OnMouseOverChannel(nID, nChannel, pt, nTime);
        Hit("over");
    }
    void PPP_OnMouseLeave(UINT nID) override
    {
        RecordingSink::PPP_OnMouseLeave(nID);
        Hit("leave");
    }

private:
    void Hit(const char* what)
    {
        if (deleteOn == what && victim)
            delete victim.data();
    }
};

TEST(PlayProgressPanelDelete, OwnerDeletesTheControlInsideANotification)
{
    struct Case
    {
        const char* name;
        const char* deleteOn;
        std::function<void(CSFPlayProgressPanel*)> setUp;
        std::function<void(QWidget* panel, QWidget* control)> act;
    };
    const QPoint inRow(XAt(12 * 3600), RowY(0));
    auto press = [inRow](QWidget* panel, QWidget*) {
        testutil::SendMouse(panel, QEvent::MouseButtonPress, inRow);
    };
    auto pressMoveRelease = [inRow](QWidget* panel, QWidget*) {
        testutil::SendMouse(panel, QEvent::MouseButtonPress, inRow);
        testutil::SendMouse(panel, QEvent::MouseMove, inRow + QPoint(20, 0));
        testutil::SendMouse(panel, QEvent::MouseButtonRelease, inRow + QPoint(20, 0));
    };
    auto nothing = [](CSFPlayProgressPanel*) {};
    auto cut = [](CSFPlayProgressPanel* f) { f->EnableVideoCut(1); };
    const Case cases[] = {
        {"press reports the highlight", "highlight", nothing, press},
        {"release reports the position", "position", nothing, pressMoveRelease},
        {"press moves a cut edge", "position", cut, press},
        {"record-mode release", "position", [](CSFPlayProgressPanel* f) { f->SetViewMode(1, 1); },
         pressMoveRelease},
        {"release in the label column", "highlight", nothing,
         [](QWidget* panel, QWidget*) {
             testutil::SendMouse(panel, QEvent::MouseButtonRelease, QPoint(50, RowY(1)));
         }},
        {"hover", "over", nothing,
         [inRow](QWidget* panel, QWidget*) {
             testutil::SendMouse(panel, QEvent::MouseMove, inRow, Qt::NoButton);
         }},
        {"leave", "leave", nothing, [](QWidget*, QWidget* control) { testutil::SendLeave(control); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget parent;
        parent.resize(900, 200);
        DeletingSink sink;
        CSFPlayProgressPanel* facade = SF_CreatePlayProgressPanel(&sink);
        ASSERT_NE(facade, nullptr);
        facade->Create(L"", WS_VISIBLE, 0, RECT{0, 0, 900, 170}, &parent, kId);
        ImagePlayProgressLayout layout = Layout();
        facade->SetSkinLayout(&layout);
        facade->AddChannel(TwoDayChannel());
        facade->AddChannel(Channel(2, {{201, kDay1 + 3600, kDay1 + 7200, 8}}));
        auto* control = dynamic_cast<CSFQTPlayProgressPanel*>(facade);
        ASSERT_NE(control, nullptr);
        c.setUp(facade);
        sink.victim = control;
        sink.deleteOn = c.deleteOn;
        c.act(control->Panel(), control);
        EXPECT_TRUE(sink.victim.isNull());
    }
}

}  // namespace
