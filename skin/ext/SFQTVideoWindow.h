// The split video window: up to maxRows x maxCols panes placed on the windows of a split
// layout (QTVideoWindowLayout.h), one focused pane, panes swapped by dragging one onto
// another, pictures zoomed, and four skinned controls (close, snapshot, record, property)
// floating over the pane under the mouse. In splitter mode it has no panes: it paints the
// grid and merges or splits cells where the user clicks a bar.
//
// Panes are addressed by index (their place in the layout, which changes when two are
// swapped) or by id (fixed at creation: the creation index); the sink hears ids.
//
// Order of use: SetSkin before Create, which hands the button and record-box pictures and
// the button size to the controls it makes.
//
// Repainting of play widgets: SetFocus(index) and a wheel zoom turn a play widget's repainting
// off, as for a renderer that draws into the native window; RenderSubWin's frames then show
// once the owner calls SetUpdatesEnabled(index, true). Mouse presses leave repainting alone.
#pragma once

#include "skin/SFQTHeldReports.h"
#include "skin/ext/ImageVideoWindowStyle.h"
#include "skin/ext/QTVideoWindowLayout.h"
#include "skin/ext/SFInterfaceExt.h"

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QWidget>

#include <array>
#include <map>

class CSFQTButton;
class CSFQTRadioBox;
class CSFQTVideoWindowSubWnd;

class CSFQTVideoWindow : public QWidget, public CSFVideoWindow, public ISFRadioBoxEvent
{
    Q_OBJECT

public:
    // Ids of the controls over the hovered pane.
    enum
    {
        kCloseId = 1000,
        kSnapId = 1001,
        kRecordId = 1002,
        kPropertyId = 1003
    };

    CSFQTVideoWindow(VIDEOWINDOWMODE mode, ISFVideoWindowEvent* pEvent, int maxRows, int maxCols);
    ~CSFQTVideoWindow() override;
    CSFQTVideoWindow(const CSFQTVideoWindow&) = delete;
    CSFQTVideoWindow& operator=(const CSFQTVideoWindow&) = delete;

    // ---- Facade -------------------------------------------------------------------------
    // rc is read right and bottom exclusive. Makes the controls and the panes (normal mode).
    // Returns 1.
    int Create(const wchar_t* title, const RECT& rc, void* parentUI, UINT id) override;
    // Returns 0 (also for NULL, which changes nothing).
    int SetSkin(ImageVideoWindowStyle* style) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int w, int h) override;
    VIDEOWINDOWMODE GetVideoWindowMode() override { return m_mode; }
    // Regrid; on success OnLayoutChanged, a repaint and 1; else 0.
    int SetRows(int rows) override;
    int SetColumns(int columns) override;
    void SetSubWinProportion(int w, int h) override;
    // Reads a layout string (NULL or a refused text leaves the grid as it was), places the
    // panes, keeps the focus on a window, reports OnLayoutChanged. Returns 1.
    int SetLayout(const char* layout) override;
    // The layout string with its NUL: 0 and nothing written when it does not fit in length.
    int GetLayout(char* buf, int length) override;
    int SetDefaultLayout(DEFAULT_LAYOUT layout) override;
    // The native handle of the pane's play widget (makes it a native window: call it last).
    void* GetSubWinHandle(int index) override;
    int GetCurrentSubWinIndex() override;
    int GetSubWinID(int index) override;
    int GetSubWinIndexFromID(int id) override;
    int GetCurrentSubWinCount() override;
    void SetSubWinVideo(int index, int state) override;
    void SetSubWinVideoByID(int id, int state) override;
    void SetDragMode(int mode) override { m_bDragMode = mode; }
    void SetFrameZoomMode(int mode) override { m_bFrameZoomMode = mode; }
    int IsEnableFrameZoom() override { return m_bFrameZoomMode; }
    void SetDrawOSDHandle(void* /*handle*/) override {}
    RECT GetFrameOSDRect() override;
    void SetDragSubWinCursor(void* /*cursor*/) override {}
    void SetSubWinCtrlsVisible(int visible) override { m_bCtrlsVisible = visible; }
    void SetSubWinRecordState(int id, int state) override;
    void EableSubWinExchange(int enable) override { m_bExchange = enable; }
    void ResetSubWinSizeToMin(int index) override;
    void ResetSubWinSizeToMinByID(int id) override;
    int SetFocusSubWin(int id) override;
    void SetActiveCheckMode(int mode) override;
    void SetUpdatesEnabled(int index, bool enabled) override;
    void SetFocus(int index) override;
    int RenderSubWin(int id, BYTE* data, RENDER_DATA_TYPE type, int width, int height) override;

    // ---- Qt side ------------------------------------------------------------------------
    // Copies a layout (rescaled to this window's size) and places the panes: 0 when it has
    // more grid cells than the window has panes.
    int SetLayoutObject(const CQTVideoWindowLayout& layout);
    const CQTVideoWindowLayout& Layout() const { return m_layout; }
    CSFQTVideoWindowSubWnd* Pane(int index) const;
    int IsDragMode() const { return m_bDragMode; }
    const QPixmap& BackPicture() const { return m_backPicture; }
    QSize MaxZoomSize() const { return QSize(m_nMaxZoomWidth, m_nMaxZoomHeight); }
    CSFQTButton* CloseButton() const { return m_pClose; }
    CSFQTButton* SnapButton() const { return m_pSnap; }
    CSFQTButton* PropertyButton() const { return m_pProperty; }
    CSFQTRadioBox* RecordBox() const { return m_pRecord; }

    // The record box reports here.
    void RADIO_OnClicked(int check, int id, POINT pt) override;

signals:
    void LayoutChanged();

public slots:
    void CastLayoutChangedEvent();
    void OnBnClickedVideoClose();
    void OnBnClickedVideoSnap();
    void OnBnClickedVideoProperty();

protected:
    // The layout report of a resize waits until the toolkit is done with the event.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsNormal() const { return m_mode == VIDEOWINDOW_NORMAL; }
    int PaneCount() const { return m_nMaxRows * m_nMaxCols; }
    // The index of the first visible pane whose geometry holds the point, or -1.
    int PaneIndexAt(const QPoint& pt) const;
    int PaneId(int index) const;
    // The pane with that id (the first in index order), or nullptr.
    CSFQTVideoWindowSubWnd* PaneById(int id) const;
    // The four controls over the hovered pane: close, snapshot, property, record (null before
    // Create).
    std::array<QWidget*, 4> PaneControls() const;
    void PlacePanes();
    void ClearMaximised();
    // After a new layout: places the panes, repaints, keeps the focus on a window and reports
    // OnLayoutChanged.
    void LayoutApplied();
    void SplitterMove(const QPoint& pt);
    void Hover(const QPoint& pt);
    // False once the owner has deleted the window in the bounds report.
    bool GiveWholePaneBack(CSFQTVideoWindowSubWnd* pane);
    void ButtonClicked(int which);
    QRegion SelectedRegion() const;
    void FocusFrameUpdate(int index);
    // Focuses the pane at index: both focus frames repaint, the sink hears the two ids.
    void MoveFocus(int index);
    // The end of a band drawn on the pressed pane (mouseReleaseEvent).
    void EndBandZoom(CSFQTVideoWindowSubWnd* pressed, const QPoint& pos);
    // False once the owner has deleted the window in one of the reports.
    bool ExchangePanes(int from, int to);
    // The play widget rectangle less a 1-pixel margin, in play-widget coordinates.
    QRect RubberBand(const QPoint& from, const QPoint& to, const QRect& area) const;

    VIDEOWINDOWMODE m_mode;
    std::map<int, CSFQTVideoWindowSubWnd*> m_panes;
    CQTVideoWindowLayout m_layout;
    int m_nMaxRows;
    int m_nMaxCols;
    int m_nPressedIndex;
    int m_nFocusedIndex;
    int m_nBarWidth;
    int m_nDashWidth;
    QPixmap m_backPicture;
    int m_nMaxZoomWidth;
    int m_nMaxZoomHeight;
    QColor m_bkColor;
    QColor m_barColor;
    QColor m_selectedBarColor;
    QColor m_dashColor;
    QColor m_selectedDashColor;
    QColor m_focusColor;
    CSFQTButton* m_pClose;
    CSFQTButton* m_pSnap;
    CSFQTButton* m_pProperty;
    CSFQTRadioBox* m_pRecord;
    ImageButtonStyle m_closeStyle;
    ImageButtonStyle m_snapStyle;
    ImageButtonStyle m_propertyStyle;
    ImageRadioBox m_recordStyle;
    QSize m_buttonSize;
    int m_bDragMode;
    int m_bFrameZoomMode;
    int m_bActiveCheckMode;
    int m_bExchange;
    int m_bCtrlsVisible;
    int m_bMaximised;
    QPoint m_pressInPlay;
    bool m_bPressed;
    RECT m_osdRect;
    std::map<int, int> m_recordState;
    CSFQTVideoWindowSubWnd* m_pHovered;
    CSFQTHeldReports m_reports;  // the resize's layout report
};
