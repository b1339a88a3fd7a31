// The skinned slider: the pointer-to-value and handle arithmetic (with an empty range and a
// control no wider than its handle), what the sink hears in each response mode from a user's
// press, drag, release and wheel, the drag tool tip, the pieces cut from the sheet and the
// piece painted for each state.
#include "skin/QSliderExStyle.h"
#include "skin/SFEntry.h"
#include "skin/SFQTSliderCtrl.h"
#include "skin/SFSkinRecords.h"
#include "tests/common/event_loop_util.h"
#include "tests/common/test_rect.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

namespace {

using testutil::Rect;
using testutil::SendMouse;

class RecordingSink : public ISFSliderCtrlEvent
{
public:
    void SF_OnSliderPos(int id, int pos) override { events.emplace_back(id, pos); }
    std::vector<std::pair<int, int>> events;
};

CSFQTSliderCtrl* Impl(CSFSliderCtrl* slider) { return dynamic_cast<CSFQTSliderCtrl*>(slider); }

void SendWheel(QWidget* w, int notches)
{
    testutil::SendWheel(w, QPointF(w->width() / 2, w->height() / 2), 120 * notches);
}

// A shown host with a skinned slider 200 x 16 at (10, 10), range 0..100, id 77.
class SkinSlider : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString()); }

    void Make(SLIDER_RESPONSE_MODE mode, int width = 200)
    {
        host.reset(new QWidget);
        host->resize(260, 60);
        host->show();
        slider = SF_CreateSliderCtrl(&sink);
        ASSERT_NE(slider, nullptr);
        ImageSliderStyle skin = SliderSkinRecord();
        ASSERT_EQ(slider->SetSkin(&skin), 1);
        ASSERT_EQ(slider->Create(WS_VISIBLE, Rect(10, 10, 10 + width, 26), host.get(), 77, mode), 1);
        w = Impl(slider);
        ASSERT_NE(w, nullptr);
    }

    RecordingSink sink;
    std::unique_ptr<QWidget> host;
    CSFSliderCtrl* slider = nullptr;  // owned by host
    CSFQTSliderCtrl* w = nullptr;
};

}  // namespace

TEST(SkinSliderArithmetic, PointerToValueAndHandleCentre)
{
    struct Case
    {
        int at, length, handle, min, max, value;
    };
    const Case cases[] = {
        {5, 200, 20, 0, 100, 0},
        {100, 200, 20, 0, 100, 50},
        {195, 200, 20, 0, 100, 100},
        {-40, 200, 20, 0, 100, 0},
        {900, 200, 20, 0, 100, 100},
        {11, 200, 20, 0, 100, 1},
        {10, 200, 20, -100, 0, -100},
        {11, 200, 20, -100, 0, -99},
        {100, 200, 20, 10, 110, 60},
        {50, 200, 20, 7, 7, 7},   // an empty range: max
        {10, 20, 20, 0, 100, 0},  // as wide as the handle: min, no division by zero
        {3, 10, 20, 5, 100, 5},   // narrower than the handle
        {100, 200, 0, 0, 1000000000, 500000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.at << " length " << c.length << " handle " << c.handle
                                        << " range " << c.min << ".." << c.max);
        EXPECT_EQ(QSliderExStyle::ValueAtPointer(c.at, c.length, c.handle, c.min, c.max), c.value);
    }

    struct Centre
    {
        int length, handle, pos, min, max, centre;
    };
    const Centre centres[] = {{200, 20, 0, 0, 100, 10},    {200, 20, 50, 0, 100, 100},
                              {200, 20, 100, 0, 100, 190}, {200, 20, 60, 10, 110, 100},
                              {200, 20, 5, 5, 5, 180},     {200, 16, 2147483647, 0, 2147483647, 192}};
    for (const Centre& c : centres) {
        SCOPED_TRACE(testing::Message() << "pos " << c.pos << " range " << c.min << ".." << c.max);
        EXPECT_EQ(QSliderExStyle::HandleCentre(c.length, c.handle, c.pos, c.min, c.max), c.centre);
    }
}

TEST(SkinSliderArithmetic, ToolTipTextIsValueOverSpan)
{
    struct Case
    {
        int value, min, max, kind;
        const char* text;
    };
    const Case cases[] = {
        {60, 10, 110, 0, "60%"},  // the value, not its offset from min, over the span
        {60, 10, 110, 1, "60"},  {-3, -10, 10, 7, "-3"},
        {33, 0, 99, 0, "33%"},   {2000000000, 0, 2000000000, 0, "100%"},
        {5, 5, 5, 0, "100%"},  // an empty span: no division by zero
        {4, 5, 5, 0, "0%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CSFQTSliderCtrl::ToolTipText(c.value, c.min, c.max, c.kind).toStdString(), c.text);
    }
}

TEST_F(SkinSlider, OwnerOperationsAreSilentAndCreateReadsTheRectOnePast)
{
    Make(SLIDER_RESPONSE_ON_CHANGE);
    EXPECT_EQ(w->geometry(), QRect(10, 10, 200, 16));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->orientation(), Qt::Horizontal);
    int min = -1, max = -1;
    slider->GetRange(min, max);
    EXPECT_EQ(std::make_pair(min, max), std::make_pair(0, 100));
    EXPECT_EQ(slider->GetPos(), 0);

    slider->SetRange(10, 110, 0);
    slider->SetPos(60);
    slider->GetRange(min, max);
    EXPECT_EQ(std::make_pair(min, max), std::make_pair(10, 110));
    EXPECT_EQ(slider->GetPos(), 60);
    slider->SetPos(500);
    EXPECT_EQ(slider->GetPos(), 110);
    RECT rc = Rect(1, 2, 100, 17);
    slider->MoveWindow(&rc);
    EXPECT_EQ(w->geometry(), QRect(1, 2, 100, 16));
    slider->MoveWindow(nullptr);
    slider->MoveWindow(3, 4, 150, 16);
    EXPECT_EQ(w->geometry(), QRect(3, 4, 150, 16));
    slider->EnableWindow(0);
    EXPECT_FALSE(w->isEnabled());
    slider->EnableWindow(1);
    slider->ShowWindow(0);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(sink.events.empty());

    // Hidden without the visible bit.
    CSFSliderCtrl* hidden = SF_CreateSliderCtrl(nullptr);
    hidden->Create(0, Rect(0, 0, 50, 16), host.get(), 1, SLIDER_RESPONSE_ON_RELEASE);
    EXPECT_FALSE(Impl(hidden)->isVisibleTo(host.get()));
    EXPECT_EQ(Impl(hidden)->ResponseMode(), SLIDER_RESPONSE_ON_RELEASE);
    SF_DestroySliderCtrl(hidden);  // a child: left to its parent
    EXPECT_EQ(Impl(hidden)->parentWidget(), host.get());
}

TEST_F(SkinSlider, OnChangeModeReportsEveryUserChange)
{
    Make(SLIDER_RESPONSE_ON_CHANGE);
    // The handle is 16 wide: a press at x 5, 100, 195 gives 0, 50, 100.
    const std::pair<int, int> presses[] = {{100, 50}, {5, 0}, {195, 100}};
    for (const auto& [x, value] : presses) {
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(x, 8));
        EXPECT_EQ(slider->GetPos(), value) << "x " << x;
    }
    const std::vector<std::pair<int, int>> pressed{{77, 50}, {77, 0}, {77, 100}};
    EXPECT_EQ(sink.events, pressed);

    // A press where the handle already is changes nothing and says nothing; so do the
    // release and a press of another button.
    sink.events.clear();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(195, 8));
    QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, QPoint(20, 8));
    EXPECT_EQ(slider->GetPos(), 100);
    EXPECT_TRUE(sink.events.empty());

    // A drag reports each change and leaves the pressed flag only until the release.
    SendMouse(w, QEvent::MouseButtonPress, QPoint(100, 8));
    EXPECT_TRUE(w->IsPressed());
    SendMouse(w, QEvent::MouseMove, QPoint(100, 8));  // still 50: no report
    SendMouse(w, QEvent::MouseMove, QPoint(192, 8));
    SendMouse(w, QEvent::MouseButtonRelease, QPoint(192, 8));
    EXPECT_FALSE(w->IsPressed());
    const std::vector<std::pair<int, int>> dragged{{77, 50}, {77, 100}};
    EXPECT_EQ(sink.events, dragged);
    // A move without a press is ignored.
    SendMouse(w, QEvent::MouseMove, QPoint(10, 8));
    EXPECT_EQ(slider->GetPos(), 100);

    // One wheel notch, one report, also when the value is already at the end.
    sink.events.clear();
    SendWheel(w, 1);
    SendWheel(w, -1);
    ASSERT_EQ(sink.events.size(), 2u);
    EXPECT_EQ(sink.events[0], std::make_pair(77, 100));
    EXPECT_LT(sink.events[1].second, 100);
    EXPECT_EQ(sink.events[1].second, slider->GetPos());
}

TEST_F(SkinSlider, OnReleaseModeReportsOnlyTheRelease)
{
    Make(SLIDER_RESPONSE_ON_RELEASE);
    SendMouse(w, QEvent::MouseButtonPress, QPoint(40, 8));
    SendMouse(w, QEvent::MouseMove, QPoint(60, 8));
    SendMouse(w, QEvent::MouseMove, QPoint(100, 8));
    EXPECT_EQ(slider->GetPos(), 50);
    EXPECT_TRUE(sink.events.empty());
    SendMouse(w, QEvent::MouseButtonRelease, QPoint(100, 8));
    const std::vector<std::pair<int, int>> released{{77, 50}};
    EXPECT_EQ(sink.events, released);

    // A click that changes nothing still reports its release.
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(100, 8));
    EXPECT_EQ(sink.events.size(), 2u);

    // The wheel does nothing.
    SendWheel(w, 1);
    SendWheel(w, -2);
    EXPECT_EQ(slider->GetPos(), 50);
    EXPECT_EQ(sink.events.size(), 2u);
}

TEST_F(SkinSlider, DegenerateControlsNeverDivideByZero)
{
    // As wide as its handle: every press reads the minimum.
    Make(SLIDER_RESPONSE_ON_CHANGE, 16);
    slider->SetRange(3, 9, 1);
    slider->SetPos(9);
    SendMouse(w, QEvent::MouseButtonPress, QPoint(8, 8));
    SendMouse(w, QEvent::MouseMove, QPoint(15, 8));
    SendMouse(w, QEvent::MouseButtonRelease, QPoint(15, 8));
    EXPECT_EQ(slider->GetPos(), 3);
    testutil::Render(w, 0);

    // An empty range: the drag and its percentage tool tip stay at the only value.
    sink.events.clear();
    Make(SLIDER_RESPONSE_ON_CHANGE);
    slider->SetRange(5, 5, 1);
    SendMouse(w, QEvent::MouseButtonPress, QPoint(30, 8));
    SendMouse(w, QEvent::MouseMove, QPoint(150, 8));
    EXPECT_EQ(QToolTip::text().toStdString(), "100%");
    SendMouse(w, QEvent::MouseButtonRelease, QPoint(150, 8));
    EXPECT_EQ(slider->GetPos(), 5);
    EXPECT_TRUE(sink.events.empty());
    testutil::Render(w, 0);
    QToolTip::hideText();
}

TEST_F(SkinSlider, DragShowsThePercentageOrTheValue)
{
    Make(SLIDER_RESPONSE_ON_CHANGE);
    slider->SetRange(10, 110, 1);
    SendMouse(w, QEvent::MouseButtonPress, QPoint(100, 8));
    SendMouse(w, QEvent::MouseMove, QPoint(100, 8));
    EXPECT_EQ(slider->GetPos(), 60);
    EXPECT_EQ(QToolTip::text().toStdString(), "60%");
    slider->SetTooltipEnable(1, 1);
    SendMouse(w, QEvent::MouseMove, QPoint(192, 8));
    EXPECT_EQ(QToolTip::text().toStdString(), "110");
    QToolTip::hideText();
    ASSERT_TRUE(testutil::PumpUntil([] { return !QToolTip::isVisible(); }, 2000));
    slider->SetTooltipEnable(0, 1);
    SendMouse(w, QEvent::MouseMove, QPoint(8, 8));
    EXPECT_EQ(slider->GetPos(), 10);
    EXPECT_FALSE(QToolTip::isVisible());
    SendMouse(w, QEvent::MouseButtonRelease, QPoint(8, 8));
}

TEST_F(SkinSlider, PointerOverTheSliderIsTheHand)
{
    Make(SLIDER_RESPONSE_ON_CHANGE);
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
    testutil::SendEnter(w, QPointF(20, 8));
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w->cursor().hotSpot(), QPoint(13, 7));
    EXPECT_EQ(w->cursor().pixmap().size(), QSize(32, 32));
}

TEST_F(SkinSlider, StyleCutsPiecesOneMorePixelEachWayAndAnswersByName)
{
    CSFSliderCtrl* bare = SF_CreateSliderCtrl(nullptr);
    std::unique_ptr<QWidget> owner(Impl(bare));
    EXPECT_EQ(bare->SetSkin(nullptr), 0);
    ImageSliderStyle skin = SliderSkinRecord();
    skin[6].clear();  // no disabled handle
    EXPECT_EQ(bare->SetSkin(&skin), 1);
    const CSFQTSliderCtrl* impl = Impl(bare);
    EXPECT_EQ(impl->Piece(CSFQTSliderCtrl::PieceGrooveLeft).size(), QSize(120, 16));
    EXPECT_EQ(impl->Piece(CSFQTSliderCtrl::PieceHandle).size(), QSize(16, 16));
    EXPECT_TRUE(impl->Piece(CSFQTSliderCtrl::PieceHandleDisabled).isNull());
    EXPECT_TRUE(impl->Piece(0).isNull());
    EXPECT_TRUE(impl->Piece(CSFQTSliderCtrl::PieceEnd).isNull());

    Impl(bare)->ensurePolished();
    const QStyle* style = impl->style();
    EXPECT_EQ(style->styleHint(QStyle::SH_Slider_AbsoluteSetButtons, nullptr, impl), int(Qt::LeftButton));
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderThickness, nullptr, impl), 16);
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderControlThickness, nullptr, impl), 16);
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderLength, nullptr, impl), 120);
    EXPECT_TRUE(impl->testAttribute(Qt::WA_Hover));

    // Create scales the groove pieces to the control's width.
    bare->Create(0, Rect(0, 0, 200, 16), nullptr, 5, SLIDER_RESPONSE_ON_CHANGE);
    EXPECT_EQ(impl->Piece(CSFQTSliderCtrl::PieceGrooveRight).size(), QSize(200, 16));
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderLength, nullptr, impl), 200);
}

namespace {

// The colour at the middle of the groove bar (y 8) and at the handle's centre.
QRgb At(const QImage& img, int x) { return img.pixel(x, 8); }

}  // namespace

TEST_F(SkinSlider, PaintsGrooveSplitAtTheHandleAndThePieceOfEachState)
{
    Make(SLIDER_RESPONSE_ON_CHANGE);
    slider->SetPos(50);  // handle centre at x 100
    const QImage sheet(QStringLiteral(TESSALY_EXT_SKIN_DIR "slider_sheet.png"));
    ASSERT_FALSE(sheet.isNull());
    const QRgb filled = sheet.pixel(60, 8), empty = sheet.pixel(60, 24);
    const QRgb normal = sheet.pixel(8, 40), hover = sheet.pixel(24, 40), pressed = sheet.pixel(40, 40),
               disabled = sheet.pixel(56, 40);
    ASSERT_NE(filled, empty);

    const QRgb none = qRgb(1, 2, 3);
    QImage img = testutil::Render(w, none);
    EXPECT_EQ(At(img, 40), filled);
    EXPECT_EQ(At(img, 180), empty);  // scaled by Create: the groove reaches the end
    EXPECT_EQ(At(img, 100), normal);

    slider->EnableWindow(0);
    EXPECT_EQ(At(testutil::Render(w, none), 100), disabled);
    slider->EnableWindow(1);

    // Hover, then a press under the pointer.
    QTest::mouseMove(w, QPoint(100, 8));
    ASSERT_TRUE(w->underMouse());
    EXPECT_EQ(At(testutil::Render(w, none), 100), hover);
    SendMouse(w, QEvent::MouseButtonPress, QPoint(100, 8));
    EXPECT_EQ(At(testutil::Render(w, none), 100), pressed);
    SendMouse(w, QEvent::MouseButtonRelease, QPoint(100, 8));
    EXPECT_EQ(At(testutil::Render(w, none), 100), hover);

    // A skin given after Create keeps the groove pieces at their own 120 pixels.
    ImageSliderStyle skin = SliderSkinRecord();
    slider->SetSkin(&skin);
    img = testutil::Render(w, none);
    EXPECT_EQ(At(img, 110), empty);
    EXPECT_EQ(At(img, 180), none);
}

// The keys move the slider like the pointer does: mode 0 reports each change, mode 1 the
// release of the key, once, with the value it left.
TEST_F(SkinSlider, KeysReportLikeThePointerInEachMode)
{
    Make(SLIDER_RESPONSE_ON_CHANGE);
    const struct
    {
        Qt::Key key;
        int value;
    } steps[] = {
        {Qt::Key_Right, 1}, {Qt::Key_PageUp, 11}, {Qt::Key_Left, 10}, {Qt::Key_End, 100}, {Qt::Key_Home, 0}};
    std::vector<std::pair<int, int>> expected;
    for (const auto& step : steps) {
        QTest::keyClick(w, step.key);
        EXPECT_EQ(slider->GetPos(), step.value) << step.key;
        expected.emplace_back(77, step.value);
    }
    EXPECT_EQ(sink.events, expected);
    // A key that cannot move it further says nothing; a key it does not use neither.
    sink.events.clear();
    QTest::keyClick(w, Qt::Key_Left);
    QTest::keyClick(w, Qt::Key_A);
    EXPECT_TRUE(sink.events.empty());

    Make(SLIDER_RESPONSE_ON_RELEASE);
    sink.events.clear();
    QTest::keyPress(w, Qt::Key_Right);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(w, &repeat);
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(w, &repeatUp);
    EXPECT_EQ(slider->GetPos(), 2);
    EXPECT_TRUE(sink.events.empty());
    QTest::keyRelease(w, Qt::Key_Right);
    QTest::keyClick(w, Qt::Key_A);
    const std::vector<std::pair<int, int>> released{{77, 2}};
    EXPECT_EQ(sink.events, released);
}
