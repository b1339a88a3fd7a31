// The image button: a push button drawn entirely from four skin pictures (normal, hover,
// pressed, disabled), with its text drawn over the picture and an optional short opacity
// pulse when the mouse enters or presses it.
//
// A click reports BTN_OnClicked(id) to the sink and then sends the command
// CSFCustomEvent{0x111, 0, 0, id} synchronously to the parent, whose customEvent routes it
// through its message map (SF_DispatchCustomEvent).
//
// Button states (not shared with any other control):
//   0 hover    -> picture [1] of the skin record
//   1 pressed  -> picture [2]
//   2 normal   -> picture [0] (also any unknown value)
//   4 released -> picture [1] (after a click with the mouse still over the button)
// A disabled button shows picture [3] whatever its state.
#pragma once

#include "skin/SFInterface.h"
#include "skin/SFSkinPicture.h"

#include <QPixmap>
#include <QPushButton>
#include <QString>

class QPropertyAnimation;

class CSFQTButton : public QPushButton, public CSFButton
{
    Q_OBJECT
    Q_PROPERTY(float picTransparence READ picTransparence WRITE setPicTransparence)

public:
    enum State
    {
        StateHover = 0,
        StatePressed = 1,
        StateNormal = 2,
        StateReleased = 4,
    };

    explicit CSFQTButton(ISFButtonEvent* pEvent);
    ~CSFQTButton() override;

    CSFQTButton(const CSFQTButton&) = delete;
    CSFQTButton& operator=(const CSFQTButton&) = delete;

    // ---- Facade -------------------------------------------------------------------------
    // rc is read Win32-style: width right - left, height bottom - top. parent is a QWidget*.
    // Shown when style has WS_VISIBLE. Returns TRUE.
    BOOL Create(const wchar_t* text, DWORD style, const RECT& rc, void* parent, UINT id) override;
    void SetCursor() override;
    // Loads [1], [2], [0], [3] and [1] again into the state-0, state-1, state-2, disabled and
    // state-4 pictures; an empty name keeps the previous picture, a file that does not load
    // leaves a null picture (only the text is drawn then). NULL: FALSE, nothing changes.
    BOOL SetSkin(ImageButtonStyle* style) override;
    void ShowWindow(int show) override;
    // Inclusive corners: width right - left + 1.
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    void EnableWindow(int enable) override;
    void SetTextColor(COLORREF color) override;
    void SetTextOffset(int x, int y) override;  // stored only
    // Always vertically centred on one line; DT_CENTER centres, else DT_RIGHT right-aligns,
    // else left. DT_END_ELLIPSIS turns right-eliding on (it is never turned off again).
    void SetTextAlign(UINT flags) override;
    void SetTooltipEnable(int enable) override;  // stored only
    void SetToolTipText(const wchar_t* text) override;
    // Copies at most size - 1 characters of the text and a terminating 0 into buf and
    // returns the number of characters copied; a null buf or size <= 0 writes nothing and
    // gives 0.
    int GetWindowTextW(wchar_t* buf, int size) override;
    void SetWindowTextW(const wchar_t* text) override;
    // The widget's corners in screen coordinates, right and bottom inclusive.
    void GetBTNWindowRect(RECT* rc) override;
    void EnableAnimation(int enable) override;
    BOOL IsEnabled() override;
    void SetBtnState(int state) override;

    // ---- Qt side ------------------------------------------------------------------------
    // Mode 3 draws the picture at its own size at the top-left corner; any other mode
    // stretches it over the button.
    virtual void SetPicMode(int mode);
    // With keep-after-release on, leaving the button keeps the released look (state 4).
    void SetKeepAfterRelease(int keep);

    float picTransparence() const { return m_fPicTransparence; }
    void setPicTransparence(float value);

    int GetBtnState() const { return m_nState; }
    // The picture the button paints in its present state (null when none is loaded).
    const QPixmap& CurrentPicture() const;
    // The text rectangle and the text as painted now.
    QRect TextRect() const;
    QString TextToDraw() const;
    int TextFlags() const { return m_nTextFlags; }
    QColor TextColor() const { return m_textColor; }
    // The running fade, NULL when none.
    QPropertyAnimation* FadeAnimation() const { return m_pAnimation; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OnClicked();
    void OnAnimationPicTransFinished();

private:
    void ChangeState(int state);
    void StartFade();

    int m_nTextFlags;
    bool m_bElideRight;
    int m_nState;
    bool m_bKeepAfterRelease;
    bool m_bReEnter;
    QColor m_textColor;
    QSize m_textOffset;
    bool m_bTooltipEnable;
    CSFSkinPicture m_picHover;     // state 0, from [1]
    CSFSkinPicture m_picPressed;   // state 1, from [2]
    CSFSkinPicture m_picNormal;    // state 2, from [0]
    CSFSkinPicture m_picDisabled;  // from [3]
    CSFSkinPicture m_picReleased;  // state 4, from [1]
    QPropertyAnimation* m_pAnimation;
    float m_fPicTransparence;
    bool m_bAnimation;
    int m_nPicMode;
};
