// The tree control: a one-column tree whose items travel through the facade as opaque
// handles (the toolkit's tree items). Items may carry check boxes that cascade: a user's
// click on a check box checks or unchecks every descendant, and a parent is checked exactly
// when all its children are. Highlighted items are drawn in a second colour.
//
// What the sink hears: the user's clicks, double clicks, keys and check changes, each state
// change of a cascade, and those of SetAllItemCheck. Every other change an owner makes
// through the facade is silent.
//
// A sink may change the tree from inside any report: an owner that deletes items from a check
// report ends the cascade or check-all that sent it (the rest of it is not applied), and an
// owner may delete the tree itself from any report.
//
// Create reads its rectangle one past, Win32-style; MoveWindow(RECT*) reads it inclusive.
// The special handles TVI_ROOT and TVI_LAST are never items: an operation on an item given
// one of them (where it does not name the root) acts as if given no item.
#pragma once

#include "skin/ext/SFInterfaceExt.h"

#include <QColor>
#include <QMetaObject>
#include <QPixmap>
#include <QTreeWidget>

#include <map>
#include <string>

// The tree's skin: six ints, of which the sixth is kept (unused), then wide strings, of
// which [5] is the text colour and [6] the highlight colour (each "RRGGBB"), [7] and [8]
// the on- and off-pictures (file names in the skin folder) that SetItemIcon(data, on) shows.
struct UITreeCtrlStyle
{
    int nValue[6] = {0, 0, 0, 0, 0, 0};
    std::wstring item[9];

    static constexpr int Count() { return 9; }
    std::wstring& operator[](int i) { return item[i]; }
    const std::wstring& operator[](int i) const { return item[i]; }
};

class CSFQTTreeCtrl : public QTreeWidget, public CSFTreeCtrl
{
    Q_OBJECT

public:
    // Width of the check area at the left of an item's row.
    static constexpr int kCheckAreaWidth = 20;

    explicit CSFQTTreeCtrl(ISFTreeCtrlEvent* pEvent);
    ~CSFQTTreeCtrl() override;
    CSFQTTreeCtrl(const CSFQTTreeCtrl&) = delete;
    CSFQTTreeCtrl& operator=(const CSFQTTreeCtrl&) = delete;

    // ---- CSFTreeCtrl ----
    // checkMode != 0 gives every new item a check box. Shown iff style has WS_VISIBLE. 1.
    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id, int checkMode) override;
    void SetCursor() override;
    int SetSkin(UITreeCtrlStyle* style) override;  // null: 0; else 1
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    void* GetChildItem(void* item) const override;  // TVI_ROOT: the first top-level item
    UINT GetCount() const override;                 // three levels counted, no deeper
    UINT GetChildrenCount(void* item) const override;
    void* GetImageList(UINT kind) const override;  // null
    DWORD GetItemData(void* item) const override;  // no item: 0xFFFFFFFF
    // Copies at most size - 1 characters and a terminating 0 into buf and returns the number
    // copied (the text's length when it fits); no item: -1. TVI_ROOT reads the first item.
    int GetTreeItemText(void* item, wchar_t* buf, int size) override;
    void* GetNextItem(void* item, UINT code) const override;  // null
    void* GetNextSiblingItem(void* item) const override;
    void* GetParentItem(void* item) const override;
    void* GetPrevSiblingItem(void* item) const override;
    void* GetRootItem() const override;
    void ExpandTreeItem(void* item, UINT code) override;  // code != 0 expands, 0 collapses
    // TVI_ROOT: the first top-level item with that text. An item: its children and their
    // children (two levels), each child before its own children.
    void* FindChildItem(const wchar_t* text, void* parent) const override;
    void* SetImageList(void* list, int kind) override;  // null
    int SetItemData(void* item, DWORD data) override;
    int DeleteAllItems() override;
    void SetItemImage(void* item, int image, int selectedImage) override;         // nothing
    int GetItemImage(void* item, int& image, int& selectedImage) const override;  // 1
    int DeleteItem(void* item) override;                                          // with its subtree
    void* InsertItem(const wchar_t* text, void* parent, void* after) override;    // see the .cpp
    UINT GetItemState(void* item, UINT mask) const override;  // 1 selected, 0 not; no item: (UINT)-1
    int SetCheck(void* item, int check) override;             // no cascade
    int GetCheck(void* item) const override;
    void SetItemHilight(void* item, int on) override;
    int IsItemHilight(void* item) override;
    int IsAnyChildItemHilight(void* item) override;  // direct children; TVI_ROOT: top-level items
    void SetAllItemCheck(int check) override;        // reports each item that changes
    int IsAllItemCheck() override;                   // no items: 0; else no top-level item unchecked
    int ItemHasChildren(void* item) const override;
    int SetItemIcon(void* item, const wchar_t* name) override;
    // The first item with that data (top-level items in order, each followed by its direct
    // children) shows the on- or off-picture of the skin. None: 0.
    int SetItemIcon(DWORD data, int on) override;
    void GetClientRect(RECT* rc) override;
    void SetEnable(int enable) override;  // exactly 1 also takes the keyboard focus
    void SetUserCheckable(int on) override;
    void SetItemUserCheckable(void* item, int on) override;
    void SetToolTipText(void* item, const wchar_t* text) override;
    void SetObjectName(const wchar_t* name) override;
    // The picture skin folder + name, when it loads, in a second column of the item's row.
    void SetItemIconBack(void* item, const wchar_t* name) override;
    void ExpangAll() override;

    // ---- Read-outs of the Qt side ----
    UINT ControlId() const { return m_nID; }
    QColor TextColor() const { return m_textColor; }
    QColor HilightColor() const { return m_hilightColor; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void OnItemChanged(QTreeWidgetItem* item, int column);
    void OnItemClick(QTreeWidgetItem* item, int column);
    void OnCurItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);

private:
    // Keeps the sink deaf to the tree's own signals while an owner's change runs.
    class Quiet;
    // Tells a walk that calls out to the sink whether the tree or any item was deleted meanwhile.
    class ItemsWatch;
    // Leaves the check box's toggling by mouse to the tree (see mouseReleaseEvent).
    class CheckDelegate;

    // The node behind a handle: TVI_ROOT is the invisible root (the top-level items' parent),
    // any other handle its item (null for none and the other special handles).
    QTreeWidgetItem* Node(void* handle) const;
    // The item's parent, or the invisible root for a top-level item or one not in a tree.
    QTreeWidgetItem* ParentNode(QTreeWidgetItem* item) const;
    void Connect();
    void Disconnect();
    bool InCheckArea(QTreeWidgetItem* item, const QPoint& pos) const;
    void HandleClick(QTreeWidgetItem* item);
    // The cascades and check-all: false when the sink deleted items or the tree from a report,
    // after which the walk has stopped and touches nothing.
    bool SetCheckedBelow(QTreeWidgetItem* node, bool checked);
    bool CascadeUp(QTreeWidgetItem* item, bool checked);
    // Takes item and its subtree out of the tree and deletes them, children before parents.
    void DeleteSubtree(QTreeWidgetItem* item);
    void Forget(QTreeWidgetItem* item);
    void SetUserCheckableFlag(QTreeWidgetItem* item, bool on);

    bool m_bCheckMode;
    bool m_bUserCheckable;
    UINT m_nID;
    int m_nSkinValue;
    QTreeWidgetItem* m_pCheckPressItem;  // the item whose check area was last pressed
    bool m_bInRelease;                   // inside Qt's handling of a mouse release
    QTreeWidgetItem* m_pClickedItem;     // the item Qt reported clicked there, if any
    unsigned m_nItemsVersion;            // moves with every deletion of items
    QColor m_textColor;
    QColor m_hilightColor;
    QPixmap m_onPicture;
    QPixmap m_offPicture;
    std::map<QTreeWidgetItem*, QColor> m_hilight;
    int m_nQuietDepth;  // running CSFQTOwnerChange marks (Quiet)
    QMetaObject::Connection m_itemChanged;
    QMetaObject::Connection m_itemClicked;
    QMetaObject::Connection m_currentChanged;
};
