#include "skin/SFQTStatic.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <string>

namespace {

// Drawing flags of the static (toolkit values).
constexpr int kFlagLeft = Qt::AlignLeft;                                   // 0x1
constexpr int kFlagRight = Qt::AlignRight;                                 // 0x2
constexpr int kFlagHCenter = Qt::AlignHCenter;                             // 0x4
constexpr int kFlagVCenter = Qt::AlignVCenter;                             // 0x80
constexpr int kFlagSingleLine = Qt::TextSingleLine;                        // 0x100
constexpr int kFlagDontClip = Qt::TextDontClip;                            // 0x200
constexpr int kFlagWordWrap = Qt::TextWordWrap;                            // 0x1000
constexpr int kFlagWrapAnywhere = Qt::TextWrapAnywhere;                    // 0x2000
constexpr int kInitialFlags = kFlagLeft | kFlagVCenter | kFlagSingleLine;  // 385

}  // namespace

CSFQTStatic::CSFQTStatic(ISFStaticEvent* pEvent)
    : QLabel(nullptr),
      CSFStatic(pEvent),
      m_nBold(0),
      m_textColor(Qt::black),  // an unset colour paints black
      m_bgColor(Qt::white),
      m_nFlags(kInitialFlags),
      m_nPixelSize(12),
      m_nFillBg(0),
      m_nTextOffset(0),
      m_nWordWrap(0),
      m_nWrapAnywhere(0),
      m_nTooltipEnable(1)
{}

CSFQTStatic::~CSFQTStatic() = default;

int CSFQTStatic::Create(const wchar_t* text, DWORD style, const RECT& rc, void* parentUI, UINT id)
{
    setParent(static_cast<QWidget*>(parentUI));
    setText(WideToQString(text));
    Grow(OnePastRectToQRect(rc), PaintFont());
    m_nID = id;
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTStatic::SetCursor() {}

int CSFQTStatic::SetSkin() { return 1; }

void CSFQTStatic::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTStatic::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    setGeometry(OnePastRectToQRect(*rc));
}

void CSFQTStatic::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

int CSFQTStatic::GetStaticText(wchar_t* buf, int size) const
{
    if (!buf || size <= 0)
        return 0;
    const std::wstring wide = QStringToWide(text());
    const std::size_t n = std::min<std::size_t>(wide.size(), static_cast<std::size_t>(size - 1));
    std::copy_n(wide.data(), n, buf);
    buf[n] = L'\0';
    return 0;
}

void CSFQTStatic::SetStaticText(const wchar_t* text)
{
    setText(WideToQString(text));
    Grow(geometry(), font());
}

void CSFQTStatic::SetTextAlignFlag(UINT dtFlags)
{
    int flags = kFlagLeft;
    if (dtFlags & DT_RIGHT)
        flags = kFlagRight;
    else if (dtFlags & DT_CENTER)
        flags = kFlagHCenter;
    if (dtFlags & DT_VCENTER)
        flags |= kFlagVCenter;
    if (dtFlags & DT_WORDBREAK) {
        flags &= ~kFlagSingleLine;
        flags |= kFlagWordWrap | kFlagDontClip;
    }
    if (dtFlags & DT_SINGLELINE) {
        flags &= ~kFlagWordWrap;
        flags |= kFlagSingleLine;
    }
    m_nFlags = flags;
    update();
}

UINT CSFQTStatic::GetTextAlignFlag() { return static_cast<UINT>(m_nFlags); }

void CSFQTStatic::SetTextColor(UINT colorref)
{
    m_textColor = ColorRefToQColor(colorref);
    update();
}

void CSFQTStatic::SetTextBold(int bold)
{
    m_nBold = bold;
    update();
}

void CSFQTStatic::GetTextSize(int& w, int& h)
{
    w = width();
    h = height();
}

void CSFQTStatic::SetBgColor(UINT colorref, int fill)
{
    m_bgColor = ColorRefToQColor(colorref);
    m_nFillBg = fill;
    update();
}

void CSFQTStatic::SetTextSize(int px)
{
    if (px > 0)
        m_nPixelSize = px;
    setStyleSheet(QStringLiteral("QLabel {font-size:%1px;}").arg(px));
}

void CSFQTStatic::GetStaticCtrolPos(RECT& rc) { rc = QRectToInclusiveRect(geometry()); }

void CSFQTStatic::SetTextOffset(int x)
{
    m_nTextOffset = x;
    update();
}

void CSFQTStatic::SetWordWrap(int on)
{
    m_nWordWrap = on;
    if (on)
        m_nFlags |= kFlagWordWrap;
    else
        m_nFlags &= ~kFlagWordWrap;
    setWordWrap(on != 0);
}

int CSFQTStatic::GetWordWrap() { return m_nWordWrap; }

void CSFQTStatic::SetWrapAnywhere(int on)
{
    m_nWrapAnywhere = on;
    if (on)
        m_nFlags |= kFlagWrapAnywhere;
    else
        m_nFlags &= ~kFlagWrapAnywhere;
}

int CSFQTStatic::GetWrapAnywher() { return m_nWrapAnywhere; }

void CSFQTStatic::SetTooltipEnable(int enable) { m_nTooltipEnable = enable; }

void CSFQTStatic::SetToolTipText(const wchar_t* text) { setToolTip(WideToQString(text)); }

RECT CSFQTStatic::GetGeometry() { return QRectToInclusiveRect(geometry()); }

QFont CSFQTStatic::PaintFont() const
{
    QFont f = font();
    f.setWeight(m_nBold ? QFont::Bold : QFont::Normal);
    f.setPixelSize(m_nPixelSize);
    return f;
}

void CSFQTStatic::Grow(const QRect& start, const QFont& font)
{
    const QRect text = QFontMetrics(font).boundingRect(start, m_nFlags, this->text());
    setGeometry(start.left(), start.top(), std::max(text.width(), start.width()),
                std::max(text.height(), start.height()));
}

void CSFQTStatic::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (m_nFillBg)
        painter.fillRect(rect(), m_bgColor);
    const QFont f = PaintFont();
    setFont(f);
    painter.setFont(f);
    painter.setPen(m_textColor);
    QRect r = rect();
    r.setLeft(m_nTextOffset);
    painter.drawText(r, m_nFlags, text());
}
