// The split video window as an owner uses it: made by the factory, skinned, created on a
// parent, driven by mouse events sent to the widget under the point, heard through its sink.
#include "skin/SFQTButton.h"
#include "skin/SFQTRadioBox.h"
#include "skin/ext/ImageVideoWindowStyle.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTVideoWindow.h"
#include "skin/ext/SFQTVideoWindowPlayWnd.h"
#include "skin/ext/SFQTVideoWindowSubWnd.h"
#include "skin/ext/SFSkinRecordsExt.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct RecordingSink : ISFVideoWindowEvent
{
    std::vector<std::string> log;
    void Add(const std::string& what, std::initializer_list<int> values)
    {
        std::string line = what;
        for (int v : values)
            line += " " + std::to_string(v);
        log.push_back(line);
    }
    void OnLayoutChanged() override { Add("layout", {}); }
    void OnBnClickedVideoClose(int index, int id) override { Add("close", {index, id}); }
    void OnBnClickedVideoSnap(int index, int id) override { Add("snap", {index, id}); }
    void OnBnClickedVideoRecord(int index, int id, int checked) override
    {
        Add("record", {index, id, checked});
    }
    void OnBnClickedVideoProperty(int index, int id) override { Add("property", {index, id}); }
    void OnFocusWndChanged(int newId, int oldId) override { Add("focus", {newId, oldId}); }
    void OnSubWndExchanged(int a, int b) override { Add("exchange", {a, b}); }
    void OnSubWinBoundChanged(int id) override { Add("bound", {id}); }
    void VideoWidow_OnLButtonDown(int index, int id, POINT& /*pt*/) override { Add("down", {index, id}); }
    void VideoWidow_OnLButtonUp(int index, int id, POINT& /*pt*/) override { Add("up", {index, id}); }
    bool Has(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }
};

ImageVideoWindowStyle Skin(int maxZoomWidth = 1600, int maxZoomHeight = 1200)
{
    ImageVideoWindowStyle s = VideoWindowSkinRecord();
    s[12] = L"24,24";
    s[19] = L"2";
    s[20] = L"4";
    s.nMaxZoomWidth = maxZoomWidth;
    s.nMaxZoomHeight = maxZoomHeight;
    return s;
}

// A width x height frame of one colour, 32 bits a pixel (B, G, R, X in memory).
std::vector<BYTE> Frame(QRgb colour, int width, int height)
{
    std::vector<BYTE> bytes(static_cast<size_t>(width * height * 4));
    for (size_t i = 0; i < bytes.size(); i += 4) {
        bytes[i] = static_cast<BYTE>(qBlue(colour));
        bytes[i + 1] = static_cast<BYTE>(qGreen(colour));
        bytes[i + 2] = static_cast<BYTE>(qRed(colour));
        bytes[i + 3] = 0xFF;
    }
    return bytes;
}

class VideoWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString()); }

    // The window as the owner makes it: factory, skin, then Create on a shown parent.
    CSFVideoWindow* Make(VIDEOWINDOWMODE mode, int maxRows = 3, int maxCols = 3, int maxZoomWidth = 1600)
    {
        facade = SF_CreateVideoWindow(mode, &sink, maxRows, maxCols);
        EXPECT_NE(facade, nullptr);
        ImageVideoWindowStyle skin = Skin(maxZoomWidth, 1200);
        facade->SetSkin(&skin);
        EXPECT_EQ(facade->Create(L"", RECT{0, 0, 400, 300}, parent.get(), 7), 1);
        parent->show();
        window = dynamic_cast<CSFQTVideoWindow*>(facade);
        EXPECT_NE(window, nullptr);
        return facade;
    }

    // One mouse event at a window point, sent to the widget under it as Qt would.
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget* target = window->childAt(p);
        if (!target)
            target = window;
        testutil::SendMouse(target, type, target->mapFrom(window, p), button);
    }
    void Hover(QPoint p) { Mouse(QEvent::MouseMove, p, Qt::NoButton); }
    void Drag(QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseButtonPress, from);
        Mouse(QEvent::MouseMove, to);
        Mouse(QEvent::MouseButtonRelease, to);
    }
    void Click(QPoint p) { Drag(p, p); }
    // A wheel turn at a window point, handed to the widget under it and, while ignored, on to
    // its parents, as Qt does with one from the window system (a wheel event made by hand
    // would stop at the first widget).
    void Wheel(QPoint p, int delta)
    {
        for (QWidget* target = window->childAt(p); target; target = target->parentWidget())
            if (testutil::SendWheel(target, target->mapFrom(window, QPointF(p)), delta) || target == window)
                return;
    }

    QString Layout()
    {
        char buf[4096];
        EXPECT_EQ(facade->GetLayout(buf, sizeof buf), 1);
        return QString::fromLatin1(buf);
    }
    CSFQTVideoWindowSubWnd* PaneAt(int index) { return window->Pane(index); }
    CSFQTVideoWindowPlayWnd* PlayAt(int index) { return window->Pane(index)->GetPlayWnd(); }
    QRgb PixelOf(QWidget* w, QPoint p) { return w->grab().toImage().pixel(p); }

    std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
    RecordingSink sink;
    CSFVideoWindow* facade = nullptr;
    CSFQTVideoWindow* window = nullptr;
};

// ---- Splitter mode ----------------------------------------------------------------------

TEST_F(VideoWindowTest, SplitterModeHasNoPanesAndEditsBarsUnderTheMouse)
{
    Make(VIDEOWINDOW_SPLITTER);
    EXPECT_EQ(facade->GetVideoWindowMode(), VIDEOWINDOW_SPLITTER);
    EXPECT_TRUE(window->findChildren<CSFQTVideoWindowSubWnd*>().isEmpty());
    EXPECT_EQ(facade->GetSubWinID(0), -1);
    EXPECT_EQ(facade->GetSubWinIndexFromID(0), -1);
    EXPECT_EQ(facade->SetFocusSubWin(0), 0);
    ASSERT_EQ(facade->SetRows(2), 1);
    ASSERT_EQ(facade->SetColumns(2), 1);
    EXPECT_EQ(facade->SetColumns(2), 0);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"layout", "layout"}));

    // Hovering the bar between the two left cells highlights it in the selected-bar colour.
    const QRgb background = PixelOf(window, QPoint(100, 100));
    Hover(QPoint(100, 150));
    EXPECT_EQ(PixelOf(window, QPoint(100, 150)), qRgb(250, 0, 0));
    Mouse(QEvent::MouseButtonRelease, QPoint(100, 150));
    EXPECT_EQ(sink.log.back(), "layout");
    EXPECT_EQ(facade->GetCurrentSubWinCount(), 3);
    EXPECT_TRUE(Layout().contains(QStringLiteral("/0:0:")));
    // Merged and still selected: a dashed strip in the selected dash colour, gaps between.
    EXPECT_EQ(PixelOf(window, QPoint(100, 150)), qRgb(0, 250, 0));
    EXPECT_EQ(PixelOf(window, QPoint(107, 150)), background);

    // Merging the top row into the rest of this five-window layout gives one window.
    facade->SetLayout(
        "3/3/5/400:300/0:1:0:95:132:104-1:1:133:95:265:104-2:1:266:95:399:104-256:0:0:195:132:204-"
        "257:1:133:195:265:204-258:1:266:195:399:204-65536:0:128:0:137:99-65537:0:261:0:270:99-"
        "65792:1:128:100:137:199-65793:1:261:100:270:199-66048:1:128:200:137:299-66049:0:261:200:"
        "270:299/0:0:399:99-0:100:132:299-133:100:265:199-266:100:399:199-133:200:399:299");
    ASSERT_EQ(facade->GetCurrentSubWinCount(), 5);
    Hover(QPoint(66, 99));
    Mouse(QEvent::MouseButtonRelease, QPoint(66, 99));
    EXPECT_EQ(facade->GetCurrentSubWinCount(), 1);
}

// ---- Layouts ----------------------------------------------------------------------------

TEST_F(VideoWindowTest, LayoutsPlaceThePanes)
{
    Make(VIDEOWINDOW_NORMAL);
    ASSERT_EQ(window->findChildren<CSFQTVideoWindowSubWnd*>().size(), 9);
    const QString one = Layout();
    EXPECT_EQ(one, QStringLiteral("1/1/1/400:300//0:0:399:299"));
    EXPECT_EQ(facade->SetDefaultLayout(static_cast<DEFAULT_LAYOUT>(10)), 0);
    EXPECT_EQ(Layout(), one);

    ASSERT_EQ(facade->SetDefaultLayout(DEFAULT_LAYOUT_6), 1);
    EXPECT_EQ(facade->GetCurrentSubWinCount(), 6);
    EXPECT_EQ(PaneAt(0)->geometry(), QRect(QPoint(2, 2), QPoint(263, 197)));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(PaneAt(i)->isVisible(), i < 6) << i;

    // NULL and a refused text leave the layout; the owner still hears OnLayoutChanged.
    const QString six = Layout();
    sink.log.clear();
    EXPECT_EQ(facade->SetLayout(nullptr), 1);
    EXPECT_EQ(facade->SetLayout("0/2/2/400:300//"), 1);
    EXPECT_EQ(Layout(), six);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"layout", "layout"}));

    // The text must fit with its NUL.
    const QByteArray text = six.toLatin1();
    std::vector<char> buf(static_cast<size_t>(text.size()) + 1, 'x');
    EXPECT_EQ(facade->GetLayout(buf.data(), static_cast<int>(text.size())), 0);
    EXPECT_EQ(buf[0], 'x');
    EXPECT_EQ(facade->GetLayout(buf.data(), static_cast<int>(text.size()) + 1), 1);
    EXPECT_EQ(QByteArray(buf.data()), text);

    // A text may have more windows than there are panes; a layout object may not.
    ASSERT_EQ(facade->SetDefaultLayout(DEFAULT_LAYOUT_16), 1);
    EXPECT_EQ(facade->GetCurrentSubWinCount(), 16);
    EXPECT_TRUE(PaneAt(8)->isVisible());
    EXPECT_EQ(window->SetLayoutObject(CQTVideoWindowLayout(4, 4, 400, 300)), 0);
    // A copied layout is rescaled to the window.
    EXPECT_EQ(window->SetLayoutObject(CQTVideoWindowLayout(3, 3, 800, 600)), 1);
    EXPECT_EQ(facade->GetCurrentSubWinCount(), 9);
    EXPECT_EQ(PaneAt(4)->GetWindowRect(), QRect(QPoint(133, 100), QPoint(265, 199)));
}

// ---- Focus, swap and clicks -------------------------------------------------------------

TEST_F(VideoWindowTest, FocusFollowsTheOwnerAndTheLayout)
{
    Make(VIDEOWINDOW_NORMAL);
    facade->SetDefaultLayout(DEFAULT_LAYOUT_9);
    sink.log.clear();
    EXPECT_EQ(facade->SetFocusSubWin(5), 1);
    EXPECT_EQ(facade->SetFocusSubWin(5), 0);
    EXPECT_EQ(facade->GetCurrentSubWinIndex(), 5);
    facade->SetDefaultLayout(DEFAULT_LAYOUT_4);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"focus 5 0", "focus 0 5", "layout"}));
    EXPECT_EQ(facade->SetFocusSubWin(8), 0);  // index 8 is beyond the four windows

    // The focus frame: an outline just outside the focused pane, none beside the others.
    const QRgb background = PixelOf(window, QPoint(201, 50));
    EXPECT_EQ(background, qRgb(54, 62, 77));
    EXPECT_NE(PixelOf(window, QPoint(1, 50)), background);
    ASSERT_EQ(facade->SetFocusSubWin(1), 1);
    EXPECT_EQ(PixelOf(window, QPoint(1, 50)), background);
    EXPECT_NE(PixelOf(window, QPoint(201, 50)), background);
}

TEST_F(VideoWindowTest, MouseOnThePlayWidgetsSwapsAndFocusesPanes)
{
    Make(VIDEOWINDOW_NORMAL);
    facade->SetDefaultLayout(DEFAULT_LAYOUT_4);
    ASSERT_TRUE(qobject_cast<CSFQTVideoWindowPlayWnd*>(window->childAt(QPoint(100, 75))));
    const QRect first = PaneAt(0)->geometry(), second = PaneAt(1)->geometry();
    sink.log.clear();
    Drag(QPoint(100, 75), QPoint(300, 75));
    EXPECT_EQ(PaneAt(0)->geometry(), first);
    EXPECT_EQ(PaneAt(0)->GetID(), 1);
    EXPECT_EQ(PaneAt(1)->GetID(), 0);
    EXPECT_EQ(PaneAt(1)->geometry(), second);
    EXPECT_EQ(facade->GetSubWinID(0), 1);
    EXPECT_EQ(facade->GetSubWinIndexFromID(0), 1);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"down 0 0", "up 1 1", "exchange 0 1", "focus 1 0"}));

    // A click on a pane that is not focused focuses it; the ids travel with the panes.
    sink.log.clear();
    Click(QPoint(100, 225));
    EXPECT_EQ(sink.log, (std::vector<std::string>{"down 2 2", "up 2 2", "focus 2 1"}));
    EXPECT_EQ(facade->GetCurrentSubWinIndex(), 2);

    // With exchange off the same drag changes nothing.
    facade->EableSubWinExchange(0);
    sink.log.clear();
    Drag(QPoint(300, 75), QPoint(100, 75));
    EXPECT_EQ(facade->GetSubWinID(0), 1);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"down 1 0", "up 0 1"}));
}

TEST_F(VideoWindowTest, HoverShowsThePaneControlsWhichReportThePane)
{
    Make(VIDEOWINDOW_NORMAL);
    facade->SetDefaultLayout(DEFAULT_LAYOUT_4);
    facade->SetSubWinVideo(2, 1);
    facade->SetSubWinRecordState(2, 1);
    sink.log.clear();
    Hover(QPoint(100, 225));
    const QRect pane = PaneAt(2)->geometry();
    CSFQTButton* close = window->CloseButton();
    ASSERT_TRUE(close->isVisible());
    EXPECT_EQ(close->geometry(), QRect(pane.right() - 6 - 23, pane.top() + 3, 24, 24));
    EXPECT_EQ(window->SnapButton()->geometry().right(), close->x() - 4);
    EXPECT_EQ(window->PropertyButton()->geometry().right(), window->SnapButton()->x() - 4);
    EXPECT_TRUE(window->PropertyButton()->isVisible());
    EXPECT_FALSE(window->RecordBox()->isVisible());
    EXPECT_TRUE(window->RecordBox()->IsChecked());
    // A playing pane under the controls gives its picture the area below them.
    EXPECT_EQ(PlayAt(2)->GetCellRect().top(), 24);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"bound 2"}));

    testutil::Click(close);
    testutil::Click(window->PropertyButton());
    testutil::Click(window->SnapButton());
    EXPECT_EQ(sink.log, (std::vector<std::string>{"bound 2", "close 2 2", "property 2 2", "snap 2 2"}));

    // Another pane takes the controls; the playing one gets its whole pane back.
    sink.log.clear();
    Hover(QPoint(300, 75));
    EXPECT_EQ(PlayAt(2)->GetCellRect().top(), 0);
    EXPECT_FALSE(window->RecordBox()->IsChecked());
    EXPECT_EQ(sink.log, (std::vector<std::string>{"bound 2"}));
    window->RecordBox()->move(250, 10);  // the owner places and shows it
    window->RecordBox()->show();
    testutil::Click(window->RecordBox());
    EXPECT_EQ(sink.log.back(), "record 1 1 1");

    sink.log.clear();
    testutil::SendLeave(window);
    EXPECT_FALSE(close->isVisible());
}

// An owner that deletes the window at its first report of one kind hears nothing after it, and
// nothing touches the window afterwards (the sanitizer build checks).
TEST_F(VideoWindowTest, OwnerMayDeleteTheWindowFromAnyReport)
{
    struct Closer : RecordingSink
    {
        void OnLayoutChanged() override { Heard("layout", {}); }
        void OnFocusWndChanged(int newId, int oldId) override { Heard("focus", {newId, oldId}); }
        void OnSubWndExchanged(int a, int b) override { Heard("exchange", {a, b}); }
        void OnSubWinBoundChanged(int id) override { Heard("bound", {id}); }
        void VideoWidow_OnLButtonUp(int index, int id, POINT& /*pt*/) override { Heard("up", {index, id}); }
        void Heard(const std::string& what, std::initializer_list<int> values)
        {
            Add(what, values);
            if (victim && what == trigger)
                delete std::exchange(victim, nullptr);
        }
        CSFVideoWindow* victim = nullptr;
        std::string trigger;
    };
    using Step = std::function<void()>;
    const Step none = [] {};
    const Step playTwo = [this] { facade->SetSubWinVideo(2, 1); };
    const Step hoverTwo = [this] {
        facade->SetSubWinVideo(2, 1);
        Hover(QPoint(100, 225));
    };
    const struct
    {
        const char* what;
        Step setup;
        Step act;
        std::string trigger;
        std::string last;
    } ways[] = {
        {"release", none, [this] { Click(QPoint(100, 75)); }, "up", "up 0 0"},
        {"exchange", none, [this] { Drag(QPoint(100, 75), QPoint(300, 75)); }, "exchange", "exchange 0 1"},
        {"focus after an exchange", none, [this] { Drag(QPoint(100, 75), QPoint(300, 75)); }, "focus",
         "focus 1 0"},
        {"focus by a click", none, [this] { Click(QPoint(100, 225)); }, "focus", "focus 2 0"},
        {"new layout", none, [this] { facade->SetDefaultLayout(DEFAULT_LAYOUT_9); }, "layout", "layout"},
        {"focus moved by a new layout", [this] { facade->SetFocusSubWin(3); },
         [this] { facade->SetDefaultLayout(DEFAULT_LAYOUT_1); }, "focus", "focus 0 3"},
        {"resized by the owner", none, [this] { facade->MoveWindow(0, 0, 500, 400); }, "layout", "layout"},
        {"hover over a playing pane", playTwo, [this] { Hover(QPoint(100, 225)); }, "bound", "bound 2"},
        {"hover moves to another pane", hoverTwo, [this] { Hover(QPoint(300, 75)); }, "bound", "bound 2"},
        {"pointer leaves", hoverTwo, [this] { testutil::SendLeave(window); }, "bound", "bound 2"},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        Closer closer;
        facade = SF_CreateVideoWindow(VIDEOWINDOW_NORMAL, &closer, 3, 3);
        ASSERT_NE(facade, nullptr);
        ImageVideoWindowStyle skin = Skin();
        facade->SetSkin(&skin);
        ASSERT_EQ(facade->Create(L"", RECT{0, 0, 400, 300}, parent.get(), 7), 1);
        facade->ShowWindow(1);  // the parent is shown from the first round on
        parent->show();
        window = dynamic_cast<CSFQTVideoWindow*>(facade);
        ASSERT_NE(window, nullptr);
        facade->SetDefaultLayout(DEFAULT_LAYOUT_4);
        way.setup();
        closer.log.clear();
        closer.victim = facade;
        closer.trigger = way.trigger;
        QPointer<QWidget> alive(window);
        way.act();
        EXPECT_TRUE(alive.isNull());
        ASSERT_FALSE(closer.log.empty());
        EXPECT_EQ(closer.log.back(), way.last);
        delete alive.data();
    }
    facade = nullptr;
    window = nullptr;
}

// ---- Pictures ---------------------------------------------------------------------------

TEST_F(VideoWindowTest, RenderedFramesShowAndKeepShowingAfterAPress)
{
    Make(VIDEOWINDOW_NORMAL);
    facade->SetDefaultLayout(DEFAULT_LAYOUT_4);
    CSFQTVideoWindowPlayWnd* play = PlayAt(0);

    // Idle: the back colour with the back picture centred.
    const QImage idle = play->grab().toImage();
    EXPECT_EQ(idle.pixel(2, 2), qRgb(54, 62, 77));
    const QRect middle((idle.width() - 72) / 2, (idle.height() - 48) / 2, 72, 48);
    int drawn = 0;
    for (int y = 0; y < idle.height(); ++y)
        for (int x = 0; x < idle.width(); ++x)
            if (idle.pixel(x, y) != qRgb(54, 62, 77)) {
                EXPECT_TRUE(middle.contains(x, y)) << x << "," << y;
                ++drawn;
            }
    EXPECT_GT(drawn, 50) << "no back picture";

    facade->SetSubWinVideo(0, 1);
    std::vector<BYTE> red = Frame(qRgb(255, 0, 0), 8, 6);
    EXPECT_EQ(facade->RenderSubWin(0, red.data(), RENDER_DATA_RGB32, 8, 6), 1);
    std::fill(red.begin(), red.end(), 0);  // the window keeps its own copy
    EXPECT_EQ(facade->RenderSubWin(99, red.data(), RENDER_DATA_RGB32, 8, 6), 0);
    EXPECT_EQ(facade->RenderSubWin(0, nullptr, RENDER_DATA_RGB32, 8, 6), 0);
    facade->SetUpdatesEnabled(0, true);
    EXPECT_EQ(PixelOf(play, play->rect().center()), qRgb(255, 0, 0));
    EXPECT_EQ(PixelOf(PaneAt(0), QPoint(0, 0)), qRgb(0, 0, 0));  // a playing pane is black

    // A press on the picture leaves its repainting on: the next frame shows.
    Click(QPoint(100, 75));
    EXPECT_TRUE(play->updatesEnabled());
    std::vector<BYTE> blue = Frame(qRgb(0, 0, 255), 8, 6);
    facade->RenderSubWin(0, blue.data(), RENDER_DATA_RGB32, 8, 6);
    EXPECT_EQ(PixelOf(play, play->rect().center()), qRgb(0, 0, 255));

    // Keyboard focus turns it off until the owner turns it on again.
    facade->SetFocus(0);
    EXPECT_FALSE(play->updatesEnabled());
    facade->SetUpdatesEnabled(0, true);
    EXPECT_TRUE(play->updatesEnabled());
}

TEST_F(VideoWindowTest, PlayWidgetRenderKeepsItsSourceRectangle)
{
    Make(VIDEOWINDOW_NORMAL);
    CSFQTVideoWindowPlayWnd* play = PlayAt(0);
    facade->SetSubWinVideo(0, 1);
    std::vector<BYTE> frame = Frame(qRgb(10, 20, 30), 64, 48);
    ASSERT_EQ(play->Render(frame.data(), RENDER_DATA_RGB32, 64, 48), 1);
    EXPECT_EQ(play->SourceRect(), QRect(0, 0, 64, 48));
    play->ZoomAt(false, play->width() / 2, play->height() / 2);
    EXPECT_TRUE(play->IsZoomed());
    const QRect cropped = play->SourceRect();
    EXPECT_LT(cropped.width(), 64);
    EXPECT_NEAR(double(cropped.width()) / cropped.height(), 4.0 / 3.0, 0.05);
    ASSERT_EQ(play->Render(frame.data(), RENDER_DATA_RGB32, 64, 48), 1);
    EXPECT_EQ(play->SourceRect(), cropped);  // same size: the crop stays
    std::vector<BYTE> larger = Frame(qRgb(10, 20, 30), 80, 60);
    ASSERT_EQ(play->Render(larger.data(), RENDER_DATA_RGB32_NO_REPAINT, 80, 60), 1);
    EXPECT_EQ(play->SourceRect(), QRect(0, 0, 80, 60));  // a new size shows whole
    EXPECT_EQ(play->RenderType(), RENDER_DATA_RGB32_NO_REPAINT);
    EXPECT_EQ(play->Frame().size(), QSize(80, 60));
    EXPECT_EQ(play->Render(nullptr, RENDER_DATA_RGB32, 80, 60), 0);
    EXPECT_EQ(play->Render(larger.data(), RENDER_DATA_RGB32, 0, 60), 0);
    EXPECT_EQ(play->Frame().size(), QSize(80, 60));
}

// ---- Zoom -------------------------------------------------------------------------------

TEST_F(VideoWindowTest, WheelAndDraggedRectangleZoomTheFocusedPicture)
{
    Make(VIDEOWINDOW_NORMAL);
    facade->SetDefaultLayout(DEFAULT_LAYOUT_4);
    facade->SetSubWinVideo(0, 1);
    CSFQTVideoWindowPlayWnd* play = PlayAt(0);
    const QRect placed = play->GetPlacedRect();
    ASSERT_EQ(play->geometry(), placed);

    // One step in: 20 pixels higher and 4:3 wider, still covering its place.
    Wheel(QPoint(100, 75), 120);
    EXPECT_TRUE(play->IsZoomed());
    EXPECT_NEAR(play->height(), placed.height() + 20, 1);
    EXPECT_NEAR(play->width(), placed.width() + 27, 1);
    EXPECT_LE(play->x(), placed.left());
    EXPECT_GE(play->geometry().right(), placed.right());
    // A step out back to the placed size leaves zoom.
    Wheel(QPoint(100, 75), -120);
    EXPECT_FALSE(play->IsZoomed());
    EXPECT_EQ(play->geometry(), placed);

    // Not the focused pane: no zoom.
    facade->SetSubWinVideo(1, 1);
    Wheel(QPoint(300, 75), 120);
    EXPECT_EQ(PlayAt(1)->geometry(), PlayAt(1)->GetPlacedRect());

    // A dragged rectangle narrower than 10 pixels is ignored; a larger one fills the place.
    play->ZoomToRect(10, 10, 18, 59);
    EXPECT_FALSE(play->IsZoomed());
    facade->SetFrameZoomMode(1);
    Drag(QPoint(50, 40), QPoint(149, 113));
    EXPECT_TRUE(play->IsZoomed());
    const double scale = double(play->width()) / placed.width();
    EXPECT_NEAR(100 * scale, placed.width(), 2);  // the 100-pixel band now spans the place
    EXPECT_NEAR(play->height(), placed.height() * scale, 1);
    const RECT osd = facade->GetFrameOSDRect();
    EXPECT_EQ(osd.right - osd.left, 0);
    // A right release over the pane leaves zoom.
    Mouse(QEvent::MouseButtonRelease, QPoint(100, 75), Qt::RightButton);
    EXPECT_EQ(play->geometry(), placed);
}

TEST_F(VideoWindowTest, WheelZoomStopsAtTheLargestZoomSize)
{
    Make(VIDEOWINDOW_NORMAL, 1, 1, 400);
    facade->SetSubWinVideo(0, 1);
    CSFQTVideoWindowPlayWnd* play = PlayAt(0);
    const QRect before = play->geometry();
    ASSERT_EQ(before.width(), 394);  // the 396 x 296 pane at 4:3
    Wheel(before.center(), 120);     // 421 pixels would pass the largest zoom width of 400
    EXPECT_EQ(play->geometry(), before);
}

TEST_F(VideoWindowTest, ResizeProportionAndZoomResetFollowTheOwner)
{
    Make(VIDEOWINDOW_NORMAL);
    facade->SetDefaultLayout(DEFAULT_LAYOUT_4);
    sink.log.clear();
    facade->MoveWindow(0, 0, 640, 480);
    EXPECT_TRUE(Layout().startsWith(QStringLiteral("2/2/4/640:480/")));
    EXPECT_EQ(PaneAt(3)->GetWindowRect(), QRect(QPoint(320, 240), QPoint(639, 479)));
    EXPECT_EQ(PaneAt(3)->geometry(), QRect(QPoint(322, 242), QPoint(637, 477)));
    EXPECT_EQ(sink.log, (std::vector<std::string>{"layout"}));

    facade->SetSubWinProportion(16, 9);
    CSFQTVideoWindowPlayWnd* play = PlayAt(0);
    EXPECT_EQ(play->geometry(), CSFQTVideoWindowPlayWnd::Letterbox(play->GetCellRect(), 16, 9, false));
    EXPECT_EQ(play->width(), 316);

    facade->SetSubWinVideo(0, 1);
    Wheel(QPoint(160, 120), 120);
    ASSERT_NE(play->geometry(), play->GetPlacedRect());
    facade->ResetSubWinSizeToMinByID(0);
    EXPECT_EQ(play->geometry(), play->GetPlacedRect());
}

TEST_F(VideoWindowTest, DragModeMovesAZoomedPictureAndActiveCheckKeepsTheBand)
{
    Make(VIDEOWINDOW_NORMAL);
    facade->SetDefaultLayout(DEFAULT_LAYOUT_4);
    facade->SetSubWinVideo(0, 1);
    CSFQTVideoWindowPlayWnd* play = PlayAt(0);
    Wheel(QPoint(100, 75), 120);
    Wheel(QPoint(100, 75), 120);
    const QRect zoomed = play->geometry();
    ASSERT_GT(zoomed.width(), play->GetPlacedRect().width() + 40);

    // The picture follows the mouse and still covers its place; no swap, no focus change.
    facade->SetDragMode(1);
    sink.log.clear();
    Mouse(QEvent::MouseButtonPress, QPoint(100, 75));
    EXPECT_EQ(window->cursor().shape(), Qt::ClosedHandCursor);
    Mouse(QEvent::MouseMove, QPoint(90, 70));
    EXPECT_EQ(play->geometry(), zoomed.translated(-10, -5));
    Mouse(QEvent::MouseMove, QPoint(300, 200));
    EXPECT_LE(play->x(), play->GetPlacedRect().left());
    EXPECT_LE(play->y(), play->GetPlacedRect().top());
    Mouse(QEvent::MouseButtonRelease, QPoint(300, 200));
    EXPECT_EQ(window->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"down 0 0", "up 3 3"}));
    EXPECT_EQ(facade->GetSubWinID(0), 0);

    // Active check: the last rubber band, in play-widget coordinates, stays for the owner.
    facade->SetDragMode(0);
    facade->ResetSubWinSizeToMin(0);
    facade->SetActiveCheckMode(1);
    Drag(QPoint(50, 40), QPoint(149, 113));
    const QPoint from = play->mapFrom(window, QPoint(50, 40)), to = play->mapFrom(window, QPoint(149, 113));
    const RECT osd = facade->GetFrameOSDRect();
    EXPECT_EQ(QRect(QPoint(osd.left, osd.top), QPoint(osd.right, osd.bottom)), QRect(from, to));
    EXPECT_EQ(play->geometry(), play->GetPlacedRect());
    facade->SetActiveCheckMode(0);
    EXPECT_EQ(facade->GetFrameOSDRect().right, -1);
}

TEST(VideoPlayWidget, LetterboxesCellsToTheProportion)
{
    struct Case
    {
        QRect cell;
        int pw, ph;
        bool creation;
        QRect placed;
    };
    const QRect wide(0, 0, 400, 200);
    const Case cases[] = {
        {QRect(0, 0, 400, 300), 4, 3, false, QRect(0, 0, 400, 300)},
        {wide, 4, 3, false, QRect(67, 0, 266, 200)},
        {wide, 4, 3, true, QRect(68, 0, 264, 200)},
        {QRect(0, 0, 300, 400), 4, 3, false, QRect(0, 87, 300, 225)},
        {wide, 0, 0, false, wide},
        {wide, 4, 0, false, wide},
        {wide, 0, 3, true, wide},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CSFQTVideoWindowPlayWnd::Letterbox(c.cell, c.pw, c.ph, c.creation), c.placed)
            << c.pw << ":" << c.ph << (c.creation ? " at creation" : "");
}

}  // namespace
