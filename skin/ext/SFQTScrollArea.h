// The scroll area: a frameless scrolling viewport over a content panel of a fixed minimum
// size. Owners place other skin controls on the panel (GetUIWnd), in its coordinates; the
// panel widens and heightens with the viewport and scrolls when it is larger. It reports
// nothing.
//
// Create reads its rectangle one past, Win32-style; MoveWindow(RECT*) reads it inclusive.
// The facade has no virtual destructor: the area is released by its Qt parent, never
// through the facade.
#pragma once

#include "skin/ext/SFInterfaceExt.h"

#include <QScrollArea>
#include <QString>

#include <string>

// The scroll area's skin: [0] the background picture (file name in the skin folder), tiled
// over the content panel.
struct ScrollAreaStyle : SFWideStringRecord<1>
{};

class CSFQTScrollArea : public QScrollArea, public CSFScrollArea
{
    Q_OBJECT

public:
    explicit CSFQTScrollArea(ISFScrollAreaEvent* pEvent);
    ~CSFQTScrollArea() override;
    CSFQTScrollArea(const CSFQTScrollArea&) = delete;
    CSFQTScrollArea& operator=(const CSFQTScrollArea&) = delete;

    // ---- CSFScrollArea ----
    // The content panel gets cx x cy at least. Shown iff style has WS_VISIBLE. 1.
    int Create(DWORD style, const RECT& rc, UINT cx, UINT cy, void* parentUI, UINT id) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    void SetTooltipEnable(int enable) override;  // nothing
    void SetToolTipText(const wchar_t* text) override;
    int IsWindowVisible() override;
    int IsWindow() override;  // 1, also before Create
    void SetEnabled(int enable) override;
    void* GetUIWnd() override;  // the content panel, from construction on
    // Tiles the picture over the content panel. No record, an empty name or a picture that
    // does not load change nothing (a brush without a picture would paint the panel black).
    void SetSkin(ScrollAreaStyle* style) override;

    // ---- Read-outs of the Qt side ----
    UINT ControlId() const { return m_nID; }
    QWidget* Panel() const { return m_pPanel; }
    // The background picture's file, empty until a skin took.
    QString BackgroundPath() const { return m_strBackground; }

private:
    UINT m_nID;
    QWidget* m_pPanel;  // owned through the Qt parent chain
    QString m_strBackground;
};
