#include "skin/ext/SFQTListCtrl.h"

#include "skin/SFMsgMap.h"
#include "skin/SFQTButton.h"
#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTDeleteGuard.h"
#include "skin/SFQTOwnerChange.h"
#include "skin/SFQTProgressCtrl.h"
#include "skin/SFQTRadioBox.h"
#include "skin/SFQTToggleHelpers.h"
#include "skin/SFQTView.h"
#include "skin/SFSkinString.h"
#include "skin/ext/SFListCtrlRules.h"
#include "skin/ext/SFQTListHeader.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVariant>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

const QColor kMarkedRowColor(230, 110, 100);
constexpr DWORD kCellWidgetStyle = WS_VISIBLE | WS_TABSTOP;
constexpr int kCheckBoxSize = 16;
constexpr int kCellButtonSize = 22;
constexpr int kCellProgressWidth = 100;
constexpr int kCellProgressHeight = 16;
// The header box's container: the box at x 10 and a little room after it.
constexpr int kHeaderCheckAreaWidth = 30;

}  // namespace

CSFQTListCtrl::CSFQTListCtrl(ISFListCtrlEvent* pEvent)
    : QTableWidget(nullptr),
      CSFListCtrl(pEvent),
      m_nHeaderHeight(27),
      m_nRowHeight(27),
      m_nID(static_cast<UINT>(-1)),
      m_evenRowColor(245, 245, 245),
      m_oddRowColor(255, 255, 255),
      m_bCreateFlag(false),
      m_bSortToggle(false),
      m_bForceAscending(false),
      m_nHeaderCheckColumn(-1),
      m_bSortEnabled(false),
      m_nHScrollMax(0),
      m_bDoubleClickRouted(false),
      m_bEditRouted(false),
      m_nOwnerChange(0),
      m_bReleaseEndsDblClick(false),
      m_bInDoubleClickEvent(false),
      m_pendingDoubleClick(-1, -1),
      m_nPartsAfterSweep(0)
{
    CSFQTListHeader* header = new CSFQTListHeader(this);
    setHorizontalHeader(header);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsClickable(true);
    header->setStretchLastSection(true);
    header->setFixedHeight(m_nHeaderHeight);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(m_nRowHeight);
    setFocusPolicy(Qt::NoFocus);
    // The horizontal scroll value counts whole columns (the default depends on the style).
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);

    connect(this, &QTableWidget::itemDoubleClicked, this, &CSFQTListCtrl::OnItemDBClicked);
    connect(this, &QTableWidget::itemChanged, this, &CSFQTListCtrl::OnWidgetItemChanged);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CSFQTListCtrl::OnHeaderPosChanged);
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, &CSFQTListCtrl::OnrangeChanged);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CSFQTListCtrl::OnVerPosBarChanged);
    connect(horizontalScrollBar(), &QScrollBar::sliderMoved, this, &CSFQTListCtrl::OnHeaderPosChanged1);
    connect(header, &QHeaderView::sectionResized, this, [this] { PlaceHeaderCheckBox(); });
    // Heard always; a click sorts only while sorting is on.
    connect(header, &CSFQTListHeader::SectionClickDone, this, &CSFQTListCtrl::OnHeaderClicked);
}

CSFQTListCtrl::~CSFQTListCtrl() = default;

// ---- Facade -----------------------------------------------------------------------------

int CSFQTListCtrl::Create(DWORD /*style*/, const RECT& rc, void* parentUI, UINT id, bool flag)
{
    QWidget* parentWidget = static_cast<QWidget*>(parentUI);
    const bool hiddenByOwner = isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide);
    setParent(parentWidget);
    setGeometry(OnePastRectToQRect(rc));
    // Shown with its parent, also with one that is shown already (which shows no child added
    // later by itself); a list the owner hid stays hidden.
    if (parentWidget && parentWidget->isVisible() && !hiddenByOwner)
        show();
    m_nID = id;
    m_bCreateFlag = flag;
    return 1;
}

void CSFQTListCtrl::SetCursor() {}

int CSFQTListCtrl::SetSkin(ListCtrlStyle* style)
{
    if (!style)
        return 0;
    const ListCtrlStyle& s = *style;
    m_sprite = LoadSkinPicture(SkinFilePath(s[0]));
    for (int i = 0; i < 20; ++i) {
        m_parts[i].rect = StringToQRect(s[1 + i]);
        m_parts[i].loaded = !s[1 + i].empty() && !m_sprite.isNull();
        m_parts[i].stretch = s[21 + i] == L"stretch";
    }
    m_evenRowColor = HexStringToQColor(s[41]);
    m_oddRowColor = HexStringToQColor(s[42]);
    m_nHeaderHeight = s.nValue[2];
    horizontalHeader()->setFixedHeight(m_nHeaderHeight);
    m_nRowHeight = s.nValue[3];
    // The default applies to every row, also those made before: only while there are none.
    if (rowCount() == 0)
        verticalHeader()->setDefaultSectionSize(m_nRowHeight);
    return 1;
}

void CSFQTListCtrl::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTListCtrl::MoveWindow(RECT* rc)
{
    if (rc)
        setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTListCtrl::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

int CSFQTListCtrl::GetCheck(int /*row*/) const { return 0; }

int CSFQTListCtrl::GetColumn(int /*col*/, void* /*column*/) const { return 0; }

int CSFQTListCtrl::GetItemCount() const { return rowCount(); }

DWORD CSFQTListCtrl::GetItemData(int row) const
{
    if (row < 0 || row >= rowCount())
        return 0xFFFFFFFFu;
    const QTableWidgetItem* it = item(row, 0);
    return it ? static_cast<DWORD>(it->data(Qt::UserRole).toUInt()) : 0;
}

int CSFQTListCtrl::GetItemText(int row, int col, wchar_t* buf, int size) const
{
    if (!CellInRange(row, col))
        return -1;
    if (!buf || size <= 0)
        return 0;
    const QTableWidgetItem* it = item(row, col);
    const std::wstring text = it ? QStringToWide(it->text()) : std::wstring();
    // No terminator: the caller gets exactly the characters counted.
    const int n = std::min(size, static_cast<int>(text.size()));
    std::copy_n(text.data(), n, buf);
    return n;
}

void* CSFQTListCtrl::GetFirstSelectedItemPosition() const { return nullptr; }

int CSFQTListCtrl::GetNextSelectedItem(void*& /*pos*/) const { return -1; }

DWORD CSFQTListCtrl::GetExtendedStyle() { return 0; }

int CSFQTListCtrl::SetCheck(int row, int check)
{
    const CellPart* part = FindPart(CellPart::RowCheck, row);
    if (!part)
        return 0;
    static_cast<CSFQTRadioBox*>(part->widget.data())->SetCheck(check);
    return 1;
}

int CSFQTListCtrl::SetItemData(int row, DWORD data)
{
    if (row < 0 || row >= rowCount())
        return 0;
    QTableWidgetItem* it = item(row, 0);
    if (!it)
        return 0;
    const CSFQTOwnerChange change(m_nOwnerChange);
    it->setData(Qt::UserRole, QVariant(static_cast<uint>(data)));
    return 1;
}

int CSFQTListCtrl::SetItemText(int row, int col, const wchar_t* text)
{
    if (!CellInRange(row, col))
        return 0;
    const CSFQTOwnerChange change(m_nOwnerChange);
    QTableWidgetItem* it = new QTableWidgetItem(WideToQString(text));
    // The row's data lives in its column-0 item: a new text must not lose it.
    if (const QTableWidgetItem* old = item(row, col)) {
        const QVariant data = old->data(Qt::UserRole);
        if (data.isValid())
            it->setData(Qt::UserRole, data);
    }
    ApplyColumnAlignment(it, col);
    setItem(row, col, it);
    ColorRow(row, StripeColor(row));
    return 1;
}

int CSFQTListCtrl::SubItemHitTest(void* /*info*/) { return -1; }

int CSFQTListCtrl::InsertColumn(int col, const wchar_t* heading, int hidden, int /*format*/, int /*width*/)
{
    if (col < 0 || col > m_headings.size())
        return -1;
    m_headings.insert(col, WideToQString(heading));
    // Added columns come at the end: cell contents and hidden flags keep their indexes.
    setColumnCount(static_cast<int>(m_headings.size()));
    const int share = width() / columnCount();
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, share);
    if (hidden == 1)
        setColumnHidden(col, true);
    ApplyHeadings();
    return col;
}

int CSFQTListCtrl::InsertColumnCheck(int col, ImageRadioBox skin)
{
    delete m_pHeaderCheckContainer.data();
    m_nHeaderCheckColumn = col;
    CSFQTView* container = NewContainer(this, (m_nHeaderHeight - kCheckBoxSize) / 2);
    CSFQTRadioBox* box = NewCheckBox(container, HeaderCheckId, skin);
    m_pHeaderCheck = box;
    m_pHeaderCheckContainer = container;
    PlaceHeaderCheckBox();
    return 0;
}

int CSFQTListCtrl::InsertItem(int row, const wchar_t* text)
{
    m_bEditRouted = false;
    if (row < 0 || row > rowCount())
        return -1;
    const CSFQTOwnerChange change(m_nOwnerChange);
    insertRow(row);
    QTableWidgetItem* it = new QTableWidgetItem(WideToQString(text));
    ApplyColumnAlignment(it, 0);
    setItem(row, 0, it);
    // New rows come at the header's default size, which is the row height unless the skin
    // changed it after rows were made (or the style's minimum is above it).
    if (rowHeight(row) != m_nRowHeight)
        setRowHeight(row, m_nRowHeight);
    // The rows below moved down by one: each takes the stripe of its new place.
    for (int r = row; r < rowCount(); ++r)
        ColorRow(r, StripeColor(r));
    return row;
}

DWORD CSFQTListCtrl::SetExtendedStyle(DWORD /*style*/) { return 0; }

int CSFQTListCtrl::DeleteAllItems()
{
    for (int r = 0; r < rowCount(); ++r)
        removeCellWidget(r, 7);
    m_cellParts.clear();
    m_nPartsAfterSweep = 0;
    CloseOpenEditor();
    setRowCount(0);
    return 1;
}

void CSFQTListCtrl::DeleteSelectedItems(std::set<int>& rows)
{
    GetSelectRow(rows);
    // Every selected row goes: the selection is empty afterwards in any case. Emptied first, it
    // is not updated for every row removed.
    clearSelection();
    // Removed a run of consecutive rows at a time, the highest run first.
    auto it = rows.rbegin();
    while (it != rows.rend()) {
        const int last = *it;
        if (last < 0 || last >= rowCount()) {
            ++it;
            continue;
        }
        int first = last;
        for (++it; it != rows.rend() && *it == first - 1 && *it >= 0; ++it)
            --first;
        for (int r = first; r <= last; ++r)
            removeCellWidget(r, 7);
        model()->removeRows(first, last - first + 1);
    }
    ForgetDeadParts();
}

void CSFQTListCtrl::SetItemSelected(int* rows, int n, bool select)
{
    if (!rows || columnCount() == 0)
        return;
    const int count = rowCount();
    std::vector<int> listed;
    listed.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        if (rows[i] >= 0 && rows[i] < count)
            listed.push_back(rows[i]);
    }
    if (!std::is_sorted(listed.begin(), listed.end()))
        std::sort(listed.begin(), listed.end());
    // One change of the selection, a range per run of consecutive rows (a row listed twice
    // counts once): the selection model compares the whole selection on every change.
    QItemSelection selection;
    for (size_t i = 0; i < listed.size();) {
        size_t j = i + 1;
        while (j < listed.size() && listed[j] - listed[j - 1] <= 1)
            ++j;
        selection.append(QItemSelectionRange(model()->index(listed[i], 0),
                                             model()->index(listed[j - 1], columnCount() - 1)));
        i = j;
    }
    if (!selection.isEmpty())
        selectionModel()->select(selection,
                                 select ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

int CSFQTListCtrl::SetColumnWidth(int col, int width)
{
    setColumnWidth(col, width);
    return 1;
}

void CSFQTListCtrl::SetColumnTextAlign(int col, UINT dtFlags)
{
    m_columnTextFlags[col] = SFListCtrlRules::TextFlagsFromDrawFlags(dtFlags);
}

void CSFQTListCtrl::SetItemWidget(int row, int col, const wchar_t* tip1, const wchar_t* tip2,
                                  ImageButtonStyle skin1, ImageButtonStyle skin2)
{
    if (!CellInRange(row, col))
        return;
    CSFQTView* container = NewCellContainer(kCellButtonSize);
    const wchar_t* tips[2] = {tip1, tip2};
    ImageButtonStyle* skins[2] = {&skin1, &skin2};
    const UINT ids[2] = {FirstCellButtonId, SecondCellButtonId};
    for (int i = 0; i < 2; ++i) {
        if (!tips[i])
            continue;
        CSFQTButton* button =
            NewCellButton(container, L"", ids[i], tips[i], *skins[i], kCellButtonSize, kCellButtonSize);
        container->AddButton(button);
        AddPart(CellPart::Button, button, ids[i], row, col);
    }
    PlaceContainer(row, col, container);
}

void CSFQTListCtrl::SetItemProgress(int row, int col, UINT id, ImageProgressCtrlStyle skin)
{
    if (!CellInRange(row, col))
        return;
    CSFQTView* container = NewCellContainer(kCellProgressHeight);
    CSFQTProgressCtrl* bar = NewCellProgress(container, id, &skin, kCellProgressWidth, kCellProgressHeight);
    container->AddProgressCtrl(bar);
    AddPart(CellPart::Progress, bar, id, row, col);
    PlaceContainer(row, col, container);
}

void CSFQTListCtrl::SetItemCheckWidget(int row, int col, ImageRadioBox skin)
{
    if (!CellInRange(row, col))
        return;
    CSFQTView* container = NewCellContainer(kCheckBoxSize);
    CSFQTRadioBox* box = NewCheckBox(container, RowCheckId, skin);
    AddPart(CellPart::RowCheck, box, RowCheckId, row, col);
    PlaceContainer(row, col, container);
}

void CSFQTListCtrl::SetItemIcon(int row, int col, const wchar_t* path)
{
    QTableWidgetItem* it = ItemAt(row, col);
    if (!it)
        return;
    const CSFQTOwnerChange change(m_nOwnerChange);
    it->setIcon(QIcon(WideToQString(path)));
}

void CSFQTListCtrl::SetObjectName(const wchar_t* name)
{
    const QString text = WideToQString(name);
    horizontalHeader()->setObjectName(text);
    setObjectName(text);
}

void CSFQTListCtrl::SetHorizontalHeaderVisible(int visible)
{
    horizontalHeader()->setVisible(visible != 0);
    PlaceHeaderCheckBox();
}

void CSFQTListCtrl::ScrollToBottom() { scrollToBottom(); }

void CSFQTListCtrl::SetToolTipText(int row, int col, const wchar_t* text)
{
    QTableWidgetItem* it = ItemAt(row, col);
    if (!it)
        return;
    const CSFQTOwnerChange change(m_nOwnerChange);
    it->setToolTip(WideToQString(text));
}

void CSFQTListCtrl::SetShowGrid(int show) { setShowGrid(show != 0); }

void CSFQTListCtrl::SetColumnHeaderText(int col, const wchar_t* text)
{
    if (col < 0 || col >= m_headings.size())
        return;
    m_headings[col] = WideToQString(text);
    ApplyHeadings();
}

void CSFQTListCtrl::EnableWindow(int enable) { setEnabled(enable != 0); }

void CSFQTListCtrl::SetSelectionStyle(UINT mode)
{
    static const QAbstractItemView::SelectionMode kModes[] = {
        QAbstractItemView::NoSelection, QAbstractItemView::SingleSelection, QAbstractItemView::MultiSelection,
        QAbstractItemView::ExtendedSelection, QAbstractItemView::ContiguousSelection};
    if (mode < sizeof(kModes) / sizeof(kModes[0]))
        setSelectionMode(kModes[mode]);
}

void CSFQTListCtrl::EditorMode(int col) { m_editableColumns.append(col); }

int CSFQTListCtrl::IsSelected(int row)
{
    if (!CellInRange(row, 0))
        return 0;
    return selectionModel()->isSelected(model()->index(row, 0)) ? 1 : 0;
}

int CSFQTListCtrl::IsCheck(int row)
{
    const CellPart* part = FindPart(CellPart::RowCheck, row);
    return part ? static_cast<CSFQTRadioBox*>(part->widget.data())->GetCheck() : 0;
}

void CSFQTListCtrl::GetSelectRow(std::set<int>& rows)
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex& index : selected)
        rows.insert(index.row());
}

void CSFQTListCtrl::SetHeaderSortEnable(int on)
{
    m_bSortEnabled = on != 0;
    if (!m_bSortEnabled)
        horizontalHeader()->setSortIndicatorShown(false);
}

void CSFQTListCtrl::SetColumnHidden(int col, bool hidden) { setColumnHidden(col, hidden); }

void CSFQTListCtrl::SetVerticalHeaderHide() { verticalHeader()->hide(); }

void CSFQTListCtrl::SetSortIndicatorShown(int shown)
{
    horizontalHeader()->setSortIndicatorShown(shown != 0);
}

void CSFQTListCtrl::SetItemEditable(int row, int col)
{
    QTableWidgetItem* it = ItemAt(row, col);
    if (!it)
        return;
    const CSFQTOwnerChange change(m_nOwnerChange);
    it->setFlags(it->flags() | Qt::ItemIsEditable);
    if (!m_bDoubleClickRouted) {
        connect(this, &QTableWidget::itemDoubleClicked, this, &CSFQTListCtrl::OnWidgetItemDBClicked);
        m_bDoubleClickRouted = true;
    }
}

void CSFQTListCtrl::SetItemEdit(int row, int col)
{
    QTableWidgetItem* it = ItemAt(row, col);
    if (!it)
        return;
    const CSFQTOwnerChange change(m_nOwnerChange);
    it->setText(m_strEditSaved);
}

void CSFQTListCtrl::SetRowColor(int row)
{
    const CSFQTOwnerChange change(m_nOwnerChange);
    ColorRow(row, kMarkedRowColor);
}

void CSFQTListCtrl::EmitHeadClickFun(int col)
{
    m_bForceAscending = true;
    OnHeaderClicked(col);
}

void CSFQTListCtrl::AddOperateBtn(int row, int col, const wchar_t* text, int id, ImageButtonStyle skin, int w,
                                  int h)
{
    if (!CellInRange(row, col))
        return;
    CSFQTView* container = NewCellContainer(h);
    if (text) {
        CSFQTButton* button = NewCellButton(container, text, static_cast<UINT>(id), text, skin, w, h);
        container->AddButton(button);
        AddPart(CellPart::Button, button, static_cast<UINT>(id), row, col);
    }
    if (col == 7) {
        CSFQTProgressCtrl* bar = NewCellProgress(container, OperateProgressId, nullptr, w, h);
        container->AddProgressCtrl(bar);
        AddPart(CellPart::Progress, bar, OperateProgressId, row, col);
    }
    PlaceContainer(row, col, container);
}

void CSFQTListCtrl::SetBtnEnable(int row, bool enable)
{
    if (const CellPart* part = FindPart(CellPart::Button, row))
        part->widget->setEnabled(enable);
}

void CSFQTListCtrl::SetAllCheck(int check)
{
    if (m_pHeaderCheck)
        m_pHeaderCheck->SetCheck(check);
}

void CSFQTListCtrl::SetItemShow(int row, int /*col*/, UINT id, bool show)
{
    // A button of that id comes before a progress bar of it.
    const CellPart* part = FindPart(CellPart::Button, row, &id);
    if (!part)
        part = FindPart(CellPart::Progress, row, &id);
    if (part)
        part->widget->setVisible(show);
}

void CSFQTListCtrl::SetProgress(int row, int pos)
{
    for (const CellPart& part : m_cellParts) {
        if (part.kind == CellPart::Progress && RowOf(part) == row)
            static_cast<CSFQTProgressCtrl*>(part.widget.data())->SetPos(pos);
    }
}

CSFQTRadioBox* CSFQTListCtrl::HeaderCheckBox() const { return m_pHeaderCheck.data(); }

// ---- Check boxes ------------------------------------------------------------------------

void CSFQTListCtrl::RADIO_OnClicked(int check, int id, POINT /*pt*/)
{
    if (id == HeaderCheckId) {
        // Check-all: every row box still in the table takes the header box's state.
        for (const CellPart& part : m_cellParts) {
            if (part.kind == CellPart::RowCheck && RowOf(part) >= 0)
                static_cast<CSFQTRadioBox*>(part.widget.data())->SetCheck(check);
        }
        return;
    }
    qDebug("CSFQTListCtrl::OnCheckClicked");
    if (!m_pHeaderCheck)
        return;
    if (!check) {
        m_pHeaderCheck->SetCheck(0);
        return;
    }
    bool all = true;
    for (const CellPart& part : m_cellParts) {
        if (part.kind == CellPart::RowCheck && RowOf(part) >= 0 &&
            !static_cast<CSFQTRadioBox*>(part.widget.data())->GetCheck())
            all = false;
    }
    m_pHeaderCheck->SetCheck(all ? 1 : 0);
}

// ---- Slots ------------------------------------------------------------------------------

void CSFQTListCtrl::OnCellChanged(int /*row*/, int /*col*/, int /*value*/) { viewport()->update(); }

void CSFQTListCtrl::OnItemDBClicked(QTableWidgetItem* item)
{
    CloseOpenEditor();
    if (!item)
        return;
    const int row = item->row();
    const int col = item->column();
    if (m_editableColumns.contains(col)) {
        setCurrentItem(item);
        openPersistentEditor(item);
        editItem(item);
        m_openEditor = QPersistentModelIndex(indexFromItem(item));
    }
    if (m_bInDoubleClickEvent) {
        m_pendingDoubleClick = QPoint(col, row);  // reported by mouseDoubleClickEvent
        return;
    }
    Notify(NotifyDoubleClick, row, col);
}

void CSFQTListCtrl::OnWidgetItemDBClicked(QTableWidgetItem* item)
{
    if (!item)
        return;
    if (item->column() == 5) {
        m_strEditSaved = item->text();
        editItem(item);
        m_bEditRouted = true;
    } else {
        m_bEditRouted = false;
    }
}

void CSFQTListCtrl::OnWidgetItemChanged(QTableWidgetItem* item)
{
    if (!m_bEditRouted || CSFQTOwnerChange::Running(m_nOwnerChange) || !item)
        return;
    HoldEditReport(Record(item->row(), item->column()));
}

void CSFQTListCtrl::OnHeaderClicked(int col)
{
    if (!m_bSortEnabled)
        return;
    QHeaderView* header = horizontalHeader();
    // Column 0 never sorts, nor does a column of cell widgets.
    if (col <= 0 || (rowCount() > 0 && cellWidget(0, col))) {
        header->setSortIndicatorShown(false);
        return;
    }
    header->setSortIndicatorShown(true);
    const Qt::SortOrder order = SFListCtrlRules::NextSortOrder(m_bSortToggle, m_bForceAscending);
    header->setSortIndicator(col, order);
    sortItems(col, order);
    int column = col;
    SendToParent(static_cast<int>(WM_NOTIFY), NotifySorted, reinterpret_cast<WPARAM>(&column),
                 static_cast<LPARAM>(m_nID));
}

void CSFQTListCtrl::OnClicked()
{
    const QObject* button = sender();
    int row = -1;
    UINT id = 0;
    for (const CellPart& part : m_cellParts) {
        if (part.kind == CellPart::Button && part.widget.data() == button) {
            row = RowOf(part);
            id = part.id;
            break;
        }
    }
    if (row < 0)
        return;
    // The owner may delete the list in any of the three reports.
    const CSFQTDeleteGuard guard(this);
    RowClicked(row, 0);
    if (guard.IsDeleted())
        return;
    if (m_pEvent)
        m_pEvent->OnButton(static_cast<int>(id), row);
    if (guard.IsDeleted())
        return;
    SFSendCommandToParent(this, id);
}

// The table keeps cell widgets in their cells as it scrolls; only the header box, which
// lies over the header, is placed by the list.
void CSFQTListCtrl::OnHeaderPosChanged(int /*value*/) { PlaceHeaderCheckBox(); }

void CSFQTListCtrl::OnHeaderPosChanged1(int value) { qDebug("h1 pos change %d", value); }

void CSFQTListCtrl::OnrangeChanged(int /*min*/, int max) { m_nHScrollMax = max; }

void CSFQTListCtrl::OnVerPosBarChanged(int /*value*/) {}

// ---- Mouse ------------------------------------------------------------------------------

void CSFQTListCtrl::mousePressEvent(QMouseEvent* event)
{
    if (!SendHeldEditReports())
        return;
    // A press starts a new click: a double click whose release never came (the owner opened a
    // modal dialog on it, which took the release) must not swallow this click's release.
    m_bReleaseEndsDblClick = false;
    QTableWidget::mousePressEvent(event);
}

void CSFQTListCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!SendHeldEditReports())
        return;
    QTableWidget::mouseReleaseEvent(event);
    // The release that ends a double click belongs to it: it must not close the editor the
    // double click has just opened.
    const bool endsDoubleClick = m_bReleaseEndsDblClick;
    m_bReleaseEndsDblClick = false;
    if (m_pEvent) {
        const CSFQTDeleteGuard guard(this);
        m_pEvent->Selection_OnMouseRelease(selectionModel()->hasSelection() ? 1 : 0);
        if (guard.IsDeleted())
            return;
    }
    if (endsDoubleClick)
        return;
    // Counted in the selection model, so rows with empty cells count whole.
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (columnCount() > 0 && selected.size() == columnCount())
        RowClicked(selected.first().row(), selected.first().column());
}

void CSFQTListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!SendHeldEditReports())
        return;
    m_bReleaseEndsDblClick = true;
    // The table goes on touching itself after its double-click signal: the report, on which
    // the owner may delete the list, waits until the table's own handling is over.
    m_bInDoubleClickEvent = true;
    m_pendingDoubleClick = QPoint(-1, -1);
    QTableWidget::mouseDoubleClickEvent(event);
    m_bInDoubleClickEvent = false;
    const QPoint cell = m_pendingDoubleClick;
    m_pendingDoubleClick = QPoint(-1, -1);
    if (cell.y() >= 0)
        Notify(NotifyDoubleClick, cell.y(), cell.x());
}

void CSFQTListCtrl::updateGeometries()
{
    QTableWidget::updateGeometries();
    PlaceHeaderCheckBox();
}

bool CSFQTListCtrl::eventFilter(QObject* watched, QEvent* event)
{
    // Watched on the application while edit reports are held. Only at a window's own input
    // event, before it is handed to the widget under it: an owner deleting the list there
    // leaves no widget of the list in the middle of its handling.
    if (!m_heldEditReports.empty() && watched && watched->isWindowType() && event->isInputEvent()) {
        if (!SendHeldEditReports())
            return false;
    }
    return QTableWidget::eventFilter(watched, event);
}

// ---- Helpers ----------------------------------------------------------------------------

bool CSFQTListCtrl::CellInRange(int row, int col) const
{
    return row >= 0 && row < rowCount() && col >= 0 && col < columnCount();
}

QTableWidgetItem* CSFQTListCtrl::ItemAt(int row, int col) const
{
    return CellInRange(row, col) ? item(row, col) : nullptr;
}

int CSFQTListCtrl::RowOf(const CellPart& part) const
{
    if (!part.widget || !part.cell.isValid())
        return -1;
    // A container replaced in its cell, or taken away with its row, no longer counts.
    if (indexWidget(part.cell) != part.widget->parentWidget())
        return -1;
    return part.cell.row();
}

const CSFQTListCtrl::CellPart* CSFQTListCtrl::FindPart(CellPart::Kind kind, int row, const UINT* id) const
{
    for (const CellPart& part : m_cellParts) {
        if (part.kind == kind && (!id || part.id == *id) && RowOf(part) == row)
            return &part;
    }
    return nullptr;
}

void CSFQTListCtrl::ForgetDeadParts()
{
    m_cellParts.erase(std::remove_if(m_cellParts.begin(), m_cellParts.end(),
                                     [this](const CellPart& part) { return RowOf(part) < 0; }),
                      m_cellParts.end());
    m_nPartsAfterSweep = m_cellParts.size();
}

CSFQTView* CSFQTListCtrl::NewContainer(QWidget* parent, int topOffset) const
{
    CSFQTView* container = new CSFQTView(nullptr);
    container->Create(nullptr, nullptr, kCellWidgetStyle, RECT{0, 0, 0, 0}, parent, 0);
    container->SetBGClr(0xFF000000u);  // fully transparent
    // Like the list, its parts take no keyboard focus: a cell's container given the focus when
    // the window activates would make its row the current, selected one.
    container->setFocusPolicy(Qt::NoFocus);
    container->SetTopOffset(topOffset);
    return container;
}

CSFQTView* CSFQTListCtrl::NewCellContainer(int widgetHeight) const
{
    return NewContainer(viewport(), (m_nRowHeight - widgetHeight) / 2);
}

void CSFQTListCtrl::PlaceContainer(int row, int col, CSFQTView* container)
{
    setCellWidget(row, col, container);
    // The parts the container replaced are skipped by every look-up; they are forgotten once
    // they could be as many as the live ones, so that a placement costs no walk of all parts.
    if (m_cellParts.size() >= 2 * m_nPartsAfterSweep + 64)
        ForgetDeadParts();
}

CSFQTRadioBox* CSFQTListCtrl::NewCheckBox(CSFQTView* container, UINT id, ImageRadioBox& skin)
{
    CSFQTRadioBox* box = new CSFQTRadioBox(this);
    box->Create(L"", kCellWidgetStyle, RECT{0, 0, kCheckBoxSize, kCheckBoxSize}, container, id);
    box->SetSkin(&skin);
    container->AddRadioBox(box);
    return box;
}

CSFQTButton* CSFQTListCtrl::NewCellButton(CSFQTView* container, const wchar_t* text, UINT id,
                                          const wchar_t* tip, ImageButtonStyle& skin, int w, int h)
{
    CSFQTButton* button = new CSFQTButton(nullptr);
    button->Create(text, kCellWidgetStyle, RECT{0, 0, w, h}, container, id);
    button->setFixedSize(w, h);
    button->SetSkin(&skin);
    button->SetToolTipText(tip);
    connect(button, &QAbstractButton::clicked, this, &CSFQTListCtrl::OnClicked);
    return button;
}

CSFQTProgressCtrl* CSFQTListCtrl::NewCellProgress(CSFQTView* container, UINT id, ImageProgressCtrlStyle* skin,
                                                  int w, int h)
{
    CSFQTProgressCtrl* bar = new CSFQTProgressCtrl(this);
    bar->Create(WS_VISIBLE | WS_CHILD, RECT{0, 0, w, h}, container, id);
    if (skin)
        bar->SetSkin(skin);
    bar->SetPos(0);
    return bar;
}

void CSFQTListCtrl::AddPart(CellPart::Kind kind, QWidget* widget, UINT id, int row, int col)
{
    m_cellParts.push_back(
        CellPart{kind, QPointer<QWidget>(widget), id, QPersistentModelIndex(model()->index(row, col))});
}

void CSFQTListCtrl::ApplyHeadings() { setHorizontalHeaderLabels(m_headings); }

const QColor& CSFQTListCtrl::StripeColor(int row) const
{
    return row % 2 == 0 ? m_evenRowColor : m_oddRowColor;
}

void CSFQTListCtrl::ColorRow(int row, const QColor& colour)
{
    if (row < 0 || row >= rowCount())
        return;
    for (int c = 0; c < columnCount(); ++c) {
        if (QTableWidgetItem* it = item(row, c))
            it->setBackground(colour);
    }
}

void CSFQTListCtrl::ApplyColumnAlignment(QTableWidgetItem* item, int col) const
{
    const auto found = m_columnTextFlags.constFind(col);
    if (found != m_columnTextFlags.constEnd())
        item->setTextAlignment(Qt::Alignment::fromInt(found.value()));
}

void CSFQTListCtrl::RowClicked(int row, int col)
{
    CloseOpenEditor();
    clearSelection();
    if (columnCount() > 0)
        setRangeSelected(QTableWidgetSelectionRange(row, 0, row, columnCount() - 1), true);
    Notify(NotifyRowClick, row, col);
}

void CSFQTListCtrl::CloseOpenEditor()
{
    if (m_openEditor.isValid())
        QAbstractItemView::closePersistentEditor(m_openEditor);
    m_openEditor = QPersistentModelIndex();
}

void CSFQTListCtrl::Notify(int code, int row, int col)
{
    NMLISTVIEW record = Record(row, col);
    SendToParent(static_cast<int>(WM_NOTIFY), code, reinterpret_cast<WPARAM>(&record),
                 static_cast<LPARAM>(m_nID));
}

NMLISTVIEW CSFQTListCtrl::Record(int row, int col) const
{
    NMLISTVIEW record{};
    record.iItem = row;
    record.iSubItem = col;
    const QTableWidgetItem* it = item(row, col);
    // The 32-bit data read as an int, so 0xFFFFFFFF arrives as -1.
    record.lParam = it ? static_cast<LPARAM>(static_cast<std::int32_t>(it->data(Qt::UserRole).toUInt())) : 0;
    return record;
}

void CSFQTListCtrl::SendToParent(int msg, int code, WPARAM data, LPARAM id)
{
    if (!SendHeldEditReports())
        return;
    DeliverToParent(msg, code, data, id);
}

void CSFQTListCtrl::HoldEditReport(const NMLISTVIEW& record)
{
    m_heldEditReports.push_back(record);
    if (m_heldEditReports.size() > 1)
        return;  // already waiting
    // Sent from the event loop once the commit is over, or earlier at the next input event
    // or report, whichever comes first.
    QCoreApplication::instance()->installEventFilter(this);
    QMetaObject::invokeMethod(
        this, [this] { SendHeldEditReports(); }, Qt::QueuedConnection);
}

bool CSFQTListCtrl::SendHeldEditReports()
{
    const CSFQTDeleteGuard guard(this);
    while (!m_heldEditReports.empty()) {
        NMLISTVIEW record = m_heldEditReports.front();
        m_heldEditReports.erase(m_heldEditReports.begin());
        if (m_heldEditReports.empty())
            QCoreApplication::instance()->removeEventFilter(this);
        DeliverToParent(static_cast<int>(WM_NOTIFY), NotifyEdited, reinterpret_cast<WPARAM>(&record),
                        static_cast<LPARAM>(m_nID));
        if (guard.IsDeleted())
            return false;
    }
    return true;
}

void CSFQTListCtrl::DeliverToParent(int msg, int code, WPARAM data, LPARAM id)
{
    QObject* target = parent();
    if (!target || !QCoreApplication::instance())
        return;
    CSFCustomEvent event(msg, code, data, id);
    QCoreApplication::sendEvent(target, &event);
}

void CSFQTListCtrl::PlaceHeaderCheckBox()
{
    CSFQTView* container = m_pHeaderCheckContainer.data();
    if (!container)
        return;
    const QHeaderView* header = horizontalHeader();
    const int col = m_nHeaderCheckColumn;
    const bool placeable =
        col >= 0 && col < header->count() && !header->isSectionHidden(col) && !header->isHidden();
    const int x = placeable ? header->sectionViewportPosition(col) : -1;
    // Hidden while its section is scrolled out of the header's left edge or past its right.
    if (x < 0 || x >= header->viewport()->width()) {
        container->hide();
        return;
    }
    const int w = std::min(kHeaderCheckAreaWidth, std::max(0, header->viewport()->width() - x));
    container->setGeometry(header->x() + x, header->y(), std::min(w, header->sectionSize(col)),
                           header->height());
    if (m_pHeaderCheck)
        m_pHeaderCheck->move(m_pHeaderCheck->x(), (header->height() - kCheckBoxSize) / 2);
    container->show();
    container->raise();
}
