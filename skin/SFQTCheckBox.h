// The two picture-drawn toggle controls: the check box (a push button that shows one of
// eight pictures and rescales them to its own size) and the radio box (a radio button that
// draws its picture at its own size beside a text). Both toggle on a click, report the new
// state to their sink and then send a command {0x111, 0, 0, id} to their parent window.
//
// Picture numbers of both, as in ImageCheckBox / ImageRadioBox: 0 checked normal,
// 1 checked hover, 2 checked pressed, 3 unchecked normal, 4 unchecked hover, 5 unchecked
// pressed, 6 checked disabled, 7 unchecked disabled.
#pragma once

#include "skin/SFInterface.h"

#include <QFont>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSize>

class QPropertyAnimation;

// ---- Picture helpers shared by both controls ----------------------------------------------

// Loads field i of names (skin folder + name) into pictures[i] for every i of order (count
// entries); an empty name leaves its picture as it was, a name that does not load leaves
// a null picture.
void SFLoadStatePictures(const SFWideStringRecord<8>& names, QPixmap* pictures, const int* order, int count);

// The picture grown to size: its four quadrants stay at their own sizes in the four corners,
// its middle column and row are repeated along the edges between them and the centre is
// filled with its middle pixel. A null picture or an empty size gives the picture unchanged.
QPixmap ExpandPixmapFromCentre(const QPixmap& picture, const QSize& size);

// Fits every picture of the array to size in place, decided by picture 1 (checked hover):
// when it is at least size in both directions the pictures are cut down to their top-left
// part of that size (or kept when it is exactly that size), otherwise each is expanded from
// its centre. Null pictures stay null; an empty size changes nothing.
void FitStatePictures(QPixmap* pictures, int count, const QSize& size);

// Sends {0x111, 0, 0, id} synchronously to the widget's parent, when it has one and an
// application object exists.
void SFSendCommandToParent(QObject* sender, UINT id);

// ---- Check box ------------------------------------------------------------------------------

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

// ---- Radio box ------------------------------------------------------------------------------

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
    // Replaces the pictures of the non-empty names; takes effect at the next paint.
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
    QPixmap m_pics[8];
    QPropertyAnimation* m_pAnimation;
    float m_fPicTransparence;
    bool m_bFade;
    bool m_bTile;
    bool m_bInMouseRelease;
};
