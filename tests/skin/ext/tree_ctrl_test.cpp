// Tree control, driven through its factory and facade as an owner would and by mouse and keys
// as a user would: insertion order and walking, handles that are no item, bounded text
// read-out, cascading checks, which changes the sink hears, double clicks, keys, highlight
// and icons; owners that change or delete the tree from inside a report, and very deep trees.
#include "skin/SFSkinString.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTTreeCtrl.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Every sink call, written with the names the test gave the items. After writing an entry the
// sink runs then(entry), where a test plays an owner that reacts to the report.
class TreeSink : public ISFTreeCtrlEvent
{
public:
    std::map<void*, std::string> names;
    std::vector<std::string> log;
    std::function<void(const std::string&)> then;

    void OnItemDbClick(void* item, POINT& pt) override
    {
        Note("dbl " + Name(item) + " " + std::to_string(pt.x) + "," + std::to_string(pt.y));
    }
    int OnItemClick(void* item, UINT flags) override
    {
        Note("click " + Name(item) + " " + std::to_string(flags));
        return 1;
    }
    void OnItemCheckStateChanged(void* item, int checked) override
    {
        Note("check " + Name(item) + " " + std::to_string(checked));
    }
    void OnItemCheckBoxClick(void* item, UINT checkable) override
    {
        Note("box " + Name(item) + " " + std::to_string(checkable));
    }
    void OnDlgKeyDown(UINT modifiers, UINT key) override
    {
        Note("key " + std::to_string(modifiers) + " " + std::to_string(key));
    }

    std::vector<std::string> Take()
    {
        std::vector<std::string> out;
        out.swap(log);
        return out;
    }

private:
    void Note(const std::string& entry)
    {
        log.push_back(entry);
        if (then)
            then(entry);
    }
    std::string Name(void* item) const
    {
        const auto it = names.find(item);
        return it == names.end() ? "?" : it->second;
    }
};

typedef std::vector<std::string> Log;

// The tree A{A1{A1a, A1b}, A2}, expanded, in check mode, on a shown parent.
class TreeCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());
        parent.resize(320, 320);
        facade = SF_CreateTreeCtrl(&sink);
        ASSERT_NE(facade, nullptr);
        tree = dynamic_cast<CSFQTTreeCtrl*>(facade);
        ASSERT_NE(tree, nullptr);
        ASSERT_EQ(facade->Create(WS_VISIBLE, RECT{0, 0, 301, 301}, &parent, 7, 1), 1);
        UITreeCtrlStyle skin;
        skin[5] = L"202020";
        skin[6] = L"00FF00";
        skin[7] = L"tree_camera_on.png";
        skin[8] = L"tree_camera_off.png";
        ASSERT_EQ(facade->SetSkin(&skin), 1);
        BuildItems();
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
        sink.log.clear();
    }

    // The tree A{A1{A1a, A1b}, A2} in place of whatever the tree holds, all unchecked.
    void BuildItems()
    {
        facade->DeleteAllItems();
        A = Add(L"A", TVI_ROOT);
        A1 = Add(L"A1", A);
        A1a = Add(L"A1a", A1);
        A1b = Add(L"A1b", A1);
        A2 = Add(L"A2", A);
        facade->ExpangAll();
    }

    void* Add(const wchar_t* text, void* under, void* after = TVI_LAST)
    {
        void* item = facade->InsertItem(text, under, after);
        sink.names[item] = QString::fromWCharArray(text).toStdString();
        return item;
    }

    QTreeWidgetItem* Item(void* handle) { return static_cast<QTreeWidgetItem*>(handle); }
    QPoint CheckPoint(void* item)
    {
        const QRect r = tree->visualItemRect(Item(item));
        return QPoint(r.left() + 8, r.center().y());
    }
    QPoint TextPoint(void* item)
    {
        const QRect r = tree->visualItemRect(Item(item));
        return QPoint(r.left() + 40, r.center().y());
    }
    QPoint AtX(void* item, int dx)
    {
        const QRect r = tree->visualItemRect(Item(item));
        return QPoint(r.left() + dx, r.center().y());
    }
    void Click(const QPoint& at) { testutil::Click(tree->viewport(), at); }
    // A double click as the window system delivers it: the second press is followed by the
    // double-click event, then the release.
    void DoubleClick(const QPoint& at)
    {
        QWidget* v = tree->viewport();
        testutil::SendMouse(v, QEvent::MouseButtonPress, at);
        testutil::SendMouse(v, QEvent::MouseButtonRelease, at);
        testutil::SendMouse(v, QEvent::MouseButtonPress, at);
        testutil::SendMouse(v, QEvent::MouseButtonDblClick, at);
        testutil::SendMouse(v, QEvent::MouseButtonRelease, at);
    }
    std::vector<int> Checks()
    {
        return {facade->GetCheck(A), facade->GetCheck(A1), facade->GetCheck(A1a), facade->GetCheck(A1b),
                facade->GetCheck(A2)};
    }

    QWidget parent;
    TreeSink sink;
    CSFTreeCtrl* facade = nullptr;
    CSFQTTreeCtrl* tree = nullptr;
    void *A = nullptr, *A1 = nullptr, *A1a = nullptr, *A1b = nullptr, *A2 = nullptr;
};

TEST_F(TreeCtrlTest, CreatePlacesTheTreeOnePastAndShowsItWithTheVisibleStyle)
{
    EXPECT_EQ(tree->geometry(), QRect(0, 0, 301, 301));
    EXPECT_TRUE(tree->isVisible());
    EXPECT_EQ(tree->ControlId(), 7u);
    RECT rc{};
    facade->GetClientRect(&rc);
    EXPECT_EQ(rc.right, 300);
    EXPECT_EQ(rc.bottom, 300);
    RECT moved{10, 20, 109, 219};  // inclusive
    facade->MoveWindow(&moved);
    EXPECT_EQ(tree->geometry(), QRect(10, 20, 100, 200));

    CSFTreeCtrl* hidden = SF_CreateTreeCtrl(nullptr);
    ASSERT_EQ(hidden->Create(0, RECT{0, 0, 50, 50}, &parent, 8, 1), 1);
    EXPECT_FALSE(dynamic_cast<QWidget*>(hidden)->isVisible());
}

TEST_F(TreeCtrlTest, ItemsGoInOrderAndTheTreeWalksLikeATreeView)
{
    facade->DeleteAllItems();
    void* a = Add(L"a", TVI_ROOT);
    void* b = Add(L"b", TVI_ROOT);
    void* c = Add(L"c", TVI_ROOT, a);
    void* first = Add(L"first", TVI_ROOT, reinterpret_cast<void*>(0xFFFF0001u));  // not after any item
    EXPECT_EQ(facade->GetRootItem(), first);
    EXPECT_EQ(facade->GetChildItem(TVI_ROOT), first);
    EXPECT_EQ(facade->GetNextSiblingItem(first), a);
    EXPECT_EQ(facade->GetNextSiblingItem(a), c);
    EXPECT_EQ(facade->GetNextSiblingItem(c), b);
    EXPECT_EQ(facade->GetNextSiblingItem(b), nullptr);
    EXPECT_EQ(facade->GetPrevSiblingItem(c), a);
    EXPECT_EQ(facade->GetPrevSiblingItem(first), nullptr);

    // Four levels under c: the count stops at the third.
    void* c1 = Add(L"c1", c);
    void* c2 = Add(L"c2", c);
    void* c1x = Add(L"c1x", c1, TVI_LAST);
    void* c1w = Add(L"c1w", c1, nullptr);  // first under c1
    Add(L"deep", c1x);
    EXPECT_EQ(facade->GetCount(), 8u);
    EXPECT_EQ(facade->GetChildrenCount(TVI_ROOT), 4u);
    EXPECT_EQ(facade->GetChildrenCount(c1), 2u);
    EXPECT_EQ(facade->ItemHasChildren(c), 2);
    EXPECT_EQ(facade->GetChildItem(c1), c1w);
    EXPECT_EQ(facade->GetNextSiblingItem(c1), c2);
    EXPECT_EQ(facade->GetParentItem(c1x), c1);
    EXPECT_EQ(facade->GetParentItem(c), nullptr);

    // Search: the top level under TVI_ROOT; children and grandchildren under an item.
    EXPECT_EQ(facade->FindChildItem(L"c", TVI_ROOT), c);
    EXPECT_EQ(facade->FindChildItem(L"c1", TVI_ROOT), nullptr);
    EXPECT_EQ(facade->FindChildItem(L"c1x", c), c1x);
    EXPECT_EQ(facade->FindChildItem(L"deep", c), nullptr);
    EXPECT_EQ(facade->FindChildItem(L"c", nullptr), nullptr);
    EXPECT_EQ(facade->InsertItem(L"x", nullptr, TVI_LAST), nullptr);

    EXPECT_EQ(facade->DeleteItem(c), 1);
    EXPECT_EQ(facade->GetNextSiblingItem(a), b);
    EXPECT_EQ(facade->GetCount(), 3u);
}

// Handles that name no item give the "no item" result instead of being read as an item.
TEST_F(TreeCtrlTest, NullAndSpecialHandlesAreNoItem)
{
    void* specials[] = {nullptr, TVI_LAST, reinterpret_cast<void*>(0xFFFF0001u),
                        reinterpret_cast<void*>(0xFFFF0003u)};
    for (void* h : specials) {
        SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(h));
        EXPECT_EQ(facade->GetItemData(h), 0xFFFFFFFFu);
        EXPECT_EQ(facade->GetItemState(h, 0xFF), static_cast<UINT>(-1));
        EXPECT_EQ(facade->SetItemData(h, 1), 0);
        EXPECT_EQ(facade->SetCheck(h, 1), 0);
        EXPECT_EQ(facade->GetCheck(h), 0);
        EXPECT_EQ(facade->DeleteItem(h), 0);
        EXPECT_EQ(facade->GetParentItem(h), nullptr);
        EXPECT_EQ(facade->GetNextSiblingItem(h), nullptr);
        EXPECT_EQ(facade->SetItemIcon(h, L"tree_recorder.png"), 0);
        EXPECT_EQ(facade->InsertItem(L"x", h, TVI_LAST), nullptr);
        wchar_t buf[4] = L"zzz";
        EXPECT_EQ(facade->GetTreeItemText(h, buf, 4), -1);
        facade->SetItemHilight(h, 1);
        facade->SetToolTipText(h, L"tip");
        facade->ExpandTreeItem(h, 0);
    }
    EXPECT_EQ(facade->GetItemData(TVI_ROOT), 0xFFFFFFFFu);
    EXPECT_EQ(facade->DeleteItem(TVI_ROOT), 0);
    EXPECT_EQ(facade->GetCount(), 5u);
    EXPECT_TRUE(sink.log.empty());
}

// An item looked for on a level it is not on reads as unknown: inserting "after" it puts the
// new item first, its next sibling is the level's first item and its previous one none.
// TVI_ROOT names the top level; the other special handles name no parent.
TEST_F(TreeCtrlTest, ItemsOffTheLevelReadAsUnknownAndOnlyTheRootHandleNamesAParent)
{
    void* x = Add(L"x", TVI_ROOT, A1);  // A1 is no top-level item
    void* y = Add(L"y", A, A1a);        // A1a is no child of A
    EXPECT_EQ(facade->GetChildItem(TVI_ROOT), x);
    EXPECT_EQ(facade->GetNextSiblingItem(x), A);
    EXPECT_EQ(facade->GetChildItem(A), y);
    EXPECT_EQ(facade->GetNextSiblingItem(y), A1);
    EXPECT_EQ(facade->GetPrevSiblingItem(A1), y);
    QTreeWidgetItem loose;  // in no tree
    EXPECT_EQ(facade->GetNextSiblingItem(&loose), x);
    EXPECT_EQ(facade->GetPrevSiblingItem(&loose), nullptr);

    EXPECT_EQ(facade->GetChildrenCount(TVI_ROOT), 2u);
    EXPECT_EQ(facade->IsAnyChildItemHilight(TVI_ROOT), 0);
    facade->SetItemHilight(x, 1);
    EXPECT_EQ(facade->IsAnyChildItemHilight(TVI_ROOT), 1);
    void* notParents[] = {nullptr, TVI_LAST, reinterpret_cast<void*>(0xFFFF0001u),
                          reinterpret_cast<void*>(0xFFFF0003u)};
    for (void* h : notParents) {
        SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(h));
        EXPECT_EQ(facade->GetChildItem(h), nullptr);
        EXPECT_EQ(facade->GetChildrenCount(h), 0u);
        EXPECT_EQ(facade->GetPrevSiblingItem(h), nullptr);
        EXPECT_EQ(facade->IsAnyChildItemHilight(h), 0);
        EXPECT_EQ(facade->InsertItem(L"z", h, nullptr), nullptr);
    }
    EXPECT_EQ(facade->GetCount(), 7u);
    EXPECT_TRUE(sink.log.empty());
}

// The read-out never writes past the caller's buffer; the whole text comes back with its
// length when it fits.
TEST_F(TreeCtrlTest, ItemTextReadOutStaysInsideTheBuffer)
{
    void* item = Add(L"Camera \U0001F4F7 1", TVI_ROOT);  // 10 wide characters
    const struct
    {
        int size;
        int result;
        std::wstring text;
    } cases[] = {
        {11, 10, L"Camera \U0001F4F7 1"},
        {64, 10, L"Camera \U0001F4F7 1"},
        {10, 9, L"Camera \U0001F4F7 "},
        {4, 3, L"Cam"},
        {1, 0, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        std::vector<wchar_t> buf(80, L'#');
        EXPECT_EQ(facade->GetTreeItemText(item, buf.data(), c.size), c.result);
        EXPECT_EQ(std::wstring(buf.data()), c.text);
        EXPECT_EQ(buf[c.size], L'#');  // the first character past the buffer
    }
    wchar_t untouched[2] = {L'#', L'#'};
    EXPECT_EQ(facade->GetTreeItemText(item, untouched, 0), 0);
    EXPECT_EQ(untouched[0], L'#');
    wchar_t root[8];
    EXPECT_EQ(facade->GetTreeItemText(TVI_ROOT, root, 8), 1);  // TVI_ROOT reads the first item
    EXPECT_EQ(std::wstring(root), L"A");
}

TEST_F(TreeCtrlTest, CheckClicksCascadeUpAndDownAndReportEachChange)
{
    Click(CheckPoint(A1a));
    EXPECT_EQ(sink.Take(), (Log{"box A1a 1", "check A1a 1"}));
    Click(CheckPoint(A1b));
    EXPECT_EQ(sink.Take(), (Log{"box A1b 1", "check A1b 1", "check A1 1"}));
    Click(CheckPoint(A2));
    EXPECT_EQ(sink.Take(), (Log{"box A2 1", "check A2 1", "check A 1"}));
    EXPECT_EQ(Checks(), (std::vector<int>{1, 1, 1, 1, 1}));

    Click(CheckPoint(A1a));
    EXPECT_EQ(sink.Take(), (Log{"box A1a 1", "check A1a 0", "check A1 0", "check A 0"}));
    EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 0, 1, 1}));

    // Checking a parent checks every descendant that was not checked yet.
    Click(CheckPoint(A));
    EXPECT_EQ(sink.Take(), (Log{"box A 1", "check A 1", "check A1 1", "check A1a 1"}));
    EXPECT_EQ(Checks(), (std::vector<int>{1, 1, 1, 1, 1}));
    Click(CheckPoint(A1));
    EXPECT_EQ(sink.Take(), (Log{"box A1 1", "check A1 0", "check A1a 0", "check A1b 0", "check A 0"}));
    EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 0, 0, 1}));
}

// A click beside the check box is an ordinary click, also right after a check click on the
// same item; an item the user may not check reports the press and keeps its state.
TEST_F(TreeCtrlTest, ClicksOutsideTheCheckAreaAndOnUncheckableItemsDoNotCascade)
{
    Click(TextPoint(A1a));
    EXPECT_EQ(sink.Take(), (Log{"click A1a 0"}));
    Click(CheckPoint(A1a));
    sink.Take();
    Click(TextPoint(A1a));
    EXPECT_EQ(sink.Take(), (Log{"click A1a 0"}));

    facade->SetItemUserCheckable(A2, 0);
    EXPECT_TRUE(sink.log.empty());
    Click(CheckPoint(A2));
    EXPECT_EQ(sink.Take(), (Log{"box A2 0", "click A2 0"}));
    EXPECT_EQ(facade->GetCheck(A2), 0);

    facade->SetUserCheckable(0);
    EXPECT_TRUE(sink.log.empty());
    Click(CheckPoint(A1b));
    EXPECT_EQ(sink.Take(), (Log{"box A1b 0", "click A1b 0"}));
    facade->SetUserCheckable(1);
    Click(CheckPoint(A1b));
    EXPECT_EQ(sink.Take(), (Log{"box A1b 1", "check A1b 1", "check A1 1"}));
}

// Owner changes are silent, including those Qt reports as an item change (data, icons, tool
// tips, flags); check-all reports every item it changes.
TEST_F(TreeCtrlTest, OwnerChangesAreSilentAndCheckAllReports)
{
    facade->SetCheck(A1a, 1);
    facade->SetItemData(A1a, 42);
    facade->SetItemIcon(A1b, L"tree_recorder.png");
    facade->SetItemIcon(42, 1);
    facade->SetToolTipText(A2, L"tip");
    facade->SetItemIconBack(A2, L"tree_camera_off.png");
    facade->SetItemHilight(A2, 1);
    facade->SetItemUserCheckable(A2, 0);
    facade->SetItemUserCheckable(A2, 1);
    facade->SetUserCheckable(1);
    facade->ExpandTreeItem(A1, 0);
    facade->ExpandTreeItem(A1, 1);
    void* extra = Add(L"extra", A2);
    facade->DeleteItem(extra);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 1, 0, 0}));  // SetCheck did not cascade
    EXPECT_EQ(facade->GetItemData(A1a), 42u);
    EXPECT_EQ(Item(A2)->toolTip(0), QStringLiteral("tip"));
    // Qt's own tristate propagation is never on, so only the cascades move a parent.
    QTreeWidgetItemIterator it(tree);
    for (; *it; ++it)
        EXPECT_FALSE((*it)->flags() & Qt::ItemIsAutoTristate) << (*it)->text(0).toStdString();

    facade->SetAllItemCheck(1);
    EXPECT_EQ(sink.Take(), (Log{"check A 1", "check A1 1", "check A1b 1", "check A2 1"}));
    EXPECT_EQ(facade->IsAllItemCheck(), 1);
    facade->SetCheck(A2, 0);
    EXPECT_EQ(facade->IsAllItemCheck(), 1);  // only the top level counts
    facade->SetCheck(A, 0);
    EXPECT_EQ(facade->IsAllItemCheck(), 0);
    EXPECT_TRUE(sink.log.empty());

    // The user is still heard afterwards.
    Click(CheckPoint(A2));
    EXPECT_EQ(sink.Take(), (Log{"box A2 1", "check A2 1", "check A 1"}));
    facade->DeleteAllItems();
    EXPECT_EQ(facade->IsAllItemCheck(), 0);
}

TEST_F(TreeCtrlTest, OwnerChangesSilenceOnlyTheTreesOwnReport)
{
    int heard = 0;  // another listener of the widget's own signal
    QObject::connect(tree, &QTreeWidget::itemChanged, [&heard](QTreeWidgetItem*, int) { ++heard; });

    facade->SetCheck(A2, 1);
    facade->SetToolTipText(A2, L"tip");
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(heard, 2);

    Click(CheckPoint(A1b));
    EXPECT_EQ(sink.Take(), (Log{"box A1b 1", "check A1b 1"}));
    EXPECT_EQ(heard, 3);
}

TEST_F(TreeCtrlTest, DoubleClicksAndKeysGoToTheSinkInsteadOfTheTree)
{
    const QPoint text = TextPoint(A1);
    DoubleClick(text);
    const std::string at = std::to_string(text.x()) + "," + std::to_string(text.y());
    EXPECT_EQ(sink.Take(), (Log{"click A1 0", "dbl A1 " + at, "click A1 0"}));
    EXPECT_TRUE(Item(A1)->isExpanded());

    // In the check area a double click is two check clicks: back where it started, every
    // change reported and the parents following.
    DoubleClick(CheckPoint(A2));
    EXPECT_EQ(sink.Take(), (Log{"box A2 1", "check A2 1", "box A2 1", "check A2 0"}));
    EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 0, 0, 0}));

    tree->setFocus();
    tree->setCurrentItem(Item(A1));
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Space, Qt::ShiftModifier);
    // Shift itself is a key too.
    const std::string shift = "key " + std::to_string(Qt::ShiftModifier) + " ";
    EXPECT_EQ(sink.Take(),
              (Log{"key 0 " + std::to_string(Qt::Key_Down), shift + std::to_string(Qt::Key_Shift),
                   shift + std::to_string(Qt::Key_Space)}));
    EXPECT_EQ(tree->currentItem(), Item(A1));
    EXPECT_EQ(facade->GetCheck(A1), 0);
}

TEST_F(TreeCtrlTest, HighlightUsesTheSkinColourAndLeavesWithItsItem)
{
    EXPECT_EQ(Item(A1a)->foreground(0).color(), QColor(0x20, 0x20, 0x20));  // the skin's text colour
    facade->SetItemHilight(A1a, 1);
    EXPECT_EQ(Item(A1a)->foreground(0).color(), QColor(0, 255, 0));
    EXPECT_EQ(facade->IsItemHilight(A1a), 1);
    EXPECT_EQ(facade->IsAnyChildItemHilight(A1), 1);
    EXPECT_EQ(facade->IsAnyChildItemHilight(A), 0);  // direct children only
    EXPECT_EQ(facade->IsAnyChildItemHilight(TVI_ROOT), 0);
    facade->SetItemHilight(A, 1);
    EXPECT_EQ(facade->IsAnyChildItemHilight(TVI_ROOT), 1);
    facade->SetItemHilight(A, 0);
    EXPECT_EQ(Item(A)->foreground(0).color(), QColor(0x20, 0x20, 0x20));
    EXPECT_EQ(facade->IsItemHilight(A), 0);

    facade->DeleteItem(A1a);
    EXPECT_EQ(facade->IsAnyChildItemHilight(A1), 0);
    EXPECT_EQ(facade->DeleteAllItems(), 1);
    EXPECT_EQ(facade->GetRootItem(), nullptr);
    EXPECT_EQ(facade->GetCount(), 0u);
}

TEST_F(TreeCtrlTest, IconsByDataFindTheFirstMatchInTopTwoLevels)
{
    facade->SetItemData(A2, 5);
    facade->SetItemData(A1, 5);   // A1 comes first: A, then its children in order
    facade->SetItemData(A1a, 9);  // third level: never looked at
    EXPECT_EQ(facade->SetItemIcon(5, 1), 1);
    EXPECT_EQ(facade->SetItemIcon(9, 1), 0);
    EXPECT_EQ(facade->SetItemIcon(77, 0), 0);

    const QImage on = LoadSkinPicture(SkinFilePath(L"tree_camera_on.png")).toImage();
    const QImage off = LoadSkinPicture(SkinFilePath(L"tree_camera_off.png")).toImage();
    ASSERT_FALSE(on.isNull());
    const auto shown = [](void* item, int column) {
        return static_cast<QTreeWidgetItem*>(item)->icon(column).pixmap(50, 50).toImage().convertToFormat(
            QImage::Format_ARGB32);
    };
    EXPECT_EQ(shown(A1, 0), on.convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(Item(A2)->icon(0).isNull());
    facade->SetItemIcon(5, 0);
    EXPECT_EQ(shown(A1, 0), off.convertToFormat(QImage::Format_ARGB32));

    // The picture behind an item goes into a second column, only when it loads.
    facade->SetItemIconBack(A2, L"tree_missing.png");
    EXPECT_EQ(tree->columnCount(), 1);
    facade->SetItemIconBack(A2, L"tree_camera_on.png");
    EXPECT_EQ(tree->columnCount(), 2);
    EXPECT_EQ(shown(A2, 1), on.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(TreeCtrlTest, WithoutCheckModeItemsHaveNoCheckBox)
{
    CSFTreeCtrl* plain = SF_CreateTreeCtrl(&sink);
    ASSERT_EQ(plain->Create(WS_VISIBLE, RECT{0, 0, 200, 200}, &parent, 9, 0), 1);
    void* item = plain->InsertItem(L"x", TVI_ROOT, TVI_LAST);
    auto* it = static_cast<QTreeWidgetItem*>(item);
    EXPECT_FALSE(it->data(0, Qt::CheckStateRole).isValid());
    EXPECT_FALSE(it->flags() & Qt::ItemIsUserCheckable);
    EXPECT_EQ(plain->SetCheck(item, 1), 1);
    EXPECT_EQ(plain->GetCheck(item), 0);
    EXPECT_EQ(it->foreground(0).color(), QColor(Qt::white));  // no skin: white text
}

// Qt's own check indicator is narrower than the check area: a click anywhere in the area
// toggles the box, and the cascade follows the new state (here A1 differs from its child A1a).
TEST_F(TreeCtrlTest, AClickAnywhereInTheCheckAreaTogglesTheBoxThenCascades)
{
    for (const int dx : {1, 8, 18}) {
        SCOPED_TRACE(dx);
        for (void* item : {A, A1, A1a, A1b, A2})
            facade->SetCheck(item, 0);
        facade->SetCheck(A1a, 1);
        Click(AtX(A1, dx));
        EXPECT_EQ(sink.Take(), (Log{"box A1 1", "check A1 1", "check A1b 1"}));
        EXPECT_EQ(Checks(), (std::vector<int>{0, 1, 1, 1, 0}));
        Click(AtX(A1, dx));
        EXPECT_EQ(sink.Take(), (Log{"box A1 1", "check A1 0", "check A1a 0", "check A1b 0"}));
        EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 0, 0, 0}));
    }
}

// An owner that rebuilds the tree from a check report ends the cascade or check-all that sent
// it: nothing more is reported or changed, and no deleted item is touched (ASan watches).
TEST_F(TreeCtrlTest, DeletingItemsFromACheckReportEndsTheCascade)
{
    const struct
    {
        const char* what;
        void* const* clicked;  // null: check-all instead of a click
        std::string when;      // the report the owner reacts to
        void* const* deleted;  // null: DeleteAllItems
        Log log;
        UINT left;  // items left
    } cases[] = {
        {"down, the next item's parent deleted",
         &A,
         "check A1 1",
         &A1,
         {"box A 1", "check A 1", "check A1 1"},
         2},
        {"down, everything deleted",
         &A,
         "check A1b 1",
         nullptr,
         {"box A 1", "check A 1", "check A1 1", "check A1b 1"},
         0},
        {"the clicked item deleted", &A1b, "check A1b 1", &A1b, {"box A1b 1", "check A1b 1"}, 4},
        {"up, the walk's next parent deleted",
         &A1b,
         "check A1 1",
         &A,
         {"box A1b 1", "check A1b 1", "check A1 1"},
         0},
        {"check-all, the rest deleted", nullptr, "check A1 1", &A, {"check A 1", "check A1 1"}, 0},
        {"check-all, everything deleted", nullptr, "check A 1", nullptr, {"check A 1"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sink.then = nullptr;
        BuildItems();
        facade->SetCheck(A1a, 1);  // so that checking A1b checks A1
        sink.Take();
        bool reacted = false;
        void* const doomed = c.deleted ? *c.deleted : nullptr;
        sink.then = [&](const std::string& entry) {
            if (reacted || entry != c.when)
                return;
            reacted = true;
            if (doomed)
                facade->DeleteItem(doomed);
            else
                facade->DeleteAllItems();
        };
        if (c.clicked)
            Click(CheckPoint(*c.clicked));
        else
            facade->SetAllItemCheck(1);
        EXPECT_EQ(sink.Take(), c.log);
        EXPECT_EQ(facade->GetCount(), c.left);
    }
    sink.then = nullptr;
}

// Items an owner adds from a check report take part in the rest of the cascade.
TEST_F(TreeCtrlTest, ItemsAddedFromACheckReportJoinTheCascade)
{
    bool added = false;
    sink.then = [&](const std::string& entry) {
        if (!added && entry == "check A 1") {
            added = true;
            Add(L"A3", A);
        }
    };
    Click(CheckPoint(A));
    sink.then = nullptr;
    EXPECT_EQ(sink.Take(), (Log{"box A 1", "check A 1", "check A1 1", "check A1a 1", "check A1b 1",
                                "check A2 1", "check A3 1"}));
}

// Checks and deletions walk the tree with lists of their own, so that no depth overflows
// the call stack.
TEST_F(TreeCtrlTest, AFiftyThousandLevelChainChecksAndDeletes)
{
    facade->DeleteAllItems();
    const auto chain = [&] {
        void* top = facade->InsertItem(L"chain", TVI_ROOT, TVI_LAST);
        void* bottom = top;
        for (int i = 1; i < 50000; ++i)
            bottom = facade->InsertItem(L"link", bottom, TVI_LAST);
        return std::make_pair(top, bottom);
    };
    const auto [top, bottom] = chain();
    facade->SetAllItemCheck(1);
    EXPECT_EQ(sink.Take().size(), 50000u);
    EXPECT_EQ(facade->GetCheck(bottom), 1);
    Click(CheckPoint(top));  // unchecks the top, and with it the whole chain
    EXPECT_EQ(sink.Take().size(), 1u + 50000u);
    EXPECT_EQ(facade->GetCheck(bottom), 0);
    EXPECT_EQ(facade->DeleteItem(top), 1);
    EXPECT_EQ(facade->GetRootItem(), nullptr);

    chain();
    EXPECT_EQ(facade->DeleteAllItems(), 1);
    EXPECT_EQ(facade->GetRootItem(), nullptr);
    EXPECT_TRUE(sink.log.empty());
}

// An owner may delete the tree from any report, the user's check click and its cascade
// included; the tree then touches nothing of itself (ASan watches).
TEST_F(TreeCtrlTest, TheOwnerMayDeleteTheTreeFromAnyReport)
{
    enum Gesture
    {
        kCheckClick,
        kTextClick,
        kDoubleClick,
        kKey
    };
    const struct
    {
        std::string when;  // the report the owner reacts to (its start)
        const char* item;
        Gesture gesture;
    } cases[] = {
        {"box A1a 1", "A1a", kCheckClick},
        {"check A1a 1", "A1a", kCheckClick},
        {"check A 1", "A", kCheckClick},
        {"check A1 1", "A", kCheckClick},
        {"click A1a 0", "A1a", kTextClick},
        {"dbl A1a", "A1a", kDoubleClick},
        {"key 0 " + std::to_string(Qt::Key_Down), "A1a", kKey},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        TreeSink owner;
        CSFTreeCtrl* doomed = SF_CreateTreeCtrl(&owner);
        ASSERT_EQ(doomed->Create(WS_VISIBLE, RECT{0, 0, 301, 301}, &parent, 10, 1), 1);
        std::map<std::string, void*> items;
        const auto add = [&](const char* name, void* under) {
            void* item =
                doomed->InsertItem(QString::fromLatin1(name).toStdWString().c_str(), under, TVI_LAST);
            owner.names[item] = name;
            items[name] = item;
            return item;
        };
        void* a = add("A", TVI_ROOT);
        void* a1 = add("A1", a);
        add("A1a", a1);
        add("A1b", a1);
        add("A2", a);
        doomed->ExpangAll();
        auto* shown = dynamic_cast<CSFQTTreeCtrl*>(doomed);
        const QRect r = shown->visualItemRect(static_cast<QTreeWidgetItem*>(items[c.item]));
        const QPoint at(r.left() + (c.gesture == kCheckClick ? 8 : 40), r.center().y());
        const QPointer<QWidget> viewport = shown->viewport();
        owner.then = [&](const std::string& entry) {
            if (doomed && entry.compare(0, c.when.size(), c.when) == 0) {
                CSFTreeCtrl* gone = doomed;
                doomed = nullptr;
                delete gone;
            }
        };
        const auto send = [&](QEvent::Type type) {
            if (viewport)
                testutil::SendMouse(viewport, type, at);
        };
        switch (c.gesture) {
        case kCheckClick:
        case kTextClick:
            send(QEvent::MouseButtonPress);
            send(QEvent::MouseButtonRelease);
            break;
        case kDoubleClick:
            send(QEvent::MouseButtonPress);
            send(QEvent::MouseButtonRelease);
            send(QEvent::MouseButtonPress);
            send(QEvent::MouseButtonDblClick);
            send(QEvent::MouseButtonRelease);
            break;
        case kKey: {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(shown, &key);
            break;
        }
        }
        EXPECT_EQ(doomed, nullptr);
        EXPECT_TRUE(viewport.isNull());
        ASSERT_FALSE(owner.log.empty());
        EXPECT_EQ(owner.log.back().compare(0, c.when.size(), c.when), 0) << owner.log.back();
        owner.then = nullptr;
        delete doomed;
    }
}

// A deleted parent takes all its children's highlight entries with it, not only the first's:
// the handle of a deleted child reads as not highlighted.
TEST_F(TreeCtrlTest, DeletingAParentForgetsItsSecondChildsHighlight)
{
    facade->SetItemHilight(A1b, 1);
    EXPECT_EQ(facade->IsAnyChildItemHilight(A1), 1);
    EXPECT_EQ(facade->DeleteItem(A1), 1);
    EXPECT_EQ(facade->IsItemHilight(A1b), 0);
}

// Owner changes resize the column once they are done, not on each change: the column still
// fits its widest text as soon as anyone asks for its width.
TEST_F(TreeCtrlTest, TheColumnFitsItsContentsAfterOwnerChanges)
{
    const int before = tree->header()->sectionSize(0);
    void* wide = Add(L"A camera with a name far wider than any other item's", A2);
    facade->SetItemData(wide, 3);
    facade->SetToolTipText(wide, L"tip");
    facade->ExpandTreeItem(A2, 1);
    EXPECT_EQ(tree->header()->sectionResizeMode(0), QHeaderView::ResizeToContents);
    EXPECT_GT(tree->header()->sectionSize(0), before);
    EXPECT_GE(tree->header()->sectionSize(0), tree->visualItemRect(Item(wide)).left() +
                                                  tree->fontMetrics().horizontalAdvance(Item(wide)->text(0)));
}

}  // namespace
