#include "skin/ext/SFQTImagePanel.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTDeleteGuard.h"
#include "skin/SFSkinString.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

const QColor kSelectionColor(69, 136, 255);
const QColor kInfoColor(92, 101, 118);

// Written as they stand, in every language.
const char* const kCaptions[CSFImagePanelLayout::kInfoRows] = {"Type", "Name", "Start Time", "End Time"};

std::wstring WideOrEmpty(const wchar_t* text) { return text ? std::wstring(text) : std::wstring(); }

}  // namespace

CSFQTImagePanel::CSFQTImagePanel(ISFImagePanelEvent* pEvent)
    : QWidget(nullptr),
      CSFImagePanel(pEvent),
      m_nHover(-1),
      m_nSelected(-1),
      m_bgColor(255, 255, 255),
      m_textColor(0, 0, 0),
      m_pScrollBar(new QScrollBar(Qt::Horizontal, this))
{
    setMouseTracking(true);
    m_pScrollBar->hide();
    m_pScrollBar->setRange(0, 0);
    // The strip hands its wheel to the bar; a wheel the bar cannot use must not come back.
    m_pScrollBar->setAttribute(Qt::WA_NoMousePropagation);
    connect(m_pScrollBar, &QScrollBar::valueChanged, this, &CSFQTImagePanel::OnScrollBarChanged);
}

CSFQTImagePanel::~CSFQTImagePanel() = default;

BOOL CSFQTImagePanel::Create(const wchar_t* /*text*/, const RECT& rc, void* parentUI, UINT /*id*/)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    LayOut();
    return TRUE;
}

void CSFQTImagePanel::SetCursor() {}

BOOL CSFQTImagePanel::SetSkin(UIImagePanelStyle* style)
{
    if (!style)
        return FALSE;
    const UIImagePanelStyle& s = *style;
    m_bgColor = HexStringToQColor(s[12]);
    m_textColor = HexStringToQColor(s[15]);
    m_layout.SetThumbSize(s.nThumbWidth, s.nThumbHeight);
    m_layout.SetSpacing(s.nMargin, s.nTopOffset, s.nGap);
    UpdateScrollRange();
    update();
    return TRUE;
}

void CSFQTImagePanel::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTImagePanel::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTImagePanel::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

int CSFQTImagePanel::GetCount() { return static_cast<int>(m_items.size()); }

BOOL CSFQTImagePanel::AddItem(const wchar_t* path, const wchar_t* name, const wchar_t* type,
                              const wchar_t* start, const wchar_t* end)
{
    Item item;
    item.path = WideOrEmpty(path);
    item.name = WideOrEmpty(name);
    if (!m_keys.insert(ItemKey(item.path, item.name)).second)
        return FALSE;
    item.type = WideToQString(type);
    item.start = WideToQString(start);
    item.end = WideToQString(end);
    item.picture.load(WideToQString(item.path));
    m_items.push_back(std::move(item));
    UpdateScrollRange();
    update();
    return TRUE;
}

void CSFQTImagePanel::ClearItems()
{
    m_items.clear();
    m_keys.clear();
    m_nHover = -1;
    m_nSelected = -1;
    UpdateScrollRange();
    update();
}

void CSFQTImagePanel::DelByItemName(const wchar_t* name)
{
    const std::wstring wanted = WideOrEmpty(name);
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [&wanted](const Item& item) { return item.name == wanted; });
    if (it == m_items.end())
        return;
    m_keys.erase(ItemKey(it->path, it->name));
    m_items.erase(it);
    // A number that now lies past the end names nothing, also once items are added again.
    if (!IsItem(m_nHover))
        m_nHover = -1;
    if (!IsItem(m_nSelected))
        m_nSelected = -1;
    UpdateScrollRange();
    update();
}

void CSFQTImagePanel::SetScrollType(DISPLAY_TYPE /*type*/) {}

const wchar_t* CSFQTImagePanel::GetHotImagePath()
{
    if (!IsItem(m_nSelected))
        return nullptr;
    m_hotPath = m_items[static_cast<std::size_t>(m_nSelected)].path;
    return m_hotPath.c_str();
}

void CSFQTImagePanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    p.fillRect(m_layout.PictureArea(), m_bgColor);
    // The texts of the hovered thumbnail when it is shown, else empty.
    QString info[CSFImagePanelLayout::kInfoRows];

    const int count = GetCount();
    const int scroll = m_pScrollBar->value();
    const int gap = m_layout.Gap();
    // The hovered thumbnail's texts show while it lies in the shown part of the row, also when
    // scrolled out to the left.
    if (IsItem(m_nHover) && m_layout.IsThumbShown(m_layout.ThumbRect(m_nHover, count, scroll))) {
        const Item& item = m_items[static_cast<std::size_t>(m_nHover)];
        info[0] = item.type;
        info[1] = WideToQString(item.name);
        info[2] = item.start;
        info[3] = item.end;
    }
    // Only the thumbnails that reach into the widget are drawn: from the first whose right edge,
    // grown by the gap of a hovered one, reaches x 0, to the first past the picture area.
    for (int i = m_layout.FirstReaching(-std::max(gap, 0), count, scroll); i < count; ++i) {
        QRect r = m_layout.ThumbRect(i, count, scroll);
        if (!m_layout.IsThumbShown(r))
            break;  // the row runs left to right: the rest lie further out
        const Item& item = m_items[static_cast<std::size_t>(i)];
        if (i == m_nHover)
            r.adjust(-gap, -gap, gap, gap);
        p.drawPixmap(r, item.picture);
        if (i == m_nSelected) {
            p.fillRect(r, kSelectionColor);
            p.drawPixmap(r.adjusted(1, 1, -1, -1), item.picture);
        }
    }

    p.fillRect(m_layout.InfoArea(), kInfoColor);
    for (int row = 0; row < CSFImagePanelLayout::kInfoRows; ++row) {
        p.drawText(m_layout.CaptionRect(row), Qt::AlignRight | Qt::AlignVCenter,
                   QLatin1String(kCaptions[row]));
        p.drawText(m_layout.ValueRect(row), Qt::AlignCenter, info[row]);
    }
}

void CSFQTImagePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void CSFQTImagePanel::mouseMoveEvent(QMouseEvent* event)
{
    // The picture depends on the hovered item alone, not on where in it the pointer is.
    const int hover = ItemAt(event->position().toPoint());
    if (hover == m_nHover)
        return;
    m_nHover = hover;
    update();
}

void CSFQTImagePanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_nSelected = ItemAt(event->position().toPoint());
    if (m_pEvent && IsItem(m_nSelected)) {
        // A copy: the owner may remove the item while it handles the call.
        const std::wstring path = m_items[static_cast<std::size_t>(m_nSelected)].path;
        const CSFQTDeleteGuard guard(this);
        m_pEvent->IMGPNL_OnPlayImage(path.c_str());
        if (guard.IsDeleted())
            return;
    }
    update();
}

void CSFQTImagePanel::wheelEvent(QWheelEvent* event)
{
    QCoreApplication::postEvent(m_pScrollBar, event->clone());
    event->accept();
}

void CSFQTImagePanel::OnScrollBarChanged(int /*value*/) { update(); }

void CSFQTImagePanel::LayOut()
{
    m_layout.SetWidgetSize(size());
    m_pScrollBar->setGeometry(m_layout.ScrollBarArea());
    m_pScrollBar->setPageStep(width());
    m_pScrollBar->setSingleStep(width() / 10);
    m_pScrollBar->show();
    // The range follows the new width at once, so the row stays reachable after a resize.
    UpdateScrollRange();
}

void CSFQTImagePanel::UpdateScrollRange() { m_pScrollBar->setRange(0, m_layout.ScrollMaximum(GetCount())); }

std::wstring CSFQTImagePanel::ItemKey(const std::wstring& path, const std::wstring& name)
{
    // A wide text from the facade ends at its first NUL, so the NUL cannot be part of a path.
    std::wstring key = path;
    key += L'\0';
    key += name;
    return key;
}

int CSFQTImagePanel::ItemAt(const QPoint& pt) const
{
    return m_layout.HitTest(pt, static_cast<int>(m_items.size()), m_pScrollBar->value());
}
