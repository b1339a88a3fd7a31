// The picture control: a skin picture stretched over the control with a centred caption.
//
// Create reads its rectangle one past, Win32-style (the widget covers left..right-1,
// top..bottom-1); MoveWindow(RECT*) reads inclusive corners.
#pragma once

#include "skin/SFInterface.h"
#include "skin/SFSkinPicture.h"

#include <QLabel>
#include <QPixmap>

class CSFQTPictureCtrl : public QLabel, public CSFPictureCtrl
{
    Q_OBJECT

public:
    explicit CSFQTPictureCtrl(ISFPictureCtrlEvent* pEvent);
    ~CSFQTPictureCtrl() override;

    CSFQTPictureCtrl(const CSFQTPictureCtrl&) = delete;
    CSFQTPictureCtrl& operator=(const CSFQTPictureCtrl&) = delete;

    int Create(const wchar_t* text, DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    int SetSkin() override;  // 1
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int w, int h) override;
    // The picture of skin folder + name, decoded when first painted (a file that does not
    // load leaves no picture).
    void SetImage(const wchar_t* name) override;
    void SetDrawPicture(int draw) override;  // no effect
    void* GetHWnd() override;                // the QWidget*
    void SetWindowTextW(const wchar_t* text) override;

    const QPixmap& Picture() const { return m_picture.Pixmap(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSFSkinPicture m_picture;
};
