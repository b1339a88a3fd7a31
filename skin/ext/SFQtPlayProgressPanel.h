// The time-line's painted inner widget: the ruler, four channel rows with their recorded
// segments, the cursors, the cut range and the day buttons, drawn from the shared
// PlayProgressData; mouse and wheel input change that state and are reported through the
// signals, which the outer control turns into its sink's calls. The time and pixel rules are
// the model's; the panel paints and reads input. A receiver of any signal may delete the
// panel (with the control around it): the panel then touches nothing of itself.
#pragma once

#include "skin/SFSkinPicture.h"

#include <QPoint>
#include <QWidget>

#include <cstdint>

class PlayProgressData;
class QPainter;

class SFQtPlayProgressPanel : public QWidget
{
    Q_OBJECT

public:
    // data belongs to the outer control and outlives the panel.
    SFQtPlayProgressPanel(PlayProgressData* data, QWidget* parent);

    // The six pictures of the skin: two not drawn, then the previous-day and next-day buttons,
    // each disabled then enabled.
    void SetPictures(const CSFSkinPicture& unused1, const CSFSkinPicture& unused2,
                     const CSFSkinPicture& prevOff, const CSFSkinPicture& prevOn,
                     const CSFSkinPicture& nextOff, const CSFSkinPicture& nextOn);

    bool IsMouseHeld() const { return m_bHeld; }

signals:
    void PositionChanged(int nChannel, int nRecordID, int nPos, bool bCutLeft, bool bMove);
    void HighlightChannelChanged(int nChannel);
    void MouseOver(int nChannel, QPoint globalPos, int nTime);
    void MousePress(int nChannel);
    void MouseRelease(int nChannel);
    void PropertyChanged();
    // The time the mouse set last (press and drag in day mode), for the outer control.
    void RememberedPositionChanged(int nTime);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void PaintRecordMode(QPainter& p);
    void PaintRows(QPainter& p);
    void PaintDayButtons(QPainter& p);
    void PaintRuler(QPainter& p);
    void PaintBars(QPainter& p);
    void PaintCursors(QPainter& p);
    // The cut box between two virtual x.
    void PaintCut(QPainter& p, std::int64_t x0, std::int64_t x1);
    // A cursor line from top to bottom with its label, when it lies in the time area.
    void PaintCursor(QPainter& p, std::int64_t virtualX, int top, int bottom, int labelTop,
                     const QString& text, const QColor& fill);
    void PaintCursorLabel(QPainter& p, int x, int top, const QString& text, const QColor& fill);

    // The channel shown in a row slot, -1 for an empty slot or no row.
    int ChannelInRow(int row) const;
    // Moves the nearer cut edge to the time at x of the time area and reports it; false when
    // the receiver deleted the panel.
    bool MoveCut(int x, bool bMove);
    // x of the time area under a panel point, clamped into the time area.
    int TimeAreaX(const QPoint& pos) const;

    PlayProgressData* m_pData;
    int m_nPressedRow;
    bool m_bHeld;
    CSFSkinPicture m_pics[6];
};
