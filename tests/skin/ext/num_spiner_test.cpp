// Number spinner: every value change reaches the sink with the control id, wrapping, the two
// rectangle readings, staying hidden until shown, and the generated style sheet.
#include "skin/SFSkinString.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTNumSpiner.h"
#include "tests/common/test_files.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Calls = std::vector<std::pair<UINT, int>>;

class Sink : public ISFNumSpinerEvent
{
public:
    void OnCurrentNumChanged(UINT id, int value) override { calls.emplace_back(id, value); }
    Calls calls;
};

class NumSpinerTest : public ::testing::Test
{
protected:
    NumSpinerTest() { parent.resize(300, 200); }

    CSFQTNumSpiner* Make(const RECT& rc = RECT{10, 10, 110, 40})
    {
        CSFNumSpiner* facade = SF_CreateNumSpiner(&sink);
        auto* spin = dynamic_cast<CSFQTNumSpiner*>(facade);
        EXPECT_NE(spin, nullptr);
        if (spin) {
            EXPECT_EQ(spin->Create(L"ignored", rc, &parent, 7), TRUE);
        }
        return spin;
    }

    // The calls heard since the last look.
    Calls Heard() { return std::exchange(sink.calls, Calls()); }

    Sink sink;
    QWidget parent;
};

TEST_F(NumSpinerTest, EveryValueChangeIsReportedOnce)
{
    CSFQTNumSpiner* spin = Make();
    ASSERT_NE(spin, nullptr);
    spin->SetRange(0, 10);
    spin->SetStep(2);
    Heard();  // the range may have moved the starting value

    const struct
    {
        const char* what;
        std::function<void()> act;
        Calls heard;
        int value;
    } steps[] = {
        {"set", [&] { spin->SetCurrentNum(4); }, {{7u, 4}}, 4},
        {"step up", [&] { spin->StepUp(); }, {{7u, 6}}, 6},
        {"same value again", [&] { spin->SetCurrentNum(6); }, {}, 6},
        {"step down", [&] { spin->StepDown(); }, {{7u, 4}}, 4},
        {"clamped to the maximum", [&] { spin->SetCurrentNum(50); }, {{7u, 10}}, 10},
        {"no step past the end", [&] { spin->StepUp(); }, {}, 10},
        {"key up from the user",
         [&] {
             spin->SetCurrentNum(2);
             Heard();
             QTest::keyClick(spin, Qt::Key_Up);
         },
         {{7u, 4}},
         4},
        {"key down from the user", [&] { QTest::keyClick(spin, Qt::Key_Down); }, {{7u, 2}}, 2},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(Heard(), s.heard) << s.what;
        EXPECT_EQ(spin->GetCurrentNum(), s.value) << s.what;
    }
    int lo = -1, hi = -1;
    spin->GetRange(lo, hi);
    EXPECT_EQ(std::make_pair(lo, hi), std::make_pair(0, 10));
    EXPECT_EQ(spin->GetStep(), 2);
}

TEST_F(NumSpinerTest, CircleStepWrapsAtBothEnds)
{
    CSFQTNumSpiner* spin = Make();
    ASSERT_NE(spin, nullptr);
    spin->SetRange(0, 10);
    spin->SetCurrentNum(10);
    spin->SetCircleStep(1);
    Heard();
    spin->StepUp();
    spin->StepDown();
    EXPECT_EQ(Heard(), (Calls{{7u, 0}, {7u, 10}}));
    spin->SetCircleStep(0);
    spin->StepUp();
    EXPECT_EQ(spin->GetCurrentNum(), 10);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(NumSpinerTest, ChangesBeforeCreateCarryNoId)
{
    auto* spin = dynamic_cast<CSFQTNumSpiner*>(SF_CreateNumSpiner(&sink));
    ASSERT_NE(spin, nullptr);
    spin->setParent(&parent);
    spin->SetCurrentNum(3);
    EXPECT_EQ(Heard(), (Calls{{static_cast<UINT>(-1), 3}}));
}

TEST_F(NumSpinerTest, RectangleReadings)
{
    CSFQTNumSpiner* spin = Make(RECT{10, 10, 110, 40});
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->geometry(), QRect(10, 10, 100, 30));  // one past
    RECT rc{10, 10, 110, 40};
    spin->MoveWindow(&rc);
    EXPECT_EQ(spin->geometry(), QRect(10, 10, 101, 31));  // inclusive
    spin->MoveWindow(5, 6, 70, 22);
    EXPECT_EQ(spin->geometry(), QRect(5, 6, 70, 22));
    spin->MoveWindow(nullptr);
    EXPECT_EQ(spin->geometry(), QRect(5, 6, 70, 22));
}

TEST_F(NumSpinerTest, HiddenUntilShownWhetherOrNotTheParentIsShownYet)
{
    for (const bool parentShownFirst : {true, false}) {
        SCOPED_TRACE(parentShownFirst ? "parent shown before Create" : "parent shown after Create");
        QWidget owner;
        owner.resize(200, 100);
        if (parentShownFirst)
            owner.show();
        auto* spin = dynamic_cast<CSFQTNumSpiner*>(SF_CreateNumSpiner(nullptr));
        ASSERT_NE(spin, nullptr);
        spin->Create(L"", RECT{0, 0, 80, 24}, &owner, 1);
        owner.show();
        EXPECT_FALSE(spin->isVisible());
        spin->ShowWindow(1);
        EXPECT_TRUE(spin->isVisible());
        spin->ShowWindow(0);
        EXPECT_FALSE(spin->isVisible());
        spin->EnableWindow(0);
        EXPECT_FALSE(spin->isEnabled());
        spin->EnableWindow(1);
        EXPECT_TRUE(spin->isEnabled());
    }
}

TEST_F(NumSpinerTest, SkinIsTheGeneratedStyleSheetUnlessOriginStyle)
{
    SF_SetSkinPath(L"/skins/a b/");
    CSFQTNumSpiner* spin = Make();
    ASSERT_NE(spin, nullptr);
    ImageNumSpinerStyle skin;
    for (int i = 0; i < ImageNumSpinerStyle::Count(); ++i)
        skin[i] = L"p" + std::to_wstring(i) + L".png";
    const QString want =
        QStringLiteral("QSpinBox { padding: 0 8px; border-image: url(/skins/a b/p0.png);}"
                       "QSpinBox::up-button {width: 21px; border-image: url(/skins/a b/p8.png);}"
                       "QSpinBox::up-button:hover {border-image: url(/skins/a b/p8.png);}"
                       "QSpinBox::up-button:pressed {border-image: url(/skins/a b/p10.png);}"
                       "QSpinBox::up-button:disabled {border-image: url(/skins/a b/p11.png);}"
                       "QSpinBox::down-button {width: 21px; border-image: url(/skins/a b/p1.png);}"
                       "QSpinBox::down-button:hover {border-image: url(/skins/a b/p1.png);}"
                       "QSpinBox::down-button:pressed {border-image: url(/skins/a b/p3.png);}"
                       "QSpinBox::down-button:disabled {border-image: url(/skins/a b/p4.png);}");

    EXPECT_EQ(spin->SetSkin(&skin), TRUE);
    EXPECT_EQ(spin->styleSheet(), want);
    EXPECT_EQ(spin->SetSkin(nullptr), FALSE);
    EXPECT_EQ(spin->styleSheet(), want);

    ImageNumSpinerStyle other;
    spin->SetOriginStyle(1);
    EXPECT_EQ(spin->SetSkin(&other), FALSE);
    EXPECT_EQ(spin->styleSheet(), want);
    spin->SetOriginStyle(0);
    EXPECT_EQ(spin->SetSkin(&other), TRUE);
    EXPECT_NE(spin->styleSheet(), want);
}

TEST_F(NumSpinerTest, SkinPicturesPaintFieldAndButtons)
{
    // Solid pictures: the field red, the up button green, the down button blue.
    testutil::TempDir dir;
    ASSERT_FALSE(dir.Path().empty());
    const struct
    {
        const char* name;
        QColor colour;
    } pictures[] = {{"field.png", Qt::red}, {"up.png", Qt::green}, {"down.png", Qt::blue}};
    for (const auto& p : pictures) {
        QImage img(8, 8, QImage::Format_ARGB32);
        img.fill(p.colour);
        ASSERT_TRUE(img.save(QString::fromStdString(dir / p.name)));
    }
    SF_SetSkinPath(QString::fromStdString(dir.Path() + "/").toStdWString());
    ImageNumSpinerStyle skin;
    skin[0] = L"field.png";
    skin[1] = skin[3] = skin[4] = L"down.png";
    skin[8] = skin[10] = skin[11] = L"up.png";

    parent.show();
    CSFQTNumSpiner* spin = Make(RECT{0, 0, 100, 30});
    ASSERT_NE(spin, nullptr);
    ASSERT_EQ(spin->SetSkin(&skin), TRUE);
    spin->ShowWindow(1);
    const QImage shot = spin->grab().toImage();
    EXPECT_EQ(shot.pixelColor(4, 15), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(89, 4), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(89, 25), QColor(Qt::blue));
}

TEST_F(NumSpinerTest, DestroyEntryLeavesTheSpinnerToItsParent)
{
    auto* owner = new QWidget;
    auto* spin = dynamic_cast<CSFQTNumSpiner*>(SF_CreateNumSpiner(nullptr));
    ASSERT_NE(spin, nullptr);
    spin->Create(L"", RECT{0, 0, 80, 24}, owner, 1);
    QPointer<QWidget> alive(spin);
    SF_DestroyNumSpiner(spin);
    SF_DestroyNumSpiner(nullptr);
    EXPECT_FALSE(alive.isNull());
    delete owner;
    EXPECT_TRUE(alive.isNull());
}

}  // namespace

namespace {

// An owner that deletes the spinner when told of a change.
class Closer : public ISFNumSpinerEvent
{
public:
    void OnCurrentNumChanged(UINT id, int value) override
    {
        calls.emplace_back(id, value);
        delete std::exchange(victim, nullptr);
    }
    CSFNumSpiner* victim = nullptr;
    Calls calls;
};

void SendKey(QWidget* w, Qt::Key key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

}  // namespace

// Whatever made the change, the owner hears it once and may delete the spinner there: nothing
// touches the spinner afterwards (the sanitizer build checks).
TEST_F(NumSpinerTest, OwnerMayDeleteTheSpinnerFromTheNotification)
{
    parent.show();
    const struct
    {
        const char* what;
        std::function<void(CSFQTNumSpiner*)> act;
        int value;
    } ways[] = {
        {"set by the owner", [](CSFQTNumSpiner* s) { s->SetCurrentNum(5); }, 5},
        {"stepped by the owner", [](CSFQTNumSpiner* s) { s->StepUp(); }, 3},
        {"range narrowed by the owner", [](CSFQTNumSpiner* s) { s->SetRange(0, 1); }, 1},
        {"key up", [](CSFQTNumSpiner* s) { SendKey(s, Qt::Key_Up); }, 3},
        {"page down", [](CSFQTNumSpiner* s) { SendKey(s, Qt::Key_PageDown); }, 0},
        {"typed",
         [](CSFQTNumSpiner* s) {
             s->selectAll();
             SendKey(s, Qt::Key_7, QStringLiteral("7"));
         },
         7},
        {"wheel", [](CSFQTNumSpiner* s) { testutil::SendWheel(s, QPointF(20, 10), 120); }, 3},
        {"up button pressed",
         [](CSFQTNumSpiner* s) {
             testutil::SendMouse(s, QEvent::MouseButtonPress, QPoint(s->width() - 4, 4));
         },
         3},
    };
    for (const auto& way : ways) {
        Closer closer;
        auto* spin = dynamic_cast<CSFQTNumSpiner*>(SF_CreateNumSpiner(&closer));
        ASSERT_NE(spin, nullptr);
        spin->Create(L"", RECT{10, 10, 110, 40}, &parent, 9);
        spin->SetRange(0, 100);
        spin->SetCurrentNum(2);
        spin->ShowWindow(1);
        closer.calls.clear();
        closer.victim = spin;
        QPointer<QWidget> alive(spin);
        way.act(spin);
        EXPECT_TRUE(alive.isNull()) << way.what;
        EXPECT_EQ(closer.calls, (Calls{{9u, way.value}})) << way.what;
        delete alive.data();
    }
}
