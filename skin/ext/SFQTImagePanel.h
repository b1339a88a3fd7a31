// The image strip: a horizontal row of thumbnails, each standing for a recorded item (picture
// file, name, type, start and end time), with a scroll bar along the bottom and an information
// panel on the right that shows the texts of the thumbnail under the pointer. A double click on
// a thumbnail selects it and asks the owner to play it.
//
// Create reads its rectangle one past, Win32-style (the widget covers left..right-1,
// top..bottom-1); MoveWindow(RECT*) reads inclusive corners.
#pragma once

#include "skin/ext/SFImagePanelLayout.h"
#include "skin/ext/SFInterfaceExt.h"

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <string>
#include <unordered_set>
#include <vector>

class QScrollBar;

class CSFQTImagePanel : public QWidget, public CSFImagePanel
{
    Q_OBJECT

public:
    explicit CSFQTImagePanel(ISFImagePanelEvent* pEvent);
    ~CSFQTImagePanel() override;

    CSFQTImagePanel(const CSFQTImagePanel&) = delete;
    CSFQTImagePanel& operator=(const CSFQTImagePanel&) = delete;

    BOOL Create(const wchar_t* text, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    // Colours, spacings and thumbnail size; 0 without a record. The record's information texts
    // are not read: the panel shows those of the hovered thumbnail.
    BOOL SetSkin(UIImagePanelStyle* style) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int w, int h) override;
    int GetCount() override;
    // Appends an item with the picture of the file at path, taken exactly as given. An item
    // with the same path and the same name is refused (0).
    BOOL AddItem(const wchar_t* path, const wchar_t* name, const wchar_t* type, const wchar_t* start,
                 const wchar_t* end) override;
    void ClearItems() override;
    // Removes the first item of that name. The hovered and selected numbers stay, so they name
    // the following item; a number left past the end means none.
    void DelByItemName(const wchar_t* name) override;
    void SetScrollType(DISPLAY_TYPE type) override;  // accepted and ignored
    // The path of the selected item, valid until the next call; NULL when none is selected.
    const wchar_t* GetHotImagePath() override;

    const CSFImagePanelLayout& Layout() const { return m_layout; }
    QScrollBar* ScrollBar() const { return m_pScrollBar; }
    int HoverIndex() const { return m_nHover; }
    int SelectedIndex() const { return m_nSelected; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private slots:
    void OnScrollBarChanged(int value);

private:
    struct Item
    {
        std::wstring path;  // as the owner gave it, handed back unchanged
        std::wstring name;
        QString type;
        QString start;
        QString end;
        QPixmap picture;
    };

    void LayOut();
    void UpdateScrollRange();
    bool IsItem(int index) const { return index >= 0 && index < static_cast<int>(m_items.size()); }
    int ItemAt(const QPoint& pt) const;
    // The key of an item's path and name in m_keys.
    static std::wstring ItemKey(const std::wstring& path, const std::wstring& name);

    std::vector<Item> m_items;
    std::unordered_set<std::wstring> m_keys;  // ItemKey of every item: AddItem's refusal at any size
    int m_nHover;
    int m_nSelected;
    QColor m_bgColor;
    QColor m_textColor;  // kept from the skin; the texts paint in the painter's own colour
    CSFImagePanelLayout m_layout;
    QScrollBar* m_pScrollBar;
    std::wstring m_hotPath;
};
