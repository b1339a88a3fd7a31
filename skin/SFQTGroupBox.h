// The group box: a titled frame.
//
// Create reads its rectangle one past, Win32-style (the widget covers left..right-1,
// top..bottom-1); MoveWindow(RECT*) reads inclusive corners.
#pragma once

#include "skin/SFInterface.h"

#include <QGroupBox>

class CSFQTGroupBox : public QGroupBox, public CSFGroupBox
{
    Q_OBJECT

public:
    explicit CSFQTGroupBox(ISFGroupBoxEvent* pEvent);
    ~CSFQTGroupBox() override;

    CSFQTGroupBox(const CSFQTGroupBox&) = delete;
    CSFQTGroupBox& operator=(const CSFQTGroupBox&) = delete;

    int Create(const wchar_t* text, DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    int SetSkin() override;              // 0
    void ShowWindow(int show) override;  // no effect
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int w, int h) override;
    void SetWindowTextW(const wchar_t* text) override;
    int GetWindowTextW(wchar_t* buf, int size) override;  // -1, copies nothing
};
