// The list control driven as its owner drives it (factory and facade) and as a user does
// (mouse and keys on the widget under the point): what the parent window and the sink hear,
// what the read-outs give and what is painted, including rows removed or sorted under the
// check boxes, buttons and progress bars placed in cells.
#include "skin/SFMsgMap.h"
#include "skin/SFQTButton.h"
#include "skin/SFQTProgressCtrl.h"
#include "skin/SFQTRadioBox.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFListCtrlStyle.h"
#include "skin/ext/SFQTListCtrl.h"
#include "skin/ext/SFSkinRecordsExt.h"
#include "tests/common/test_rect.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

using testutil::Rect;

constexpr UINT kListId = 77;

// One message the list sent its parent, with a copy of what wParam pointed to while it was
// delivered.
struct Message
{
    int msg;
    int code;
    LPARAM id;
    NMLISTVIEW record;
    int column;  // code 9
};

// Deletes a widget when the notification named on arrives ("code 2", "command", "release",
// ...), as an owner closing a panel from a click does; armed for one notification.
// Counts what is still heard after the deletion.
struct Deleter
{
    std::string on;
    QPointer<QWidget> victim;
    bool fired = false;
    int heardAfter = 0;

    void Heard(const std::string& what)
    {
        if (fired) {
            ++heardAfter;
        } else if (victim && what == on) {
            fired = true;
            delete victim.data();
        }
    }
};

class SpyParent : public QWidget
{
public:
    std::vector<Message> messages;
    Deleter* deleter = nullptr;

    std::vector<Message> Codes(int code) const
    {
        std::vector<Message> out;
        for (const Message& m : messages)
            if (m.msg == static_cast<int>(WM_NOTIFY) && m.code == code)
                out.push_back(m);
        return out;
    }

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != CSFCustomEvent::EventType())
            return;
        const CSFCustomEvent* ev = static_cast<const CSFCustomEvent*>(event);
        Message m{ev->nMsg, ev->nCode, ev->lParam, NMLISTVIEW{}, -1};
        if (ev->nMsg == static_cast<int>(WM_NOTIFY) && ev->nCode == 9)
            m.column = *reinterpret_cast<const int*>(ev->wParam);
        else if (ev->nMsg == static_cast<int>(WM_NOTIFY))
            m.record = *reinterpret_cast<const NMLISTVIEW*>(ev->wParam);
        messages.push_back(m);
        if (deleter)
            deleter->Heard(ev->nMsg == static_cast<int>(WM_COMMAND) ? "command"
                                                                    : "code " + std::to_string(ev->nCode));
    }
};

class RecordingSink : public ISFListCtrlEvent
{
public:
    std::vector<std::string> calls;
    Deleter* deleter = nullptr;
    void Selection_OnMouseRelease(int anySelected) override
    {
        calls.push_back("release(" + std::to_string(anySelected) + ")");
        if (deleter)
            deleter->Heard("release");
    }
    void OnButton(int buttonId, int row) override
    {
        calls.push_back("button(" + std::to_string(buttonId) + "," + std::to_string(row) + ")");
        if (deleter)
            deleter->Heard("button");
    }
};

ImageButtonStyle ButtonSkin() { return ListEditButtonSkinRecord(); }

// A list of 8 columns on a shown spy parent, made through the factory, with rows of
// (text in column 0, data) and text in columns 1 and 2; column 3 is left empty.
class ListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());
        MakeList();
        parent.resize(620, 320);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    // The list of the fixture made on the spy parent, replacing facade and list (the parent
    // keeps the one made before).
    void MakeList()
    {
        facade = SF_CreateListCtrl(&sink);
        ASSERT_NE(facade, nullptr);
        list = dynamic_cast<CSFQTListCtrl*>(facade);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(facade->Create(WS_VISIBLE | WS_CHILD, Rect(0, 0, 600, 300), &parent, kListId, false), 1);
        const wchar_t* headings[8] = {L"Name", L"Kind", L"Size", L"Note", L"E", L"Edit", L"Progress", L"Do"};
        for (int c = 0; c < 8; ++c)
            ASSERT_EQ(facade->InsertColumn(c, headings[c], 0, 0, 0), c);
    }

    void AddRows(const std::vector<std::wstring>& sizes)
    {
        for (const std::wstring& size : sizes) {
            const int r = facade->GetItemCount();
            ASSERT_EQ(facade->InsertItem(r, (L"row" + std::to_wstring(r)).c_str()), r);
            facade->SetItemData(r, 100u + static_cast<DWORD>(r));
            facade->SetItemText(r, 1, L"kind");
            facade->SetItemText(r, 2, size.c_str());
            facade->SetItemText(r, 5, (L"edit" + std::to_wstring(r)).c_str());
        }
        Settle();
    }

    std::wstring Text(int row, int col)
    {
        wchar_t buf[64] = {};
        const int n = facade->GetItemText(row, col, buf, 63);
        return n < 0 ? L"<none>" : std::wstring(buf, static_cast<size_t>(n));
    }

    // Lets the table lay its rows and cell widgets out, and deletes what it let go.
    static void Settle()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    QPoint CellCentre(int row, int col) const
    {
        return list->visualRect(list->model()->index(row, col)).center();
    }

    void ClickCell(int row, int col) { testutil::Click(list->viewport(), CellCentre(row, col)); }

    // The mouse events of a real double click: press, release, double click, release; those
    // after an event in which the owner deleted the list are not sent.
    void DoubleClickCell(int row, int col)
    {
        const QPoint at = CellCentre(row, col);
        const QPointer<QWidget> viewport = list->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
        if (viewport)
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
        if (viewport)
            QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        if (viewport)
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
    }

    void ClickHeader(int col)
    {
        QHeaderView* header = list->horizontalHeader();
        testutil::Click(header->viewport(),
                        QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2,
                               header->height() / 2));
    }

    // The widgets of one kind the list placed in the cell, found in its container.
    template <class W>
    QList<W*> CellWidgets(int row, int col) const
    {
        QWidget* container = list->cellWidget(row, col);
        return container ? container->findChildren<W*>() : QList<W*>();
    }

    SpyParent parent;
    RecordingSink sink;
    CSFListCtrl* facade = nullptr;
    CSFQTListCtrl* list = nullptr;
};

TEST_F(ListTest, ColumnsShareTheWidthAndAHiddenColumnStaysHidden)
{
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(list->columnWidth(c), 75) << c;
    EXPECT_EQ(facade->InsertColumn(9, L"past the end", 0, 0, 0), -1);
    EXPECT_EQ(facade->InsertColumn(-1, L"before", 0, 0, 0), -1);
    EXPECT_EQ(facade->InsertColumn(2, L"Secret", 1, 0, 0), 2);
    EXPECT_EQ(list->columnCount(), 9);
    EXPECT_TRUE(list->isColumnHidden(2));
    EXPECT_EQ(list->horizontalHeaderItem(2)->text(), QStringLiteral("Secret"));
    EXPECT_EQ(list->horizontalHeaderItem(3)->text(), QStringLiteral("Size"));
    for (int c = 0; c < 8; ++c) {
        if (c == 2)
            continue;
        EXPECT_EQ(list->columnWidth(c), 600 / 9) << c;
    }
}

TEST_F(ListTest, ItemDataAndTextReadOutsKeepTheirBounds)
{
    AddRows({L"1", L"2", L"3"});
    EXPECT_EQ(facade->GetItemCount(), 3);
    EXPECT_EQ(facade->GetItemData(1), 101u);
    EXPECT_EQ(facade->GetItemData(3), 0xFFFFFFFFu);
    EXPECT_EQ(facade->GetItemData(-1), 0xFFFFFFFFu);
    EXPECT_EQ(facade->SetItemData(3, 5), 0);
    // All 32 bits round-trip; a new text in column 0 keeps the row's data.
    EXPECT_EQ(facade->SetItemData(2, 0xFFFFFFFFu), 1);
    EXPECT_EQ(facade->SetItemText(2, 0, L"renamed"), 1);
    EXPECT_EQ(facade->GetItemData(2), 0xFFFFFFFFu);

    facade->SetItemText(0, 1, L"abcdef");
    wchar_t buf[8];
    std::fill(std::begin(buf), std::end(buf), L'#');
    EXPECT_EQ(facade->GetItemText(0, 1, buf, 3), 3);
    EXPECT_EQ(std::wstring(buf, 4), L"abc#");         // no terminator written
    EXPECT_EQ(facade->GetItemText(0, 3, buf, 8), 0);  // a cell without an item
    EXPECT_EQ(facade->GetItemText(3, 0, buf, 8), -1);
    EXPECT_EQ(facade->GetItemText(0, 8, buf, 8), -1);
    EXPECT_EQ(facade->GetItemText(0, 1, nullptr, 8), 0);
    EXPECT_EQ(facade->SetItemText(0, 8, L"x"), 0);
}

TEST_F(ListTest, InsertItemInsertsInPlace)
{
    AddRows({L"1", L"2"});
    EXPECT_EQ(facade->InsertItem(1, L"middle"), 1);
    EXPECT_EQ(facade->GetItemCount(), 3);
    EXPECT_EQ(Text(0, 0), L"row0");
    EXPECT_EQ(Text(1, 0), L"middle");
    EXPECT_EQ(Text(2, 0), L"row1");
    EXPECT_EQ(facade->GetItemData(2), 101u);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(facade->IsSelected(r), 0) << r;
    EXPECT_EQ(facade->InsertItem(4, L"past"), -1);
    EXPECT_EQ(facade->InsertItem(-1, L"before"), -1);
    EXPECT_EQ(facade->GetItemCount(), 3);
}

TEST_F(ListTest, RowsArePaintedInTheirStripeColours)
{
    AddRows({L"1", L"2", L"3"});
    const QImage shot = list->grab().toImage();
    for (int r = 0; r < 3; ++r) {
        const QRect cell = list->visualRect(list->model()->index(r, 1));
        const QPoint at = list->viewport()->mapTo(list, QPoint(cell.right() - 4, cell.center().y()));
        EXPECT_EQ(QColor(shot.pixel(at)), r % 2 == 0 ? QColor(245, 245, 245) : QColor(255, 255, 255)) << r;
    }
}

// Rows inserted in place shift the rows below them: every row keeps the stripe of the place
// it is in now, also a row made by InsertItem alone.
TEST_F(ListTest, StripesFollowRowsInsertedInPlace)
{
    const QColor even(245, 245, 245), odd(255, 255, 255);
    ASSERT_EQ(facade->InsertItem(0, L"a"), 0);
    EXPECT_EQ(list->item(0, 0)->background().color(), even);
    ASSERT_EQ(facade->InsertItem(0, L"b"), 0);
    ASSERT_EQ(facade->InsertItem(0, L"c"), 0);
    facade->SetItemText(1, 2, L"x");
    ASSERT_EQ(facade->InsertItem(1, L"d"), 1);
    ASSERT_EQ(Text(0, 0) + Text(1, 0) + Text(2, 0) + Text(3, 0), L"cdba");
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(list->item(r, 0)->background().color(), r % 2 == 0 ? even : odd) << r;
    EXPECT_EQ(list->item(2, 2)->background().color(), even);  // row "b", shifted down to 2

    // As painted: the column-0 cell of each row.
    Settle();
    const QImage shot = list->grab().toImage();
    for (int r = 0; r < 4; ++r) {
        const QRect cell = list->visualRect(list->model()->index(r, 0));
        const QPoint at = list->viewport()->mapTo(list, QPoint(cell.right() - 4, cell.center().y()));
        EXPECT_EQ(QColor(shot.pixel(at)), r % 2 == 0 ? even : odd) << r;
    }
}

// A list made on a window that is already shown (every other test makes it before): it
// shows with the window, and clicks, cell widgets and the header box work as on any list.
TEST_F(ListTest, ListMadeOnAShownWindowShowsAndWorks)
{
    CSFQTListCtrl* first = list;
    first->hide();
    MakeList();
    ASSERT_NE(list, first);
    EXPECT_TRUE(list->isVisible());
    AddRows({L"1", L"2", L"3"});
    for (int r = 0; r < 3; ++r)
        facade->SetItemCheckWidget(r, 0, ListCheckSkinRecord());
    facade->InsertColumnCheck(0, ListCheckSkinRecord());
    Settle();
    ASSERT_NE(list->HeaderCheckBox(), nullptr);
    EXPECT_TRUE(list->HeaderCheckBox()->isVisible());
    EXPECT_TRUE(CellWidgets<CSFQTRadioBox>(1, 0).value(0)->isVisible());

    ClickCell(1, 2);
    ASSERT_EQ(parent.Codes(2).size(), 1u);
    EXPECT_EQ(parent.Codes(2)[0].record.iItem, 1);
    EXPECT_EQ(parent.Codes(2)[0].record.lParam, 101);
    testutil::Click(list->HeaderCheckBox());
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(facade->IsCheck(r), 1) << r;
}

TEST_F(ListTest, ClickOnARowReportsItOnceAsTheWholeSelection)
{
    AddRows({L"1", L"2", L"3"});
    // Column 3 of every row is empty: the row counts whole all the same.
    ClickCell(1, 3);
    const std::vector<Message> clicks = parent.Codes(2);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].id, static_cast<LPARAM>(kListId));
    EXPECT_EQ(clicks[0].record.iItem, 1);
    EXPECT_EQ(clicks[0].record.iSubItem, 0);
    EXPECT_EQ(clicks[0].record.lParam, 101);
    EXPECT_EQ(parent.messages.size(), 1u);
    EXPECT_EQ(sink.calls, std::vector<std::string>{"release(1)"});
    EXPECT_EQ(facade->IsSelected(1), 1);
    EXPECT_EQ(facade->IsSelected(0), 0);
    std::set<int> rows;
    facade->GetSelectRow(rows);
    EXPECT_EQ(rows, std::set<int>{1});
}

// What a double click or a click reports in a column other than 0, and the data of a row
// whose 32 bits are all set.
TEST_F(ListTest, ReportsCarryTheClickedCellAndItsItemsData)
{
    AddRows({L"1", L"2", L"3"});
    facade->SetItemData(2, 0xFFFFFFFFu);
    DoubleClickCell(1, 2);
    ASSERT_EQ(parent.Codes(3).size(), 1u);
    EXPECT_EQ(parent.Codes(3)[0].record.iItem, 1);
    EXPECT_EQ(parent.Codes(3)[0].record.iSubItem, 2);
    EXPECT_EQ(parent.Codes(3)[0].record.lParam, 0);  // only column-0 items carry data
    DoubleClickCell(1, 0);
    ASSERT_EQ(parent.Codes(3).size(), 2u);
    EXPECT_EQ(parent.Codes(3)[1].record.lParam, 101);

    parent.messages.clear();
    ClickCell(2, 1);
    ASSERT_EQ(parent.Codes(2).size(), 1u);
    EXPECT_EQ(parent.Codes(2)[0].record.iItem, 2);
    EXPECT_EQ(parent.Codes(2)[0].record.lParam, -1);
}

// The owner opens a modal dialog on a double click: the dialog takes the release that would
// have ended it. The user's next click is a click all the same.
TEST_F(ListTest, ClickAfterADoubleClickWhoseReleaseNeverCameReportsItsRow)
{
    AddRows({L"1", L"2", L"3"});
    const QPoint at = CellCentre(0, 1);
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(parent.Codes(3).size(), 1u);
    parent.messages.clear();

    ClickCell(2, 1);
    const std::vector<Message> clicks = parent.Codes(2);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].record.iItem, 2);
    EXPECT_EQ(facade->IsSelected(2), 1);
    EXPECT_EQ(facade->IsSelected(0), 0);
}

// In multi-selection mode a click adds its row: two rows clicked stay selected, and neither
// click reports a row click (the selection is not one whole row).
TEST_F(ListTest, MultiSelectionKeepsTwoClickedRowsSelected)
{
    AddRows({L"1", L"2", L"3", L"4"});
    facade->SetSelectionStyle(2);
    ClickCell(1, 1);
    ClickCell(3, 2);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(facade->IsSelected(r), r == 1 || r == 3 ? 1 : 0) << r;
    std::set<int> rows;
    facade->GetSelectRow(rows);
    EXPECT_EQ(rows, (std::set<int>{1, 3}));
}

// A column of cell buttons never sorts: its header click sorts nothing, reports nothing and
// takes the indicator away.
TEST_F(ListTest, HeaderClickOnAButtonColumnSortsNothing)
{
    AddRows({L"b", L"c", L"a"});
    for (int r = 0; r < 3; ++r) {
        facade->SetItemText(r, 7, (L"z" + std::to_wstring(2 - r)).c_str());
        facade->SetItemWidget(r, 7, L"edit", nullptr, ButtonSkin(), ButtonSkin());
    }
    facade->SetHeaderSortEnable(1);
    ClickHeader(2);
    ASSERT_EQ(parent.Codes(9).size(), 1u);
    ASSERT_TRUE(list->horizontalHeader()->isSortIndicatorShown());
    const std::wstring order = Text(0, 0) + Text(1, 0) + Text(2, 0);

    ClickHeader(7);
    EXPECT_EQ(parent.Codes(9).size(), 1u);
    EXPECT_FALSE(list->horizontalHeader()->isSortIndicatorShown());
    EXPECT_EQ(Text(0, 0) + Text(1, 0) + Text(2, 0), order);
}

TEST_F(ListTest, HeaderClicksSortDescendingFirstAndReportTheColumn)
{
    AddRows({L"2", L"9", L"10"});
    facade->SetHeaderSortEnable(1);
    ClickHeader(2);
    EXPECT_EQ(Text(0, 2) + Text(1, 2) + Text(2, 2), L"9210");  // by text: "10" < "2" < "9"
    EXPECT_EQ(list->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    ClickHeader(2);
    EXPECT_EQ(Text(0, 2) + Text(1, 2) + Text(2, 2), L"1029");
    ASSERT_EQ(parent.Codes(9).size(), 2u);
    EXPECT_EQ(parent.Codes(9)[0].column, 2);
    EXPECT_EQ(parent.Codes(9)[1].column, 2);

    // The owner's sort is always ascending, whatever the clicks left.
    ClickHeader(2);
    EXPECT_EQ(Text(0, 2), L"9");
    facade->EmitHeadClickFun(2);
    EXPECT_EQ(Text(0, 2), L"10");
    EXPECT_EQ(parent.Codes(9).size(), 4u);

    // Column 0 never sorts: nothing is sent and the indicator goes.
    const size_t before = parent.messages.size();
    ClickHeader(0);
    EXPECT_EQ(parent.messages.size(), before);
    EXPECT_FALSE(list->horizontalHeader()->isSortIndicatorShown());
    EXPECT_EQ(Text(0, 0), L"row2");
}

TEST_F(ListTest, HeaderClicksDoNothingUntilSortingIsOn)
{
    AddRows({L"2", L"9", L"10"});
    ClickHeader(2);
    facade->SetHeaderSortEnable(1);
    facade->SetHeaderSortEnable(0);
    ClickHeader(2);
    EXPECT_TRUE(parent.Codes(9).empty());
    EXPECT_EQ(Text(0, 2) + Text(1, 2) + Text(2, 2), L"2910");
}

TEST_F(ListTest, HeaderBoxChecksEveryRowAndFollowsTheRowBoxes)
{
    AddRows({L"1", L"2", L"3"});
    for (int r = 0; r < 3; ++r)
        facade->SetItemCheckWidget(r, 0, ListCheckSkinRecord());
    EXPECT_EQ(facade->InsertColumnCheck(0, ListCheckSkinRecord()), 0);
    Settle();
    CSFQTRadioBox* header = list->HeaderCheckBox();
    ASSERT_NE(header, nullptr);
    EXPECT_TRUE(header->isVisible());

    // What a box shows, inside its rounded edge, in a picture of the whole list.
    const QString skinDir = QStringLiteral(TESSALY_EXT_SKIN_DIR);
    const QRgb on = QImage(skinDir + QStringLiteral("list_check_on.png")).pixel(3, 3);
    const QRgb off = QImage(skinDir + QStringLiteral("list_check_off.png")).pixel(3, 3);
    ASSERT_NE(on, off);
    auto shown = [&](QWidget* box) { return list->grab().toImage().pixel(box->mapTo(list, QPoint(3, 3))); };

    testutil::Click(header);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(facade->IsCheck(r), 1) << r;
        EXPECT_EQ(shown(CellWidgets<CSFQTRadioBox>(r, 0).value(0)), on) << r;
    }

    CSFQTRadioBox* box1 = CellWidgets<CSFQTRadioBox>(1, 0).value(0);
    ASSERT_NE(box1, nullptr);
    EXPECT_EQ(box1->size(), QSize(16, 16));
    testutil::Click(box1);
    testutil::SendLeave(box1);
    EXPECT_EQ(facade->IsCheck(1), 0);
    EXPECT_EQ(shown(box1), off);
    EXPECT_EQ(header->GetCheck(), 0);
    testutil::Click(box1);
    EXPECT_EQ(header->GetCheck(), 1);

    // The owner's changes are silent and reach the boxes of their rows only.
    EXPECT_EQ(facade->SetCheck(2, 0), 1);
    EXPECT_EQ(facade->IsCheck(2), 0);
    EXPECT_EQ(facade->IsCheck(1), 1);
    EXPECT_EQ(facade->SetCheck(7, 1), 0);
    EXPECT_EQ(facade->IsCheck(7), 0);
    facade->SetAllCheck(0);
    EXPECT_EQ(header->GetCheck(), 0);
    EXPECT_EQ(facade->IsCheck(1), 1);
    EXPECT_TRUE(sink.calls.empty());
    EXPECT_TRUE(parent.messages.empty());
}

TEST_F(ListTest, CellButtonReportsItsRowToTheSinkAndItsIdToTheParent)
{
    AddRows({L"1", L"2", L"3"});
    facade->SetItemWidget(1, 7, L"t1", nullptr, ButtonSkin(), ButtonSkin());
    Settle();
    const QList<CSFQTButton*> buttons = CellWidgets<CSFQTButton>(1, 7);
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->size(), QSize(22, 22));
    EXPECT_EQ(buttons[0]->toolTip(), QStringLiteral("t1"));
    testutil::Click(buttons[0]);

    ASSERT_EQ(parent.messages.size(), 2u);
    EXPECT_EQ(parent.messages[0].msg, static_cast<int>(WM_NOTIFY));
    EXPECT_EQ(parent.messages[0].code, 2);
    EXPECT_EQ(parent.messages[0].record.iItem, 1);
    EXPECT_EQ(parent.messages[0].record.lParam, 101);
    EXPECT_EQ(parent.messages[1].msg, static_cast<int>(WM_COMMAND));
    EXPECT_EQ(parent.messages[1].code, 0);
    EXPECT_EQ(parent.messages[1].id, 2134);
    EXPECT_EQ(sink.calls, std::vector<std::string>{"button(2134,1)"});
    EXPECT_EQ(facade->IsSelected(1), 1);
}

TEST_F(ListTest, DoubleClickOnAnEditorColumnLeavesAnEditorOpenUntilTheNextDoubleClick)
{
    AddRows({L"1", L"2", L"3"});
    facade->SetItemText(1, 3, L"note");
    facade->SetItemText(2, 1, L"other");
    facade->EditorMode(3);
    DoubleClickCell(1, 3);
    ASSERT_EQ(parent.Codes(3).size(), 1u);
    EXPECT_EQ(parent.Codes(3)[0].record.iItem, 1);
    EXPECT_EQ(parent.Codes(3)[0].record.iSubItem, 3);
    EXPECT_TRUE(list->isPersistentEditorOpen(list->item(1, 3)));

    DoubleClickCell(2, 1);
    EXPECT_FALSE(list->isPersistentEditorOpen(list->item(1, 3)));
    EXPECT_FALSE(list->isPersistentEditorOpen(list->item(2, 1)));
    ASSERT_EQ(parent.Codes(3).size(), 2u);
    EXPECT_EQ(parent.Codes(3)[1].record.iItem, 2);
    EXPECT_EQ(parent.Codes(3)[1].record.iSubItem, 1);
}

TEST_F(ListTest, ColumnFiveEditReportsTheUsersChangeOnly)
{
    AddRows({L"1", L"2", L"3"});
    facade->SetItemEditable(1, 5);
    DoubleClickCell(1, 5);
    QLineEdit* editor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "typed");
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();  // the editor hands its text over once its key is handled
    EXPECT_EQ(Text(1, 5), L"typed");
    ASSERT_EQ(parent.Codes(10).size(), 1u);
    EXPECT_EQ(parent.Codes(10)[0].record.iItem, 1);
    EXPECT_EQ(parent.Codes(10)[0].record.iSubItem, 5);

    // The owner puts the old text back, or changes cells, without another report.
    facade->SetItemEdit(1, 5);
    EXPECT_EQ(Text(1, 5), L"edit1");
    facade->SetItemText(1, 5, L"owner");
    facade->SetRowColor(1);
    EXPECT_EQ(parent.Codes(10).size(), 1u);
}

// An edit committed by a click on another row is reported, with its cell, before
// that click's own report.
TEST_F(ListTest, ColumnFiveEditCommittedByAClickIsReportedBeforeTheClick)
{
    AddRows({L"1", L"2", L"3"});
    facade->SetItemEditable(1, 5);
    DoubleClickCell(1, 5);
    QLineEdit* editor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "typed");
    parent.messages.clear();
    ClickCell(2, 2);
    Settle();
    EXPECT_EQ(Text(1, 5), L"typed");
    ASSERT_EQ(parent.messages.size(), 2u);
    EXPECT_EQ(parent.messages[0].code, 10);
    EXPECT_EQ(parent.messages[0].id, static_cast<LPARAM>(kListId));
    EXPECT_EQ(parent.messages[0].record.iItem, 1);
    EXPECT_EQ(parent.messages[0].record.iSubItem, 5);
    EXPECT_EQ(parent.messages[1].code, 2);
    EXPECT_EQ(parent.messages[1].record.iItem, 2);
}

// Every change the owner makes through the facade is silent, also while the column-5 route
// is armed by the user's edit.
TEST_F(ListTest, OwnerChangesReportNothing)
{
    AddRows({L"1", L"2", L"3", L"4"});
    for (int r = 0; r < 4; ++r) {
        facade->SetItemCheckWidget(r, 0, ListCheckSkinRecord());
        facade->SetItemProgress(r, 6, 9, ListProgressSkinRecord());
        facade->AddOperateBtn(r, 7, L"Go", 40, ButtonSkin(), 30, 20);
    }
    facade->InsertColumnCheck(0, ListCheckSkinRecord());
    facade->SetItemEditable(1, 5);
    DoubleClickCell(1, 5);
    QLineEdit* editor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    Settle();
    parent.messages.clear();
    sink.calls.clear();

    int two[2] = {0, 2};
    std::set<int> none;
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"SetItemText", [&] { facade->SetItemText(1, 5, L"owner"); }},
        {"SetItemText other cell", [&] { facade->SetItemText(2, 3, L"note"); }},
        {"SetItemData", [&] { facade->SetItemData(1, 7); }},
        {"SetItemIcon", [&] { facade->SetItemIcon(1, 5, L"/nowhere/icon.png"); }},
        {"SetToolTipText", [&] { facade->SetToolTipText(1, 5, L"tip"); }},
        {"SetRowColor", [&] { facade->SetRowColor(1); }},
        {"SetItemEdit", [&] { facade->SetItemEdit(1, 5); }},
        {"SetItemEditable", [&] { facade->SetItemEditable(2, 5); }},
        {"SetCheck", [&] { facade->SetCheck(1, 1); }},
        {"SetAllCheck", [&] { facade->SetAllCheck(1); }},
        {"SetItemSelected", [&] { facade->SetItemSelected(two, 2, true); }},
        {"SetProgress", [&] { facade->SetProgress(1, 50); }},
        {"SetBtnEnable", [&] { facade->SetBtnEnable(1, false); }},
        {"SetItemShow", [&] { facade->SetItemShow(1, 7, 40, false); }},
        {"SetColumnHeaderText", [&] { facade->SetColumnHeaderText(1, L"Type"); }},
        {"DeleteSelectedItems", [&] { facade->DeleteSelectedItems(none); }},
        {"InsertItem", [&] { facade->InsertItem(0, L"first"); }},
        {"DeleteAllItems", [&] { facade->DeleteAllItems(); }},
    };
    for (const auto& [name, change] : changes) {
        change();
        Settle();
        EXPECT_TRUE(parent.messages.empty()) << name;
        EXPECT_TRUE(sink.calls.empty()) << name;
        parent.messages.clear();
        sink.calls.clear();
    }
}

// Rows removed under check boxes: the ones left are still found by their present rows, and
// check-all reaches only boxes still in the table (a freed box here is a use after free).
TEST_F(ListTest, CheckBoxesFollowTheirRowsAfterRowsAreDeleted)
{
    AddRows({L"1", L"2", L"3", L"4"});
    for (int r = 0; r < 4; ++r)
        facade->SetItemCheckWidget(r, 0, ListCheckSkinRecord());
    facade->InsertColumnCheck(0, ListCheckSkinRecord());
    facade->SetCheck(2, 1);
    ClickCell(1, 2);
    std::set<int> rows{3};
    facade->DeleteSelectedItems(rows);
    EXPECT_EQ(rows, (std::set<int>{1, 3}));
    EXPECT_EQ(facade->GetItemCount(), 2);
    EXPECT_EQ(Text(1, 0), L"row2");
    EXPECT_EQ(facade->IsCheck(1), 1);  // the box of old row 2
    EXPECT_EQ(facade->IsCheck(0), 0);
    Settle();  // the removed rows' boxes are deleted now

    testutil::Click(list->HeaderCheckBox());
    EXPECT_EQ(facade->IsCheck(0), 1);
    EXPECT_EQ(facade->IsCheck(1), 1);
    EXPECT_EQ(facade->IsCheck(2), 0);
    EXPECT_EQ(facade->SetCheck(3, 1), 0);
    // Unchecking the box of the remaining row 0 clears the header; checking it sets it again:
    // only the two remaining boxes count.
    CSFQTRadioBox* box0 = CellWidgets<CSFQTRadioBox>(0, 0).value(0);
    ASSERT_NE(box0, nullptr);
    testutil::Click(box0);
    EXPECT_EQ(list->HeaderCheckBox()->GetCheck(), 0);
    testutil::Click(box0);
    EXPECT_EQ(list->HeaderCheckBox()->GetCheck(), 1);

    EXPECT_EQ(facade->DeleteAllItems(), 1);
    Settle();
    testutil::Click(list->HeaderCheckBox());
    EXPECT_EQ(facade->IsCheck(0), 0);
}

// Rows sorted under buttons and progress bars: the owner's row numbers and the reported ones
// are the rows as they are now.
TEST_F(ListTest, CellWidgetsFollowTheirRowsWhenTheListSorts)
{
    AddRows({L"b", L"c", L"a"});
    for (int r = 0; r < 3; ++r) {
        facade->SetItemProgress(r, 6, 500 + static_cast<UINT>(r), ListProgressSkinRecord());
        facade->AddOperateBtn(r, 7, L"Go", 600 + r, ButtonSkin(), 40, 20);
    }
    facade->SetHeaderSortEnable(1);
    facade->EmitHeadClickFun(2);  // a, b, c: old rows 2, 0, 1
    Settle();
    ASSERT_EQ(Text(0, 0), L"row2");

    facade->SetProgress(0, 40);
    EXPECT_EQ(CellWidgets<CSFQTProgressCtrl>(0, 6).value(0)->GetPos(), 40);
    EXPECT_EQ(CellWidgets<CSFQTProgressCtrl>(1, 6).value(0)->GetPos(), 0);
    EXPECT_EQ(CellWidgets<CSFQTProgressCtrl>(2, 6).value(0)->GetPos(), 0);

    facade->SetBtnEnable(1, false);
    EXPECT_FALSE(CellWidgets<CSFQTButton>(1, 7).value(0)->isEnabled());
    EXPECT_TRUE(CellWidgets<CSFQTButton>(0, 7).value(0)->isEnabled());

    facade->SetItemShow(2, 7, 602, false);  // the button of old row 2 is not in row 2 now
    EXPECT_TRUE(CellWidgets<CSFQTButton>(2, 7).value(0)->isVisibleTo(list));
    facade->SetItemShow(0, 7, 602, false);
    EXPECT_FALSE(CellWidgets<CSFQTButton>(0, 7).value(0)->isVisibleTo(list));
    facade->SetItemShow(1, 7, 1113, false);  // no button has that id: the progress bar
    EXPECT_FALSE(CellWidgets<CSFQTProgressCtrl>(1, 7).value(0)->isVisibleTo(list));

    testutil::Click(CellWidgets<CSFQTButton>(2, 7).value(0));
    EXPECT_EQ(sink.calls.back(), "button(601,2)");
    EXPECT_EQ(parent.Codes(2).back().record.iItem, 2);
    EXPECT_EQ(parent.Codes(2).back().record.lParam, 101);
}

// A row's button and progress bar of the same id: showing or hiding that id acts on the
// button alone.
TEST_F(ListTest, ItemShowTakesTheButtonBeforeTheProgressBarOfTheSameId)
{
    AddRows({L"a"});
    facade->AddOperateBtn(0, 7, L"Go", CSFQTListCtrl::OperateProgressId, ButtonSkin(), 40, 20);
    facade->SetItemShow(0, 7, CSFQTListCtrl::OperateProgressId, false);
    EXPECT_FALSE(CellWidgets<CSFQTButton>(0, 7).value(0)->isVisibleTo(list));
    EXPECT_TRUE(CellWidgets<CSFQTProgressCtrl>(0, 7).value(0)->isVisibleTo(list));
}

TEST_F(ListTest, CellWidgetsSitCentredInTheirCellsAndStayThereWhenScrolled)
{
    AddRows({L"1", L"2", L"3"});
    for (int r = 0; r < 3; ++r) {
        facade->SetItemCheckWidget(r, 0, ListCheckSkinRecord());
        facade->SetItemProgress(r, 6, 7, ListProgressSkinRecord());
        facade->SetItemWidget(r, 7, L"edit", L"remove", ButtonSkin(), ButtonSkin());
    }
    facade->InsertColumnCheck(0, ListCheckSkinRecord());
    for (int c = 0; c < 8; ++c)
        facade->SetColumnWidth(c, 120);
    Settle();

    auto checkPlacement = [&](const char* when) {
        for (int r = 0; r < 3; ++r) {
            for (int c : {0, 6, 7}) {
                const QRect cell = list->visualRect(list->model()->index(r, c));
                QWidget* container = list->cellWidget(r, c);
                ASSERT_NE(container, nullptr);
                if (!cell.intersects(list->viewport()->rect()))
                    continue;
                EXPECT_EQ(container->geometry(), cell) << when << " " << r << "," << c;
                for (QWidget* w : container->findChildren<QWidget*>()) {
                    EXPECT_EQ(w->y(), (27 - w->height()) / 2) << when;
                    EXPECT_GE(w->x(), 10) << when;
                }
            }
        }
    };
    checkPlacement("before scrolling");
    const QList<CSFQTButton*> buttons = CellWidgets<CSFQTButton>(0, 7);
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->x(), 10);
    EXPECT_EQ(buttons[1]->x(), buttons[0]->geometry().right() + 10);

    QWidget* headerArea = list->HeaderCheckBox()->parentWidget();
    EXPECT_TRUE(headerArea->isVisible());
    list->horizontalScrollBar()->setValue(1);
    Settle();
    checkPlacement("scrolled by one column");
    // The header box's section is scrolled out: the box goes with it.
    EXPECT_FALSE(headerArea->isVisible());
    list->horizontalScrollBar()->setValue(0);
    Settle();
    EXPECT_TRUE(headerArea->isVisible());
    const QRect section(list->horizontalHeader()->geometry().topLeft(), QSize(120, 27));
    EXPECT_TRUE(section.contains(headerArea->geometry())) << "header box outside its section";
}

TEST_F(ListTest, SelectionByTheOwnerReadsTheGivenRowsAndIsSilent)
{
    AddRows({L"1", L"2", L"3", L"4"});
    facade->SetSelectionStyle(2);
    facade->SetSelectionStyle(9);  // not a mode: ignored
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection);
    int rows[2] = {1, 3};
    facade->SetItemSelected(rows, 2, true);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(facade->IsSelected(r), r == 1 || r == 3 ? 1 : 0) << r;
    facade->SetItemSelected(rows, 1, false);
    EXPECT_EQ(facade->IsSelected(1), 0);
    EXPECT_EQ(facade->IsSelected(3), 1);
    facade->SetItemSelected(nullptr, 2, true);
    EXPECT_EQ(facade->IsSelected(0), 0);
    EXPECT_TRUE(parent.messages.empty());
    EXPECT_TRUE(sink.calls.empty());
}

// Selected rows and listed ones go together, in runs and alone; numbers out of range are
// skipped; what stays keeps its order and data, and nothing stays selected.
TEST_F(ListTest, DeleteSelectedRemovesTheSelectedAndListedRowsOnly)
{
    AddRows({L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"});
    facade->SetSelectionStyle(2);
    int selected[3] = {7, 6, 9};
    facade->SetItemSelected(selected, 3, true);
    std::set<int> rows{-1, 0, 1, 2, 4, 12};
    facade->DeleteSelectedItems(rows);
    EXPECT_EQ(rows, (std::set<int>{-1, 0, 1, 2, 4, 6, 7, 9, 12}));
    ASSERT_EQ(facade->GetItemCount(), 3);
    EXPECT_EQ(Text(0, 0) + Text(1, 0) + Text(2, 0), L"row3row5row8");
    EXPECT_EQ(facade->GetItemData(1), 105u);
    std::set<int> left;
    facade->GetSelectRow(left);
    EXPECT_TRUE(left.empty());
    EXPECT_TRUE(parent.messages.empty());
}

// The owner's selection takes whole rows: every cell of a listed row, none of the others.
TEST_F(ListTest, SelectionByTheOwnerTakesEveryCellOfTheRows)
{
    AddRows({L"1", L"2", L"3", L"4", L"5"});
    facade->SetSelectionStyle(2);
    int rows[4] = {3, 0, 1, 3};  // unsorted, one twice
    facade->SetItemSelected(rows, 4, true);
    const QModelIndexList cells = list->selectionModel()->selectedIndexes();
    EXPECT_EQ(cells.size(), 3 * 8);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(list->selectionModel()->isSelected(list->model()->index(r, c)), r != 2 && r != 4)
                << r << "," << c;
    int middle[1] = {0};
    facade->SetItemSelected(middle, 1, false);
    EXPECT_EQ(list->selectionModel()->selectedIndexes().size(), 2 * 8);
    EXPECT_EQ(facade->IsSelected(0), 0);
}

// A second check box placed in the same cell replaces the first: SetCheck and IsCheck act on
// the one shown, also before the first is deleted.
TEST_F(ListTest, SecondCheckBoxInACellIsTheOneTheOwnerSets)
{
    AddRows({L"1", L"2"});
    facade->SetItemCheckWidget(1, 0, ListCheckSkinRecord());
    QPointer<CSFQTRadioBox> first = CellWidgets<CSFQTRadioBox>(1, 0).value(0);
    ASSERT_NE(first, nullptr);
    facade->SetItemCheckWidget(1, 0, ListCheckSkinRecord());
    const QList<CSFQTRadioBox*> shown = CellWidgets<CSFQTRadioBox>(1, 0);
    ASSERT_EQ(shown.size(), 1);
    ASSERT_NE(shown[0], first.data());
    EXPECT_EQ(facade->SetCheck(1, 1), 1);
    EXPECT_EQ(shown[0]->GetCheck(), 1);
    if (first) {
        EXPECT_EQ(first->GetCheck(), 0);
    }
    EXPECT_EQ(facade->IsCheck(1), 1);
    shown[0]->SetCheck(0);
    EXPECT_EQ(facade->IsCheck(1), 0);
}

// The owner deletes the list from inside each of its notifications, as an owner closing a
// panel from a click does: the list touches nothing of itself afterwards (the sanitizer build
// sees a use after free) and reports nothing more.
TEST_F(ListTest, OwnerMayDeleteTheListInsideEachNotification)
{
    auto clickButton = [this] { testutil::Click(CellWidgets<CSFQTButton>(1, 7).value(0)); };
    // Types into the column-5 editor of row 1; the edit is committed by what follows.
    auto typeIntoColumnFive = [this] {
        facade->SetItemEditable(1, 5);
        DoubleClickCell(1, 5);
        QLineEdit* editor = list->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, "typed");
    };
    const struct
    {
        const char* on;  // the notification the owner deletes the list in
        std::function<void()> act;
    } cases[] = {
        {"release", [this] { ClickCell(1, 2); }},
        {"code 2", [this] { ClickCell(1, 2); }},
        {"code 2", clickButton},
        {"button", clickButton},
        {"command", clickButton},
        {"code 3", [this] { DoubleClickCell(1, 2); }},
        {"code 9", [this] { ClickHeader(2); }},
        {"code 10",
         [&] {
             typeIntoColumnFive();
             QTest::keyClick(list->viewport()->findChild<QLineEdit*>(), Qt::Key_Return);
         }},
        {"code 10",
         [&] {
             typeIntoColumnFive();
             ClickCell(2, 2);
         }},
    };
    for (const auto& c : cases) {
        MakeList();
        AddRows({L"1", L"2", L"3"});
        facade->SetItemWidget(1, 7, L"edit", nullptr, ButtonSkin(), ButtonSkin());
        facade->SetHeaderSortEnable(1);
        Settle();
        Deleter deleter{c.on, list};
        parent.deleter = &deleter;
        sink.deleter = &deleter;

        c.act();
        Settle();
        parent.deleter = nullptr;
        sink.deleter = nullptr;
        EXPECT_TRUE(deleter.fired) << c.on << ": the owner never heard it";
        EXPECT_TRUE(deleter.victim.isNull()) << c.on;
        EXPECT_EQ(deleter.heardAfter, 0) << c.on << ": reported after it was deleted";
    }
}

TEST_F(ListTest, SkinSetsTheHeaderAndRowHeightsAndStripes)
{
    EXPECT_EQ(facade->SetSkin(nullptr), 0);
    ListCtrlStyle style = ListSkinRecord();
    style[1] = L"0,0,63,26";
    style[21] = L"stretch";
    style[41] = L"102030";
    style[42] = L"405060";
    style.nValue[2] = 31;
    style.nValue[3] = 24;
    EXPECT_EQ(facade->SetSkin(&style), 1);
    EXPECT_FALSE(list->SkinSprite().isNull());
    EXPECT_EQ(list->horizontalHeader()->height(), 31);
    AddRows({L"1", L"2"});
    EXPECT_EQ(list->rowHeight(0), 24);
    EXPECT_EQ(list->item(0, 1)->background().color(), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(list->item(1, 1)->background().color(), QColor(0x40, 0x50, 0x60));
    facade->SetRowColor(1);
    EXPECT_EQ(list->item(1, 2)->background().color(), QColor(230, 110, 100));
}

TEST_F(ListTest, ColumnAlignmentAppliesToItemsSetAfterwards)
{
    AddRows({L"1"});
    facade->SetColumnTextAlign(1, DT_RIGHT | DT_VCENTER);
    EXPECT_EQ(list->item(0, 1)->textAlignment(), 0);
    facade->SetItemText(0, 1, L"right");
    EXPECT_EQ(list->item(0, 1)->textAlignment(), static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
}

// The cells' containers take no focus: the window shown and activated after the list is
// filled gives no row the focus, so none is selected.
TEST(ListFocus, ShowingTheWindowSelectsNoRow)
{
    SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());
    QWidget window;
    CSFListCtrl* facade = SF_CreateListCtrl(nullptr);
    ASSERT_NE(facade, nullptr);
    facade->Create(WS_VISIBLE | WS_CHILD, Rect(0, 0, 300, 120), &window, 1, false);
    facade->InsertColumn(0, L"", 0, 0, 0);
    facade->InsertColumn(1, L"Name", 0, 0, 0);
    for (int r = 0; r < 2; ++r) {
        facade->InsertItem(r, L"row");
        facade->SetItemCheckWidget(r, 0, ListCheckSkinRecord());
    }
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QApplication::processEvents();
    EXPECT_EQ(facade->IsSelected(0), 0);
    EXPECT_EQ(facade->IsSelected(1), 0);
}

TEST(ListFactory, ReadsCreateOnePastAndMoveWindowInclusive)
{
    QWidget parent;
    CSFListCtrl* facade = SF_CreateListCtrl(nullptr);
    ASSERT_NE(facade, nullptr);
    facade->Create(0, Rect(10, 10, 110, 40), &parent, 5, true);
    QWidget* w = dynamic_cast<QWidget*>(facade);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), QRect(10, 10, 100, 30));
    EXPECT_EQ(w->parentWidget(), &parent);
    RECT rc = Rect(10, 10, 110, 40);
    facade->MoveWindow(&rc);
    EXPECT_EQ(w->geometry(), QRect(10, 10, 101, 31));
    SF_DestroyListCtrl(facade);  // the parent keeps and deletes it
    EXPECT_EQ(w->parentWidget(), &parent);
}

}  // namespace
