// The skinned main window: its own maximise, Cancel and close path (ending the event loop),
// key codes with key releases, the session-lock hook, the frame-picture crop, centring within
// a parent, the sink's window pointer, its icon from the skin folder, and title-button
// tracking that differs from the dialog's.
#include "skin/SFQTMainWindow.h"
#include "tests/common/event_loop_util.h"
#include "tests/common/widget_test_util.h"
#include "tests/skin/skin_frame_fixture.h"

#include <QEventLoop>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <cstring>

using namespace skinframe;
using testutil::Click;
using testutil::PumpUntil;

namespace {

// Collects the lines written to Qt's debug channel.
struct DebugCapture
{
    static std::vector<std::string>& Lines()
    {
        static std::vector<std::string> lines;
        return lines;
    }
    static void Handler(QtMsgType, const QMessageLogContext&, const QString& msg)
    {
        Lines().push_back(msg.toStdString());
    }
    DebugCapture() : previous(qInstallMessageHandler(&Handler)) { Lines().clear(); }
    ~DebugCapture() { qInstallMessageHandler(previous); }
    int Count(const std::string& line) const
    {
        int n = 0;
        for (const std::string& s : Lines())
            n += s == line ? 1 : 0;
        return n;
    }
    QtMessageHandler previous;
};

class SkinMainWindowTest : public SkinWindowFixture<CSFQTMainWindow>
{
protected:
    void SetUp() override
    {
        frame = SF_CreateMainWindow(&sink, nullptr);
        Attach(frame);
    }
    void TearDown() override { SF_DestroyMainWindow(frame); }

    void Drag(QPoint from, QPoint delta)
    {
        const QPoint g = w->mapToGlobal(from);
        Press(w, from);
        SendMouse(w, QEvent::MouseMove, from + delta, Qt::NoButton, Qt::LeftButton, g + delta);
        SendMouse(w, QEvent::MouseButtonRelease, from + delta, Qt::LeftButton, Qt::NoButton, g + delta);
        Drain();
    }

    CSFDialog* frame = nullptr;
};

TEST_F(SkinMainWindowTest, OwnMaximiseFillsThePrimaryWorkAreaAndRestoresExactly)
{
    EXPECT_EQ(static_cast<int>(w->windowFlags()) & ~static_cast<int>(Qt::Window), 0xE800);
    EXPECT_TRUE(w->isWindow());
    ShowSkinned(30, 40, 400, 300);
    const QRect normal(30, 40, 400, 300);
    ASSERT_EQ(w->geometry(), normal);

    frame->MacShowMaximize(false);  // never maximised: nothing to restore
    Drain();
    EXPECT_EQ(w->geometry(), normal);
    EXPECT_EQ(frame->IsDlgZoomed(), FALSE);

    frame->MacShowMaximize(true);
    Drain();
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(w->geometry(), work);
    EXPECT_EQ(frame->IsDlgZoomed(), TRUE);
    Drag(QPoint(50, 10), QPoint(40, 30));  // no drag while maximised
    EXPECT_EQ(w->geometry(), work);

    frame->MacShowMaximize(true);  // a second maximise restores
    Drain();
    EXPECT_EQ(w->geometry(), normal);
    EXPECT_EQ(frame->IsDlgZoomed(), FALSE);

    frame->MacShowMaximize(true);
    frame->MacShowMaximize(false);
    Drain();
    EXPECT_EQ(w->geometry(), normal);
    EXPECT_EQ(frame->IsDlgZoomed(), FALSE);

    Drag(QPoint(50, 10), QPoint(40, 30));
    EXPECT_EQ(w->pos(), QPoint(70, 70));
}

TEST_F(SkinMainWindowTest, SessionLockAndUnlockReachTheSink)
{
    DebugCapture debug;
    const struct
    {
        UINT msg;
        WPARAM param;
        std::vector<int> locks;
        int lines;
    } cases[] = {
        {0x2B1, 7, {1}, 1},
        {0x2B1, 8, {1, 0}, 2},
        {0x2B1, 5, {1, 0}, 3},
        {0x111, 7, {1, 0}, 3},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(qt->OnWindowMessage(c.msg, c.param, 0));
        EXPECT_EQ(sink.locks, c.locks);
        EXPECT_EQ(debug.Count("WM_WTSSESSION_CHANGE return "), c.lines);
    }
}

TEST_F(SkinMainWindowTest, KeysKeepUnmappedQtCodesAndReleasesAreReported)
{
    const KeyCase cases[] = {
        {Qt::Key_F4, Qt::NoModifier, 0, 115},
        {Qt::Key_F1, Qt::AltModifier, 18, 112},
        {Qt::Key_Escape, Qt::ControlModifier, 17, 27},
        {Qt::Key_Space, Qt::ShiftModifier, 16, 32},
        {Qt::Key_Return, Qt::NoModifier, 0, static_cast<UINT>(Qt::Key_Return)},
        {Qt::Key_A, Qt::NoModifier, 0, static_cast<UINT>(Qt::Key_A)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SendKey(w, QEvent::KeyPress, c.key, c.mods, sink), std::make_pair(c.wantMods, c.wantKey));
        EXPECT_EQ(SendKey(w, QEvent::KeyRelease, c.key, c.mods, sink), std::make_pair(c.wantMods, c.wantKey));
    }
}

TEST_F(SkinMainWindowTest, OkOnlyTellsTheSinkAndCancelClosesThroughDlgClose)
{
    DebugCapture debug;
    ShowSkinned(10, 10, 400, 300);
    EXPECT_EQ(frame->DoModalDlg(), -1);
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_EQ(frame->ModifyDlgStyleEx(0xFFFF, 0x10, 0), TRUE);
    EXPECT_EQ(w->windowFlags(), flags);

    CSFCustomEvent one(WM_COMMAND, 0, 0, 1);
    QApplication::sendEvent(w, &one);
    frame->MFCOK();
    Drain();
    EXPECT_EQ(sink.log, (std::vector<std::string>{"map1", "ok", "ok"}));
    EXPECT_TRUE(w->isVisible());

    CSFCustomEvent two(WM_COMMAND, 0, 0, 2);
    QApplication::sendEvent(w, &two);
    EXPECT_EQ(sink.uiWndAtCancel, nullptr);  // cleared before Dlg_OnCancel
    EXPECT_EQ(frame->GetUIWnd(), nullptr);
    EXPECT_TRUE(w->isVisible());  // the close is queued
    ASSERT_TRUE(PumpUntil([&] { return !w->isVisible(); }, 5000));
    EXPECT_EQ(sink.log, (std::vector<std::string>{"map1", "ok", "ok", "cancel", "close"}));
    EXPECT_EQ(debug.Count("CSFQTMainWindow::closeEvent!"), 1);

    // The quit asked for on that close must not disturb a later local event loop.
    Drain();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] { loop.exit(7); });
    EXPECT_EQ(loop.exec(), 7);
}

TEST_F(SkinMainWindowTest, TheCloseTitleButtonAsksDlgCloseWhichMayVeto)
{
    skin.style[44] = L"-30,4,23,14";
    ShowSkinned(10, 10, 400, 300);
    const QPoint c = qt->SkinData().ButtonRect(1).center();
    EXPECT_EQ(qt->SkinData().ButtonRect(1).left(), 370);
    EXPECT_EQ(Name(PixelAt(w, c.x(), c.y())), kCellN.name().toStdString());

    sink.vetoClose = true;
    Click(w, c);
    Drain();
    EXPECT_EQ(sink.Count("close"), 1);
    EXPECT_TRUE(w->isVisible());

    sink.vetoClose = false;
    Click(w, c);
    ASSERT_TRUE(PumpUntil([&] { return !w->isVisible(); }, 5000));
    EXPECT_EQ(sink.Count("close"), 2);
    EXPECT_EQ(sink.Count("cancel"), 0);
}

TEST_F(SkinMainWindowTest, HiddenThenClosedWindowEndsTheEventLoop)
{
    ShowSkinned(10, 10, 400, 300);
    bool acted = false;
    QTimer::singleShot(0, w, [&] {
        acted = true;
        frame->ShowWindow(0);
        frame->SendDlgMessage(16, 0, 0);
    });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(42); });
    failsafe.start(20000);
    const int rc = QApplication::exec();
    failsafe.stop();
    EXPECT_TRUE(acted);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(sink.Count("cancel"), 1);
    EXPECT_EQ(sink.Count("close"), 1);
}

TEST_F(SkinMainWindowTest, AFramePictureAsLargeAsTheWindowIsCroppedNotComposed)
{
    ShowSkinned(10, 10, 140, 120);  // smaller than the 148 x 140 sheet
    ASSERT_FALSE(sink.sizes.empty());
    EXPECT_EQ(sink.sizes.back(), (std::vector<int>{0, 140, 120}));
    QImage img = w->grab().toImage();
    EXPECT_EQ(Name(img.pixelColor(139, 0)), kTR.name().toStdString());  // sheet pixel (139, 0)
    EXPECT_EQ(Name(img.pixelColor(60, 50)), kCellN.name().toStdString());
    EXPECT_EQ(Name(img.pixelColor(100, 100)), kSheetRest.name().toStdString());

    frame->MoveWindow(10, 10, 300, 200);  // larger: composed over the background
    Drain();
    img = w->grab().toImage();
    EXPECT_EQ(Name(img.pixelColor(299, 0)), kTR.name().toStdString());
    EXPECT_EQ(Name(img.pixelColor(150, 100)), kBackground.name().toStdString());
}

TEST_F(SkinMainWindowTest, TitleGoesToTheLabelAndTheWindowTitle)
{
    frame->SetSkin(&skin.style);
    EXPECT_EQ(frame->Create(L"Product \u00e9", nullptr), TRUE);
    EXPECT_EQ(sink.init, std::vector<bool>{true});
    ASSERT_NE(qt->TitleLabel(), nullptr);
    EXPECT_EQ(w->windowTitle(), QString::fromStdWString(L"Product \u00e9"));
    EXPECT_EQ(qt->TitleLabel()->pos(), QPoint(15, 8));
    frame->SetWindowTextW(L"Other");
    EXPECT_EQ(qt->TitleLabel()->text(), QString("Other"));
    EXPECT_EQ(w->windowTitle(), QString("Other"));
}

TEST(SkinMainWindowCentre, CentresWithinItsParentOrTheWorkArea)
{
    TestSkin skin;
    RecordingSink sink;
    {
        QWidget parent;
        parent.setGeometry(100, 100, 600, 400);
        CSFDialog* frame = SF_CreateMainWindow(&sink, &parent);
        ASSERT_NE(frame, nullptr);
        QWidget* w = static_cast<QWidget*>(frame->GetUIWnd());
        EXPECT_FALSE(w->isWindow());  // an ordinary widget inside its parent
        frame->MoveWindow(0, 0, 200, 100);
        frame->CenterWindow(nullptr);
        EXPECT_EQ(w->pos(), QPoint(200, 150));
        SF_DestroyMainWindow(frame);
    }
    CSFDialog* frame = SF_CreateMainWindow(&sink, nullptr);
    QWidget* w = static_cast<QWidget*>(frame->GetUIWnd());
    const QRect a = w->screen()->availableGeometry();
    skin.style[57] = L"300,200";
    frame->SetSkin(&skin.style);
    EXPECT_EQ(w->geometry(),
              QRect(a.left() + (a.width() - 300) / 2, a.top() + (a.height() - 200) / 2, 300, 200));

    sink.log.clear();
    SF_DestroyMainWindow(frame);
    EXPECT_EQ(sink.m_pUIWnd, nullptr);
    EXPECT_EQ(sink.uiWndAtDestroy, nullptr);
    EXPECT_EQ(sink.log, std::vector<std::string>{"destroy"});
}

// The icon is a picture of the skin folder named by the argument, and becomes the
// application's too.
TEST_F(SkinMainWindowTest, SetDlgIconTakesAPictureOfTheSkinFolder)
{
    const QIcon appIcon = QApplication::windowIcon();
    frame->SetDlgIcon(L"b1.png");
    EXPECT_EQ(IconColour(w->windowIcon()), Name(kPictureB1));
    EXPECT_EQ(IconColour(QApplication::windowIcon()), Name(kPictureB1));
    frame->SetDlgIcon(7u);  // the resource-id form changes nothing
    EXPECT_EQ(IconColour(w->windowIcon()), Name(kPictureB1));

    // A full path is still taken inside the skin folder, where it names nothing.
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    ASSERT_TRUE(TestSkin::Solid(kPictureB2).save(elsewhere.filePath("icon.png"), "PNG"));
    frame->SetDlgIcon(elsewhere.filePath("icon.png").toStdWString().c_str());
    EXPECT_EQ(IconColour(w->windowIcon()), "none");
    QApplication::setWindowIcon(appIcon);
}

// Unlike the dialog, the main window tracks its title buttons only while the left button is
// held, and leaving it keeps the hot button as it was.
TEST_F(SkinMainWindowTest, TitleButtonsHoverOnlyWithTheLeftButtonAndKeepTheirStateOnLeave)
{
    ShowSkinned(10, 10, 400, 300);
    const QPoint c = qt->SkinData().ButtonRect(1).center();
    const auto move = [&](QPoint at, Qt::MouseButtons held) {
        SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, held, w->mapToGlobal(at));
    };

    const int hovers = sink.hovers;
    move(c, Qt::NoButton);
    EXPECT_EQ(sink.hovers, hovers + 1);
    EXPECT_EQ(qt->HotButton(), 0);
    EXPECT_EQ(Name(PixelAt(w, c.x(), c.y())), Name(kCellN));

    Press(w, QPoint(100, 100));  // below the caption: no drag
    move(c, Qt::LeftButton);
    EXPECT_EQ(sink.hovers, hovers + 2);
    EXPECT_EQ(qt->HotButton(), 1);
    EXPECT_EQ(qt->HotState(), 1);
    EXPECT_EQ(Name(PixelAt(w, c.x(), c.y())), Name(kCellH));

    testutil::SendLeave(w);
    EXPECT_EQ(sink.leaves, 1);
    EXPECT_EQ(qt->HotButton(), 1);
    EXPECT_EQ(qt->HotState(), 1);
    EXPECT_EQ(Name(PixelAt(w, c.x(), c.y())), Name(kCellH));

    move(QPoint(100, 100), Qt::NoButton);  // no button: the hot button stays
    EXPECT_EQ(qt->HotButton(), 1);
    move(QPoint(100, 100), Qt::LeftButton);
    EXPECT_EQ(qt->HotButton(), 0);
    EXPECT_EQ(Name(PixelAt(w, c.x(), c.y())), Name(kCellN));
}

}  // namespace
