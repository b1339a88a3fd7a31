// The list box: a plain list of strings.
//
// Create reads its rectangle one past, Win32-style (the widget covers left..right-1,
// top..bottom-1); MoveWindow(RECT*) reads inclusive corners (width right - left + 1).
#pragma once

#include "skin/SFInterface.h"

#include <QListWidget>

// Mouse presses, releases and moves go to the sink only: the mouse never selects a row,
// SetCurSel does.
class CSFQTListBox : public QListWidget, public CSFListBox
{
    Q_OBJECT

public:
    explicit CSFQTListBox(ISFListBoxEvent* pEvent);
    ~CSFQTListBox() override;

    CSFQTListBox(const CSFQTListBox&) = delete;
    CSFQTListBox& operator=(const CSFQTListBox&) = delete;

    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    int SetSkin() override;  // 0
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // width right - left + 1
    void MoveWindow(int x, int y, int w, int h) override;
    int GetCount() override;
    // Copies row index's characters into buf WITHOUT a terminator and returns their number;
    // buf must hold the whole row text. Out of range (or a null buf): -1, nothing written.
    int GetText(int index, wchar_t* buf) override;
    int GetCurSel() override;                     // -1 when none
    int SetCurSel(int index) override;            // -1 when out of range
    int AddString(const wchar_t* text) override;  // the new row's index
    int DeleteString(UINT index) override;        // the count afterwards

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
