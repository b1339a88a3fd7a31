#include "skin/ext/SFQTVideoWindow.h"

#include "skin/SFQTButton.h"
#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTDeleteGuard.h"
#include "skin/SFQTRadioBox.h"
#include "skin/SFSkinString.h"
#include "skin/ext/SFQTVideoWindowPlayWnd.h"
#include "skin/ext/SFQTVideoWindowSubWnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr int kWheelStep = 20;
constexpr int kButtonGap = 3;
constexpr int kCloseRightInset = 6;
constexpr int kButtonTop = 3;
constexpr int kControlsBand = 24;  // a hovered playing pane's picture starts below this
constexpr int kDashLength = 6;
constexpr int kDashPeriod = 10;
constexpr int kPaneProportionW = 4;
constexpr int kPaneProportionH = 3;

}  // namespace

CSFQTVideoWindow::CSFQTVideoWindow(VIDEOWINDOWMODE mode, ISFVideoWindowEvent* pEvent, int maxRows,
                                   int maxCols)
    : QWidget(nullptr),
      CSFVideoWindow(pEvent),
      m_mode(mode),
      m_layout(1, 1, 400, 300),
      m_nMaxRows(std::clamp(maxRows, 0, CQTVideoWindowLayout::kMaxGrid)),
      m_nMaxCols(std::clamp(maxCols, 0, CQTVideoWindowLayout::kMaxGrid)),
      m_nPressedIndex(-1),
      m_nFocusedIndex(0),
      m_nBarWidth(2),
      m_nDashWidth(4),
      m_nMaxZoomWidth(0),
      m_nMaxZoomHeight(0),
      m_bkColor(54, 62, 77),
      m_barColor(53, 59, 72),
      m_selectedBarColor(250, 0, 0),
      m_dashColor(88, 111, 27),
      m_selectedDashColor(0, 250, 0),
      m_focusColor(70, 152, 237),
      m_pClose(nullptr),
      m_pSnap(nullptr),
      m_pProperty(nullptr),
      m_pRecord(nullptr),
      m_bDragMode(0),
      m_bFrameZoomMode(0),
      m_bActiveCheckMode(0),
      m_bExchange(1),
      m_bCtrlsVisible(1),
      m_bMaximised(0),
      m_bPressed(false),
      m_osdRect{0, 0, -1, -1},
      m_pHovered(nullptr),
      m_reports(this)
{
    setMouseTracking(true);
    connect(this, &CSFQTVideoWindow::LayoutChanged, this, &CSFQTVideoWindow::CastLayoutChangedEvent);
}

// The controls and panes are child widgets and go with the window.
CSFQTVideoWindow::~CSFQTVideoWindow() = default;

// ---- Creation and skin ------------------------------------------------------------------

int CSFQTVideoWindow::Create(const wchar_t* title, const RECT& rc, void* parentUI, UINT /*id*/)
{
    setParent(static_cast<QWidget*>(parentUI));
    const QRect geometry = OnePastRectToQRect(rc);
    if (m_layout.GetSize() != geometry.size())
        m_layout.SetSize(geometry.width(), geometry.height());
    setWindowTitle(WideToQString(title));
    setGeometry(geometry);
    m_recordState.clear();
    if (!IsNormal())
        return 1;

    const RECT buttonRect{0, 0, m_buttonSize.width(), m_buttonSize.height()};
    auto makeButton = [&](ImageButtonStyle& style, UINT buttonId, void (CSFQTVideoWindow::*slot)()) {
        auto* button = new CSFQTButton(nullptr);
        button->Create(L"", 0, buttonRect, this, buttonId);
        button->SetSkin(&style);
        button->installEventFilter(this);
        connect(button, &QAbstractButton::clicked, this, slot);
        return button;
    };
    m_pClose = makeButton(m_closeStyle, kCloseId, &CSFQTVideoWindow::OnBnClickedVideoClose);
    m_pSnap = makeButton(m_snapStyle, kSnapId, &CSFQTVideoWindow::OnBnClickedVideoSnap);
    m_pRecord = new CSFQTRadioBox(this);
    m_pRecord->Create(L"", 0, buttonRect, this, kRecordId);
    m_pRecord->SetSkin(&m_recordStyle);
    m_pRecord->installEventFilter(this);
    m_pProperty = makeButton(m_propertyStyle, kPropertyId, &CSFQTVideoWindow::OnBnClickedVideoProperty);

    for (int i = 0; i < PaneCount(); ++i) {
        auto* pane = new CSFQTVideoWindowSubWnd(this);
        pane->Create(QString(), rect(), this, i, kPaneProportionW, kPaneProportionH);
        pane->SetBkColor(m_bkColor);
        m_panes[i] = pane;
    }
    PlacePanes();
    return 1;
}

int CSFQTVideoWindow::SetSkin(ImageVideoWindowStyle* style)
{
    if (!style)
        return 0;
    const ImageVideoWindowStyle& s = *style;
    if (!s[0].empty())
        m_backPicture = LoadSkinPicture(SkinFilePath(s[0]));
    QColor* colours[6] = {&m_bkColor,   &m_barColor,          &m_selectedBarColor,
                          &m_dashColor, &m_selectedDashColor, &m_focusColor};
    for (int i = 0; i < 6; ++i)
        if (!s[13 + i].empty())
            *colours[i] = HexStringToQColor(s[13 + i]);
    bool ok = false;
    const int bar = WideToQString(s[19]).toInt(&ok);
    if (ok && bar > 0)
        m_nBarWidth = bar;
    const int dash = WideToQString(s[20]).toInt(&ok);
    if (ok && dash > 0)
        m_nDashWidth = dash;
    m_nMaxZoomWidth = s.nMaxZoomWidth;
    m_nMaxZoomHeight = s.nMaxZoomHeight;
    if (IsNormal()) {
        for (int i = 0; i < 3; ++i) {
            m_closeStyle[i] = s[1 + i];
            m_snapStyle[i] = s[4 + i];
        }
        m_propertyStyle[0] = s[7];
        m_propertyStyle[1] = s[9];
        m_propertyStyle[2] = s[8];
        for (int i : {0, 1, 2, 6})
            m_recordStyle[i] = s[10];
        for (int i : {3, 4, 5, 7})
            m_recordStyle[i] = s[11];
        const auto size = ParseIntPairW(s[12]);
        m_buttonSize = QSize(size.first, size.second);
    }
    update();
    return 0;
}

// The toolkit goes on with the window after its resize: the layout report it causes waits
// until the toolkit is done.
void CSFQTVideoWindow::ShowWindow(int show)
{
    const CSFQTHeldReports::Hold hold(m_reports);
    setVisible(show != 0);
}

void CSFQTVideoWindow::MoveWindow(RECT* rc)
{
    const CSFQTHeldReports::Hold hold(m_reports);
    if (rc)
        setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTVideoWindow::MoveWindow(int x, int y, int w, int h)
{
    const CSFQTHeldReports::Hold hold(m_reports);
    setGeometry(x, y, w, h);
}

// ---- Layout -----------------------------------------------------------------------------

CSFQTVideoWindowSubWnd* CSFQTVideoWindow::Pane(int index) const
{
    const auto it = m_panes.find(index);
    return it == m_panes.end() ? nullptr : it->second;
}

CSFQTVideoWindowSubWnd* CSFQTVideoWindow::PaneById(int id) const
{
    for (const auto& [index, pane] : m_panes)
        if (pane->GetID() == id)
            return pane;
    return nullptr;
}

std::array<QWidget*, 4> CSFQTVideoWindow::PaneControls() const
{
    return {m_pClose, m_pSnap, m_pProperty, m_pRecord};
}

int CSFQTVideoWindow::PaneId(int index) const
{
    const CSFQTVideoWindowSubWnd* pane = Pane(index);
    return pane ? pane->GetID() : -1;
}

void CSFQTVideoWindow::PlacePanes()
{
    if (!IsNormal())
        return;
    if (m_bMaximised) {
        // The maximised pane takes the whole client area; the others hide.
        for (auto& [index, pane] : m_panes) {
            if (pane->IsMaximised()) {
                pane->MoveWindow(rect());
                pane->show();
            } else {
                pane->hide();
            }
        }
        return;
    }
    for (auto& [index, pane] : m_panes) {
        if (const QRect* window = m_layout.Window(index)) {
            pane->MoveWindow(*window);
            pane->show();
        } else {
            pane->hide();
        }
    }
}

int CSFQTVideoWindow::SetRows(int rows)
{
    if (!m_layout.SetRows(rows))
        return 0;
    LayoutApplied();
    return 1;
}

int CSFQTVideoWindow::SetColumns(int columns)
{
    if (!m_layout.SetColumns(columns))
        return 0;
    LayoutApplied();
    return 1;
}

void CSFQTVideoWindow::SetSubWinProportion(int w, int h)
{
    for (auto& [index, pane] : m_panes)
        pane->SetProportion(w, h);
}

void CSFQTVideoWindow::ClearMaximised()
{
    m_bMaximised = 0;
    for (auto& [index, pane] : m_panes)
        pane->SetMaximised(0);
}

void CSFQTVideoWindow::LayoutApplied()
{
    PlacePanes();
    update();  // first: the owner may delete the window from the reports
    const CSFQTDeleteGuard guard(this);
    if (m_nFocusedIndex >= m_layout.WindowCount())
        SetFocusSubWin(GetSubWinID(0));
    if (guard.IsDeleted())
        return;
    if (m_pEvent)
        m_pEvent->OnLayoutChanged();
}

int CSFQTVideoWindow::SetLayout(const char* layout)
{
    ClearMaximised();
    const QSize size = m_layout.GetSize();
    // A NULL or refused text leaves the grid; the windows are derived again either way.
    if (layout)
        m_layout.FromString(QString::fromLatin1(layout));
    m_layout.FitTo(size.width(), size.height());
    LayoutApplied();
    return 1;
}

int CSFQTVideoWindow::SetLayoutObject(const CQTVideoWindowLayout& layout)
{
    ClearMaximised();
    if (layout.Rows() * layout.Columns() > PaneCount())
        return 0;
    m_layout = layout;
    LayoutApplied();
    return 1;
}

int CSFQTVideoWindow::GetLayout(char* buf, int length)
{
    QString text;
    m_layout.ToString(text);
    const QByteArray bytes = text.toLatin1();
    if (!buf || length < 0 || static_cast<qsizetype>(length) < bytes.size() + 1)
        return 0;
    std::memcpy(buf, bytes.constData(), static_cast<size_t>(bytes.size()));
    buf[bytes.size()] = '\0';
    return 1;
}

int CSFQTVideoWindow::SetDefaultLayout(DEFAULT_LAYOUT layout)
{
    const char* text = GetDefaultLayout(layout);
    if (!text)
        return 0;
    SetLayout(text);
    return 1;
}

// ---- Panes by index and id --------------------------------------------------------------

void* CSFQTVideoWindow::GetSubWinHandle(int index)
{
    CSFQTVideoWindowSubWnd* pane = Pane(index);
    if (index >= m_layout.WindowCount() || !pane)
        return nullptr;
    return reinterpret_cast<void*>(pane->GetPlayWnd()->winId());
}

int CSFQTVideoWindow::GetCurrentSubWinIndex()
{
    return m_nFocusedIndex < m_layout.WindowCount() ? m_nFocusedIndex : -1;
}

int CSFQTVideoWindow::GetSubWinID(int index) { return PaneId(index); }

int CSFQTVideoWindow::GetSubWinIndexFromID(int id)
{
    for (int i = 0; i < m_layout.WindowCount(); ++i) {
        const CSFQTVideoWindowSubWnd* pane = Pane(i);
        if (!pane && i >= PaneCount())
            break;
        if (pane && pane->GetID() == id)
            return i;
    }
    return -1;
}

int CSFQTVideoWindow::GetCurrentSubWinCount() { return m_layout.WindowCount(); }

void CSFQTVideoWindow::SetSubWinVideo(int index, int state)
{
    if (CSFQTVideoWindowSubWnd* pane = Pane(index))
        pane->SetPlayState(state);
}

void CSFQTVideoWindow::SetSubWinVideoByID(int id, int state)
{
    if (CSFQTVideoWindowSubWnd* pane = PaneById(id))
        pane->SetPlayState(state);
}

RECT CSFQTVideoWindow::GetFrameOSDRect() { return m_osdRect; }

void CSFQTVideoWindow::SetSubWinRecordState(int id, int state)
{
    if (state != 0)
        m_recordState[id] = state;
    else
        m_recordState.erase(id);
    if (m_pRecord)
        m_pRecord->SetCheck(state);
}

void CSFQTVideoWindow::ResetSubWinSizeToMin(int index)
{
    if (CSFQTVideoWindowSubWnd* pane = index >= 0 ? Pane(index) : nullptr)
        pane->GetPlayWnd()->LeaveZoom();
}

void CSFQTVideoWindow::ResetSubWinSizeToMinByID(int id)
{
    if (CSFQTVideoWindowSubWnd* pane = PaneById(id))
        pane->GetPlayWnd()->LeaveZoom();
}

int CSFQTVideoWindow::SetFocusSubWin(int id)
{
    const int index = GetSubWinIndexFromID(id);
    if (index < 0 || index == m_nFocusedIndex)
        return 0;
    MoveFocus(index);
    return 1;
}

void CSFQTVideoWindow::MoveFocus(int index)
{
    const int old = m_nFocusedIndex;
    const int oldId = PaneId(old);
    m_nFocusedIndex = index;
    FocusFrameUpdate(old);
    FocusFrameUpdate(index);
    if (m_pEvent)
        m_pEvent->OnFocusWndChanged(PaneId(index), oldId);
}

void CSFQTVideoWindow::SetActiveCheckMode(int mode)
{
    m_bActiveCheckMode = mode;
    if (!mode)
        m_osdRect = RECT{0, 0, -1, -1};
}

void CSFQTVideoWindow::SetUpdatesEnabled(int index, bool enabled)
{
    if (CSFQTVideoWindowSubWnd* pane = Pane(index))
        pane->SetUpdatesEnabled(enabled ? 1 : 0);
}

void CSFQTVideoWindow::SetFocus(int index)
{
    setFocus(Qt::OtherFocusReason);
    CSFQTVideoWindowSubWnd* pane = IsNormal() ? Pane(index) : nullptr;
    if (!pane)
        return;
    pane->SetFocus();
    pane->GetPlayWnd()->SetUpdatesEnabled(0);
}

int CSFQTVideoWindow::RenderSubWin(int id, BYTE* data, RENDER_DATA_TYPE type, int width, int height)
{
    CSFQTVideoWindowSubWnd* pane = PaneById(id);
    return pane ? pane->GetPlayWnd()->Render(data, type, width, height) : 0;
}

// ---- Painting ---------------------------------------------------------------------------

QRegion CSFQTVideoWindow::SelectedRegion() const
{
    QRegion region;
    for (const auto& [key, rc] : m_layout.Selected())
        region += rc.intersected(rect().adjusted(-1, -1, 1, 1));
    return region;
}

void CSFQTVideoWindow::FocusFrameUpdate(int index)
{
    if (const CSFQTVideoWindowSubWnd* pane = Pane(index))
        update(pane->geometry().adjusted(-2, -2, 2, 2));
}

void CSFQTVideoWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_bkColor);
    const QRect client = rect();
    for (const auto& [key, bar] : m_layout.Splitters()) {
        const QRect& rc = bar.rect;
        const bool selected = m_layout.Selected().count(key) != 0;
        const bool vertical = CQTVideoWindowLayout::IsVerticalKey(key);
        if (!bar.bEnable && IsNormal())
            continue;
        // A strip centred across the bar; merged bars are dashed (splitter mode only).
        const int stripWidth = bar.bEnable ? m_nBarWidth : m_nDashWidth;
        const QColor colour = bar.bEnable ? (selected ? m_selectedBarColor : m_barColor)
                                          : (selected ? m_selectedDashColor : m_dashColor);
        const int64_t across =
            vertical ? (int64_t(rc.left()) + rc.right() + 1) / 2 : (int64_t(rc.top()) + rc.bottom() + 1) / 2;
        const int64_t from = vertical ? rc.top() : rc.left();
        const int64_t to = vertical ? rc.bottom() : rc.right();  // inclusive
        const int64_t lo = vertical ? client.top() : client.left();
        const int64_t hi = vertical ? client.bottom() : client.right();
        if (to < lo || from > hi || across < -stripWidth ||
            across > (vertical ? client.right() : client.bottom()) + stripWidth)
            continue;
        const int start = static_cast<int>(across - stripWidth / 2);
        auto strip = [&](int64_t a, int64_t b) {
            const int s = static_cast<int>(std::max(a, lo - 1));
            const int e = static_cast<int>(std::min(b, hi + 1));
            if (e < s)
                return;
            if (vertical)
                painter.fillRect(QRect(start, s, stripWidth, e - s + 1), colour);
            else
                painter.fillRect(QRect(s, start, e - s + 1, stripWidth), colour);
        };
        if (bar.bEnable) {
            strip(from, to);
            continue;
        }
        // Dashes 6 pixels long every 10 from the bar's start, the last one cut at its end.
        int64_t first = from;
        if (first < lo)
            first += (lo - first) / kDashPeriod * kDashPeriod;
        for (int64_t d = first; d <= std::min(to, hi); d += kDashPeriod)
            strip(d, std::min(d + kDashLength - 1, to));
    }
    if (!IsNormal())
        return;
    const CSFQTVideoWindowSubWnd* focused = Pane(m_nFocusedIndex);
    if (focused && m_layout.Window(m_nFocusedIndex)) {
        // Outlined in the text colour and filled with the focus colour; the pane covers the
        // fill, so the outline shows as a frame around it.
        const QRect g = focused->geometry();
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setBrush(m_focusColor);
        painter.drawRect(QRect(g.left() - 1, g.top() - 1, g.width() + 1, g.height() + 1));
    }
}

void CSFQTVideoWindow::resizeEvent(QResizeEvent* /*event*/)
{
    if (!m_layout.SetSize(width(), height()))
        return;
    PlacePanes();
    update();
    emit LayoutChanged();
}

void CSFQTVideoWindow::CastLayoutChangedEvent()
{
    m_reports.Send([this] {
        if (m_pEvent)
            m_pEvent->OnLayoutChanged();
    });
}

bool CSFQTVideoWindow::event(QEvent* event)
{
    const CSFQTHeldReports::Hold hold(m_reports);
    return QWidget::event(event);
}

// ---- Mouse ------------------------------------------------------------------------------

int CSFQTVideoWindow::PaneIndexAt(const QPoint& pt) const
{
    for (const auto& [index, pane] : m_panes) {
        const QRect g = pane->geometry();
        if (pane->isVisible() && pt.x() >= g.left() && pt.x() <= g.right() && pt.y() >= g.top() &&
            pt.y() <= g.bottom())
            return index;
    }
    return -1;
}

QRect CSFQTVideoWindow::RubberBand(const QPoint& from, const QPoint& to, const QRect& area) const
{
    return QRect(from, to).normalized().intersected(area.adjusted(1, 1, -1, -1));
}

void CSFQTVideoWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (!IsNormal() || event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (m_bDragMode)
        setCursor(Qt::ClosedHandCursor);
    const int index = PaneIndexAt(pos);
    m_nPressedIndex = index;
    m_bPressed = true;
    CSFQTVideoWindowSubWnd* pane = Pane(index);
    POINT pt{pos.x(), pos.y()};
    if (pane) {
        CSFQTVideoWindowPlayWnd* play = pane->GetPlayWnd();
        const QPoint inPlay = play->mapFrom(this, pos);
        if ((m_bDragMode || m_bFrameZoomMode || m_bActiveCheckMode) && pane->IsPlaying())
            m_pressInPlay = inPlay;
        pt = POINT{inPlay.x(), inPlay.y()};
    }
    if (m_pEvent)
        m_pEvent->VideoWidow_OnLButtonDown(index, pane ? pane->GetID() : -1, pt);
}

void CSFQTVideoWindow::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint pos = event->position().toPoint();
    if (!IsNormal()) {
        SplitterMove(pos);
        return;
    }
    if (!m_bPressed || !(event->buttons() & Qt::LeftButton)) {
        if (!event->buttons())
            Hover(pos);
        return;
    }
    CSFQTVideoWindowSubWnd* pane = Pane(m_nPressedIndex);
    if (!pane || m_nPressedIndex != m_nFocusedIndex || !pane->IsPlaying())
        return;
    CSFQTVideoWindowPlayWnd* play = pane->GetPlayWnd();
    if (m_bDragMode)
        play->DragTo(pane->mapFrom(this, pos) - m_pressInPlay);
    if (m_bFrameZoomMode || m_bActiveCheckMode)
        m_osdRect = QRectToInclusiveRect(RubberBand(m_pressInPlay, play->mapFrom(this, pos), play->rect()));
}

// The end of a press on the focused, playing pane in frame-zoom or active-check mode: in
// frame-zoom mode the play widget zooms to the band from the press to pos.
void CSFQTVideoWindow::EndBandZoom(CSFQTVideoWindowSubWnd* pressed, const QPoint& pos)
{
    if ((m_bFrameZoomMode || m_bActiveCheckMode) && pressed && m_nPressedIndex == m_nFocusedIndex &&
        pressed->IsPlaying()) {
        CSFQTVideoWindowPlayWnd* play = pressed->GetPlayWnd();
        const QRect band =
            QRect(m_pressInPlay, play->mapFrom(this, pos)).normalized().intersected(play->rect());
        if (m_bFrameZoomMode) {
            play->ZoomToRect(band.left(), band.top(), band.right(), band.bottom());
            m_osdRect = RECT{0, 0, 0, 0};
        }
    }
}

// Swaps the places of the panes at from and to (both exist); the focus stays on its index.
bool CSFQTVideoWindow::ExchangePanes(int from, int to)
{
    CSFQTVideoWindowSubWnd* pressed = Pane(from);
    CSFQTVideoWindowSubWnd* over = Pane(to);
    const QRect pressedWindow = pressed->GetWindowRect();
    pressed->MoveWindow(over->GetWindowRect());
    over->MoveWindow(pressedWindow);
    m_panes[from] = over;
    m_panes[to] = pressed;
    pressed->update();
    over->update();
    const CSFQTDeleteGuard guard(this);
    if (m_pEvent)
        m_pEvent->OnSubWndExchanged(pressed->GetID(), over->GetID());
    if (guard.IsDeleted())
        return false;
    if (from == m_nFocusedIndex || to == m_nFocusedIndex) {
        const int now = PaneId(m_nFocusedIndex);
        const int left = now == pressed->GetID() ? over->GetID() : pressed->GetID();
        FocusFrameUpdate(m_nFocusedIndex);
        if (m_pEvent)
            m_pEvent->OnFocusWndChanged(now, left);
        if (guard.IsDeleted())
            return false;
    }
    return true;
}

void CSFQTVideoWindow::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint pos = event->position().toPoint();
    if (!IsNormal()) {
        if (event->button() == Qt::LeftButton && m_layout.ToggleSelectedSplitters()) {
            update();
            if (m_pEvent)
                m_pEvent->OnLayoutChanged();
        }
        return;
    }
    const int index = PaneIndexAt(pos);
    if (event->button() == Qt::RightButton) {
        if (CSFQTVideoWindowSubWnd* pane = Pane(index))
            pane->GetPlayWnd()->LeaveZoom();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (m_bDragMode)
        setCursor(Qt::OpenHandCursor);
    CSFQTVideoWindowSubWnd* pressed = Pane(m_nPressedIndex);
    EndBandZoom(pressed, pos);
    CSFQTVideoWindowSubWnd* over = Pane(index);
    POINT pt{pos.x(), pos.y()};
    if (over) {
        const QPoint inPlay = over->GetPlayWnd()->mapFrom(this, pos);
        pt = POINT{inPlay.x(), inPlay.y()};
    }
    const CSFQTDeleteGuard guard(this);
    if (m_pEvent)
        m_pEvent->VideoWidow_OnLButtonUp(index, over ? over->GetID() : -1, pt);
    if (guard.IsDeleted())
        return;

    const int from = m_nPressedIndex;
    if (!m_bFrameZoomMode && !m_bDragMode && m_bExchange && pressed && over && index != from) {
        if (!ExchangePanes(from, index))
            return;
    } else if (pressed && index == from && index != m_nFocusedIndex) {
        // A click on a pane that is not focused focuses it.
        MoveFocus(index);
        if (guard.IsDeleted())
            return;
    }
    m_nPressedIndex = -1;
    m_pressInPlay = QPoint();
    m_bPressed = false;
}

void CSFQTVideoWindow::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void CSFQTVideoWindow::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (!m_pEvent || !IsNormal() || event->angleDelta().y() == 0)
        return;
    const QPoint pos = event->position().toPoint();
    const int index = PaneIndexAt(pos);
    CSFQTVideoWindowSubWnd* pane = Pane(index);
    if (!pane || !pane->IsPlaying() || index != m_nFocusedIndex)
        return;
    CSFQTVideoWindowPlayWnd* play = pane->GetPlayWnd();
    play->setUpdatesEnabled(false);
    play->WheelZoom(event->angleDelta().y() > 0, pane->mapFrom(this, pos), kWheelStep);
}

void CSFQTVideoWindow::leaveEvent(QEvent* event)
{
    for (QWidget* control : PaneControls())
        if (control)
            control->hide();
    if (m_pHovered) {
        CSFQTVideoWindowSubWnd* pane = std::exchange(m_pHovered, nullptr);
        if (!GiveWholePaneBack(pane))
            return;
    }
    QWidget::leaveEvent(event);
}

bool CSFQTVideoWindow::GiveWholePaneBack(CSFQTVideoWindowSubWnd* pane)
{
    const QRect inside = pane->InsideRect();
    pane->GetPlayWnd()->MoveWindow(inside.left(), inside.top(), inside.right(), inside.bottom());
    const CSFQTDeleteGuard guard(this);
    if (m_pEvent)
        m_pEvent->OnSubWinBoundChanged(pane->GetID());
    return !guard.IsDeleted();
}

void CSFQTVideoWindow::Hover(const QPoint& pos)
{
    setCursor(m_bDragMode ? Qt::OpenHandCursor : Qt::ArrowCursor);
    const int index = PaneIndexAt(pos);
    CSFQTVideoWindowSubWnd* pane = Pane(index);
    if (!pane || !m_pClose)
        return;
    if (m_pClose->isVisible() && PaneIndexAt(m_pClose->pos()) == index)
        return;
    // Close at the pane's top right, snapshot and property to its left, 3 pixels apart.
    const QRect g = pane->geometry();
    const int w = m_pClose->width();
    const int top = g.top() + kButtonTop;
    const int closeLeft = g.right() - kCloseRightInset - w + 1;
    m_pClose->move(closeLeft, top);
    m_pSnap->move(closeLeft - kButtonGap - m_pSnap->width(), top);
    m_pProperty->move(m_pSnap->x() - kButtonGap - m_pProperty->width(), top);
    if (!m_bCtrlsVisible)
        return;
    m_pRecord->SetCheck(m_recordState.count(pane->GetID()) ? 1 : 0);
    m_pClose->show();
    m_pSnap->show();
    m_pProperty->show();
    for (QWidget* control : PaneControls())
        control->raise();
    if (pane->IsPlaying()) {
        const QRect inside = pane->InsideRect();
        pane->GetPlayWnd()->MoveWindow(inside.left(), kControlsBand, inside.right(), inside.bottom());
        const CSFQTDeleteGuard guard(this);
        if (m_pEvent)
            m_pEvent->OnSubWinBoundChanged(pane->GetID());
        if (guard.IsDeleted())
            return;
    }
    CSFQTVideoWindowSubWnd* left = std::exchange(m_pHovered, pane);
    if (left && left != pane)
        GiveWholePaneBack(left);
}

void CSFQTVideoWindow::SplitterMove(const QPoint& pt)
{
    const QRegion before = SelectedRegion();
    m_layout.HitTestSplitter(pt);
    const QRegion after = SelectedRegion();
    if (after != before)
        update(before.united(after));
}

bool CSFQTVideoWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Double clicks on the pane controls are swallowed.
    if (event->type() == QEvent::MouseButtonDblClick) {
        const std::array<QWidget*, 4> controls = PaneControls();
        if (std::find(controls.begin(), controls.end(), watched) != controls.end())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- The pane controls ------------------------------------------------------------------

void CSFQTVideoWindow::ButtonClicked(int which)
{
    QWidget* button = which == kCloseId  ? static_cast<QWidget*>(m_pClose)
                      : which == kSnapId ? static_cast<QWidget*>(m_pSnap)
                                         : static_cast<QWidget*>(m_pProperty);
    if (!button || !m_pEvent)
        return;
    const int index = PaneIndexAt(button->pos());
    const int id = PaneId(index);
    if (which == kCloseId)
        m_pEvent->OnBnClickedVideoClose(index, id);
    else if (which == kSnapId)
        m_pEvent->OnBnClickedVideoSnap(index, id);
    else
        m_pEvent->OnBnClickedVideoProperty(index, id);
}

void CSFQTVideoWindow::OnBnClickedVideoClose() { ButtonClicked(kCloseId); }
void CSFQTVideoWindow::OnBnClickedVideoSnap() { ButtonClicked(kSnapId); }
void CSFQTVideoWindow::OnBnClickedVideoProperty() { ButtonClicked(kPropertyId); }

void CSFQTVideoWindow::RADIO_OnClicked(int check, int /*id*/, POINT /*pt*/)
{
    if (!m_pRecord)
        return;
    const int index = PaneIndexAt(m_pRecord->pos());
    const int paneId = PaneId(index);
    if (check)
        m_recordState[paneId] = check;
    else
        m_recordState.erase(paneId);
    if (m_pEvent)
        m_pEvent->OnBnClickedVideoRecord(index, paneId, check);
}
