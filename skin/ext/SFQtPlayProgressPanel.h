// The time-line's painted inner widget: the ruler, four channel rows with their recorded
// segments, the cursors, the cut range and the day buttons, drawn from the shared
// PlayProgressData; mouse and wheel input change that state and are reported through the
// signals, which the outer control turns into its sink's calls.
#pragma once

#include "skin/SFSkinPicture.h"

#include <QPoint>
#include <QWidget>

class CSFQTPlayProgressPanel;
class PlayProgressData;
class QPainter;

class SFQtPlayProgressPanel : public QWidget
{
    Q_OBJECT

public:
    // data and outer belong to the outer control and outlive the panel.
    SFQtPlayProgressPanel(PlayProgressData* data, CSFQTPlayProgressPanel* outer, QWidget* parent);

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
    void PaintCut(QPainter& p, int x0, int x1);
    void PaintCursorLabel(QPainter& p, int x, int top, const QString& text, const QColor& fill);

    // The channel shown in a row slot, -1 for an empty slot or no row.
    int ChannelInRow(int row) const;
    // Moves the nearer cut edge to the time at x of the time area and reports it.
    void MoveCut(int x, bool bMove);
    // Screen x of a virtual x (before the offset) of the time area.
    int ScreenX(int virtualX) const;
    // x of the time area under a panel point, clamped into the time area.
    int TimeAreaX(const QPoint& pos) const;

    PlayProgressData* m_pData;
    CSFQTPlayProgressPanel* m_pOuter;
    int m_nPressedRow;
    bool m_bHeld;
    CSFSkinPicture m_pics[6];
};
