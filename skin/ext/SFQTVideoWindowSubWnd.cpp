#include "skin/ext/SFQTVideoWindowSubWnd.h"

#include "skin/ext/SFQTVideoWindowPlayWnd.h"

#include <QPainter>

namespace {

constexpr int kInset = 2;

QRect Inset(const QRect& rect) { return rect.adjusted(kInset, kInset, -kInset, -kInset); }

}  // namespace

CSFQTVideoWindowSubWnd::CSFQTVideoWindowSubWnd(CSFQTVideoWindow* window)
    : QWidget(nullptr),
      m_pWindow(window),
      m_nId(-1),
      m_pPlayWnd(nullptr),
      m_bkColor(92, 101, 118),
      m_bPlaying(0),
      m_bMaximised(0)
{
    // Moves without a button reach the video window (hover) only through a tracking pane.
    setMouseTracking(true);
}

int CSFQTVideoWindowSubWnd::Create(const QString& title, const QRect& rect, QWidget* parent, int id,
                                   int proportionW, int proportionH)
{
    m_placed = rect;
    setParent(parent);
    setWindowTitle(title);
    setGeometry(Inset(rect));
    m_nId = id;
    m_pPlayWnd = new CSFQTVideoWindowPlayWnd(m_pWindow, InsideRect(), proportionW, proportionH);
    m_pPlayWnd->Create(QStringLiteral("VideoWindow_PlayWnd"), this, CSFQTVideoWindowPlayWnd::kPlayWndId);
    m_pPlayWnd->show();
    return 1;
}

void CSFQTVideoWindowSubWnd::MoveWindow(const QRect& rect)
{
    m_placed = rect;
    setGeometry(Inset(rect));
    if (m_pPlayWnd)
        m_pPlayWnd->MoveWindow(0, 0, width() - 1, height() - 1);
}

void CSFQTVideoWindowSubWnd::SetProportion(int w, int h)
{
    if (m_pPlayWnd)
        m_pPlayWnd->SetProportion(w, h);
}

void CSFQTVideoWindowSubWnd::GetProportion(int& w, int& h) const
{
    w = h = 0;
    if (m_pPlayWnd)
        m_pPlayWnd->GetProportion(w, h);
}

void CSFQTVideoWindowSubWnd::SetBkColor(const QColor& color)
{
    m_bkColor = color;
    if (m_pPlayWnd)
        m_pPlayWnd->SetBkColor(color);
    update();
}

void CSFQTVideoWindowSubWnd::SetPlayState(int state)
{
    m_bPlaying = state;
    if (m_pPlayWnd)
        m_pPlayWnd->SetPlayState(state);
    update();
}

void CSFQTVideoWindowSubWnd::SetUpdatesEnabled(int enabled)
{
    if (m_pPlayWnd)
        m_pPlayWnd->SetUpdatesEnabled(enabled);
}

void CSFQTVideoWindowSubWnd::SetFocus()
{
    setFocus(Qt::OtherFocusReason);
    if (m_pPlayWnd)
        m_pPlayWnd->SetFocus();
}

void CSFQTVideoWindowSubWnd::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_bPlaying ? QColor(Qt::black) : m_bkColor);
}
