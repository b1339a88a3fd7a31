#include "skin/ext/SFQTTreeCtrl.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTDeleteGuard.h"
#include "skin/SFQTOwnerChange.h"
#include "skin/SFSkinString.h"

#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <cstdint>
#include <vector>

namespace {

// The handles a Win32 tree view reserves (root, first, last, sort): never an item.
bool IsSpecialHandle(const void* handle)
{
    const std::uintptr_t v = reinterpret_cast<std::uintptr_t>(handle);
    return v >= 0xFFFF0000u && v <= 0xFFFF0003u;
}

// The item behind a handle; null for no handle and for the special ones.
QTreeWidgetItem* ItemOf(void* handle)
{
    if (!handle || IsSpecialHandle(handle))
        return nullptr;
    return static_cast<QTreeWidgetItem*>(handle);
}

bool IsChecked(const QTreeWidgetItem* item) { return item->checkState(0) == Qt::Checked; }

}  // namespace

// Marks an owner's change: the tree's handlers of its signals report nothing while it runs.
// Meanwhile the column is not resized to its contents on every item change (each resize
// measures up to a thousand rows): it is resized once, when the tree next needs its width or
// the events are next handled.
class CSFQTTreeCtrl::Quiet
{
public:
    explicit Quiet(CSFQTTreeCtrl* tree) : m_change(tree->m_nQuietDepth), m_tree(tree)
    {
        if (m_change.Outermost())
            m_tree->header()->setSectionResizeMode(QHeaderView::Interactive);
    }
    ~Quiet()
    {
        if (m_change.Outermost())
            m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    const CSFQTOwnerChange m_change;
    CSFQTTreeCtrl* m_tree;
};

class CSFQTTreeCtrl::ItemsWatch
{
public:
    explicit ItemsWatch(CSFQTTreeCtrl* tree) : m_guard(tree), m_tree(tree), m_version(tree->m_nItemsVersion)
    {}
    // True once the tree or any of its items was deleted since construction.
    bool Changed() const { return m_guard.IsDeleted() || m_tree->m_nItemsVersion != m_version; }

private:
    CSFQTDeleteGuard m_guard;
    const CSFQTTreeCtrl* m_tree;
    unsigned m_version;
};

// Qt toggles a check box on a release inside its own indicator, a few pixels narrower than
// the check area, and from inside its release handling. The tree toggles it instead, for a
// click anywhere in the check area, once Qt is done (see mouseReleaseEvent).
class CSFQTTreeCtrl::CheckDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            return false;
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
};

CSFQTTreeCtrl::CSFQTTreeCtrl(ISFTreeCtrlEvent* pEvent)
    : QTreeWidget(nullptr),
      CSFTreeCtrl(pEvent),
      m_bCheckMode(true),
      m_bUserCheckable(true),
      m_nID(static_cast<UINT>(-1)),
      m_nSkinValue(16),
      m_pCheckPressItem(nullptr),
      m_bInRelease(false),
      m_pClickedItem(nullptr),
      m_nItemsVersion(0),
      m_textColor(Qt::white),
      m_hilightColor(0, 255, 0),
      m_nQuietDepth(0)
{
    setColumnCount(1);
    header()->hide();
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setFocusPolicy(Qt::ClickFocus);
    setAnimated(true);
    setIconSize(QSize(50, 50));
    setMouseTracking(true);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setItemDelegate(new CheckDelegate(this));
    Connect();
}

CSFQTTreeCtrl::~CSFQTTreeCtrl()
{
    // The items go with the widget; no report while they do.
    Disconnect();
}

void CSFQTTreeCtrl::Connect()
{
    m_itemChanged = connect(this, &QTreeWidget::itemChanged, this, &CSFQTTreeCtrl::OnItemChanged);
    m_itemClicked = connect(this, &QTreeWidget::itemClicked, this, &CSFQTTreeCtrl::OnItemClick);
    m_currentChanged =
        connect(this, &QTreeWidget::currentItemChanged, this, &CSFQTTreeCtrl::OnCurItemChanged);
}

void CSFQTTreeCtrl::Disconnect()
{
    disconnect(m_itemChanged);
    disconnect(m_itemClicked);
    disconnect(m_currentChanged);
}

// ---- Window ------------------------------------------------------------------------------

int CSFQTTreeCtrl::Create(DWORD style, const RECT& rc, void* parentUI, UINT id, int checkMode)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    m_bCheckMode = checkMode != 0;
    m_nID = id;
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTTreeCtrl::SetCursor() {}

int CSFQTTreeCtrl::SetSkin(UITreeCtrlStyle* style)
{
    if (!style)
        return 0;
    m_nSkinValue = style->nValue[5];
    m_textColor = HexStringToQColor((*style)[5]);
    m_hilightColor = HexStringToQColor((*style)[6]);
    m_onPicture = LoadSkinPicture(SkinFilePath((*style)[7]));
    m_offPicture = LoadSkinPicture(SkinFilePath((*style)[8]));
    return 1;
}

void CSFQTTreeCtrl::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTTreeCtrl::MoveWindow(RECT* rc)
{
    if (rc)
        setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTTreeCtrl::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTTreeCtrl::GetClientRect(RECT* rc)
{
    if (rc)
        *rc = WidgetClientRect(*this);
}

void CSFQTTreeCtrl::SetEnable(int enable)
{
    setEnabled(enable != 0);
    if (enable == 1)
        setFocus();
}

void CSFQTTreeCtrl::SetObjectName(const wchar_t* name) { setObjectName(WideToQString(name)); }

// ---- Walking the tree --------------------------------------------------------------------

// The toolkit's invisible root is the top-level items' parent; it never leaves the control.
QTreeWidgetItem* CSFQTTreeCtrl::Node(void* handle) const
{
    return handle == TVI_ROOT ? invisibleRootItem() : ItemOf(handle);
}

QTreeWidgetItem* CSFQTTreeCtrl::ParentNode(QTreeWidgetItem* item) const
{
    QTreeWidgetItem* parent = item->parent();
    return parent ? parent : invisibleRootItem();
}

void* CSFQTTreeCtrl::GetChildItem(void* item) const
{
    QTreeWidgetItem* node = Node(item);
    return node ? node->child(0) : nullptr;
}

UINT CSFQTTreeCtrl::GetCount() const
{
    // Three levels, as the count has always been read; deeper items are not counted.
    UINT count = 0;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = topLevelItem(i);
        ++count;
        for (int j = 0; j < top->childCount(); ++j)
            count += 1 + static_cast<UINT>(top->child(j)->childCount());
    }
    return count;
}

UINT CSFQTTreeCtrl::GetChildrenCount(void* item) const
{
    QTreeWidgetItem* node = Node(item);
    return node ? static_cast<UINT>(node->childCount()) : 0;
}

int CSFQTTreeCtrl::ItemHasChildren(void* item) const { return static_cast<int>(GetChildrenCount(item)); }

void* CSFQTTreeCtrl::GetImageList(UINT /*kind*/) const { return nullptr; }

void* CSFQTTreeCtrl::GetNextItem(void* /*item*/, UINT /*code*/) const { return nullptr; }

void* CSFQTTreeCtrl::GetNextSiblingItem(void* item) const
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return nullptr;
    // An item not in the tree has index -1: its "next" is the first top-level item.
    QTreeWidgetItem* parent = ParentNode(it);
    return parent->child(parent->indexOfChild(it) + 1);
}

void* CSFQTTreeCtrl::GetPrevSiblingItem(void* item) const
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return nullptr;
    QTreeWidgetItem* parent = ParentNode(it);
    return parent->child(parent->indexOfChild(it) - 1);
}

void* CSFQTTreeCtrl::GetParentItem(void* item) const
{
    QTreeWidgetItem* it = ItemOf(item);
    return it ? it->parent() : nullptr;
}

void* CSFQTTreeCtrl::GetRootItem() const { return topLevelItem(0); }

void CSFQTTreeCtrl::ExpandTreeItem(void* item, UINT code)
{
    QTreeWidgetItem* it = ItemOf(item);
    if (it && it->treeWidget() == this)
        it->setExpanded(code != 0);
}

void CSFQTTreeCtrl::ExpangAll() { expandAll(); }

void* CSFQTTreeCtrl::FindChildItem(const wchar_t* text, void* parent) const
{
    const QString wanted = WideToQString(text);
    if (parent == TVI_ROOT) {
        for (int i = 0; i < topLevelItemCount(); ++i)
            if (topLevelItem(i)->text(0) == wanted)
                return topLevelItem(i);
        return nullptr;
    }
    QTreeWidgetItem* it = ItemOf(parent);
    if (!it)
        return nullptr;
    for (int i = 0; i < it->childCount(); ++i) {
        QTreeWidgetItem* child = it->child(i);
        if (child->text(0) == wanted)
            return child;
        for (int j = 0; j < child->childCount(); ++j)
            if (child->child(j)->text(0) == wanted)
                return child->child(j);
    }
    return nullptr;
}

// ---- Items -------------------------------------------------------------------------------

// Under TVI_ROOT or an item; after TVI_LAST appends, after any other handle inserts right
// behind it (an unknown one puts the new item first). In check mode the item shows an
// unchecked check box; otherwise the user cannot check it. Qt's automatic tristate stays off
// so that only the cascades here move a parent's check.
void* CSFQTTreeCtrl::InsertItem(const wchar_t* text, void* parent, void* after)
{
    QTreeWidgetItem* parentNode = Node(parent);
    if (!parentNode)
        return nullptr;
    Quiet quiet(this);
    auto* item = new QTreeWidgetItem();
    item->setFlags(item->flags() & ~Qt::ItemIsAutoTristate);
    if (m_bCheckMode)
        item->setCheckState(0, Qt::Unchecked);
    else
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    item->setText(0, WideToQString(text));
    item->setForeground(0, m_textColor);
    QTreeWidgetItem* afterItem = static_cast<QTreeWidgetItem*>(after);  // compared, never read
    if (after == TVI_LAST)
        parentNode->addChild(item);
    else
        parentNode->insertChild(parentNode->indexOfChild(afterItem) + 1, item);
    return item;
}

void CSFQTTreeCtrl::Forget(QTreeWidgetItem* item)
{
    m_hilight.erase(item);
    if (m_pCheckPressItem == item)
        m_pCheckPressItem = nullptr;
    if (m_pClickedItem == item)
        m_pClickedItem = nullptr;
}

// The subtree leaves the tree as one removal, then goes leaf by leaf with no model to tell:
// no item is deleted with children (whose deletion would recurse once per level), and each
// leaf is its parent's first child, which a parent finds and drops at once.
void CSFQTTreeCtrl::DeleteSubtree(QTreeWidgetItem* item)
{
    QTreeWidgetItem* parent = ParentNode(item);
    const int index = parent->indexOfChild(item);
    if (index >= 0)
        parent->takeChild(index);
    QTreeWidgetItem* node = item;
    while (node) {
        if (node->childCount() > 0) {
            node = node->child(0);
            continue;
        }
        QTreeWidgetItem* up = node == item ? nullptr : node->parent();
        Forget(node);
        delete node;
        node = up;
    }
}

int CSFQTTreeCtrl::DeleteItem(void* item)
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return 0;
    Quiet quiet(this);
    ++m_nItemsVersion;
    DeleteSubtree(it);
    return 1;
}

int CSFQTTreeCtrl::DeleteAllItems()
{
    Quiet quiet(this);
    ++m_nItemsVersion;
    const QList<QTreeWidgetItem*> tops = invisibleRootItem()->takeChildren();
    for (QTreeWidgetItem* top : tops)
        DeleteSubtree(top);
    m_hilight.clear();
    m_pCheckPressItem = nullptr;
    m_pClickedItem = nullptr;
    return 1;
}

DWORD CSFQTTreeCtrl::GetItemData(void* item) const
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return static_cast<DWORD>(-1);
    return static_cast<DWORD>(it->data(0, Qt::UserRole).toUInt());
}

int CSFQTTreeCtrl::SetItemData(void* item, DWORD data)
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return 0;
    Quiet quiet(this);
    it->setData(0, Qt::UserRole, QVariant::fromValue<uint>(data));
    return 1;
}

int CSFQTTreeCtrl::GetTreeItemText(void* item, wchar_t* buf, int size)
{
    QTreeWidgetItem* it = item == TVI_ROOT ? topLevelItem(0) : ItemOf(item);
    if (!it)
        return -1;
    return CopyTextOut(it->text(0), buf, size);
}

void CSFQTTreeCtrl::SetItemImage(void* /*item*/, int /*image*/, int /*selectedImage*/) {}

int CSFQTTreeCtrl::GetItemImage(void* /*item*/, int& /*image*/, int& /*selectedImage*/) const { return 1; }

void* CSFQTTreeCtrl::SetImageList(void* /*list*/, int /*kind*/) { return nullptr; }

UINT CSFQTTreeCtrl::GetItemState(void* item, UINT /*mask*/) const
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return static_cast<UINT>(-1);
    return it->isSelected() ? 1 : 0;
}

void CSFQTTreeCtrl::SetToolTipText(void* item, const wchar_t* text)
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return;
    Quiet quiet(this);
    it->setToolTip(0, WideToQString(text));
}

// ---- Checks ------------------------------------------------------------------------------

int CSFQTTreeCtrl::SetCheck(void* item, int check)
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return 0;
    if (m_bCheckMode) {
        Quiet quiet(this);
        it->setCheckState(0, check ? Qt::Checked : Qt::Unchecked);
    }
    return 1;
}

int CSFQTTreeCtrl::GetCheck(void* item) const
{
    QTreeWidgetItem* it = ItemOf(item);
    return it && it->checkState(0) != Qt::Unchecked ? 1 : 0;
}

void CSFQTTreeCtrl::SetAllItemCheck(int check)
{
    // Not an owner's change here: every item that changes is reported.
    SetCheckedBelow(invisibleRootItem(), check != 0);
}

int CSFQTTreeCtrl::IsAllItemCheck()
{
    if (topLevelItemCount() == 0)
        return 0;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->checkState(0) == Qt::Unchecked)
            return 0;
    return 1;
}

// A flag change makes the tree report the item as changed; the sink does not hear it.
void CSFQTTreeCtrl::SetUserCheckableFlag(QTreeWidgetItem* item, bool on)
{
    Quiet quiet(this);
    item->setFlags(on ? item->flags() | Qt::ItemIsUserCheckable : item->flags() & ~Qt::ItemIsUserCheckable);
}

void CSFQTTreeCtrl::SetUserCheckable(int on)
{
    m_bUserCheckable = on != 0;
    QTreeWidgetItemIterator it(this);
    for (; *it; ++it)
        SetUserCheckableFlag(*it, m_bUserCheckable);
}

void CSFQTTreeCtrl::SetItemUserCheckable(void* item, int on)
{
    if (QTreeWidgetItem* it = ItemOf(item))
        SetUserCheckableFlag(it, on != 0);
}

// ---- Highlight and icons -----------------------------------------------------------------

void CSFQTTreeCtrl::SetItemHilight(void* item, int on)
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return;
    Quiet quiet(this);
    if (on) {
        it->setForeground(0, m_hilightColor);
        m_hilight[it] = m_hilightColor;
        scrollToItem(it);
    } else {
        it->setForeground(0, m_textColor);
        m_hilight.erase(it);
    }
}

int CSFQTTreeCtrl::IsItemHilight(void* item)
{
    QTreeWidgetItem* it = ItemOf(item);
    return it && m_hilight.count(it) ? 1 : 0;
}

int CSFQTTreeCtrl::IsAnyChildItemHilight(void* item)
{
    QTreeWidgetItem* node = Node(item);
    if (!node)
        return 0;
    for (int i = 0; i < node->childCount(); ++i)
        if (m_hilight.count(node->child(i)))
            return 1;
    return 0;
}

int CSFQTTreeCtrl::SetItemIcon(void* item, const wchar_t* name)
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return 0;
    Quiet quiet(this);
    it->setIcon(0, QIcon(LoadSkinPicture(SkinFilePath(name))));
    return 1;
}

int CSFQTTreeCtrl::SetItemIcon(DWORD data, int on)
{
    // Top-level items and their direct children only, each parent before its children.
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < topLevelItemCount() && !found; ++i) {
        QTreeWidgetItem* top = topLevelItem(i);
        if (GetItemData(top) == data)
            found = top;
        for (int j = 0; j < top->childCount() && !found; ++j)
            if (GetItemData(top->child(j)) == data)
                found = top->child(j);
    }
    if (!found)
        return 0;
    Quiet quiet(this);
    found->setIcon(0, QIcon(on ? m_onPicture : m_offPicture));
    return 1;
}

void CSFQTTreeCtrl::SetItemIconBack(void* item, const wchar_t* name)
{
    QTreeWidgetItem* it = ItemOf(item);
    if (!it)
        return;
    const QPixmap picture = LoadSkinPicture(SkinFilePath(name));
    if (picture.isNull())
        return;
    Quiet quiet(this);
    if (columnCount() < 2)
        setColumnCount(2);
    it->setIcon(1, QIcon(picture));
}

// ---- The user's actions ------------------------------------------------------------------

bool CSFQTTreeCtrl::InCheckArea(QTreeWidgetItem* item, const QPoint& pos) const
{
    const QRect row = visualItemRect(item);
    return row.contains(pos) && pos.x() < row.left() + kCheckAreaWidth;
}

// A press in an item's check area remembers the item (when the user may check it), so the
// click that follows toggles its box and runs the cascades; any other press forgets it, so a
// later plain click on the same item is an ordinary click.
void CSFQTTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint pos = event->position().toPoint();
        QTreeWidgetItem* item = itemAt(pos);
        m_pCheckPressItem = nullptr;
        if (item && InCheckArea(item, pos)) {
            const bool checkable = (item->flags() & Qt::ItemIsUserCheckable) != 0;
            if (checkable)
                m_pCheckPressItem = item;
            if (m_pEvent) {
                const CSFQTDeleteGuard guard(this);
                m_pEvent->OnItemCheckBoxClick(item, checkable ? 1 : 0);
                if (guard.IsDeleted())
                    return;
            }
        }
    }
    QTreeWidget::mousePressEvent(event);
}

// Qt reports a click from inside its own release handling, which goes on using the tree after
// the report: the click is handled once Qt is done, so that the owner may delete the tree or
// its items from any report it causes.
void CSFQTTreeCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    m_bInRelease = true;
    m_pClickedItem = nullptr;
    QTreeWidget::mouseReleaseEvent(event);
    m_bInRelease = false;
    QTreeWidgetItem* clicked = m_pClickedItem;
    m_pClickedItem = nullptr;
    if (clicked)
        HandleClick(clicked);
}

// Right of the check area a double click goes to the sink; the tree itself neither expands
// nor collapses on it.
void CSFQTTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(pos);
    if (!item)
        return;
    const QRect row = visualItemRect(item);
    if (row.contains(pos) && pos.x() >= row.left() + kCheckAreaWidth && m_pEvent) {
        POINT pt{pos.x(), pos.y()};
        m_pEvent->OnItemDbClick(item, pt);
    }
}

// Keys go to the sink as the toolkit's modifier flags and key code; the tree does not move.
void CSFQTTreeCtrl::keyPressEvent(QKeyEvent* event)
{
    if (m_pEvent)
        m_pEvent->OnDlgKeyDown(static_cast<UINT>(event->modifiers().toInt()),
                               static_cast<UINT>(event->key()));
}

void CSFQTTreeCtrl::OnItemChanged(QTreeWidgetItem* item, int /*column*/)
{
    if (CSFQTOwnerChange::Running(m_nQuietDepth))
        return;
    if (m_pEvent)
        m_pEvent->OnItemCheckStateChanged(item, IsChecked(item) ? 1 : 0);
}

void CSFQTTreeCtrl::OnItemClick(QTreeWidgetItem* item, int /*column*/)
{
    if (CSFQTOwnerChange::Running(m_nQuietDepth))
        return;
    if (m_bInRelease)
        m_pClickedItem = item;
    else
        HandleClick(item);
}

// A click that began in the check area toggles the box wherever in the area it was (an item
// with no check box keeps none), then the cascades follow the new state.
void CSFQTTreeCtrl::HandleClick(QTreeWidgetItem* item)
{
    if (item && item == m_pCheckPressItem) {
        const ItemsWatch watch(this);
        if (item->data(0, Qt::CheckStateRole).isValid()) {
            item->setCheckState(0, IsChecked(item) ? Qt::Unchecked : Qt::Checked);
            if (watch.Changed())
                return;
        }
        const bool checked = IsChecked(item);
        if (SetCheckedBelow(item, checked))
            CascadeUp(item, checked);
        return;
    }
    if (m_pEvent)
        m_pEvent->OnItemClick(item, 0);
}

void CSFQTTreeCtrl::OnCurItemChanged(QTreeWidgetItem* /*current*/, QTreeWidgetItem* /*previous*/) {}

// Every descendant of node, depth first in child order, each before its children. Walked with
// a list of its own, not the call stack, so that any depth fits.
bool CSFQTTreeCtrl::SetCheckedBelow(QTreeWidgetItem* node, bool checked)
{
    const ItemsWatch watch(this);
    const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
    std::vector<QTreeWidgetItem*> pending;
    for (int i = node->childCount() - 1; i >= 0; --i)
        pending.push_back(node->child(i));
    while (!pending.empty()) {
        QTreeWidgetItem* item = pending.back();
        pending.pop_back();
        if (item->checkState(0) != state) {
            item->setCheckState(0, state);
            if (watch.Changed())
                return false;
        }
        for (int i = item->childCount() - 1; i >= 0; --i)
            pending.push_back(item->child(i));
    }
    return true;
}

// A parent is checked exactly when all its children are: checking the last unchecked child
// checks the parent, unchecking any child unchecks it; each changed parent passes on upward.
bool CSFQTTreeCtrl::CascadeUp(QTreeWidgetItem* item, bool checked)
{
    const ItemsWatch watch(this);
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent()) {
        if (IsChecked(parent)) {
            if (checked)
                return true;
            parent->setCheckState(0, Qt::Unchecked);
            if (watch.Changed())
                return false;
            continue;
        }
        if (!checked)
            return true;
        for (int i = 0; i < parent->childCount(); ++i)
            if (!IsChecked(parent->child(i)))
                return true;
        parent->setCheckState(0, Qt::Checked);
        if (watch.Changed())
            return false;
    }
    return true;
}
