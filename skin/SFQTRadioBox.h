// The radio box: a radio button that draws one of its eight state pictures
// (SFQTToggleHelpers.h) at its own size beside a text. It toggles on a click (never
// unchecked by a sibling), reports the new state to its sink and then sends a command
// {0x111, 0, 0, id} to its parent window.
#pragma once

#include "skin/SFInterface.h"
#include "skin/SFSkinPicture.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRadioButton>

class QPropertyAnimation;

class CSFQTRadioBox : public QRadioButton, public CSFRadioBox
{
    Q_OBJECT
    Q_PROPERTY(float picTransparence READ GetPicTransparence WRITE SetPicTransparence)

public:
    // Mouse states (disabled is forced while painting a disabled box).
    enum
    {
        StateNormal = 0,
        StateHover = 1,
        StatePressed = 2,
        StateDisabled = 3
    };

    explicit CSFQTRadioBox(ISFRadioBoxEvent* pEvent);
    ~CSFQTRadioBox() override;
    CSFQTRadioBox(const CSFQTRadioBox&) = delete;
    CSFQTRadioBox& operator=(const CSFQTRadioBox&) = delete;

    // ---- CSFRadioBox ----
    // rc is read right and bottom exclusive; shown when style has WS_VISIBLE.
    BOOL Create(const wchar_t* text, DWORD style, const RECT& rc, void* parent, UINT id) override;
    void SetCursor() override;
    // Replaces the pictures of the non-empty names (a picture that names the same file stays
    // as it is); takes effect at the next paint, which decodes the picture it shows.
    BOOL SetSkin(ImageRadioBox* style) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int w, int h) override;
    void SetCheck(int check) override;  // silent: the sink is not called
    int GetCheck() override;
    // Copies at most size - 1 characters and a terminating 0 (nothing when buf is null or
    // size <= 0); returns the number of characters copied.
    int GetWindowTextW(wchar_t* buf, int size) override;
    void SetWindowTextW(const wchar_t* text) override;
    void SetBoldHeavy(int bold) override;
    void SetTextColor(COLORREF color) override;
    void SetTextOffset(int offset) override;
    void SetTextAlign(DWORD flags) override;  // DT_CENTER centre, DT_RIGHT right, else left
    void GetRadioClientRect(RECT* rc) override;
    void GetRadioWindowRect(RECT* rc) override;
    void SetImageInfo(void* a, void* b) override;
    void SetBkColor(COLORREF checked, COLORREF unchecked) override;
    void SetBkRect(bool whole) override;
    void SetTooltipEnable(int enable) override;
    void SetToolTipText(const wchar_t* text) override;
    int IsWindowVisible() override;
    int IsWindow() override;
    void Invalidate(int erase) override;
    void SetEnabled(int enable) override;
    void EnableAnimation(int enable) override;
    void SetExpendBGImge(int tile) override;
    void SetIconAlign(DWORD align) override;  // 1 centres icon and text together

    // ---- Qt side ----
    float GetPicTransparence() const { return m_fPicTransparence; }
    void SetPicTransparence(float value);

    bool IsChecked() const { return m_bChecked; }
    int MouseState() const { return m_nState; }
    UINT ControlId() const { return m_nID; }
    // The picture number the current check, mouse and enable states show.
    int CurrentPictureIndex() const;
    const QPixmap& Picture(int index) const;
    // Alignment and text flags of the text (Qt::AlignmentFlag | Qt::TextFlag).
    int TextFlags() const { return m_nTextFlags; }
    const QFont& TextFont() const { return m_font; }
    bool IsFadeRunning() const;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Keeps Qt's own checked state in step with the box's flag; a click that does not come
    // from a mouse release (the keyboard) toggles the box and reports like a click.
    void nextCheckState() override;

private Q_SLOTS:
    void OnClicked(bool checked, QPoint pt);
    void OnAnimationPicTransFinished();

private:
    void StartFade();
    void SyncQtChecked();

    int m_nState;
    bool m_bChecked;
    bool m_bBkWholeRect;
    QFont m_font;
    QColor m_checkedBkColor;
    QColor m_uncheckedBkColor;
    QColor m_textColor;
    int m_nTextOffset;
    UINT m_nID;
    int m_nTextFlags;
    DWORD m_nIconAlign;
    CSFSkinPicture m_pics[8];
    QPropertyAnimation* m_pAnimation;
    float m_fPicTransparence;
    bool m_bFade;
    bool m_bTile;
    bool m_bInMouseRelease;
};
