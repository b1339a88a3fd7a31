#include "skin/ext/CSFQTPlayProgressPanel.h"

#include "skin/SFQTButton.h"
#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTSliderCtrl.h"
#include "skin/SFSkinString.h"
#include "skin/ext/ImagePlayProgressLayout.h"
#include "skin/ext/ImagePlayProgressStyle.h"
#include "skin/ext/SFQtPlayProgressPanel.h"

#include <QDebug>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kScrollBarGap = 1;      // below the time rect's bottom
constexpr int kScrollBarBottom = 21;  // the bar's last row, below the time rect's bottom

// A skin rectangle "x,y,w,h" as a one-past RECT for a Create.
RECT OnePastRect(const QRect& r) { return RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

void PlaceButton(CSFQTButton* button, const std::wstring& rectText)
{
    const QRect r = StringToRect(rectText);
    button->MoveWindow(r.x(), r.y(), r.width(), r.height());
}

CSFQTButton* NewButton(QWidget* parent)
{
    auto* button = new CSFQTButton(nullptr);
    button->Create(L"", WS_VISIBLE, RECT{0, 0, 0, 0}, parent, 0);
    return button;
}

}  // namespace

CSFQTPlayProgressPanel::CSFQTPlayProgressPanel(IPlayProgressEvent* pEvent)
    : QWidget(nullptr),
      CSFPlayProgressPanel(pEvent),
      m_pRowDown(nullptr),
      m_pRowUp(nullptr),
      m_pZoomer(nullptr),
      m_pZoomIn(nullptr),
      m_pZoomOut(nullptr),
      m_nControlID(0),
      m_pScrollBar(nullptr),
      m_bMouseHeld(false),
      m_nPressedChannel(-1),
      m_data(&m_mapChannels),
      m_nRememberedPosition(0),
      m_pPanel(nullptr),
      m_bLaidOut(false)
{
    m_pPanel = new SFQtPlayProgressPanel(&m_data, this);
    m_pRowDown = NewButton(this);
    m_pRowUp = NewButton(this);
    m_pZoomIn = NewButton(this);
    m_pZoomOut = NewButton(this);
    // The zoomer reports every change (press, drag, wheel) to this control, its sink.
    m_pZoomer = new CSFQTSliderCtrl(this);
    m_pZoomer->Create(0, RECT{0, 0, 0, 0}, this, 0, SLIDER_RESPONSE_ON_CHANGE);
    m_pScrollBar = new QScrollBar(Qt::Horizontal, this);
    m_pScrollBar->setRange(0, 0);
    m_pScrollBar->hide();

    connect(m_pRowDown, &QAbstractButton::clicked, this, [this] { ScrollChannelDown(); });
    connect(m_pRowUp, &QAbstractButton::clicked, this, [this] { ScrollChannelUp(); });
    connect(m_pZoomIn, &QAbstractButton::clicked, this, [this] { StepZoomer(+1); });
    connect(m_pZoomOut, &QAbstractButton::clicked, this, [this] { StepZoomer(-1); });
    connect(m_pScrollBar, &QScrollBar::valueChanged, this, &CSFQTPlayProgressPanel::OnScrollValue);

    connect(m_pPanel, &SFQtPlayProgressPanel::PropertyChanged, this, &CSFQTPlayProgressPanel::Resync);
    connect(m_pPanel, &SFQtPlayProgressPanel::RememberedPositionChanged, this,
            &CSFQTPlayProgressPanel::SetRememberedPosition);
    connect(m_pPanel, &SFQtPlayProgressPanel::HighlightChannelChanged, this, [this](int channel) {
        if (m_pEvent)
            m_pEvent->OnSetHighlight(m_nControlID, channel);
    });
    connect(m_pPanel, &SFQtPlayProgressPanel::MouseOver, this, [this](int channel, QPoint pt, int time) {
        if (m_pEvent)
            m_pEvent->OnMouseOverChannel(m_nControlID, channel, POINT{pt.x(), pt.y()}, time);
    });
    connect(m_pPanel, &SFQtPlayProgressPanel::PositionChanged, this,
            [this](int channel, int record, int pos, bool bCutLeft, bool bMove) {
                if (m_pEvent)
                    m_pEvent->OnPositionChanged(m_nControlID, channel, record, pos,
                                                bCutLeft ? VIDEOCUT_LEFT : VIDEOCUT_RIGHT, bMove);
            });
    connect(m_pPanel, &SFQtPlayProgressPanel::MousePress, this, [this](int channel) {
        m_bMouseHeld = true;
        m_nPressedChannel = channel;
    });
    connect(m_pPanel, &SFQtPlayProgressPanel::MouseRelease, this, [this](int) { m_bMouseHeld = false; });
}

CSFQTPlayProgressPanel::~CSFQTPlayProgressPanel()
{
    // The children go with the widget; the panel must not paint from a half-gone model.
    delete m_pPanel;
    m_pPanel = nullptr;
}

// ---- Facade -----------------------------------------------------------------------------

void CSFQTPlayProgressPanel::AddChannel(const PlayProgressChannel& channel)
{
    m_data.AddChannel(channel);
    Resync();
    RefreshPanel();
}

void CSFQTPlayProgressPanel::RemoveAllChannels()
{
    std::vector<int> ids;
    for (const auto& entry : m_mapChannels)
        ids.push_back(entry.first);
    for (int id : ids)
        RemoveChannel(id);
}

void CSFQTPlayProgressPanel::RemoveChannel(int nChannelId)
{
    m_data.RemoveChannel(nChannelId);
    RefreshPanel();
}

const PlayProgressChannel* CSFQTPlayProgressPanel::GetChannel(int nChannelId)
{
    return m_data.FindChannel(nChannelId);
}

void CSFQTPlayProgressPanel::SetBackground(const wchar_t* name)
{
    m_background = name ? CSFSkinPicture::FromName(name) : CSFSkinPicture();
    update();
}

void CSFQTPlayProgressPanel::SetZoom(int zoom) { ApplyZoomerValue(zoom); }

void CSFQTPlayProgressPanel::SetRecordTypeFilter(int mask)
{
    m_data.nTypeMask = mask;
    RefreshPanel();
}

int CSFQTPlayProgressPanel::Create(const wchar_t* /*title*/, DWORD style, DWORD /*exStyle*/, const RECT& rc,
                                   void* parentUI, UINT id)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    m_nControlID = id;
    // The layout (when already given) was fitted to this size.
    m_laidOutSize = size();
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTPlayProgressPanel::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTPlayProgressPanel::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    const QRect r = InclusiveRectToQRect(*rc);
    qDebug("MoveWindow:%d,%d,%d,%d", r.left(), r.top(), r.width(), r.height());
    MoveWindow(r.left(), r.top(), r.width(), r.height());
}

void CSFQTPlayProgressPanel::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTPlayProgressPanel::SetPosition(int nChannel, int nTime)
{
    if (m_bMouseHeld)
        return;
    if (m_data.SetPosition(nChannel, nTime))
        RefreshPanel();
}

int CSFQTPlayProgressPanel::GetPosition(int nChannel) { return m_data.GetPosition(nChannel); }

void CSFQTPlayProgressPanel::SetPositionOffset(int nChannel, int nSeconds)
{
    if (m_bMouseHeld && (m_nPressedChannel == nChannel || m_nPressedChannel == -1))
        return;
    if (m_data.SetPositionOffset(nChannel, nSeconds))
        RefreshPanel();
}

void CSFQTPlayProgressPanel::SetHighlightChannel(int nChannel)
{
    m_data.SetHighlightChannel(nChannel);
    Resync();
    RefreshPanel();
}

void CSFQTPlayProgressPanel::SetViewMode(int nChannel, int nMode)
{
    m_data.bRecordMode = nMode != 0;
    m_data.nRecordChannel = nChannel;
    if (m_data.FindChannel(nChannel)) {
        m_data.nRecordZoom = 1;
        m_data.nRecordZoomMax = 1;
        m_data.nRecordOffset = 0;
    }
    m_data.Resize(0);
    Resync();
    RefreshPanel();
}

void CSFQTPlayProgressPanel::ScrollChannelDown()
{
    m_data.ScrollRows(+1);
    RefreshPanel();
}

void CSFQTPlayProgressPanel::ScrollChannelUp()
{
    m_data.ScrollRows(-1);
    RefreshPanel();
}

void CSFQTPlayProgressPanel::SetSkinLayout(ImagePlayProgressLayout* layout)
{
    if (!layout)
        return;
    const ImagePlayProgressLayout& l = *layout;
    m_data.timeRect = StringToRect(l[0]);
    m_data.labelRect = StringToRect(l[1]);
    m_data.prevDayRect = StringToRect(l[2]);
    m_data.nextDayRect = StringToRect(l[3]);
    m_data.Resize(0);
    m_pPanel->setGeometry(StringToRect(l[4]));
    m_pPanel->update();
    PlaceButton(m_pRowDown, l[27]);
    PlaceButton(m_pRowUp, l[26]);
    m_panelPictureRect = StringToRect(l[5]);
    PlaceButton(m_pZoomIn, l[28]);
    PlaceButton(m_pZoomOut, l[29]);
    ImageSliderStyle slider;
    for (int i = 0; i < ImageSliderStyle::Count(); ++i)
        slider[i] = l[6 + i];
    // The slider fits its groove to the width given at Create, so its skin comes first.
    m_pZoomer->SetSkin(&slider);
    m_pZoomer->Create(WS_VISIBLE, OnePastRect(StringToRect(l[13])), this, 0, SLIDER_RESPONSE_ON_CHANGE);
    PlaceScrollBar();
    m_pScrollBar->setRange(0, 0);
    m_pScrollBar->setPageStep(m_pScrollBar->width());
    m_pScrollBar->setSingleStep(m_pScrollBar->width() / 10);
    m_pScrollBar->show();
    m_bLaidOut = true;
    m_laidOutSize = size();
    Resync();
    update();
}

void CSFQTPlayProgressPanel::SetSkin(ImagePlayProgressStyle* style)
{
    if (!style)
        return;
    const ImagePlayProgressStyle& s = *style;
    ImageButtonStyle up, down, zoomIn, zoomOut;
    // Each button's group of five: normal, hover, pressed, (not read), disabled.
    const int states[4] = {0, 1, 2, 4};
    for (int i = 0; i < 4; ++i) {
        up[i] = s[24 + states[i]];
        down[i] = s[29 + states[i]];
        zoomIn[i] = s[35];
        zoomOut[i] = s[37];
    }
    m_pRowUp->SetSkin(&up);
    m_pRowDown->SetSkin(&down);
    m_pZoomIn->SetSkin(&zoomIn);
    m_pZoomOut->SetSkin(&zoomOut);
    m_pPanel->SetPictures(CSFSkinPicture::FromName(s[43]), CSFSkinPicture::FromName(s[44]),
                          CSFSkinPicture::FromName(s[45]), CSFSkinPicture::FromName(s[46]),
                          CSFSkinPicture::FromName(s[47]), CSFSkinPicture::FromName(s[48]));
    m_panelPicture = CSFSkinPicture::FromName(s[49]);
    update();
}

void CSFQTPlayProgressPanel::SetSyncCursor(int on)
{
    m_data.bSyncCursor = on != 0;
    RefreshPanel();
}

void CSFQTPlayProgressPanel::EnableVideoCut(int on) { m_data.bCut = on != 0; }

void CSFQTPlayProgressPanel::ScrollToTime(int nTime)
{
    m_data.ScrollToTime(nTime);
    Resync();
    RefreshPanel();
}

void CSFQTPlayProgressPanel::SetCutPos(int nIndex, double dTime)
{
    if (m_bMouseHeld || (nIndex != 0 && nIndex != 1) || !m_data.bCut)
        return;
    // Truncating a value outside the int range (or NaN) would be undefined.
    if (!(dTime > static_cast<double>(INT_MIN) - 1.0 && dTime < static_cast<double>(INT_MAX) + 1.0))
        return;
    m_data.cut[nIndex] = static_cast<int>(dTime);
    RefreshPanel();
}

// ---- Zoomer and scroll bar --------------------------------------------------------------

void CSFQTPlayProgressPanel::SF_OnSliderPos(int /*id*/, int pos) { ApplyZoomerValue(pos); }

void CSFQTPlayProgressPanel::ApplyZoomerValue(int value)
{
    const PlayProgressData& d = m_data;
    int anchor = d.bRecordMode ? d.nDayWidth / 2 : d.width / 2;
    // The zoom keeps the cursor in place when it is in view: in record mode the record
    // channel's, else the shared one or the highlighted visible channel's.
    bool has = false;
    int cursor = 0;
    if (d.bRecordMode) {
        const auto it = d.cursors.find(d.nRecordChannel);
        if (it != d.cursors.end()) {
            has = true;
            cursor = it->second;
        }
    } else if (d.bSyncCursor) {
        has = true;
        cursor = d.nSharedCursor;
    } else if (std::find(std::begin(d.visible), std::end(d.visible), d.nHighlight) != std::end(d.visible) &&
               d.cursors.count(d.nHighlight)) {
        has = true;
        cursor = d.cursors.at(d.nHighlight);
    }
    if (has) {
        const std::int64_t x = d.TimeToX(cursor) - d.Offset();
        if (x >= 0 && x <= d.width)
            anchor = static_cast<int>(x);
    }
    m_data.SetZoom(value, anchor);
    Resync();
    RefreshPanel();
}

void CSFQTPlayProgressPanel::StepZoomer(int step)
{
    // The zoom-in button raises the zoom (the zoomer's value is the zoom), zoom-out lowers it.
    int lo = 0, hi = 0;
    m_pZoomer->GetRange(lo, hi);
    const int next = std::clamp(m_pZoomer->GetPos() + step, lo, std::max(lo, hi));
    m_pZoomer->SetPos(next);
    ApplyZoomerValue(next);
}

void CSFQTPlayProgressPanel::OnScrollValue(int value)
{
    if (m_data.bRecordMode)
        m_data.nRecordOffset = value;
    else
        m_data.nDayOffset = value;
    RefreshPanel();
}

void CSFQTPlayProgressPanel::Resync()
{
    const QSignalBlocker block(m_pScrollBar);
    const PlayProgressData& d = m_data;
    // The zoomer's SetRange and SetPos are silent; the scroll bar's signals are blocked.
    if (d.bRecordMode) {
        m_pZoomer->SetRange(0, d.nRecordZoomMax, 1);
        m_pZoomer->SetPos(1);
        m_pScrollBar->setRange(0, std::max(0, d.nRecordWidth - d.width));
        m_pScrollBar->setValue(d.nRecordOffset);
    } else {
        m_pZoomer->SetRange(1, PlayProgressData::kMaxDayZoom, 1);
        m_pZoomer->SetPos(d.nDayZoom);
        m_pScrollBar->setRange(0, std::max(0, d.nDayWidth - d.width));
        m_pScrollBar->setValue(d.nDayOffset);
    }
}

void CSFQTPlayProgressPanel::PlaceScrollBar()
{
    // The time rect is in the panel's coordinates.
    const QRect time = m_data.timeRect.translated(m_pPanel->pos());
    m_pScrollBar->setGeometry(QRect(QPoint(time.left(), time.bottom() + kScrollBarGap),
                                    QPoint(time.right(), time.bottom() + kScrollBarBottom)));
}

void CSFQTPlayProgressPanel::RefreshPanel()
{
    if (m_pPanel)
        m_pPanel->update();
}

// ---- Qt events --------------------------------------------------------------------------

void CSFQTPlayProgressPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    const QPixmap& background = m_background.Pixmap();
    if (!background.isNull())
        p.drawPixmap(rect(), background);
    const QPixmap& panel = m_panelPicture.Pixmap();
    if (!panel.isNull())
        p.drawPixmap(m_panelPictureRect, panel);
}

void CSFQTPlayProgressPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_bLaidOut || !m_laidOutSize.isValid()) {
        m_laidOutSize = size();
        return;
    }
    const int dx = width() - m_laidOutSize.width();
    const int dy = height() - m_laidOutSize.height();
    m_laidOutSize = size();
    if (dx == 0 && dy == 0)
        return;
    m_data.Resize(dx);
    m_pRowUp->move(m_pRowUp->pos() + QPoint(dx, dy));
    m_pRowDown->move(m_pRowDown->pos() + QPoint(dx, dy));
    m_pPanel->resize(m_pPanel->width() + dx, m_pPanel->height() + dy);
    // The scroll bar follows the bottom edge and spans the (wider or narrower) time rect.
    const QRect time = m_data.timeRect.translated(m_pPanel->pos());
    m_pScrollBar->setGeometry(time.left(), m_pScrollBar->y() + dy, time.width(), m_pScrollBar->height());
    Resync();
    RefreshPanel();
}

void CSFQTPlayProgressPanel::leaveEvent(QEvent* event)
{
    // The sink may delete the control: it is told last.
    QWidget::leaveEvent(event);
    if (m_pEvent)
        m_pEvent->PPP_OnMouseLeave(m_nControlID);
}
