// The skinned dialog: frame composition from the skin pieces, title buttons and the window
// states they set, caption drag and where it is let go, modal runs and their results, timers,
// keys, drops, centring, the round mask, window position and flags, icon and window states.
#include "skin/SFQTDialog.h"
#include "tests/common/event_loop_util.h"
#include "tests/common/widget_test_util.h"
#include "tests/skin/skin_frame_fixture.h"

#include <QBitmap>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QRegion>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>

#include <functional>

using namespace skinframe;
using testutil::Click;
using testutil::PumpUntil;

namespace {

class SkinDialogTest : public SkinWindowFixture<CSFQTDialog>
{
protected:
    void SetUp() override
    {
        dlg = SF_CreateDialog(&sink, nullptr, 0);
        Attach(dlg);
    }
    void TearDown() override { SF_DestroyDialog(dlg); }

    void ShowSkinned(int width = 358, int height = 250)
    {
        SkinWindowFixture::ShowSkinned(100, 100, width, height);
    }
    QPoint ButtonCentre(int button) const { return qt->SkinData().ButtonRect(button).center(); }
    // A press and a release on title button `button` where it is now.
    void ClickButton(int button)
    {
        const QPoint c = ButtonCentre(button);
        Press(w, c);
        Release(w, c);
    }
    // Buttons 2 (maximise) and 3 (minimise) beside button 1, drawn from the same cells.
    void AddMaximiseAndMinimise()
    {
        skin.style[43] = L"-80,5,23,14";
        skin.style[42] = L"-120,5,23,14";
        for (int i = 0; i < 3; ++i) {
            skin.style[34 + i] = skin.style[37 + i];
            skin.style[31 + i] = skin.style[37 + i];
        }
    }

    CSFDialog* dlg = nullptr;
};

TEST_F(SkinDialogTest, ComposesPiecesAroundTheStretchedBackground)
{
    EXPECT_EQ(static_cast<int>(w->windowFlags()), 0x2803);
    ShowSkinned();
    ASSERT_FALSE(sink.sizes.empty());
    EXPECT_EQ(sink.sizes.back(), (std::vector<int>{0, 358, 250}));

    // 358 x 250: top copies every 4 px from x 10, the right corner covering the last one;
    // left middle copies from y 67 while below 250 - 20 - 8.
    const struct
    {
        int x, y;
        QColor want;
    } cases[] = {
        {0, 0, kTL},
        {9, 26, kTL},
        {10, 0, kTop},
        {347, 26, kTop},
        {348, 0, kTR},
        {357, 26, kTR},
        {1, 27, kLU},
        {2, 66, kLU},
        {1, 67, kLM},
        {1, 221, kLM},
        {1, 222, kLL},
        {1, 241, kLL},
        {356, 27, kRU},
        {355, 100, kRM},
        {357, 230, kRL},
        {0, 242, kBL},
        {10, 249, kBottom},
        {347, 242, kBottom},
        {348, 249, kBR},
        {357, 249, kBR},
        {100, 100, kBackground},
        {3, 100, kBackground},
        {354, 100, kBackground},
        {329, 11, kCellN},  // title button 1, 40 px from the right edge
    };
    const QImage img = w->grab().toImage();
    ASSERT_EQ(img.size(), QSize(358, 250));
    for (const auto& c : cases)
        EXPECT_EQ(Name(img.pixelColor(c.x, c.y)), Name(c.want)) << "at " << c.x << "," << c.y;
}

// A background picture of one colour is painted as a fill: the pixels must be those of the
// picture stretched, also for a translucent colour; any other picture is stretched.
TEST(SkinFramePicture, OneColourBackgroundFillsAsItsStretchedPictureWould)
{
    EXPECT_FALSE(CSFQTSkinFrame::UniformColor(QPixmap()).isValid());

    QImage flat(3, 2, QImage::Format_ARGB32);
    flat.fill(QColor(40, 90, 200, 128));
    QImage twoTone(2, 1, QImage::Format_ARGB32);
    twoTone.setPixelColor(0, 0, Qt::red);
    twoTone.setPixelColor(1, 0, Qt::blue);

    for (const QImage& picture : {flat, twoTone}) {
        DialogSkinData skin(-1);
        skin.backgroundPicture = QPixmap::fromImage(picture);
        skin.backgroundUniform = CSFQTSkinFrame::UniformColor(skin.backgroundPicture);
        EXPECT_EQ(skin.backgroundUniform.isValid(), picture == flat);

        QImage painted(40, 20, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::white);
        QImage stretched = painted;
        {
            QPainter p(&painted);
            CSFQTSkinFrame::PaintFramePicture(p, skin, 40, 20);
            QPainter q(&stretched);
            q.drawPixmap(QRect(0, 0, 40, 20), skin.backgroundPicture);
        }
        EXPECT_EQ(painted, stretched);
    }
}

// The frame composed piece by piece, each edge piece repeated while it starts before the far
// corner: the pixels the composition must keep, whole or stretched.
void PaintFrameByPieces(QPainter& p, const DialogSkinData& skin, int w, int h)
{
    const QRect* r = skin.rects;
    const QPixmap& sheet = skin.framePicture;
    const auto has = [](const QRect& q) { return q.width() > 0 && q.height() > 0; };
    const auto pw = [&](int i) { return has(r[i]) ? r[i].width() : 0; };
    const auto ph = [&](int i) { return has(r[i]) ? r[i].height() : 0; };
    const auto piece = [&](int i, int x, int y) {
        if (has(r[i]))
            p.drawPixmap(QPoint(x, y), sheet, r[i]);
    };
    using D = DialogSkinData;
    piece(D::TopLeft, 0, 0);
    for (int x = pw(D::TopLeft); has(r[D::Top]) && x < w - pw(D::TopRight); x += r[D::Top].width())
        piece(D::Top, x, 0);
    piece(D::TopRight, w - pw(D::TopRight), 0);
    piece(D::LeftUpper, 0, ph(D::TopLeft));
    for (int y = ph(D::TopLeft) + ph(D::LeftUpper);
         has(r[D::LeftMiddle]) && y < h - ph(D::LeftLower) - ph(D::BottomLeft);
         y += r[D::LeftMiddle].height())
        piece(D::LeftMiddle, 0, y);
    piece(D::LeftLower, 0, h - ph(D::BottomLeft) - ph(D::LeftLower));
    piece(D::RightUpper, w - pw(D::RightUpper), ph(D::TopLeft));
    for (int y = ph(D::TopLeft) + ph(D::RightUpper);
         has(r[D::RightMiddle]) && y < h - ph(D::RightLower) - ph(D::BottomLeft);
         y += r[D::RightMiddle].height())
        piece(D::RightMiddle, w - pw(D::RightMiddle), y);
    piece(D::RightLower, w - pw(D::RightLower), h - ph(D::BottomLeft) - ph(D::RightLower));
    piece(D::BottomLeft, 0, h - ph(D::BottomLeft));
    for (int x = pw(D::BottomLeft); has(r[D::Bottom]) && x < w - pw(D::BottomRight);
         x += r[D::Bottom].width())
        piece(D::Bottom, x, h - r[D::Bottom].height());
    piece(D::BottomRight, w - pw(D::BottomRight), h - ph(D::BottomRight));
}

// Narrow and odd-sized edge pieces of a translucent, many-coloured sheet: the repeated pieces
// cut once and drawn as runs give the pixels of drawing them piece by piece, at the window's
// own size and stretched to other sizes, also for pieces reaching out of the sheet.
TEST(SkinFramePicture, EdgeRunsPaintAsTheirPiecesOneByOne)
{
    QImage sheetImage(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < sheetImage.height(); ++y)
        for (int x = 0; x < sheetImage.width(); ++x)
            sheetImage.setPixel(x, y, qRgba(x * 6, y * 8, (x * y) % 256, 60 + (x * 7 + y * 13) % 196));
    const struct
    {
        const char* name;
        QRect top, leftMiddle, rightMiddle, bottom;
    } skins[] = {
        {"narrow", QRect(8, 0, 1, 6), QRect(0, 9, 5, 2), QRect(35, 9, 4, 1), QRect(9, 24, 2, 6)},
        {"odd sizes", QRect(6, 1, 7, 5), QRect(1, 7, 4, 3), QRect(34, 8, 5, 9), QRect(11, 25, 3, 4)},
        {"out of the sheet", QRect(36, 0, 9, 6), QRect(0, 27, 5, 7), QRect(35, -2, 4, 5),
         QRect(-3, 24, 6, 6)},
    };
    const struct
    {
        int w, h;
        QSizeF scale;
    } paints[] = {{101, 77, {1, 1}},       {97, 63, {1, 1}},      {12, 14, {1, 1}},
                  {101, 77, {1.37, 0.81}}, {97, 63, {2.5, 1.75}}, {64, 50, {0.43, 0.66}}};
    for (const auto& k : skins) {
        DialogSkinData skin(-1);
        skin.backgroundColor = QColor(20, 200, 120);
        skin.framePicture = QPixmap::fromImage(sheetImage);
        // In the order of the rectangles, top-left corner to bottom-right corner.
        const QRect pieces[12] = {QRect(0, 0, 6, 7),  k.top,         QRect(33, 0, 7, 6),
                                  QRect(0, 7, 5, 3),  k.leftMiddle,  QRect(0, 18, 5, 4),
                                  QRect(35, 6, 5, 2), k.rightMiddle, QRect(35, 18, 5, 5),
                                  QRect(0, 23, 8, 7), k.bottom,      QRect(31, 24, 9, 6)};
        for (int i = 0; i < 12; ++i)
            skin.rects[DialogSkinData::TopLeft + i] = pieces[i];
        skin.CutEdgeRuns();
        for (const auto& paint : paints) {
            const QSize out(qCeil(paint.w * paint.scale.width()), qCeil(paint.h * paint.scale.height()));
            QImage composed(out, QImage::Format_ARGB32_Premultiplied);
            composed.fill(Qt::white);
            QImage byPieces = composed;
            {
                QPainter p(&composed);
                p.scale(paint.scale.width(), paint.scale.height());
                CSFQTSkinFrame::PaintFramePicture(p, skin, paint.w, paint.h);
                QPainter q(&byPieces);
                q.scale(paint.scale.width(), paint.scale.height());
                q.fillRect(QRect(0, 0, paint.w, paint.h), skin.backgroundColor);
                PaintFrameByPieces(q, skin, paint.w, paint.h);
            }
            EXPECT_TRUE(composed == byPieces) << k.name << " " << paint.w << "x" << paint.h << " scaled "
                                              << paint.scale.width() << "," << paint.scale.height();
        }
    }
}

TEST_F(SkinDialogTest, PiecesWithoutAreaAreSkippedAndDoNotHang)
{
    skin.style[6] = L"";              // top edge: the null rectangle
    skin.style[12] = L"0,70,0,20";    // left middle: no width
    skin.style[18] = L"30,132,4,-3";  // bottom edge: negative height
    skin.style[24] = L"145,70,3,0";   // right middle: no height
    skin.style[16] = L"";             // bottom-left corner
    ShowSkinned(300, 200);
    ASSERT_FALSE(sink.sizes.empty());
    EXPECT_EQ(sink.sizes.back(), (std::vector<int>{0, 300, 200}));
    const QImage img = w->grab().toImage();
    EXPECT_EQ(Name(img.pixelColor(0, 0)), Name(kTL));
    EXPECT_EQ(Name(img.pixelColor(100, 0)), Name(kBackground));
    EXPECT_EQ(Name(img.pixelColor(1, 100)), Name(kBackground));
    EXPECT_EQ(Name(img.pixelColor(100, 199)), Name(kBackground));
    EXPECT_EQ(Name(img.pixelColor(297, 100)), Name(kBackground));
    EXPECT_EQ(Name(img.pixelColor(1, 199)), Name(kLL));  // no bottom-left corner below it
    EXPECT_EQ(Name(img.pixelColor(5, 199)), Name(kBackground));
    EXPECT_EQ(Name(img.pixelColor(299, 199)), Name(kBR));
}

TEST_F(SkinDialogTest, WithoutAFramePictureResizeDoesNothing)
{
    skin.style[0] = L"Missing.png";
    ShowSkinned();
    EXPECT_TRUE(sink.sizes.empty());
    EXPECT_FALSE(qt->SkinData().ButtonRect(1).left() >= 0);  // not moved from the right edge
}

TEST_F(SkinDialogTest, TitleButtonFollowsTheRightEdgeAndShowsItsStates)
{
    ShowSkinned(300, 200);
    EXPECT_EQ(qt->SkinData().ButtonRect(1), QRect(260, 5, 23, 14));
    dlg->MoveWindow(100, 100, 400, 200);
    Drain();
    EXPECT_EQ(qt->SkinData().ButtonRect(1), QRect(360, 5, 23, 14));
    EXPECT_EQ(qt->SkinData().rects[DialogSkinData::Caption], QRect(0, 0, 400, 27));

    const QPoint c = ButtonCentre(1);
    EXPECT_EQ(Name(PixelAt(w, c.x(), c.y())), Name(kCellN));
    SendMouse(w, QEvent::MouseMove, c, Qt::NoButton, Qt::NoButton, w->mapToGlobal(c));
    EXPECT_EQ(Name(PixelAt(w, c.x(), c.y())), Name(kCellH));
    Press(w, c);
    EXPECT_EQ(Name(PixelAt(w, c.x(), c.y())), Name(kCellP));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
    EXPECT_EQ(Name(PixelAt(w, c.x(), c.y())), Name(kCellN));
    EXPECT_EQ(sink.leaves, 1);
}

TEST_F(SkinDialogTest, TitleCloseNeedsTheReleaseOnTheButtonAndObeysTheVeto)
{
    ShowSkinned();
    const QPoint inside = ButtonCentre(1);
    const QPoint outside(100, 120);

    Press(w, inside);
    Release(w, outside);
    Drain();
    EXPECT_EQ(sink.Count("close"), 0);
    EXPECT_TRUE(w->isVisible());

    sink.vetoClose = true;
    Press(w, outside);
    Release(w, inside);
    Drain();
    EXPECT_EQ(sink.Count("close"), 1);
    EXPECT_TRUE(w->isVisible());

    sink.vetoClose = false;
    Click(w, inside);
    Drain();
    EXPECT_EQ(sink.Count("close"), 2);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(sink.Count("cancel"), 0);
}

TEST_F(SkinDialogTest, CaptionDragMovesTheWindowAndOutsideTheCaptionDoesNot)
{
    ShowSkinned();
    ASSERT_EQ(w->pos(), QPoint(100, 100));
    const auto drag = [&](QPoint from, QPoint delta) {
        const QPoint g = w->mapToGlobal(from);
        Press(w, from);
        SendMouse(w, QEvent::MouseMove, from + delta / 2, Qt::NoButton, Qt::LeftButton, g + delta / 2);
        SendMouse(w, QEvent::MouseMove, from + delta, Qt::NoButton, Qt::LeftButton, g + delta);
        SendMouse(w, QEvent::MouseButtonRelease, from + delta, Qt::LeftButton, Qt::NoButton, g + delta);
        Drain();
    };

    const int hovers = sink.hovers;
    drag(QPoint(50, 10), QPoint(40, 30));
    EXPECT_EQ(w->pos(), QPoint(140, 130));
    EXPECT_EQ(sink.hovers - hovers, 2);
    EXPECT_FALSE(qt->IsDragging());

    drag(QPoint(50, 100), QPoint(40, 30));  // below the 27-px caption
    EXPECT_EQ(w->pos(), QPoint(140, 130));

    drag(ButtonCentre(1), QPoint(-40, 30));  // a title button is no caption
    EXPECT_EQ(w->pos(), QPoint(140, 130));

    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    drag(QPoint(50, 10), QPoint(0, -(130 - work.top()) - 60));  // past the work area's top
    EXPECT_EQ(w->pos(), QPoint(140, work.top()));
}

// One modal run per way of ending it.
TEST(SkinDialogModal, RunsEndWithOneForOkAndTwoForCancelOrClose)
{
    struct Case
    {
        const char* what;
        std::function<void(CSFDialog*, QWidget*)> act;
        int result, ok, cancel, close;
    };
    const auto command = [](QWidget* w, LPARAM id) {
        CSFCustomEvent e(WM_COMMAND, 0, 0, id);
        QApplication::sendEvent(w, &e);
    };
    const Case cases[] = {
        {"command 1", [&](CSFDialog*, QWidget* w) { command(w, 1); }, 1, 1, 0, 0},
        {"command 2", [&](CSFDialog*, QWidget* w) { command(w, 2); }, 2, 0, 1, 0},
        {"MFCOK", [](CSFDialog* d, QWidget*) { d->MFCOK(); }, 1, 1, 0, 0},
        {"MFCCancel", [](CSFDialog* d, QWidget*) { d->MFCCancel(); }, 2, 0, 1, 0},
        {"message 16", [](CSFDialog* d, QWidget*) { d->SendDlgMessage(16, 0, 0); }, 2, 0, 1, 0},
        {"close()", [](CSFDialog*, QWidget* w) { w->close(); }, 2, 0, 0, 1},
        {"title close",
         [](CSFDialog* d, QWidget* w) {
             Click(w, dynamic_cast<CSFQTDialog*>(d)->SkinData().ButtonRect(1).center());
         },
         2, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestSkin skin;
        RecordingSink sink;
        CSFDialog* dlg = SF_CreateDialog(&sink, nullptr, 0);
        ASSERT_NE(dlg, nullptr);
        QWidget* w = static_cast<QWidget*>(dlg->GetUIWnd());
        dlg->SetSkin(&skin.style);
        dlg->MoveWindow(50, 50, 358, 250);
        QTimer::singleShot(0, w, [&] { c.act(dlg, w); });
        QTimer failsafe;
        failsafe.setSingleShot(true);
        QObject::connect(&failsafe, &QTimer::timeout, w, [&] { static_cast<QDialog*>(w)->done(99); });
        failsafe.start(20000);
        EXPECT_EQ(dlg->DoModalDlg(), c.result);
        failsafe.stop();
        EXPECT_EQ(sink.init, std::vector<bool>{false});
        EXPECT_EQ(sink.Count("ok"), c.ok);
        EXPECT_EQ(sink.Count("cancel"), c.cancel);
        EXPECT_EQ(sink.Count("close"), c.close);
        EXPECT_FALSE(w->isVisible());
        SF_DestroyDialog(dlg);
    }
}

TEST(SkinDialogModal, EscapeAndAVetoedCloseKeepTheRunGoing)
{
    TestSkin skin;
    RecordingSink sink;
    sink.vetoClose = true;
    CSFDialog* dlg = SF_CreateDialog(&sink, nullptr, 0);
    ASSERT_NE(dlg, nullptr);
    QWidget* w = static_cast<QWidget*>(dlg->GetUIWnd());
    dlg->SetSkin(&skin.style);
    dlg->MoveWindow(50, 50, 358, 250);
    bool stillRunning = false;
    QTimer::singleShot(0, w, [&] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w, &esc);
        Click(w, dynamic_cast<CSFQTDialog*>(dlg)->SkinData().ButtonRect(1).center());
        QTimer::singleShot(100, w, [&] {
            stillRunning = w->isVisible();
            CSFCustomEvent ok(WM_COMMAND, 0, 0, 1);
            QApplication::sendEvent(w, &ok);
        });
    });
    EXPECT_EQ(dlg->DoModalDlg(), 1);
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(sink.keysDown, (std::vector<std::pair<UINT, UINT>>{{0, 27}}));
    EXPECT_EQ(sink.Count("close"), 1);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"close", "map1", "ok"}));
    SF_DestroyDialog(dlg);
}

TEST_F(SkinDialogTest, CommandsReachTheMessageMapBeforeOkAndCancel)
{
    ShowSkinned();
    CSFCustomEvent seven(WM_COMMAND, 0, 0, 7);
    QApplication::sendEvent(w, &seven);
    EXPECT_EQ(sink.log, std::vector<std::string>{"map7"});
    EXPECT_TRUE(w->isVisible());
    CSFCustomEvent notACommand(WM_COMMAND, 5, 0, 1);  // a non-zero code is no OK
    QApplication::sendEvent(w, &notACommand);
    EXPECT_EQ(sink.Count("ok"), 0);
    CSFCustomEvent one(WM_COMMAND, 0, 0, 1);
    QApplication::sendEvent(w, &one);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"map7", "map1", "ok"}));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(SkinDialogTest, TimersReachTheSinkUnderTheirOwnIds)
{
    const UINT first = dlg->SetDlgTimer(5, 10);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(dlg->SetDlgTimer(5, 500), first);
    const UINT other = dlg->SetDlgTimer(6, 100000);
    EXPECT_NE(other, first);
    ASSERT_TRUE(PumpUntil([&] { return sink.timers.size() >= 2; }, 5000));
    for (UINT id : sink.timers)
        EXPECT_EQ(id, 5u);
    EXPECT_EQ(dlg->KillDlgTimer(5), TRUE);
    EXPECT_EQ(dlg->KillDlgTimer(5), FALSE);
    Drain();
    const size_t fired = sink.timers.size();
    QTimer::singleShot(60, [] {});
    PumpUntil([] { return false; }, 80);
    EXPECT_EQ(sink.timers.size(), fired);
    EXPECT_EQ(dlg->KillDlgTimer(6), TRUE);
}

TEST_F(SkinDialogTest, KeysAreReportedAsVirtualKeyCodes)
{
    const KeyCase cases[] = {
        {Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier, 17, 112},
        {Qt::Key_Left, Qt::AltModifier, 18, 37},
        {Qt::Key_Space, Qt::ControlModifier | Qt::AltModifier, 19, 32},
        {Qt::Key_Right, Qt::ShiftModifier, 16, 39},
        {Qt::Key_Return, Qt::NoModifier, 0, 13},
        {Qt::Key_Escape, Qt::NoModifier, 0, 27},
        {Qt::Key_A, Qt::NoModifier, 0, 0},
        {Qt::Key_Enter, Qt::KeypadModifier, 0, 0},
        {Qt::Key_F4, Qt::NoModifier, 0, 0},
    };
    for (const auto& c : cases) {
        const auto got = SendKey(w, QEvent::KeyPress, c.key, c.mods, sink);
        EXPECT_EQ(got, std::make_pair(c.wantMods, c.wantKey)) << "key " << std::hex << c.key;
    }
    SendKey(w, QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, sink);
    EXPECT_TRUE(sink.keysUp.empty());
}

TEST_F(SkinDialogTest, ADropReportsOnlyTheFirstLocalFile)
{
    const QString first = QString::fromStdWString(L"/tmp/r\u00e9sum\u00e9 \U0001F600/a b.txt");
    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(first), QUrl::fromLocalFile("/tmp/second"), QUrl::fromLocalFile("/tmp/third")});
    // A drop goes to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &drop);
    ASSERT_EQ(sink.drops.size(), 1u);
    EXPECT_EQ(sink.drops[0], first.toStdWString());

    QMimeData web;
    web.setUrls({QUrl("https://example.org/x")});
    QDragEnterEvent enterWeb(QPoint(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &enterWeb);
    QDropEvent remote(QPointF(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &remote);
    EXPECT_EQ(sink.drops.size(), 1u);
}

TEST_F(SkinDialogTest, SkinFieldsLandInTheirPlaces)
{
    skin.style[41] = L"1,1,5,5";       // button 4
    skin.style[42] = L"-120,5,23,14";  // button 3
    skin.style[43] = L"-80,5,23,14";   // button 2
    skin.style[58] = L"b1.png";        // button 1 normal picture
    skin.style[64] = L"b2.png";        // button 2 normal picture
    skin.style[26] = L"145,27,3,40";   // right upper
    skin.style[22] = L"140,70,3,20";   // right lower
    skin.style[28] = L"1,2,3,4";       // button 4 normal cell
    skin.style[39] = L"9,8,7,6";       // button 1 pressed cell
    skin.style[48] = L"12AB0F";
    skin.style[53] = L"center";
    dlg->SetSkin(&skin.style);
    const DialogSkinData& d = qt->SkinData();
    EXPECT_EQ(d.ButtonRect(4), QRect(1, 1, 5, 5));
    EXPECT_EQ(d.ButtonRect(3), QRect(-120, 5, 23, 14));
    EXPECT_EQ(d.ButtonRect(2), QRect(-80, 5, 23, 14));
    EXPECT_EQ(d.rects[DialogSkinData::RightUpper], QRect(145, 27, 3, 40));
    EXPECT_EQ(d.rects[DialogSkinData::RightLower], QRect(140, 70, 3, 20));
    EXPECT_EQ(d.Cell(4, 0), QRect(1, 2, 3, 4));
    EXPECT_EQ(d.Cell(1, 2), QRect(9, 8, 7, 6));
    EXPECT_EQ(d.baseW, 148);
    EXPECT_EQ(d.baseH, 140);
    EXPECT_EQ(qt->TitleAlign(), 1);
    EXPECT_EQ(qt->TitleColor(), QColor(0x12, 0xAB, 0x0F));

    dlg->MoveWindow(100, 100, 358, 250);
    dlg->ShowWindow(1);
    Drain();
    const QImage img = w->grab().toImage();
    EXPECT_EQ(Name(img.pixelColor(d.ButtonRect(1).center())), Name(kPictureB1));
    EXPECT_EQ(Name(img.pixelColor(d.ButtonRect(2).center())), Name(kPictureB2));
    EXPECT_EQ(d.ButtonRect(3).left(), 358 - 120);

    // Title text: centred with the window's font metrics.
    dlg->SetWindowTextW(L"Title \U0001F600");
    QLabel* label = qt->TitleLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromStdWString(L"Title \U0001F600"));
    const int tw = w->fontMetrics().horizontalAdvance(label->text());
    EXPECT_EQ(label->geometry(), QRect((358 - 1 - tw) / 2, 5, tw + 2, w->fontMetrics().height() + 2));
}

TEST_F(SkinDialogTest, CentringUsesTheRequestedSizeWithinTheWorkArea)
{
    const QRect a = w->screen()->availableGeometry();
    dlg->SetSkin(&skin.style);
    dlg->MoveWindow(0, 0, 358, 250);
    dlg->CenterWindow(nullptr);
    EXPECT_EQ(w->pos(), QPoint(a.left() + (a.width() - 358) / 2, a.top() + (a.height() - 250) / 2));
    EXPECT_EQ(qt->CenteredPos(), w->pos());

    // Wider than the work area: placed with the work area's width (the base is smaller).
    dlg->MoveWindow(0, 0, a.width() + 200, 100);
    dlg->CenterWindow(nullptr);
    EXPECT_EQ(w->pos(), QPoint(a.left(), a.top() + (a.height() - 100) / 2));

    // A fixed size larger than the work area does not fit: the work area's corner.
    skin.style[57] = QString("%1,%2").arg(a.width() + 50).arg(120).toStdWString();
    dlg->MoveWindow(7, 7, 100, 100);
    dlg->SetSkin(&skin.style);
    EXPECT_EQ(w->size(), QSize(a.width() + 50, 120));
    // SetSkin centres before it takes the fixed size as the base size.
    EXPECT_EQ(w->pos(), QPoint(a.left(), a.top() + (a.height() - 120) / 2));
    EXPECT_EQ(qt->SkinData().baseW, a.width() + 50);
    dlg->CenterWindow(nullptr);
    EXPECT_EQ(w->pos(), a.topLeft());

    skin.style[57] = L"300,200";
    dlg->SetSkin(&skin.style);
    EXPECT_EQ(w->geometry(),
              QRect(a.left() + (a.width() - 300) / 2, a.top() + (a.height() - 200) / 2, 300, 200));
}

TEST_F(SkinDialogTest, RoundCornersMaskTheWindow)
{
    ShowSkinned();
    EXPECT_TRUE(w->mask().isEmpty());  // square corners: no mask at all
    dlg->SetSizeRoundCorner(L"12,12");
    dlg->MoveWindow(100, 100, 300, 200);
    Drain();
    const QRegion m = w->mask();
    EXPECT_FALSE(m.contains(QPoint(0, 0)));
    EXPECT_FALSE(m.contains(QPoint(299, 199)));
    EXPECT_FALSE(m.contains(QPoint(299, 0)));
    EXPECT_TRUE(m.contains(QPoint(150, 100)));
    EXPECT_TRUE(m.contains(QPoint(150, 0)));
    EXPECT_TRUE(m.contains(QPoint(0, 100)));
}

TEST_F(SkinDialogTest, CreateShowAndDestroyReportToTheSink)
{
    dlg->SetSkin(&skin.style);
    EXPECT_EQ(dlg->Create(L"AboutDlg", nullptr), TRUE);
    EXPECT_EQ(sink.init, std::vector<bool>{true});
    ASSERT_NE(qt->TitleLabel(), nullptr);
    EXPECT_EQ(qt->TitleLabel()->text(), QString("AboutDlg"));
    EXPECT_EQ(qt->TitleLabel()->pos(), QPoint(15, 5));
    EXPECT_EQ(dlg->IsDlgZoomed(), TRUE);
    EXPECT_EQ(dlg->DlgIsWindow(), TRUE);

    dlg->MoveWindow(100, 100, 358, 250);
    dlg->ShowWindow(1);
    Drain();
    EXPECT_EQ(sink.shows, (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_EQ(dlg->IsDlgVisible(), TRUE);
    RECT rc{};
    dlg->GetDlgClientRect(&rc);
    EXPECT_EQ(std::vector<LONG>({rc.left, rc.top, rc.right, rc.bottom}), std::vector<LONG>({0, 0, 357, 249}));
    dlg->GetDlgWindowRect(&rc);
    const QPoint g = w->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(std::vector<LONG>({rc.left, rc.top, rc.right, rc.bottom}),
              std::vector<LONG>({g.x(), g.y(), g.x() + 357, g.y() + 249}));
    POINT pt{g.x() + 5, g.y() + 6};
    dlg->Screen2Client(&pt);
    EXPECT_EQ(std::make_pair(pt.x, pt.y), std::make_pair(LONG(5), LONG(6)));
    RECT in{10, 10, 20, 20};
    dlg->MoveWindow(&in);
    EXPECT_EQ(w->geometry(), QRect(10, 10, 11, 11));

    SF_DestroyDialog(dlg);
    dlg = nullptr;
    EXPECT_EQ(sink.m_pUIWnd, nullptr);
    EXPECT_EQ(sink.uiWndAtDestroy, nullptr);
    EXPECT_EQ(sink.Count("destroy"), 1);
}

TEST_F(SkinDialogTest, CreateWithAParentMakesAChildWidget)
{
    QWidget parent;
    dlg->Create(L"", &parent);
    EXPECT_EQ(w->parentWidget(), &parent);
    EXPECT_EQ(dlg->DlgIsWindow(), FALSE);
    SF_DestroyDialog(dlg);  // before the parent takes it along
    dlg = nullptr;
}

// A release on the maximise or minimise button acts on the window state it finds: a plain
// window is maximised or minimised, a maximised one is restored by either; a minimised one
// is left alone. A maximised window cannot be dragged by its caption.
TEST_F(SkinDialogTest, MaximiseAndMinimiseButtonsFollowTheWindowState)
{
    AddMaximiseAndMinimise();
    ShowSkinned(300, 200);
    QSignalSpy maximised(qt, &CSFQTDialog::sgnMaximized);
    QSignalSpy minimised(qt, &CSFQTDialog::sgnMinimized);
    QSignalSpy normal(qt, &CSFQTDialog::sgnNormal);
    QSignalSpy closed(qt, &CSFQTDialog::sgnClose);
    const auto counts = [&] {
        return std::vector<qsizetype>{maximised.count(), minimised.count(), normal.count(), closed.count()};
    };
    const auto plain = [&] {
        return !(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    };

    ClickButton(2);
    EXPECT_EQ(counts(), (std::vector<qsizetype>{1, 0, 0, 0}));
    ASSERT_TRUE(PumpUntil([&] { return w->isMaximized(); }, 5000));
    Drain();
    EXPECT_EQ(qt->HotButton(), 2);
    EXPECT_EQ(qt->HotState(), 1);  // hover after the release

    // No drag while maximised.
    const QPoint before = w->pos();
    Press(w, QPoint(50, 10));
    EXPECT_FALSE(qt->IsDragging());
    SendMouse(w, QEvent::MouseMove, QPoint(90, 40), Qt::NoButton, Qt::LeftButton,
              w->mapToGlobal(QPoint(90, 40)));
    Release(w, QPoint(90, 40));
    EXPECT_EQ(w->pos(), before);

    ClickButton(2);  // the buttons have followed the right edge
    EXPECT_EQ(counts(), (std::vector<qsizetype>{1, 0, 1, 0}));
    ASSERT_TRUE(PumpUntil(plain, 5000));

    ClickButton(2);
    ASSERT_TRUE(PumpUntil([&] { return w->isMaximized(); }, 5000));
    Drain();
    ClickButton(3);  // minimise on a maximised window restores it
    EXPECT_EQ(counts(), (std::vector<qsizetype>{2, 0, 2, 0}));
    EXPECT_FALSE(w->isMinimized());
    ASSERT_TRUE(PumpUntil(plain, 5000));

    Drain();
    ClickButton(3);
    EXPECT_TRUE(w->isMinimized());  // at once, before the queued showMinimized
    EXPECT_EQ(counts(), (std::vector<qsizetype>{2, 1, 2, 0}));
    Drain();
    EXPECT_TRUE(w->isMinimized());
    ClickButton(2);  // neither plain nor maximised: nothing
    ClickButton(3);
    EXPECT_EQ(counts(), (std::vector<qsizetype>{2, 1, 2, 0}));
    Drain();
    EXPECT_TRUE(w->isMinimized());
}

// The corrections a caption drag gets when it is let go: the top is kept in the work area,
// and a window past a panel at the bottom, left or right is brought back (with the work
// area's top added where a panel's size would be expected, as the frame always did).
TEST(SkinFrameRelease, WorkAreaCorrectionsOfADraggedWindow)
{
    const QRect screen(0, 0, 1000, 800);
    const struct
    {
        const char* what;
        QRect work;
        QPoint at;
        QPoint want;
        bool moved;
    } cases[] = {
        {"no panel, above the top", screen, {100, -20}, {100, 0}, false},
        {"no panel, anywhere", screen, {-900, 790}, {-900, 790}, false},
        {"top panel, above the work area", QRect(0, 30, 1000, 770), {100, 10}, {100, 30}, false},
        {"bottom panel, still inside", QRect(0, 0, 1000, 760), {100, 759}, {100, 759}, false},
        {"bottom panel, past it", QRect(0, 0, 1000, 760), {100, 780}, {100, 759}, true},
        {"bottom panel, above the top", QRect(0, 0, 1000, 760), {100, -50}, {100, 0}, false},
        {"top and bottom panels, past the bottom", QRect(0, 30, 1000, 730), {100, 740}, {100, 729}, true},
        {"left panel, still reaching it", QRect(50, 0, 950, 800), {-240, 100}, {-240, 100}, false},
        {"left panel, past it", QRect(50, 0, 950, 800), {-260, 100}, {-250, 100}, true},
        {"left and top panels, past the left", QRect(50, 20, 950, 780), {-260, 100}, {-230, 100}, true},
        {"right panel, still inside", QRect(0, 0, 950, 800), {949, 100}, {949, 100}, false},
        {"right panel, past it", QRect(0, 0, 950, 800), {960, 100}, {949, 100}, true},
        {"right and top panels, past the right", QRect(0, 25, 950, 775), {930, 100}, {924, 100}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bool moved = !c.moved;
        const QPoint got = CSFQTSkinFrame::ReleasePosition(c.at, screen, c.work, 300, &moved);
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(moved, c.moved);
    }
}

// Flag 2 keeps the position, flag 1 the size; the size given is not taken as the requested
// size that centring uses.
TEST_F(SkinDialogTest, SetDlgWindowPosKeepsWhatItsFlagsSay)
{
    const struct
    {
        UINT flags;
        QRect want;
    } cases[] = {
        {0, QRect(50, 60, 400, 250)},
        {SWP_NOSIZE, QRect(50, 60, 300, 200)},
        {SWP_NOMOVE, QRect(10, 20, 400, 250)},
        {SWP_NOSIZE | SWP_NOMOVE, QRect(10, 20, 300, 200)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        dlg->MoveWindow(10, 20, 300, 200);
        EXPECT_EQ(dlg->SetDlgWindowPos(reinterpret_cast<void*>(1), 50, 60, 400, 250, c.flags), TRUE);
        EXPECT_EQ(w->geometry(), c.want);
        EXPECT_EQ(qt->SkinData().requestedW, 300);
        EXPECT_EQ(qt->SkinData().requestedH, 200);
    }
}

// The Qt window flags: remove is cleared before add is set, a zero mask changes nothing, and
// a shown dialog is shown again (changing the flags hides a window).
TEST_F(SkinDialogTest, ModifyDlgStyleExClearsThenSetsQtWindowFlags)
{
    const Qt::WindowFlags start = w->windowFlags();
    ASSERT_EQ(static_cast<int>(start), 0x2803);
    const struct
    {
        const char* what;
        DWORD remove, add;
        bool shown;
        int want;
    } cases[] = {
        {"remove and add, shown", Qt::WindowSystemMenuHint, Qt::WindowStaysOnTopHint, true, 0x40803},
        {"remove and add, hidden", Qt::WindowSystemMenuHint, Qt::WindowStaysOnTopHint, false, 0x40803},
        {"the same bit in both", Qt::WindowSystemMenuHint, Qt::WindowSystemMenuHint, true, 0x2803},
        {"add only", 0, Qt::WindowStaysOnTopHint, true, 0x42803},
        {"remove only", Qt::WindowSystemMenuHint, 0, false, 0x0803},
        {"nothing", 0, 0, true, 0x2803},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        w->setWindowFlags(start);
        dlg->MoveWindow(100, 100, 300, 200);
        dlg->ShowWindow(c.shown ? 1 : 0);
        Drain();
        EXPECT_EQ(dlg->ModifyDlgStyleEx(c.remove, c.add, 0), TRUE);
        EXPECT_EQ(static_cast<int>(w->windowFlags()), c.want);
        EXPECT_EQ(w->isVisible(), c.shown);
    }
}

// The window-state operations: full screen, minimised, maximised, each undone by false.
TEST_F(SkinDialogTest, MacOperationsSetAndClearTheWindowState)
{
    ShowSkinned(300, 200);
    const struct
    {
        const char* what;
        void (CSFDialog::*op)(bool);
        Qt::WindowState state;
    } cases[] = {
        {"full screen", &CSFDialog::MacShowFullScreen, Qt::WindowFullScreen},
        {"minimise", &CSFDialog::MacShowMinimize, Qt::WindowMinimized},
        {"maximise", &CSFDialog::MacShowMaximize, Qt::WindowMaximized},
    };
    const Qt::WindowStates kinds = Qt::WindowFullScreen | Qt::WindowMinimized | Qt::WindowMaximized;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        (dlg->*c.op)(true);
        Drain();
        EXPECT_EQ(w->windowState() & kinds, Qt::WindowStates(c.state));
        EXPECT_EQ(dlg->IsDlgZoomed(), TRUE);  // the dialog always says so
        (dlg->*c.op)(false);
        Drain();
        EXPECT_EQ(w->windowState() & kinds, Qt::WindowStates());
        EXPECT_TRUE(w->isVisible());
    }
}

// The icon is read from the path as given (not from the skin folder) and becomes the
// application's too; the resource-id form changes nothing.
TEST_F(SkinDialogTest, SetDlgIconTakesThePathAsGiven)
{
    const QIcon appIcon = QApplication::windowIcon();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QColor colour(12, 34, 56);
    ASSERT_TRUE(TestSkin::Solid(colour).save(elsewhere.filePath("icon.png"), "PNG"));

    dlg->SetDlgIcon(elsewhere.filePath("icon.png").toStdWString().c_str());
    EXPECT_EQ(IconColour(w->windowIcon()), Name(colour));
    EXPECT_EQ(IconColour(QApplication::windowIcon()), Name(colour));

    dlg->SetDlgIcon(5u);
    EXPECT_EQ(IconColour(w->windowIcon()), Name(colour));

    // A bare name is not looked up in the skin folder, which holds b1.png.
    dlg->SetDlgIcon(L"b1.png");
    EXPECT_EQ(IconColour(w->windowIcon()), "none");
    QApplication::setWindowIcon(appIcon);
}

// Only the hot title button shows its state; the others stay normal. A button drawn from
// pictures falls back to its normal picture for a state whose picture is missing.
TEST_F(SkinDialogTest, OnlyTheHotTitleButtonShowsItsStateAndMissingPicturesFallBack)
{
    AddMaximiseAndMinimise();
    skin.style[61] = L"b2.png";       // button 3 normal picture
    skin.style[62] = L"";             // no hover picture
    skin.style[63] = L"Missing.png";  // a pressed picture that does not load
    ShowSkinned(300, 200);
    const auto shown = [&] {
        const QImage img = w->grab().toImage();
        std::vector<std::string> out;
        for (int b = 1; b <= 3; ++b)
            out.push_back(Name(img.pixelColor(ButtonCentre(b))));
        return out;
    };
    const auto move = [&](QPoint at, Qt::MouseButtons held) {
        SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, held, w->mapToGlobal(at));
    };
    const std::string n = Name(kCellN), h = Name(kCellH), p = Name(kCellP), pic = Name(kPictureB2);

    EXPECT_EQ(shown(), (std::vector<std::string>{n, n, pic}));
    move(ButtonCentre(1), Qt::NoButton);
    EXPECT_EQ(shown(), (std::vector<std::string>{h, n, pic}));
    move(ButtonCentre(2), Qt::NoButton);
    EXPECT_EQ(shown(), (std::vector<std::string>{n, h, pic}));
    move(ButtonCentre(3), Qt::NoButton);
    EXPECT_EQ(qt->HotButton(), 3);
    EXPECT_EQ(shown(), (std::vector<std::string>{n, n, pic}));
    Press(w, ButtonCentre(3));
    EXPECT_EQ(qt->HotState(), 2);
    EXPECT_EQ(shown(), (std::vector<std::string>{n, n, pic}));
    Press(w, ButtonCentre(2));
    EXPECT_EQ(shown(), (std::vector<std::string>{n, p, pic}));
    move(QPoint(150, 100), Qt::NoButton);
    EXPECT_EQ(shown(), (std::vector<std::string>{n, n, pic}));
}

// A title button written with a left coordinate of 0 or more keeps its place at the first
// resize (the window had no size before) and then follows the right edge by the change.
TEST_F(SkinDialogTest, ATitleButtonPlacedFromTheLeftStaysOnTheWindow)
{
    skin.style[41] = L"60,5,23,14";  // button 4
    for (int i = 0; i < 3; ++i)
        skin.style[28 + i] = skin.style[37 + i];
    ShowSkinned(300, 200);
    EXPECT_EQ(qt->SkinData().ButtonRect(4), QRect(60, 5, 23, 14));
    EXPECT_EQ(qt->SkinData().ButtonRect(1), QRect(260, 5, 23, 14));
    EXPECT_EQ(Name(PixelAt(w, 71, 12)), Name(kCellN));
    dlg->MoveWindow(100, 100, 400, 200);
    Drain();
    EXPECT_EQ(qt->SkinData().ButtonRect(4), QRect(160, 5, 23, 14));
    dlg->MoveWindow(100, 100, 350, 200);
    Drain();
    EXPECT_EQ(qt->SkinData().ButtonRect(4), QRect(110, 5, 23, 14));
    EXPECT_EQ(Name(PixelAt(w, 121, 12)), Name(kCellN));
}

}  // namespace
