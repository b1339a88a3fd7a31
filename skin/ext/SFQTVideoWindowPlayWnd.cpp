#include "skin/ext/SFQTVideoWindowPlayWnd.h"

#include "skin/ext/SFQTVideoWindow.h"

#include <QDebug>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kFrameZoomStep = 20;
constexpr int kMinSource = 10;

int Round(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

CSFQTVideoWindowPlayWnd::CSFQTVideoWindowPlayWnd(CSFQTVideoWindow* window, const QRect& cell, int proportionW,
                                                 int proportionH)
    : QWidget(nullptr),
      m_pWindow(window),
      m_cell(cell),
      m_nProportionW(proportionW),
      m_nProportionH(proportionH),
      m_bkColor(92, 101, 118),
      m_bPlaying(0),
      m_bZoomed(0),
      m_bDragging(0),
      m_nRenderType(0),
      m_nFrameWidth(0),
      m_nFrameHeight(0),
      m_bFrameSeen(0),
      m_bRepaintEnabled(1)
{
    setMouseTracking(true);
    m_nFrameWidth = width();
    m_nFrameHeight = height();
    m_source = rect();
}

QRect CSFQTVideoWindowPlayWnd::Letterbox(const QRect& cell, int pw, int ph, bool creationRounding)
{
    // A proportion with a part of 0 (or less) fills the cell instead of dividing by it.
    if (pw <= 0 || ph <= 0)
        return cell;
    const int64_t left = cell.left(), top = cell.top(), right = cell.right(), bottom = cell.bottom();
    const int64_t w = right - left + 1;
    const int64_t h = bottom - top + 1;
    const int64_t g = creationRounding ? w / pw * ph : ph * w / pw;
    if (h < g) {
        const int64_t wide = creationRounding ? h / ph * pw : h * pw / ph;
        const int64_t x = left + (right - left - wide + 1) / 2;
        return QRect(static_cast<int>(x), cell.top(), static_cast<int>(wide), static_cast<int>(h));
    }
    const int64_t y = top + (bottom - top - g + 1) / 2;
    return QRect(cell.left(), static_cast<int>(y), static_cast<int>(w), static_cast<int>(g));
}

int CSFQTVideoWindowPlayWnd::Create(const QString& title, QWidget* parent, int /*id*/)
{
    m_placed = Letterbox(m_cell, m_nProportionW, m_nProportionH, true);
    setWindowTitle(title);
    setParent(parent);
    setGeometry(m_placed);
    return 1;
}

void CSFQTVideoWindowPlayWnd::Place() { m_placed = Letterbox(m_cell, m_nProportionW, m_nProportionH, false); }

QRect CSFQTVideoWindowPlayWnd::CoverPlaced(QRect g) const
{
    if (g.left() > m_placed.left())
        g.moveLeft(m_placed.left());
    else if (g.right() < m_placed.right())
        g.moveRight(m_placed.right());
    if (g.top() > m_placed.top())
        g.moveTop(m_placed.top());
    else if (g.bottom() < m_placed.bottom())
        g.moveBottom(m_placed.bottom());
    return g;
}

QSize CSFQTVideoWindowPlayWnd::MaxZoomSize() const
{
    return m_pWindow ? m_pWindow->MaxZoomSize() : QSize(INT_MAX, INT_MAX);
}

void CSFQTVideoWindowPlayWnd::MoveWindow(int left, int top, int right, int bottom)
{
    m_cell = QRect(QPoint(left, top), QPoint(right, bottom));
    Place();
    if (m_bZoomed && width() > m_placed.width()) {
        const QRect g = geometry();
        // A debug trace of the side the shift takes, kept as it was.
        if (g.left() > m_placed.left())
            qDebug() << "setleft";
        else if (g.right() < m_placed.right())
            qDebug() << "setright";
        setGeometry(CoverPlaced(g));
        return;
    }
    m_bZoomed = 0;
    setGeometry(m_placed);
}

void CSFQTVideoWindowPlayWnd::SetProportion(int w, int h)
{
    m_nProportionW = w;
    m_nProportionH = h;
    Place();
    LeaveZoom();
}

void CSFQTVideoWindowPlayWnd::GetProportion(int& w, int& h) const
{
    w = m_nProportionW;
    h = m_nProportionH;
}

void CSFQTVideoWindowPlayWnd::SetBkColor(const QColor& color)
{
    m_bkColor = color;
    update();
}

void CSFQTVideoWindowPlayWnd::SetPlayState(int state)
{
    m_bPlaying = state;
    if (state != 0) {
        m_nRenderType = RENDER_DATA_RGB32;
    } else {
        m_source = rect();
        m_frame = QPixmap();
        m_nRenderType = RENDER_DATA_NONE;
    }
    m_bFrameSeen = 0;
    update();
}

int CSFQTVideoWindowPlayWnd::Render(const BYTE* data, RENDER_DATA_TYPE type, int width, int height)
{
    if (!data || width <= 0 || height <= 0)
        return 0;
    if (!m_bFrameSeen || width != m_nFrameWidth || height != m_nFrameHeight) {
        m_source = QRect(0, 0, width, height);
        m_bFrameSeen = 1;
    }
    m_nFrameWidth = width;
    m_nFrameHeight = height;
    m_nRenderType = type;
    // A deep copy: the caller's buffer is its own again when this returns (a pixmap made
    // from an image over foreign memory may keep pointing at it).
    m_frame = QPixmap::fromImage(QImage(data, width, height, width * 4, QImage::Format_RGB32).copy());
    if (type != RENDER_DATA_RGB32_NO_REPAINT)
        update();
    return 1;
}

void CSFQTVideoWindowPlayWnd::WheelZoom(bool in, const QPoint& panePoint, int step)
{
    const QRect g = geometry();
    if (g.width() <= 0 || g.height() <= 0)
        return;
    const double fx = double(panePoint.x() - g.left()) / g.width();
    const double fy = double(panePoint.y() - g.top()) / g.height();
    double pw = m_nProportionW, ph = m_nProportionH;
    if (pw <= 0 || ph <= 0) {
        pw = m_cell.width();
        ph = m_cell.height();
    }
    if (pw <= 0 || ph <= 0)
        return;
    // The growth keeps the proportion; at least one step each way.
    double dx = step, dy = step * ph / pw;
    if (dy < step) {
        dy = step;
        dx = pw * (step / ph);
    }
    const int w = Round(g.width() + (in ? dx : -dx));
    const int h = Round(g.height() + (in ? dy : -dy));
    // Zooming out to the placed size or below leaves zoom.
    const bool leave = !in && (w <= m_placed.width() || h <= m_placed.height());
    if (in) {
        const QSize most = MaxZoomSize();
        if (w > most.width() || h > most.height())
            return;
        m_bZoomed = 1;
    } else if (leave) {
        m_bZoomed = 0;
    }
    // The wheel point stays near the same place of the picture (15 and 20 on purpose).
    const QRect next = leave ? m_placed
                             : CoverPlaced(QRect(panePoint.x() - Round(fx * w) + 15,
                                                 panePoint.y() - Round(fy * h) + 20, w, h));
    if (m_bRepaintEnabled)
        setUpdatesEnabled(true);
    setGeometry(next);
}

void CSFQTVideoWindowPlayWnd::ZoomToRect(int left, int top, int right, int bottom)
{
    const int rw = right - left + 1;
    const int rh = bottom - top + 1;
    if (rw < 10 || rh < 10 || width() <= 0 || height() <= 0)
        return;
    double scale = std::min(double(m_placed.width()) / rw, double(m_placed.height()) / rh);
    const QSize most = MaxZoomSize();
    scale = std::min({scale, double(most.width()) / width(), double(most.height()) / height()});
    const int w = static_cast<int>(width() * scale);
    const int h = static_cast<int>(height() * scale);
    if (w <= m_placed.width() || h <= m_placed.height()) {
        LeaveZoom();
        return;
    }
    m_bZoomed = 1;
    setGeometry(
        CoverPlaced(QRect(m_placed.left() - Round(left * scale), m_placed.top() - Round(top * scale), w, h)));
}

void CSFQTVideoWindowPlayWnd::ShiftSourceInsideFrame()
{
    m_source.moveLeft(std::clamp(m_source.left(), 0, std::max(0, m_nFrameWidth - m_source.width())));
    m_source.moveTop(std::clamp(m_source.top(), 0, std::max(0, m_nFrameHeight - m_source.height())));
}

void CSFQTVideoWindowPlayWnd::ZoomAt(bool out, int x, int y)
{
    if (!m_bPlaying || m_source.width() < kMinSource || m_source.height() < kMinSource)
        return;
    if (width() <= 0 || height() <= 0)
        return;
    double pw = m_nProportionW, ph = m_nProportionH;
    if (pw <= 0 || ph <= 0) {
        pw = m_nFrameWidth;
        ph = m_nFrameHeight;
    }
    if (pw <= 0 || ph <= 0)
        return;
    const double stepY = kFrameZoomStep * ph / pw;
    const double leftPart = double(x) * kFrameZoomStep / width();
    const double topPart = stepY * y / height();
    const double sign = out ? -1.0 : 1.0;
    double l = m_source.left() + sign * leftPart;
    double r = m_source.left() + m_source.width() - sign * (kFrameZoomStep - leftPart);
    double t = m_source.top() + sign * topPart;
    double b = m_source.top() + m_source.height() - sign * (stepY - topPart);
    int w = Round(r - l), h = Round(b - t);
    if (w < kMinSource || h < kMinSource)
        return;
    if (w > m_nFrameWidth || h > m_nFrameHeight) {
        m_source = QRect(0, 0, m_nFrameWidth, m_nFrameHeight);
        m_bZoomed = 0;
        update();
        return;
    }
    // Trimmed to the proportion around its centre: the longer side gives way.
    const double aspect = pw / ph;
    if (w > h * aspect) {
        const int nw = std::max(1, Round(h * aspect));
        l += (w - nw) / 2.0;
        w = nw;
    } else {
        const int nh = std::max(1, Round(w / aspect));
        t += (h - nh) / 2.0;
        h = nh;
    }
    m_source = QRect(Round(l), Round(t), w, h);
    ShiftSourceInsideFrame();
    m_bZoomed = 1;
    update();
}

void CSFQTVideoWindowPlayWnd::LeaveZoom()
{
    m_bZoomed = 0;
    setGeometry(m_placed);
}

void CSFQTVideoWindowPlayWnd::DragTo(const QPoint& topLeft)
{
    setGeometry(CoverPlaced(QRect(topLeft, size())));
}

void CSFQTVideoWindowPlayWnd::SetUpdatesEnabled(int enabled)
{
    setUpdatesEnabled(enabled != 0);
    m_bRepaintEnabled = enabled != 0 ? 1 : 0;
}

void CSFQTVideoWindowPlayWnd::SetFocus() { setFocus(Qt::OtherFocusReason); }

// ---- Painting and the mouse -------------------------------------------------------------

void CSFQTVideoWindowPlayWnd::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (!m_bPlaying) {
        painter.fillRect(rect(), m_bkColor);
        const QPixmap back = m_pWindow ? m_pWindow->BackPicture() : QPixmap();
        if (!back.isNull())
            painter.drawPixmap((width() - back.width()) / 2, (height() - back.height()) / 2, back);
        return;
    }
    // A frame kept without a repaint (type 2) shows at the next one.
    if (m_nRenderType != RENDER_DATA_NONE && !m_frame.isNull())
        painter.drawPixmap(rect(), m_frame, m_source);
}

void CSFQTVideoWindowPlayWnd::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && width() > 0 && height() > 0) {
        m_dragAnchor = QPoint(m_source.left() + m_source.width() * p.x() / width(),
                              m_source.top() + m_source.height() * p.y() / height());
        m_bDragging = 1;
    } else if (event->button() == Qt::RightButton) {
        if (m_bFrameSeen)
            m_source = QRect(0, 0, m_nFrameWidth, m_nFrameHeight);
        m_bZoomed = 0;
        update();
    }
    // Repainting stays on, so frames rendered after a press keep appearing. The press goes
    // on to the pane and the video window.
    event->ignore();
}

void CSFQTVideoWindowPlayWnd::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && m_bDragging && m_pWindow && m_pWindow->IsDragMode() &&
        !m_pWindow->IsEnableFrameZoom() && width() > 0 && height() > 0) {
        const QPoint p = event->position().toPoint();
        m_source.moveLeft(m_dragAnchor.x() - m_source.width() * p.x() / width());
        m_source.moveTop(m_dragAnchor.y() - m_source.height() * p.y() / height());
        ShiftSourceInsideFrame();
        update();
    }
    event->ignore();
}

void CSFQTVideoWindowPlayWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_bDragging = 0;
    event->ignore();
}

void CSFQTVideoWindowPlayWnd::wheelEvent(QWheelEvent* event)
{
    if (m_bPlaying && event->angleDelta().y() != 0) {
        const QPoint p = event->position().toPoint();
        ZoomAt(event->angleDelta().y() < 0, p.x(), p.y());
    }
    event->ignore();
}
