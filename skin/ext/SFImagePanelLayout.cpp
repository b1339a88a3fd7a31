#include "skin/ext/SFImagePanelLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int kScrollBarHeight = 15;
constexpr int kRowTop = 5;
constexpr int kRowHeight = 20;
constexpr int kCaptionLeft = 1;  // from the information panel's left edge
constexpr int kCaptionWidth = 70;
constexpr int kValueLeft = 75;
constexpr int kValueWidth = 120;

// The largest size or spacing held: far beyond any screen, and small enough that the row's
// arithmetic below, done in 64 bits, and the rectangles built from it stay inside int.
constexpr int kMaxSkinNumber = 16777215;
// Thumbnail left edges are held within this: any edge beyond it lies off the picture area
// either way, so nothing shown or hit changes.
constexpr std::int64_t kMaxEdge = 1 << 30;

int SkinNumber(int v) { return std::clamp(v, -kMaxSkinNumber, kMaxSkinNumber); }

}  // namespace

CSFImagePanelLayout::CSFImagePanelLayout() : m_thumb(0, 0), m_nMargin(3), m_nTopOffset(3), m_nGap(3)
{
    SetWidgetSize(QSize(0, 0));
}

void CSFImagePanelLayout::SetWidgetSize(const QSize& size)
{
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    m_picture = QRect(QPoint(0, 0), QPoint(right - kInfoWidth, bottom - (kScrollBarHeight - 1)));
    m_info = QRect(QPoint(right - kInfoWidth, 0), QPoint(right, bottom));
    m_scrollBar = QRect(QPoint(0, bottom - (kScrollBarHeight - 1)), QPoint(right - kInfoWidth, bottom));
}

// Hostile skin numbers are held at the bound (kMaxSkinNumber) so the layout never wraps.
void CSFImagePanelLayout::SetThumbSize(int width, int height)
{
    m_thumb = QSize(SkinNumber(width), SkinNumber(height));
}

void CSFImagePanelLayout::SetSpacing(int margin, int topOffset, int gap)
{
    m_nMargin = SkinNumber(margin);
    m_nTopOffset = SkinNumber(topOffset);
    m_nGap = SkinNumber(gap);
}

QRect CSFImagePanelLayout::CaptionRect(int row) const
{
    return QRect(m_info.left() + kCaptionLeft, kRowTop + row * kRowHeight, kCaptionWidth, kRowHeight);
}

QRect CSFImagePanelLayout::ValueRect(int row) const
{
    return QRect(m_info.left() + kValueLeft, kRowTop + row * kRowHeight, kValueWidth, kRowHeight);
}

// A row too long for an int scroll bar scrolls as far as one can.
int CSFImagePanelLayout::ScrollMaximum(int count) const
{
    const std::int64_t n = count;
    const std::int64_t content = n * m_thumb.width() + (n - 1) * m_nGap + 2 * std::int64_t{m_nMargin};
    const std::int64_t visible = m_picture.width();
    return static_cast<int>(
        std::min<std::int64_t>(content > visible ? content - visible : 0, std::numeric_limits<int>::max()));
}

QRect CSFImagePanelLayout::ThumbRect(int index, int count, int scroll) const
{
    const std::int64_t n = count;
    std::int64_t spare =
        m_picture.width() - 2 * std::int64_t{m_nMargin} - (n - 1) * m_nGap - n * m_thumb.width();
    spare = spare > 0 ? spare >> 1 : 0;
    const std::int64_t left =
        spare + m_nMargin + std::int64_t{index} * (std::int64_t{m_thumb.width()} + m_nGap) - scroll;
    return QRect(QPoint(static_cast<int>(std::clamp(left, -kMaxEdge, kMaxEdge)), m_nTopOffset), m_thumb);
}

bool CSFImagePanelLayout::IsThumbShown(const QRect& thumb) const { return thumb.left() < m_picture.right(); }

int CSFImagePanelLayout::FirstReaching(int x, int count, int scroll) const
{
    const int step = m_thumb.width() + m_nGap;
    if (count <= 0 || step <= 0)
        return 0;  // thumbnails that do not advance along the row: walk it from the start
    // Thumbnail i ends at left0 + i * step + width - 1; the smallest i with that >= x.
    const std::int64_t left0 = ThumbRect(0, count, scroll).left();
    const std::int64_t need = static_cast<std::int64_t>(x) - (left0 + m_thumb.width() - 1);
    if (need <= 0)
        return 0;
    const std::int64_t first = (need + step - 1) / step;
    return first < count ? static_cast<int>(first) : count;
}

int CSFImagePanelLayout::HitTest(const QPoint& pt, int count, int scroll) const
{
    if (!m_picture.contains(pt))
        return -1;
    for (int i = FirstReaching(pt.x(), count, scroll); i < count; ++i) {
        const QRect thumb = ThumbRect(i, count, scroll);
        if (!IsThumbShown(thumb))
            break;
        if (thumb.contains(pt))
            return i;
    }
    return -1;
}
