// The play-back time-line behind the CSFPlayProgressPanel facade: it holds the channel map and
// the shared PlayProgressData, the painted panel, the row and zoom buttons, the zoomer and the
// horizontal scroll bar; it keeps them in step and turns the panel's signals into the sink's
// calls (each skipped without a sink).
//
// The reserved operations keep the facade's throwing bodies; nothing here calls them.
#pragma once

#include "skin/SFInterface.h"
#include "skin/SFSkinPicture.h"
#include "skin/ext/PlayProgressData.h"
#include "skin/ext/SFInterfaceExt.h"

#include <QRect>
#include <QSize>
#include <QWidget>

class CSFQTButton;
class CSFQTSliderCtrl;
class QScrollBar;
class SFQtPlayProgressPanel;

class CSFQTPlayProgressPanel : public QWidget, public CSFPlayProgressPanel, public ISFSliderCtrlEvent
{
    Q_OBJECT

public:
    explicit CSFQTPlayProgressPanel(IPlayProgressEvent* pEvent);
    ~CSFQTPlayProgressPanel() override;

    CSFQTPlayProgressPanel(const CSFQTPlayProgressPanel&) = delete;
    CSFQTPlayProgressPanel& operator=(const CSFQTPlayProgressPanel&) = delete;

    // ---- Facade -------------------------------------------------------------------------
    void AddChannel(const PlayProgressChannel& channel) override;
    void RemoveAllChannels() override;
    void RemoveChannel(int nChannelId) override;
    // The stored channel, read-only (the day filing points into it); NULL for an unknown id.
    // Valid until the channel is replaced or removed. To change it, AddChannel the new one.
    const PlayProgressChannel* GetChannel(int nChannelId) override;
    // Skin folder + name, drawn over the whole control; NULL removes it.
    void SetBackground(const wchar_t* name) override;
    // As a change of the zoomer's value; before the layout only the zoom is stored.
    void SetZoom(int zoom) override;
    void SetRecordTypeFilter(int mask) override;
    // rc is read Win32-style (right and bottom one past); shown when style has WS_VISIBLE.
    int Create(const wchar_t* title, DWORD style, DWORD exStyle, const RECT& rc, void* parentUI,
               UINT id) override;
    void ShowWindow(int show) override;
    // Inclusive corners; writes "MoveWindow:left,top,width,height" to the debug channel.
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    void SetPosition(int nChannel, int nTime) override;
    int GetPosition(int nChannel) override;
    // A channel without records ignores it.
    void SetPositionOffset(int nChannel, int nSeconds) override;
    void SetHighlightChannel(int nChannel) override;
    void SetViewMode(int nChannel, int nMode) override;
    void ScrollChannelDown() override;
    void ScrollChannelUp() override;
    // NULL does nothing.
    void SetSkinLayout(ImagePlayProgressLayout* layout) override;
    // NULL does nothing.
    void SetSkin(ImagePlayProgressStyle* style) override;
    void SetSyncCursor(int on) override;
    void EnableVideoCut(int on) override;
    void ScrollToTime(int nTime) override;
    // A time outside the int range is ignored.
    void SetCutPos(int nIndex, double dTime) override;

    // ---- Zoomer sink --------------------------------------------------------------------
    void SF_OnSliderPos(int id, int pos) override;

    // ---- Qt side ------------------------------------------------------------------------
    // The last time the mouse set on the panel.
    void SetRememberedPosition(int t) { m_nRememberedPosition = t; }
    int RememberedPosition() const { return m_nRememberedPosition; }
    const PlayProgressData& Data() const { return m_data; }
    bool IsMouseHeld() const { return m_bMouseHeld; }
    // The child controls.
    CSFQTSliderCtrl* Zoomer() const { return m_pZoomer; }
    QScrollBar* ScrollBar() const { return m_pScrollBar; }
    SFQtPlayProgressPanel* Panel() const { return m_pPanel; }
    CSFQTButton* RowUpButton() const { return m_pRowUp; }
    CSFQTButton* RowDownButton() const { return m_pRowDown; }
    CSFQTButton* ZoomInButton() const { return m_pZoomIn; }
    CSFQTButton* ZoomOutButton() const { return m_pZoomOut; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Zoomer range and value, scroll bar range and value from the state, without feedback.
    void Resync();
    // The zoomer's value change: zoom anchored at the cursor in view.
    void ApplyZoomerValue(int value);
    // The zoom buttons: the zoomer moved one step up (+1) or down (-1).
    void StepZoomer(int step);
    void OnScrollValue(int value);
    void PlaceScrollBar();
    void RefreshPanel();

    CSFQTButton* m_pRowDown;
    CSFQTButton* m_pRowUp;
    CSFQTSliderCtrl* m_pZoomer;
    CSFQTButton* m_pZoomIn;
    CSFQTButton* m_pZoomOut;
    CSFSkinPicture m_background;
    CSFSkinPicture m_panelPicture;
    QRect m_panelPictureRect;
    UINT m_nControlID;
    QScrollBar* m_pScrollBar;
    bool m_bMouseHeld;
    int m_nPressedChannel;
    PlayProgressData m_data;
    int m_nRememberedPosition;
    SFQtPlayProgressPanel* m_pPanel;
    // The size the layout was last fitted to; resizing moves the layout by the difference.
    bool m_bLaidOut;
    QSize m_laidOutSize;
};
