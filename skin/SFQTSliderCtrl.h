// The skinned slider: a slider behind the CSFSliderCtrl facade, drawn by its own
// QSliderExStyle from six pieces of one skin picture (ImageSliderStyle [1]..[6]).
//
// A left press puts the handle under the pointer and a drag follows it; the toolkit's own
// press handling is never used. The sink hears SF_OnSliderPos(id, value) by the response
// mode: on every change made by the user (press, drag, wheel) in mode 0, or once on every
// release (also without a change) in mode 1, where the wheel does nothing. The keys (arrows,
// Page Up/Down, Home, End) move it like the pointer: in mode 0 each change is reported, in
// mode 1 the release of the key reports the value once. Changes made through the facade are
// silent. While dragging, a tool tip shows the value or its
// percentage of the span.
#pragma once

#include "skin/SFInterface.h"

#include <QPixmap>
#include <QSlider>
#include <QString>

class QEnterEvent;
class QKeyEvent;
class QMouseEvent;
class QSliderExStyle;
class QWheelEvent;

class CSFQTSliderCtrl : public QSlider, public CSFSliderCtrl
{
    Q_OBJECT

public:
    // The pieces, numbered as their rectangle fields of ImageSliderStyle.
    enum PieceIndex
    {
        PieceGrooveLeft = 1,      // groove left of (above) the handle centre
        PieceGrooveRight = 2,     // groove right of (below) it
        PieceHandle = 3,          // handle, normal
        PieceHandleHover = 4,     // handle under the pointer
        PieceHandlePressed = 5,   // handle under the pointer while pressed
        PieceHandleDisabled = 6,  // handle of a disabled slider
        PieceEnd = 7
    };

    // The pointer picture shown over the slider, from the skin folder, and its hot spot.
    static const wchar_t* const kHandCursorName;
    static constexpr int kHandCursorHotX = 13;
    static constexpr int kHandCursorHotY = 7;

    // Horizontal, range 0..100, value 0, tool tips on with the percentage, mode 0.
    explicit CSFQTSliderCtrl(ISFSliderCtrlEvent* pEvent);
    ~CSFQTSliderCtrl() override;
    CSFQTSliderCtrl(const CSFQTSliderCtrl&) = delete;
    CSFQTSliderCtrl& operator=(const CSFQTSliderCtrl&) = delete;

    // ---- Facade -------------------------------------------------------------------------
    // rc is read Win32-style (right and bottom exclusive). The groove pieces, when there are
    // any, are scaled to the control's width here and only here: SetSkin comes first.
    // Shown iff style has WS_VISIBLE. Returns 1.
    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id, SLIDER_RESPONSE_MODE mode) override;
    void SetCursor() override;
    // Cuts the six pieces out of skin folder + [0]; each rectangle text x,y,w,h covers
    // (w + 1) x (h + 1) pixels, an empty text gives no piece. NULL: 0, nothing changes.
    int SetSkin(ImageSliderStyle* skin) override;
    void ShowWindow(int show) override;
    // Corners inclusive.
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    int GetPos() const override;
    void GetRange(int& min, int& max) const override;
    // Silent.
    void SetPos(int pos) override;
    // Silent; redraw is not consulted.
    void SetRange(int min, int max, int redraw) override;
    // kind 0: the percentage, any other: the value.
    void SetTooltipEnable(int enable, int kind) override;
    void EnableWindow(int enable) override;

    // ---- Read-outs ----------------------------------------------------------------------
    // A piece (PieceGrooveLeft..PieceHandleDisabled); null before SetSkin or when not cut.
    const QPixmap& Piece(int piece) const;
    // A left press is held (set by the press, cleared by any release).
    bool IsPressed() const { return m_bPressed != 0; }
    SLIDER_RESPONSE_MODE ResponseMode() const { return m_mode; }

    // The drag tool tip: kind non-zero gives the value, kind 0 the value (not its offset from
    // min) in whole percent of the span, "60%"; an empty span gives "0%", or "100%" once the
    // value reaches max.
    static QString ToolTipText(int value, int min, int max, int kind);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    int ValueAt(const QMouseEvent* event) const;
    // Sets the value under the pointer; a change is reported in mode 0.
    void FollowPointer(const QMouseEvent* event);
    void Report();

    QPixmap m_pieces[PieceEnd];
    QSliderExStyle* m_style;  // a child of the control, so it goes with it
    int m_bPressed;
    int m_bTooltipEnable;
    int m_nTooltipKind;
    SLIDER_RESPONSE_MODE m_mode;
    int m_nHeldKey;  // in mode 1, the key that moved the slider and whose release reports it
};
