// The check box: a picture-drawn push button that shows one of its eight state pictures
// (SFQTToggleHelpers.h) rescaled to its own size. It toggles on a click, reports the new
// state to its sink and then sends a command {0x111, 0, 0, id} to its parent window.
#pragma once

#include "skin/SFInterface.h"

#include <QPixmap>
#include <QPushButton>

class CSFQTCheckBox : public QPushButton, public CSFCheckBox
{
    Q_OBJECT

public:
    // Mouse states.
    enum
    {
        StateHover = 0,
        StatePressed = 1,
        StateNormal = 2,
        StateReleased = 4  // drawn as hover
    };

    explicit CSFQTCheckBox(ISFCheckBoxEvent* pEvent);
    ~CSFQTCheckBox() override;
    CSFQTCheckBox(const CSFQTCheckBox&) = delete;
    CSFQTCheckBox& operator=(const CSFQTCheckBox&) = delete;

    // ---- CSFCheckBox ----
    // rc is read right and bottom exclusive; text is UTF-8; the style is not consulted.
    BOOL Create(const char* text, DWORD style, const RECT& rc, void* parent, UINT id) override;
    void SetCursor() override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int w, int h) override;
    void SetCheck(int check) override;  // silent: the sink is not called
    int GetCheck(int* out) override;    // writes 0 / 1 to out (a null out is ignored), returns 0
    // Copies at most size - 1 characters and a terminating 0 (nothing when buf is null or
    // size <= 0); returns the number of characters copied, as the button does.
    int GetWindowTextW(wchar_t* buf, int size) override;
    void SetWindowTextW(const wchar_t* text) override;
    BOOL SetSkin(ImageCheckBox* style) override;
    void EnableWindow(int enable) override;

    // ---- Read-outs of the Qt side ----
    bool IsChecked() const { return m_bChecked; }
    int MouseState() const { return m_nState; }
    UINT ControlId() const { return m_nID; }
    // The picture number the current check, mouse and enable states show.
    int CurrentPictureIndex() const;
    const QPixmap& Picture(int index) const;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private Q_SLOTS:
    // Every click (mouse released over the box, or the keyboard): toggles, then reports.
    void OnCheckStateChanged();

private:
    void SetState(int state);

    int m_nState;
    bool m_bChecked;
    UINT m_nID;
    QPixmap m_pics[8];
};
