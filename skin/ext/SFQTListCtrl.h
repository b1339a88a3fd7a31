// The list control: a report-style table with one row per item, column headings, 32-bit
// item data in the user role of each row's column-0 item, striped rows, sorting by header
// click, a header check box over row check boxes, picture buttons and progress bars placed
// in cells, persistent editors on double click, and a column-5 edit route.
//
// It reports to its owner through the sink (Selection_OnMouseRelease, OnButton) and through
// CSFCustomEvents sent synchronously to its parent (none without a parent), id = control id:
//   {0x4E, 2}  a click made a whole row the selection, or a cell button was clicked
//   {0x4E, 3}  a cell was double-clicked
//   {0x4E, 9}  a header click sorted the list; wParam points to the int column
//   {0x4E, 10} the armed column-5 cell was changed by the user's edit
//   {0x111, 0} a cell button was clicked; the id field carries the button id
// Codes 2, 3 and 10 point wParam at an NMLISTVIEW (zero-filled; iItem, iSubItem and lParam,
// the user data of the cell's item) that lives only while the event is delivered.
//
// Changes the owner makes through the facade are silent: only the user's actions report.
//
// Cell widgets (buttons, row check boxes, progress bars) each sit in a transparent container
// view that is the cell's index widget; the table keeps them in their cells when it scrolls,
// sorts or removes rows. A widget's row is always read from the cell that holds its container
// now, so sorting and removing rows never leave a widget reporting or acting on a stale row.
#pragma once

#include "skin/SFInterface.h"
#include "skin/ext/SFInterfaceExt.h"
#include "skin/ext/SFListCtrlStyle.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTableWidget>

#include <vector>

class CSFQTButton;
class CSFQTProgressCtrl;
class CSFQTRadioBox;
class CSFQTView;

class CSFQTListCtrl : public QTableWidget,
                      public CSFListCtrl,
                      public ISFRadioBoxEvent,
                      public ISFProgressCtrlEvent
{
    Q_OBJECT

public:
    // Control ids of the list's own parts.
    enum
    {
        HeaderCheckId = 2132,
        RowCheckId = 2133,
        FirstCellButtonId = 2134,
        SecondCellButtonId = 2135,
        OperateProgressId = 1113
    };
    // Notification codes of {0x4E, code}.
    enum
    {
        NotifyRowClick = 2,
        NotifyDoubleClick = 3,
        NotifySorted = 9,
        NotifyEdited = 10
    };

    explicit CSFQTListCtrl(ISFListCtrlEvent* pEvent);
    ~CSFQTListCtrl() override;
    CSFQTListCtrl(const CSFQTListCtrl&) = delete;
    CSFQTListCtrl& operator=(const CSFQTListCtrl&) = delete;

    // ---- CSFListCtrl ----
    // rc is read one past (width right - left); the style's visible bit is not read: the list
    // shows with its parent. Returns 1.
    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id, bool flag) override;
    void SetCursor() override;
    // NULL: 0. Else stores the sprite, the parts and the row colours, sets the header's
    // fixed height and the height of rows inserted afterwards; returns 1.
    int SetSkin(ListCtrlStyle* style) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int w, int h) override;
    int GetCheck(int row) const override;  // 0: read check boxes with IsCheck
    int GetColumn(int col, void* column) const override;
    int GetItemCount() const override;
    // 0xFFFFFFFF for a row out of range; 0 for a row without a column-0 item.
    DWORD GetItemData(int row) const override;
    // -1 out of range; else copies min(size, length) characters without a terminator and
    // returns that number (0 for a null buf).
    int GetItemText(int row, int col, wchar_t* buf, int size) const override;
    void* GetFirstSelectedItemPosition() const override;
    int GetNextSelectedItem(void*& pos) const override;  // -1
    DWORD GetExtendedStyle() override;
    // Sets the row's check box (silently); 1 when the row has one, else 0.
    int SetCheck(int row, int check) override;
    // 0 for a row out of range or without a column-0 item; else stores the data, 1.
    int SetItemData(int row, DWORD data) override;
    // 0 out of range; else a new item with the text replaces the cell's (keeping the item
    // data), takes the column's alignment and the row's colour; 1.
    int SetItemText(int row, int col, const wchar_t* text) override;
    int SubItemHitTest(void* info) override;  // -1
    // -1 for col < 0 or past the headings; else inserts the heading, gives every column the
    // same share of the control's width, hides column col when hidden is 1; returns col.
    int InsertColumn(int col, const wchar_t* heading, int hidden, int format, int width) override;
    // The header check box (id 2132) over header section col; returns 0.
    int InsertColumnCheck(int col, ImageRadioBox skin) override;
    // Inserts a row at row (0..count) with text in column 0; -1 out of range.
    int InsertItem(int row, const wchar_t* text) override;
    DWORD SetExtendedStyle(DWORD style) override;
    int DeleteAllItems() override;  // 1
    // Adds the rows of the selection to rows, then removes every listed row in range, the
    // highest first.
    void DeleteSelectedItems(std::set<int>& rows) override;
    // Selects (or deselects) the rows rows[0..n-1], across all columns; NULL does nothing.
    void SetItemSelected(int* rows, int n, bool select) override;
    int SetColumnWidth(int col, int width) override;  // 1
    void SetColumnTextAlign(int col, UINT dtFlags) override;
    void SetItemWidget(int row, int col, const wchar_t* tip1, const wchar_t* tip2, ImageButtonStyle skin1,
                       ImageButtonStyle skin2) override;
    void SetItemProgress(int row, int col, UINT id, ImageProgressCtrlStyle skin) override;
    void SetItemCheckWidget(int row, int col, ImageRadioBox skin) override;
    // The icon file at path as given (not in the skin folder).
    void SetItemIcon(int row, int col, const wchar_t* path) override;
    void SetObjectName(const wchar_t* name) override;
    void SetHorizontalHeaderVisible(int visible) override;
    void ScrollToBottom() override;
    void SetToolTipText(int row, int col, const wchar_t* text) override;
    void SetShowGrid(int show) override;
    void SetColumnHeaderText(int col, const wchar_t* text) override;
    void EnableWindow(int enable) override;
    // 0 none, 1 single, 2 multi, 3 extended, 4 contiguous; other values are ignored.
    void SetSelectionStyle(UINT mode) override;
    void EditorMode(int col) override;
    int IsSelected(int row) override;
    int IsCheck(int row) override;
    void GetSelectRow(std::set<int>& rows) override;
    void SetHeaderSortEnable(int on) override;
    void SetColumnHidden(int col, bool hidden) override;
    void SetVerticalHeaderHide() override;
    void SetSortIndicatorShown(int shown) override;
    void SetItemEditable(int row, int col) override;
    // Puts back the text the cell had when its column-5 edit began, silently.
    void SetItemEdit(int row, int col) override;
    void SetRowColor(int row) override;
    // Sorts by col ascending, as a header click would report it.
    void EmitHeadClickFun(int col) override;
    void AddOperateBtn(int row, int col, const wchar_t* text, int id, ImageButtonStyle skin, int w,
                       int h) override;
    void SetBtnEnable(int row, bool enable) override;  // the row's first cell button
    void SetAllCheck(int check) override;              // the header check box only
    void SetItemShow(int row, int col, UINT id, bool show) override;
    void SetProgress(int row, int pos) override;  // every progress bar of the row

    // ---- Its own check boxes and progress bars ----
    void RADIO_OnClicked(int check, int id, POINT pt) override;
    void PROGRESS_OnLButtonDown() override {}
    void PROGRESS_OnLButtonUp() override {}
    void PROGRESS_OnMouseMove() override {}

    // ---- Read-outs ----
    UINT ControlId() const { return m_nID; }
    int HeaderHeight() const { return m_nHeaderHeight; }
    int RowHeight() const { return m_nRowHeight; }
    const QColor& EvenRowColor() const { return m_evenRowColor; }
    const QColor& OddRowColor() const { return m_oddRowColor; }
    const QPixmap& SkinSprite() const { return m_sprite; }
    // The header check box, NULL before InsertColumnCheck.
    CSFQTRadioBox* HeaderCheckBox() const;

public Q_SLOTS:
    // Repaints the control (not connected by the list itself).
    void OnCellChanged(int row, int col, int value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void updateGeometries() override;
    // Sends the held edit reports before a later input event reaches any widget.
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void OnItemDBClicked(QTableWidgetItem* item);
    void OnWidgetItemDBClicked(QTableWidgetItem* item);
    void OnWidgetItemChanged(QTableWidgetItem* item);
    void OnHeaderClicked(int col);
    void OnClicked();
    void OnHeaderPosChanged(int value);
    void OnHeaderPosChanged1(int value);
    void OnrangeChanged(int min, int max);
    void OnVerPosBarChanged(int value);

private:
    struct SkinPart
    {
        QRect rect;
        bool loaded = false;
        bool stretch = false;
    };
    // A widget the list placed in a cell, in creation order.
    struct CellPart
    {
        enum Kind
        {
            Button,
            RowCheck,
            Progress
        };
        Kind kind;
        QPointer<QWidget> widget;
        UINT id;
        QPersistentModelIndex cell;
    };

    bool CellInRange(int row, int col) const;
    // The cell's item; NULL out of range or for a cell without one.
    QTableWidgetItem* ItemAt(int row, int col) const;
    // The row whose cell holds the part's container now; -1 once the part is gone.
    int RowOf(const CellPart& part) const;
    // The first part of that kind (and id, when given) whose row is row; NULL when none.
    const CellPart* FindPart(CellPart::Kind kind, int row, const UINT* id = nullptr) const;
    void ForgetDeadParts();
    // A transparent container on parent that lays its widgets out from x 10 at topOffset.
    CSFQTView* NewContainer(QWidget* parent, int topOffset) const;
    // A cell's container for widgets widgetHeight high, centred in the row; PlaceContainer
    // makes it the cell's index widget.
    CSFQTView* NewCellContainer(int widgetHeight) const;
    void PlaceContainer(int row, int col, CSFQTView* container);
    // A 16 x 16 check box in container (laid out there), skinned; the list is its sink.
    CSFQTRadioBox* NewCheckBox(CSFQTView* container, UINT id, ImageRadioBox& skin);
    // A cell button w x h in container, skinned, with a tool tip; its clicks reach OnClicked.
    CSFQTButton* NewCellButton(CSFQTView* container, const wchar_t* text, UINT id, const wchar_t* tip,
                               ImageButtonStyle& skin, int w, int h);
    // A progress bar w x h in container at position 0, skinned when skin is not NULL.
    CSFQTProgressCtrl* NewCellProgress(CSFQTView* container, UINT id, ImageProgressCtrlStyle* skin, int w,
                                       int h);
    void AddPart(CellPart::Kind kind, QWidget* widget, UINT id, int row, int col);

    void ApplyHeadings();
    // The background of the row's items; nothing for a row out of range.
    void ColorRow(int row, const QColor& colour);
    // The even or odd row colour of the stripes.
    const QColor& StripeColor(int row) const;
    void ApplyColumnAlignment(QTableWidgetItem* item, int col) const;
    void RowClicked(int row, int col);
    void CloseOpenEditor();
    void SetRoutingToEditHandler(bool on);
    void Notify(int code, int row, int col);
    // The notification record of the cell (row, col) as it is now.
    NMLISTVIEW Record(int row, int col) const;
    // Sends the held edit reports first, so that every report keeps its order.
    void SendToParent(int msg, int code, WPARAM data, LPARAM id);
    void DeliverToParent(int msg, int code, WPARAM data, LPARAM id);
    // Code 10 is raised inside the table's commit of the editor's text, which goes on touching
    // the table and the editor: the report is held until that handling is over.
    void HoldEditReport(const NMLISTVIEW& record);
    // Sends the held reports, oldest first; false when the owner deleted the list on one.
    bool SendHeldEditReports();
    void PlaceHeaderCheckBox();

    // ---- In the order of the control's description ----
    QPixmap m_sprite;
    SkinPart m_parts[20];
    int m_nHeaderHeight;
    int m_nRowHeight;
    QStringList m_headings;
    UINT m_nID;
    QColor m_evenRowColor;
    QColor m_oddRowColor;
    bool m_bCreateFlag;
    bool m_bSortToggle;
    bool m_bForceAscending;
    std::vector<CellPart> m_cellParts;
    QMap<int, int> m_columnTextFlags;
    QList<int> m_editableColumns;
    QPersistentModelIndex m_openEditor;
    QPointer<CSFQTRadioBox> m_pHeaderCheck;
    QPointer<CSFQTView> m_pHeaderCheckContainer;
    int m_nHeaderCheckColumn;
    QString m_strEditSaved;
    bool m_bSortEnabled;
    int m_nHScrollMax;

    // ---- Routing state ----
    bool m_bDoubleClickRouted;                  // double clicks go to the column-5 edit handler
    bool m_bEditRouted;                         // item changes go to the column-5 change handler
    int m_nOwnerChange;                         // running CSFQTOwnerChange marks: the owner's own change
    bool m_bReleaseEndsDblClick;                // the next release is the one that ends a double click
    bool m_bInDoubleClickEvent;                 // inside the table's own double-click handling
    QPoint m_pendingDoubleClick;                // (column, row) of the double click to report after it
    size_t m_nPartsAfterSweep;                  // parts kept by the last ForgetDeadParts
    std::vector<NMLISTVIEW> m_heldEditReports;  // code-10 records not yet sent, oldest first
};
