#include "skin/ext/SFQTVideoInFocus.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QPainter>

namespace {

const QColor kCurve(0, 255, 0);
const QColor kBand(64, 64, 64);
const QColor kReference(255, 0, 0);
// Mode 2's caption starts this far left of the right edge, its baseline this far above the
// band's bottom.
const int kCaptionFromRight = 100;
const int kCaptionAboveBand = 20;

}  // namespace

CSFQTVideoInFocus::CSFQTVideoInFocus() : QWidget(nullptr) {}

CSFQTVideoInFocus::~CSFQTVideoInFocus() = default;

int CSFQTVideoInFocus::Create(const wchar_t* title, DWORD style, const RECT& rc, void* parentUI, UINT /*id*/)
{
    return CreateAsGiven(*this, title, style, rc, parentUI);
}

void CSFQTVideoInFocus::SetCursor() {}

int CSFQTVideoInFocus::SetSkin(ImageButtonStyle* /*style*/) { return 1; }

void CSFQTVideoInFocus::ShowWindow(int /*show*/) {}

void CSFQTVideoInFocus::MoveWindow(RECT* /*rc*/) {}

void CSFQTVideoInFocus::MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}

int CSFQTVideoInFocus::AddPointY(int value)
{
    const int result = m_data.AddPointY(value);
    if (result)
        update();
    return result;
}

void CSFQTVideoInFocus::SetMode(int mode)
{
    m_data.SetMode(mode);
    update();
}

void CSFQTVideoInFocus::ClearPointY()
{
    m_data.ClearPointY();
    update();
}

void CSFQTVideoInFocus::SetString(const wchar_t* text, int which)
{
    (which != 0 ? m_centreText : m_caption) = WideToQString(text);
    update();
}

void CSFQTVideoInFocus::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const int mode = m_data.Mode();
    if (mode == 0) {
        p.setPen(kCurve);
        p.drawText(rect(), Qt::AlignCenter, m_centreText);
        return;
    }
    if (mode == 2) {
        p.fillRect(QRect(0, 0, width(), kBandHeight), kBand);
        p.setPen(kCurve);
        p.drawText(QPoint(rect().right() - kCaptionFromRight, kBandHeight - kCaptionAboveBand), m_caption);
    }

    // Values stand on the bottom row; the peak reaches the plot's height above it.
    const double scale = m_data.Scale(height() - kBandHeight);
    const double bottom = rect().bottom();
    const int step = width() / CSFFocusGraphData::kShown;
    const CSFFocusGraphData::Window shown = m_data.Shown();
    const std::vector<int>& points = m_data.Points();
    p.setPen(kCurve);
    for (int k = 1; k < shown.count; ++k) {
        const int i = shown.first + k;
        p.drawLine(QPointF((k - 1) * step, bottom - points[i - 1] * scale),
                   QPointF(k * step, bottom - points[i] * scale));
    }
    if (mode == 2 && scale > 0) {
        p.setPen(kReference);
        const double y = bottom - m_data.Reference() * scale;
        p.drawLine(QPointF(0, y), QPointF(rect().right(), y));
    }
}
