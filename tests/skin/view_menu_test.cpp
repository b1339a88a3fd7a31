// Container view and pop-up menu: geometry, painting, masks, sink calls, the routing of
// the children's commands through the owner's message map, and menu choices.
#include "skin/SFEntry.h"
#include "skin/SFMsgMap.h"
#include "skin/SFQTButton.h"
#include "skin/SFQTMenu.h"
#include "skin/SFQTRadioBox.h"
#include "skin/SFQTView.h"
#include "skin/SFSkinString.h"
#include "tests/common/test_rect.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

using testutil::Rect;
using testutil::Render;
using testutil::SendMouse;

typedef std::vector<std::string> Log;

std::string Str(const char* tag, long a, long b, long c)
{
    return std::string(tag) + "(" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) +
           ")";
}

// A page sink with a message map, as the application's pages have.
class PageSink : public ISFViewEvent
{
    SF_DECLARE_MSGMAP()

public:
    void OnMenuButton() { log.push_back("menu"); }
    void OnSlot() { log.push_back("slot"); }
    void OnProgress(WPARAM data, LPARAM id) { log.push_back(Str("ui", static_cast<long>(data), id, 0)); }

    int OnCreate() override
    {
        log.push_back("create");
        return 0;
    }
    void OnDestroy() override { log.push_back("destroy"); }
    void OnSize(UINT type, int cx, int cy) override
    {
        QWidget* w = static_cast<QWidget*>(GetUIWnd());
        log.push_back(Str("size", type, cx, cy) + (w && w->mask().isEmpty() ? " nomask" : " mask"));
    }
    void OnLButtonDown(UINT flags, POINT pt) override { log.push_back(Str("down", flags, pt.x, pt.y)); }
    void OnLButtonDblClk(UINT flags, POINT pt) override { log.push_back(Str("dbl", flags, pt.x, pt.y)); }

    Log log;
};

SF_BEGIN_MSGMAP(PageSink)
    SF_ON_COMMAND(139, OnMenuButton)
    SF_ON_COMMAND_RANGE(159, 164, OnSlot)
    SF_ON_UI_MESSAGE(2, OnProgress)
SF_END_MSGMAP()

// ---- Container view ----------------------------------------------------------------------------

class SkinView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.reset(new QWidget);
        window->resize(400, 300);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        view = SF_CreateView(&sink);
        ASSERT_NE(view, nullptr);
        qview = dynamic_cast<CSFQTView*>(view);
        ASSERT_NE(qview, nullptr);
    }
    void TearDown() override
    {
        window.reset();  // windows go before their sinks
    }

    QWidget* ViewWidget() const { return static_cast<QWidget*>(view->GetUIWnd()); }

    PageSink sink;
    std::unique_ptr<QWidget> window;
    CSFView* view = nullptr;  // owned by window once created
    CSFQTView* qview = nullptr;
};

TEST_F(SkinView, CreateReadsInclusiveRectAndCallsOnCreate)
{
    EXPECT_EQ(ViewWidget(), static_cast<QWidget*>(qview));
    EXPECT_TRUE(qview->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(qview->hasMouseTracking());
    EXPECT_EQ(qview->focusPolicy(), Qt::StrongFocus);

    ASSERT_EQ(view->Create(nullptr, L"Page \u9875", WS_VISIBLE, Rect(10, 20, 109, 69), window.get(), 145), 1);
    EXPECT_EQ(qview->geometry(), QRect(10, 20, 100, 50));
    EXPECT_EQ(qview->parentWidget(), window.get());
    EXPECT_EQ(qview->windowTitle(), QString::fromUtf8("Page \xE9\xA1\xB5"));
    EXPECT_EQ(qview->ControlId(), 145u);
    EXPECT_EQ(view->isShow(), 1);
    EXPECT_EQ(view->isWindow(), 0);
    EXPECT_EQ(view->SubclassWindow(), 1);
    EXPECT_EQ(view->UnsubclassWindow(), nullptr);
    ASSERT_FALSE(sink.log.empty());
    EXPECT_EQ(sink.log.back(), "create");

    RECT rc;
    view->GetViewClientRect(&rc);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right, 99);
    EXPECT_EQ(rc.bottom, 49);
    view->GetViewWindowRect(&rc);
    const QPoint tl = window->mapToGlobal(QPoint(10, 20));
    EXPECT_EQ(rc.left, tl.x());
    EXPECT_EQ(rc.top, tl.y());
    EXPECT_EQ(rc.right, tl.x() + 99);
    EXPECT_EQ(rc.bottom, tl.y() + 49);

    POINT pt;
    pt.x = tl.x() + 5;
    pt.y = tl.y() + 6;
    view->Screen2Client(&pt);
    EXPECT_EQ(pt.x, 5);
    EXPECT_EQ(pt.y, 6);
    RECT sr = Rect(tl.x(), tl.y(), tl.x() + 9, tl.y() + 9);
    view->Screen2Client(&sr);
    EXPECT_EQ(sr.left, 0);
    EXPECT_EQ(sr.right, 9);

    RECT move = Rect(1, 58, 998, 697);
    view->MoveWindow(&move);
    EXPECT_EQ(qview->geometry(), QRect(1, 58, 998, 640));
    EXPECT_EQ(view->isShow(), 1);

    CSFView* hidden = SF_CreateView(nullptr);
    hidden->Create(nullptr, nullptr, 0, Rect(0, 0, 9, 9), window.get(), 1);
    EXPECT_EQ(hidden->isShow(), 0);
    EXPECT_EQ(hidden->GetUIWnd(), nullptr);  // no sink to hold the window
}

TEST_F(SkinView, PaintsColourFrameAndPicture)
{
    view->Create(nullptr, nullptr, WS_VISIBLE, Rect(0, 0, 59, 39), window.get(), 1);
    EXPECT_EQ(Render(qview, 0).pixelColor(30, 20), QColor(92, 101, 118));

    view->SetBGClr(0x000000FF);
    EXPECT_EQ(Render(qview, 0).pixel(30, 20), 0xFFFF0000u);
    view->SetBGClr(0xFF0000FF);
    EXPECT_EQ(qview->BackgroundColor(), QColor(255, 0, 0, 0));
    EXPECT_EQ(qAlpha(Render(qview, 0).pixel(30, 20)), 0);
    view->SetBGClr(0x80FF0000);
    EXPECT_EQ(qview->BackgroundColor(), QColor(0, 0, 255, 127));

    view->SetBGClr(0x000000FF);
    view->SetFrameClr(0x00FF0000, 1);  // blue
    QImage img = Render(qview, 0);
    const QPoint edges[] = {{0, 0}, {59, 0}, {0, 39}, {59, 39}, {30, 0}, {0, 20}, {59, 20}, {30, 39}};
    for (const QPoint& p : edges)
        EXPECT_EQ(img.pixel(p), 0xFF0000FFu) << p.x() << "," << p.y();
    EXPECT_EQ(img.pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(img.pixel(58, 38), 0xFFFF0000u);
    view->SetFrameClr(0x00FF0000, 0);
    EXPECT_EQ(Render(qview, 0).pixel(0, 0), 0xFFFF0000u);

    // A background picture is stretched over the whole view.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage pic(4, 4, QImage::Format_ARGB32);
    pic.fill(0xFF00A000);
    pic.save(dir.filePath("bg.png"), "PNG");
    SetSkinPath(QStringToWide(dir.path() + "/"));
    view->SetBackground(L"bg.png");
    img = Render(qview, 0);
    EXPECT_EQ(img.pixel(0, 0), 0xFF00A000u);
    EXPECT_EQ(img.pixel(59, 39), 0xFF00A000u);
}

TEST_F(SkinView, RoundCornersTakeEffectAtTheNextResize)
{
    view->Create(nullptr, nullptr, WS_VISIBLE, Rect(50, 50, 149, 109), window.get(), 1);
    view->SetRoundCornerRadius(8);
    EXPECT_TRUE(qview->mask().isEmpty());
    sink.log.clear();
    view->MoveWindow(50, 50, 120, 80);
    ASSERT_FALSE(sink.log.empty());
    EXPECT_EQ(sink.log.front(), "size(0,120,80) nomask");  // the sink hears first
    const QRegion mask = qview->mask();
    for (const QPoint& corner : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 79), QPoint(119, 79)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    EXPECT_TRUE(mask.contains(QPoint(60, 40)));
    EXPECT_TRUE(mask.contains(QPoint(60, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, 40)));

    // Outside the mask the view does not get the mouse.
    sink.log.clear();
    QWindow* win = window->windowHandle();
    ASSERT_NE(win, nullptr);
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(sink.log.empty());
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(110, 90));
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(110, 90));
    ASSERT_EQ(sink.log.size(), 1u);
    EXPECT_EQ(sink.log[0], "down(0,60,40)");
}

TEST_F(SkinView, LeftPressAndDoubleClickReachTheSink)
{
    view->Create(nullptr, nullptr, WS_VISIBLE, Rect(0, 0, 99, 99), window.get(), 1);
    sink.log.clear();
    SendMouse(qview, QEvent::MouseButtonPress, QPoint(5, 6), Qt::LeftButton);
    SendMouse(qview, QEvent::MouseButtonRelease, QPoint(5, 6), Qt::LeftButton);
    SendMouse(qview, QEvent::MouseButtonPress, QPoint(7, 8), Qt::RightButton);
    SendMouse(qview, QEvent::MouseButtonRelease, QPoint(7, 8), Qt::RightButton);
    SendMouse(qview, QEvent::MouseButtonDblClick, QPoint(9, 10), Qt::LeftButton);
    const Log expected = {"down(0,5,6)", "dbl(0,9,10)"};
    EXPECT_EQ(sink.log, expected);
}

TEST_F(SkinView, DestructionTellsTheSinkAndClearsItsWindow)
{
    view->Create(nullptr, nullptr, WS_VISIBLE, Rect(0, 0, 99, 99), window.get(), 1);
    SF_DestroyView(view);  // the parent owns it: still alive
    EXPECT_EQ(sink.GetUIWnd(), static_cast<void*>(static_cast<QWidget*>(qview)));
    EXPECT_EQ(qview->parentWidget(), window.get());
    sink.log.clear();
    window.reset();
    const Log expected = {"destroy"};
    EXPECT_EQ(sink.log, expected);
    EXPECT_EQ(sink.GetUIWnd(), nullptr);

    PageSink other;
    CSFView* direct = SF_CreateView(&other);
    delete direct;
    ASSERT_FALSE(other.log.empty());
    EXPECT_EQ(other.log.back(), "destroy");
    EXPECT_EQ(other.GetUIWnd(), nullptr);
}

TEST_F(SkinView, ChildCommandsReachTheOwnersMessageMap)
{
    view->Create(nullptr, L"ToolBar", WS_VISIBLE, Rect(0, 0, 399, 99), window.get(), 144);
    void* parentUI = view->GetUIWnd();

    CSFButton* button = SF_CreateButton(nullptr);
    ASSERT_NE(button, nullptr);
    button->Create(L"", WS_VISIBLE, Rect(300, 6, 324, 30), parentUI, 139);
    CSFCheckBox* check = SF_CreateCheckBox(nullptr);
    check->Create("", WS_VISIBLE, Rect(10, 10, 26, 26), parentUI, 160);
    CSFRadioBox* radio = SF_CreateRadioBox(nullptr);
    radio->Create(L"", WS_VISIBLE, Rect(40, 10, 80, 30), parentUI, 163);
    CSFCheckBox* stray = SF_CreateCheckBox(nullptr);
    stray->Create("", WS_VISIBLE, Rect(90, 10, 106, 26), parentUI, 500);
    qview->show();

    sink.log.clear();
    QTest::mouseClick(dynamic_cast<QWidget*>(button), Qt::LeftButton, {}, QPoint(12, 12));
    QTest::mouseClick(dynamic_cast<QWidget*>(check), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(dynamic_cast<QWidget*>(radio), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(dynamic_cast<QWidget*>(stray), Qt::LeftButton, {}, QPoint(8, 8));
    SF_SendUIMessage(qview, 2, 77);
    SF_SendUIMessage(qview, 3, 78);  // no entry
    const Log expected = {"menu", "slot", "slot", "ui(77,2,0)"};
    EXPECT_EQ(sink.log, expected);
}

TEST_F(SkinView, ViewWithoutSinkOrMapIgnoresCommands)
{
    struct NoMapSink : ISFViewEvent
    {
    } noMap;
    CSFView* views[] = {SF_CreateView(nullptr), SF_CreateView(&noMap)};
    for (CSFView* v : views) {
        CSFQTView* q = dynamic_cast<CSFQTView*>(v);
        v->Create(nullptr, nullptr, WS_VISIBLE, Rect(0, 0, 99, 99), window.get(), 1);
        CSFQTButton* b = new CSFQTButton(nullptr);
        b->Create(L"", WS_VISIBLE, Rect(10, 10, 30, 30), q, 139);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
        SF_SendUIMessage(q, 2, 1);
        q->resize(50, 50);
        EXPECT_EQ(q->size(), QSize(50, 50));
        EXPECT_FALSE(Render(q, 0).isNull());
    }
    window.reset();  // the no-map sink goes after its view
}

TEST_F(SkinView, RowHelpersLineControlsUpByKind)
{
    view->Create(nullptr, nullptr, WS_VISIBLE, Rect(0, 0, 299, 39), window.get(), 1);
    qview->SetTopOffset(7);
    CSFQTButton* b1 = new CSFQTButton(nullptr);
    b1->resize(22, 22);
    CSFQTButton* b2 = new CSFQTButton(nullptr);
    b2->resize(22, 22);
    CSFQTRadioBox* r1 = new CSFQTRadioBox(nullptr);
    r1->resize(30, 20);
    CSFQTRadioBox* r2 = new CSFQTRadioBox(nullptr);
    r2->resize(30, 20);
    qview->AddButton(b1);
    qview->AddRadioBox(r1);
    qview->AddButton(b2);
    qview->AddRadioBox(r2);
    EXPECT_EQ(b1->geometry(), QRect(10, 7, 22, 22));
    EXPECT_EQ(b2->geometry(), QRect(41, 7, 22, 22));
    EXPECT_EQ(r1->geometry(), QRect(10, 7, 30, 20));
    EXPECT_EQ(r2->geometry(), QRect(49, 7, 30, 20));
    EXPECT_EQ(b2->parentWidget(), static_cast<QWidget*>(qview));
    EXPECT_EQ(r2->parentWidget(), static_cast<QWidget*>(qview));
}

// ---- Menu --------------------------------------------------------------------------------------

class MenuSink : public ISFMenuEvent
{
public:
    void Menu_OnAction(int id) override
    {
        ids.push_back(id);
        if (id == 153 && menu) {
            // Rebuilt from inside the choice, as a language switch does.
            menu->Clear();
            menu->AddAction(L"Hilfe", 151);
            menu->AddSeparator();
            menu->AddAction(L"Info", 152);
            menu->AddSeparator();
            menu->AddAction(L"Sprache", 153);
            menu->AddSeparator();
        }
    }
    std::vector<int> ids;
    CSFMenu* menu = nullptr;
};

class SkinMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        menu = SF_CreateMenu(&sink);
        ASSERT_NE(menu, nullptr);
        qmenu = dynamic_cast<CSFQTMenu*>(menu);
        ASSERT_NE(qmenu, nullptr);
        help = static_cast<QAction*>(menu->AddAction(L"Help", 151));
        menu->AddSeparator();
        about = static_cast<QAction*>(menu->AddAction(L"About", 152));
        menu->AddSeparator();
        language = static_cast<QAction*>(menu->AddAction(L"\u8bed\u8a00", 153));
        menu->AddSeparator();
    }
    void TearDown() override { SF_DestroyMenu(menu); }

    void Open()
    {
        menu->Popup(100, 80);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(qmenu));
    }
    QPoint At(QAction* a) const { return qmenu->actionGeometry(a).center(); }

    MenuSink sink;
    CSFMenu* menu = nullptr;
    CSFQTMenu* qmenu = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;
    QAction* language = nullptr;
};

TEST_F(SkinMenu, EntriesCarryTheirIdsAndPopUpAtThePoint)
{
    EXPECT_EQ(about->data().toInt(), 152);
    EXPECT_EQ(language->text(), QString::fromUtf8("\xE8\xAF\xAD\xE8\xA8\x80"));
    EXPECT_EQ(qmenu->actions().size(), 6);
    EXPECT_EQ(menu->SetSkin(), 0);
    Open();
    EXPECT_TRUE(qmenu->isVisible());
    EXPECT_EQ(qmenu->geometry().topLeft(), QPoint(100, 80));
}

TEST_F(SkinMenu, LeftClickReportsTheChosenIdOnce)
{
    Open();
    QTest::mouseClick(qmenu, Qt::LeftButton, {}, At(about));
    EXPECT_EQ(sink.ids, std::vector<int>{152});
    EXPECT_FALSE(qmenu->isVisible());
}

TEST_F(SkinMenu, OnlyLeftMouseChoicesOfItsOwnEntriesReport)
{
    // Right button, separator, keyboard, an entry with id 0.
    Open();
    QTest::mouseClick(qmenu, Qt::RightButton, {}, At(about));
    EXPECT_TRUE(sink.ids.empty()) << "right button";

    sink.ids.clear();
    if (!qmenu->isVisible())
        Open();
    const QAction* separator = qmenu->actions().at(1);
    ASSERT_TRUE(separator->isSeparator());
    QTest::mouseClick(qmenu, Qt::LeftButton, {},
                      qmenu->actionGeometry(const_cast<QAction*>(separator)).center());
    EXPECT_EQ(sink.ids, std::vector<int>{0}) << "separator";

    sink.ids.clear();
    if (!qmenu->isVisible())
        Open();
    qmenu->setActiveAction(help);
    QTest::keyClick(qmenu, Qt::Key_Return);
    EXPECT_TRUE(sink.ids.empty()) << "keyboard";

    sink.ids.clear();
    QAction* zero = static_cast<QAction*>(menu->AddAction(L"Zero", 0));
    Open();
    QTest::mouseClick(qmenu, Qt::LeftButton, {}, At(zero));
    EXPECT_EQ(sink.ids, std::vector<int>{0}) << "id 0";
}

TEST_F(SkinMenu, SubMenuEntriesDoNotReachTheSink)
{
    QMenu* sub = static_cast<QMenu*>(menu->AddMenu(L"More"));
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(qmenu->actions().last()->menu(), sub);
    EXPECT_EQ(sub->title(), QString("More"));
    QAction* inner = sub->addAction("Inner");
    inner->setData(QVariant(9));
    sub->popup(QPoint(300, 300));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sub));
    QTest::mouseClick(sub, Qt::LeftButton, {}, sub->actionGeometry(inner).center());
    EXPECT_TRUE(sink.ids.empty());
}

TEST_F(SkinMenu, ClearThenPopupShowsAnEmptyMenu)
{
    menu->Clear();
    EXPECT_TRUE(qmenu->actions().isEmpty());
    menu->Popup(50, 50);
    EXPECT_TRUE(qmenu->isVisible());
    EXPECT_TRUE(qmenu->actions().isEmpty());
}

TEST_F(SkinMenu, RebuildingFromInsideTheChoiceIsSafe)
{
    sink.menu = menu;
    Open();
    QTest::mouseClick(qmenu, Qt::LeftButton, {}, At(language));
    EXPECT_EQ(sink.ids, std::vector<int>{153});
    EXPECT_FALSE(qmenu->isVisible());
    const QList<QAction*> actions = qmenu->actions();
    ASSERT_EQ(actions.size(), 6);
    EXPECT_EQ(actions[0]->text(), QString("Hilfe"));
    EXPECT_EQ(actions[4]->data().toInt(), 153);
    // The rebuilt menu works as before.
    sink.menu = nullptr;
    Open();
    QTest::mouseClick(qmenu, Qt::LeftButton, {}, At(actions[2]));
    EXPECT_EQ(sink.ids, (std::vector<int>{153, 152}));
}

TEST_F(SkinMenu, CreateGivesAParentAndKeepsItAPopup)
{
    QWidget owner;
    EXPECT_EQ(menu->Create(0, Rect(0, 0, 0, 0), &owner, 5), 1);
    EXPECT_EQ(qmenu->parentWidget(), &owner);
    EXPECT_EQ(qmenu->windowType(), Qt::Popup);
    menu->Create(0, Rect(0, 0, 0, 0), nullptr, 5);  // back to no parent before owner goes
    QPointer<QMenu> guard(qmenu);
    SF_DestroyMenu(menu);
    menu = nullptr;
    EXPECT_TRUE(guard.isNull());
}

}  // namespace
