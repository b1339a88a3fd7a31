// The play widget of a video pane: where pictures appear. It keeps a width:height proportion
// inside the cell its pane gives it (letterboxing), shows the video window's back picture
// while idle, paints rendered 32-bit RGB frames and has two zooms: the widget itself grown
// beyond its pane (the pane clips it, so the picture is magnified) and the frame cropped to
// a source rectangle.
//
// Mouse presses, moves, releases and wheel turns are handled here and then passed on to the
// pane and the video window (ignored), whose swap, focus and click logic needs them too.
#pragma once

#include "base/compat/sf_windows.h"
#include "skin/SFSkinStyles.h"

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>

class CSFQTVideoWindow;

class CSFQTVideoWindowPlayWnd : public QWidget
{
    Q_OBJECT

public:
    // Every play widget has this id.
    static constexpr int kPlayWndId = 200;

    // window gives the back picture, the largest zoom size and the mouse modes (may be null);
    // cell is the inside of the pane, from (0, 0), inclusive.
    CSFQTVideoWindowPlayWnd(CSFQTVideoWindow* window, const QRect& cell, int proportionW, int proportionH);

    // The rectangle a picture of proportion pw:ph takes in an inclusive cell: the whole cell
    // when either part is 0 or less; else as high as the cell and centred across it, or as
    // wide and centred down it. The creation rule divides first (a few pixels narrower).
    static QRect Letterbox(const QRect& cell, int pw, int ph, bool creationRounding);

    // Letterboxes the cell (creation rounding), takes title and parent; the id is not kept.
    // Returns 1.
    int Create(const QString& title, QWidget* parent, int id);
    // A new cell (inclusive); a widget zoomed wider than its new place keeps its size and is
    // shifted to cover that place, otherwise it leaves zoom and takes the place.
    void MoveWindow(int left, int top, int right, int bottom);
    void SetProportion(int w, int h);
    void GetProportion(int& w, int& h) const;
    void SetBkColor(const QColor& color);
    QRect GetCellRect() const { return m_cell; }
    // The letterboxed place in the cell, as a widget geometry.
    QRect GetPlacedRect() const { return m_placed; }
    int IsPlaying() const { return m_bPlaying; }
    // state != 0: playing, frames of render type 1 are painted; 0: idle, the frame dropped.
    void SetPlayState(int state);
    // Keeps a copy of a width x height frame of 32-bit pixels (B, G, R, X in memory, rows
    // top-down without padding). NULL data or a size of 0 or less: 0, nothing changes. A frame
    // of a new size shows whole. Type 2 is kept without a repaint. Returns 1.
    int Render(const BYTE* data, RENDER_DATA_TYPE type, int width, int height);
    // Grows (in) or shrinks the widget by one step around a point given in the pane's
    // coordinates, never beyond the video window's largest zoom size.
    void WheelZoom(bool in, const QPoint& panePoint, int step);
    // Enlarges the widget so that the dragged rectangle (widget coordinates, inclusive) fills
    // the placed rectangle, within the largest zoom size; under 10 pixels either way: ignored.
    void ZoomToRect(int left, int top, int right, int bottom);
    // Crops the frame by one step around a widget point (out widens it). Only while playing.
    void ZoomAt(bool out, int x, int y);
    // Back to the placed rectangle, not zoomed.
    void LeaveZoom();
    // Moves the widget's top-left corner to a pane point, then shifts it back so that it
    // still covers its placed rectangle (dragging a zoomed picture).
    void DragTo(const QPoint& topLeft);
    void SetUpdatesEnabled(int enabled);
    void SetFocus();

    int IsZoomed() const { return m_bZoomed; }
    // The part of the frame shown, in frame pixels, inclusive.
    QRect SourceRect() const { return m_source; }
    const QPixmap& Frame() const { return m_frame; }
    int RenderType() const { return m_nRenderType; }
    int IsRepaintEnabled() const { return m_bRepaintEnabled; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Place();
    // The geometry shifted so that it covers the placed rectangle on every side.
    QRect CoverPlaced(QRect geometry) const;
    QSize MaxZoomSize() const;
    void ShiftSourceInsideFrame();

    CSFQTVideoWindow* m_pWindow;
    QRect m_cell;
    int m_nProportionW;
    int m_nProportionH;
    QColor m_bkColor;
    int m_bPlaying;
    int m_bZoomed;
    int m_bDragging;
    QRect m_placed;
    QPoint m_dragAnchor;
    int m_nRenderType;
    int m_nFrameWidth;
    int m_nFrameHeight;
    int m_bFrameSeen;
    QRect m_source;
    QPixmap m_frame;
    int m_bRepaintEnabled;
};
