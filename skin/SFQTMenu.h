// The pop-up menu: entries carry integer command ids in their data, and a left-button
// choice of an entry of this menu is reported to the sink as Menu_OnAction(id).
#pragma once

#include "skin/SFInterface.h"

#include <QMenu>

class CSFQTMenu : public QMenu, public CSFMenu
{
    Q_OBJECT

public:
    explicit CSFQTMenu(ISFMenuEvent* pEvent);
    ~CSFQTMenu() override;
    CSFQTMenu(const CSFQTMenu&) = delete;
    CSFQTMenu& operator=(const CSFQTMenu&) = delete;

    // ---- CSFMenu ----
    // Gives the menu the Qt parent parentUI (it stays a pop-up); the rest is not used.
    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id) override;
    int SetSkin() override;  // 0
    // Appends a plain sub-menu and returns its QMenu*; its entries do not reach the sink.
    void* AddMenu(const wchar_t* title) override;
    void Popup(int x, int y) override;  // screen position of the top-left corner
    // Appends an entry whose data is id; returns its QAction*.
    void* AddAction(const wchar_t* text, int id) override;
    void AddSeparator() override;
    void Clear() override;

    ISFMenuEvent* Sink() const { return m_pEvent; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
