// What the skinned dialog and the skinned main window have in common: the parsed skin, the
// frame composed from its twelve pieces, the round-corner mask, the title buttons with their
// hit test and hover state, the caption drag, the timer table, the key codes, centring and
// the facade operations that both windows carry out the same way.
//
// CSFQTSkinFrame is the facade part of both windows; CSFQTSkinWindow (SFQTSkinWindow.h)
// joins it to the window's Qt widget and carries the Qt event handlers both windows share.
// CSFQTDialog and CSFQTMainWindow derive from CSFQTSkinWindow and fill in what each does its
// own way.
#pragma once

#include "base/compat/sf_windows.h"
#include "skin/SFInterface.h"

#include <QBitmap>
#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>

#include <map>
#include <string>

class QDragEnterEvent;
class QDropEvent;
class QEvent;
class QLabel;
class QMouseEvent;
class QPainter;
class QResizeEvent;
class QTimerEvent;
class QWidget;

// The window's parsed skin.
struct DialogSkinData
{
    // Index of each rectangle in rects.
    enum
    {
        // Border pieces, in the order they are read from the skin.
        TopLeft = 0,
        Top,
        TopRight,
        LeftUpper,
        LeftMiddle,
        LeftLower,
        RightUpper,
        RightMiddle,
        RightLower,
        BottomLeft,
        Bottom,
        BottomRight,
        // Title-button cells in the frame picture: button 4 (normal, hover, pressed),
        // then buttons 3, 2 and 1.
        FirstCell = 12,
        // Window rectangles of title buttons 4, 3, 2, 1.
        FirstButton = 24,
        Caption = 28,
        RectCount = 29
    };

    // fill -1: everything unset (sizes -1, rectangles invalid); fill 0: everything zero
    // (every rectangle the single pixel at the origin).
    explicit DialogSkinData(int fill);

    QPixmap framePicture;       // null when absent
    QPixmap backgroundPicture;  // null when absent
    // The one colour of every pixel of backgroundPicture, invalid when it has more: such a
    // picture is painted as a fill, the same pixels as stretching it and far less work.
    QColor backgroundUniform;
    int requestedW, requestedH;
    int baseW, baseH;
    int radiusW, radiusH;
    QColor backgroundColor;
    QRect rects[RectCount];
    // The four repeated edge pieces (Top, LeftMiddle, RightMiddle, Bottom) cut out of
    // framePicture when the skin is read, so that each run is one tiled drawing; null for a
    // piece without area or not wholly inside the picture (drawn piece by piece).
    QPixmap edgeRuns[4];

    // Cuts edgeRuns out of framePicture by the current rectangles.
    void CutEdgeRuns();

    // Title button 1 (close), 2 (maximise), 3 (minimise) or 4: its window rectangle and
    // its cell for state 0 (normal), 1 (hover) or 2 (pressed).
    QRect& ButtonRect(int button) { return rects[FirstButton + 4 - button]; }
    const QRect& ButtonRect(int button) const { return rects[FirstButton + 4 - button]; }
    const QRect& Cell(int button, int state) const { return rects[FirstCell + (4 - button) * 3 + state]; }
};

class CSFQTSkinFrame : public CSFDialog
{
public:
    enum TitleButton
    {
        BtnNone = 0,
        BtnClose = 1,
        BtnMaximize = 2,
        BtnMinimize = 3,
        BtnExtra = 4
    };
    enum TitleState
    {
        StateNormal = 0,
        StateHover = 1,
        StatePressed = 2
    };
    // What a release on a title button asks the window to do.
    enum TitleAction
    {
        ActNone,
        ActClose,
        ActMaximize,
        ActMinimize,
        ActNormal
    };

    // The title-button pictures of one button: normal, hover, pressed.
    using PictureTriple = QPixmap[3];

    ~CSFQTSkinFrame() override;
    CSFQTSkinFrame(const CSFQTSkinFrame&) = delete;
    CSFQTSkinFrame& operator=(const CSFQTSkinFrame&) = delete;

    // ---- Facade operations shared by both windows ---------------------------------------
    using CSFDialog::MoveWindow;
    using CSFDialog::Screen2Client;
    using CSFDialog::SetDlgIcon;

    // A non-null parent makes the window a child widget of it; the title goes to the title
    // label; then Dlg_OnInitDialog(TRUE).
    int Create(const wchar_t* title, void* parent) override;
    // The window's own OK and Cancel (DoOK, DoCancel).
    void MFCOK() override;
    void MFCCancel() override;
    // Message 16 (close) is the window's Cancel; others are ignored.
    void SendDlgMessage(UINT msg, UINT wParam, LONG lParam) override;
    int CreateDlg(void* parent) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    void Screen2Client(POINT* pt) override;
    void Screen2Client(RECT* rc) override;
    void GetDlgClientRect(RECT* rc) override;
    void GetDlgWindowRect(RECT* rc) override;
    void SetDrawBackGround(int draw) override;
    int DlgIsWindow() override;
    int SetDlgWindowPos(void* after, int x, int y, int cx, int cy, UINT flags) override;
    void SetDlgIcon(UINT resourceId) override;
    int IsDlgVisible() override;
    void EnableNcLBtnDown(int enable) override;
    UINT SetDlgTimer(UINT id, UINT ms) override;
    int KillDlgTimer(UINT id) override;
    void SetSizeRoundCorner(const wchar_t* pair) override;
    void MacShowFullScreen(bool on) override;
    void MacShowMinimize(bool on) override;

    // ---- Read-outs --------------------------------------------------------------------
    const DialogSkinData& SkinData() const { return m_skin; }
    // The title button (1..4) whose window rectangle holds pt, tried in the order 1, 2, 3, 4;
    // 0 when none does.
    int HitTest(const QPoint& pt) const;
    int HotButton() const { return m_nHotButton; }
    int HotState() const { return m_nHotState; }
    bool IsDragging() const { return m_bDragging; }
    QLabel* TitleLabel() const { return m_pTitleLabel; }
    QPoint CenteredPos() const { return m_ptCenter; }

    // ---- Algorithms -------------------------------------------------------------------
    // Paints the window picture of w x h at the painter's origin: the background (picture
    // stretched, else the colour) with the twelve border pieces drawn over it. A piece without
    // area is left out; a repeated piece without area is not repeated.
    static void PaintFramePicture(QPainter& p, const DialogSkinData& skin, int w, int h);
    // The 1-bit mask of a w x h window whose corners are rounded with radii rx, ry (set
    // pixels are visible).
    static QBitmap RoundMask(int w, int h, int rx, int ry);
    // The colour of every pixel of picture when they all have one; invalid otherwise.
    static QColor UniformColor(const QPixmap& picture);
    // Modifier code of a key event: VK_CONTROL with Ctrl, else VK_SHIFT with Shift, else 0;
    // VK_MENU or-ed in with Alt.
    static UINT ModifierCode(Qt::KeyboardModifiers mods);
    // Key code the dialog reports: Return, F1, Right, Left, Space, Escape; others 0.
    static UINT DialogKeyCode(int qtKey);
    // Key code the main window reports: F4, F1, Right, Left, Space, Escape; others their
    // Qt key code.
    static UINT MainWindowKeyCode(int qtKey);
    // The size a window is placed with: the requested size (the current one when none was
    // requested), a dimension larger than the work area becoming the larger of the work
    // area's and the base size's.
    static QSize PlacementSize(const DialogSkinData& skin, const QSize& current, const QRect& workArea);
    // Where a caption drag let go at p (the window's top-left corner on the screen) leaves a
    // window width wide: its top raised to the work area's, then brought back when it lies
    // past the work area's bottom, left or right edge (only where a panel takes that side
    // of the screen). *moved tells whether one of those three corrections applied; the raise
    // alone moves nothing, the drag having kept the top there already.
    static QPoint ReleasePosition(QPoint p, const QRect& screen, const QRect& work, int width, bool* moved);
    // The position that centres size in area, or area's top-left corner when it does not fit.
    static QPoint CenteredPosition(const QSize& size, const QRect& area);
    // Whether the platform refuses to let a window place itself (Wayland): caption drags and
    // the own maximise then go through the compositor.
    static bool PlacementRefused();

protected:
    // host: the window's own widget; fill: see DialogSkinData.
    CSFQTSkinFrame(ISFDialogEvent* pEvent, QWidget* host, int fill);

    // ---- What each window does its own way ----------------------------------------------
    // OK and Cancel: MFCOK / MFCCancel, the commands 1 and 2, and (Cancel) message 16.
    virtual void DoOK() = 0;
    virtual void DoCancel() = 0;
    // Shows text as the window's title.
    virtual void SetTitleText(const QString& text) = 0;
    // Paints the window picture for a window of w x h: PaintFramePicture by default.
    virtual void PaintWindowPicture(QPainter& p, int w, int h) const;
    // The title-button pictures PaintFrame draws: NULL by default (the frame's cells).
    virtual const PictureTriple* TitlePictures() const;

    // The sink's window pointer is cleared and it hears Dlg_Destroy, after the timers, the
    // pictures and the title label have gone. For the windows' destructors.
    void ReleaseFrame();

    // SetSkin: the fixed size ([57]: recorded, applied keeping the position, then the window
    // centred), then the corner radii, background colour, pictures, base size, border pieces,
    // title-button cells, title-button and caption rectangles.
    void ReadSkin(const DialogStyle& style);

    // Resize: caption to the full width, title buttons following the right edge. Returns
    // false (and changes nothing) without a frame picture.
    bool FollowResize(const QSize& size, const QSize& oldSize);
    // Round mask for the current size and radii (no mask call while the corners are square
    // and no mask was ever set).
    void UpdateRoundMask();

    // Title label: created on first use (text colour `color`, no background), then given the
    // text and laid out at row y, at x 15 (align 0), centred (1) or against the right edge (2),
    // with the text's size + 2.
    void PlaceTitleLabel(const QString& text, int align, int y, const QColor& color);

    // Paints the window picture and then the title buttons over the window;
    // pictures is NULL (cells only, only buttons with a valid rectangle) or an array of
    // four triples (normal, hover, pressed) for buttons 1..4.
    void PaintFrame(QPainter& painter, const PictureTriple* pictures) const;
    // After a resize of the skinned window (FollowResize true): the window picture's size, the
    // title label, the round mask, then the sink's OnDlgSize.
    void RecomposeFrame(int w, int h);
    void RepaintButton(int button);
    // button becomes the hot one in state; both it and a hot button it replaces repaint.
    void SetHot(int button, int state);
    void ClearHot(bool repaint);

    // Mouse handling of the caption and the title buttons (left button only).
    void FramePress(QMouseEvent* e, bool maximised);
    // A move with exactly the left button held (held) or with no button.
    void FrameMove(QMouseEvent* e, bool held, bool maximised);
    TitleAction FrameRelease(QMouseEvent* e);

    // The id (SetDlgTimer's) of the Qt timer qtId; 0 when unknown.
    UINT TimerUserId(int qtId) const;
    void KillAllTimers();

    // Dispatches a CSFCustomEvent through the sink's map. Returns 1 for an id-1 command, 2
    // for an id-2 command, else 0 (always 0 without a sink).
    int DispatchFrameEvent(QEvent* e);
    // The first dropped URL as a local file path.
    static QString FirstDroppedFile(const QDropEvent* e);

    // ---- The work of CSFQTSkinWindow's shared handlers ----------------------------------
    // paintEvent once the window picture has a size: PaintFrame over the window with
    // TitlePictures().
    void PaintHost() const;
    // resizeEvent: FollowResize, then (when it followed) RecomposeFrame with the new size.
    void FrameResized(const QResizeEvent* e);
    // timerEvent: the sink's OnDlgTimer with the SetDlgTimer id of the timer.
    void FrameTimer(const QTimerEvent* e);
    // dragEnterEvent: a drag that carries URLs is accepted.
    static void AcceptUrlDrag(QDragEnterEvent* e);
    // dropEvent: the first dropped local file goes to the sink. Returns false (and reports
    // nothing) when the drop carries none.
    bool ReportDroppedFile(const QDropEvent* e);

    // The sink, or NULL.
    ISFDialogEvent* Sink() const { return m_pEvent; }

    QWidget* m_pHost;
    DialogSkinData m_skin;
    // The size the window picture is painted at (stretched over the window when the window has
    // another size); empty until the first skinned resize. The picture is painted, not kept,
    // so a window holds no copy of its own size.
    QSize m_frameSize;
    QLabel* m_pTitleLabel;
    bool m_bDragging;
    bool m_bNcLBtnDown;
    QPoint m_dragOffset;  // press position on the screen minus the window position
    QPoint m_ptCenter;
    std::map<UINT, int> m_timers;  // SetDlgTimer id -> Qt timer id
    int m_nHotState;
    int m_nHotButton;
    bool m_bMaskSet;
};
