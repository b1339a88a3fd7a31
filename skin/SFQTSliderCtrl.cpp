#include "skin/SFQTSliderCtrl.h"

#include "skin/QSliderExStyle.h"
#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>

#include <cstdint>

const wchar_t* const CSFQTSliderCtrl::kHandCursorName = L"hand_pointing.png";

CSFQTSliderCtrl::CSFQTSliderCtrl(ISFSliderCtrlEvent* pEvent)
    : QSlider(Qt::Horizontal, nullptr),
      CSFSliderCtrl(pEvent),
      m_style(new QSliderExStyle),
      m_bPressed(0),
      m_bTooltipEnable(1),
      m_nTooltipKind(0),
      m_mode(SLIDER_RESPONSE_ON_CHANGE),
      m_nHeldKey(0)
{
    m_style->setParent(this);
    setStyle(m_style);
    setRange(0, 100);
    setValue(0);
}

CSFQTSliderCtrl::~CSFQTSliderCtrl() = default;

int CSFQTSliderCtrl::Create(DWORD style, const RECT& rc, void* parentUI, UINT id, SLIDER_RESPONSE_MODE mode)
{
    setParent(static_cast<QWidget*>(parentUI));
    m_nID = id;
    setGeometry(OnePastRectToQRect(rc));
    const int width = rc.right - rc.left;
    for (int piece : {PieceGrooveLeft, PieceGrooveRight}) {
        QPixmap& groove = m_pieces[piece];
        if (!groove.isNull())
            groove = groove.scaled(width, groove.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    m_mode = mode;
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTSliderCtrl::SetCursor() {}

int CSFQTSliderCtrl::SetSkin(ImageSliderStyle* skin)
{
    if (!skin)
        return 0;
    const QPixmap sheet = LoadSkinPicture(SkinFilePath((*skin)[0]));
    for (int piece = PieceGrooveLeft; piece < PieceEnd; ++piece) {
        const std::wstring& cell = (*skin)[piece];
        m_pieces[piece] = cell.empty() ? QPixmap() : sheet.copy(StringToQRect(cell));
    }
    updateGeometry();
    update();
    return 1;
}

void CSFQTSliderCtrl::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTSliderCtrl::MoveWindow(RECT* rc)
{
    if (rc)
        setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTSliderCtrl::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

int CSFQTSliderCtrl::GetPos() const { return value(); }

void CSFQTSliderCtrl::GetRange(int& min, int& max) const
{
    min = minimum();
    max = maximum();
}

void CSFQTSliderCtrl::SetPos(int pos) { setValue(pos); }

void CSFQTSliderCtrl::SetRange(int min, int max, int /*redraw*/) { setRange(min, max); }

void CSFQTSliderCtrl::SetTooltipEnable(int enable, int kind)
{
    m_bTooltipEnable = enable;
    m_nTooltipKind = kind;
}

void CSFQTSliderCtrl::EnableWindow(int enable) { setEnabled(enable != 0); }

const QPixmap& CSFQTSliderCtrl::Piece(int piece) const
{
    static const QPixmap none;
    return piece >= PieceGrooveLeft && piece < PieceEnd ? m_pieces[piece] : none;
}

QString CSFQTSliderCtrl::ToolTipText(int value, int min, int max, int kind)
{
    if (kind != 0)
        return QStringLiteral("%1").arg(value);
    const std::int64_t span = static_cast<std::int64_t>(max) - min;
    // An empty span has no share to show: nothing, or all once the value is at max.
    if (span <= 0)
        return QStringLiteral("%1%").arg(value >= max ? 100 : 0);
    const std::int64_t permille = static_cast<std::int64_t>(value) * 1000 / span;
    return QStringLiteral("%1%").arg(permille / 10);
}

int CSFQTSliderCtrl::ValueAt(const QMouseEvent* event) const
{
    const bool horizontal = orientation() == Qt::Horizontal;
    const QPixmap& handle = m_pieces[PieceHandle];
    const int at =
        horizontal ? static_cast<int>(event->position().x()) : static_cast<int>(event->position().y());
    return QSliderExStyle::ValueAtPointer(at, horizontal ? width() : height(),
                                          horizontal ? handle.width() : handle.height(), minimum(),
                                          maximum());
}

void CSFQTSliderCtrl::FollowPointer(const QMouseEvent* event)
{
    const int v = ValueAt(event);
    if (v == value())
        return;
    setValue(v);
    if (m_mode == SLIDER_RESPONSE_ON_CHANGE)
        Report();
}

void CSFQTSliderCtrl::Report()
{
    if (m_pEvent)
        m_pEvent->SF_OnSliderPos(static_cast<int>(m_nID), value());
}

void CSFQTSliderCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    FollowPointer(event);
    m_bPressed = 1;
    update();
}

void CSFQTSliderCtrl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!(event->buttons() & Qt::LeftButton) || !m_bPressed)
        return;
    FollowPointer(event);
    if (m_bTooltipEnable)
        QToolTip::showText(event->globalPosition().toPoint(),
                           ToolTipText(value(), minimum(), maximum(), m_nTooltipKind), this);
}

void CSFQTSliderCtrl::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    if (m_mode == SLIDER_RESPONSE_ON_RELEASE)
        Report();
    m_bPressed = 0;
    update();
}

void CSFQTSliderCtrl::wheelEvent(QWheelEvent* event)
{
    if (m_mode != SLIDER_RESPONSE_ON_CHANGE)
        return;
    QSlider::wheelEvent(event);
    Report();
}

void CSFQTSliderCtrl::keyPressEvent(QKeyEvent* event)
{
    const int before = value();
    event->accept();
    QSlider::keyPressEvent(event);
    if (!event->isAccepted())
        return;  // not a key that moves the slider
    if (m_mode == SLIDER_RESPONSE_ON_RELEASE)
        m_nHeldKey = event->key();
    else if (value() != before)
        Report();
}

void CSFQTSliderCtrl::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() || event->key() != m_nHeldKey || m_nHeldKey == 0) {
        QSlider::keyReleaseEvent(event);
        return;
    }
    m_nHeldKey = 0;
    Report();
}

void CSFQTSliderCtrl::enterEvent(QEnterEvent* event)
{
    QSlider::enterEvent(event);
    const QPixmap hand = LoadSkinPicture(SkinFilePath(kHandCursorName));
    if (!hand.isNull())
        setCursor(QCursor(hand, kHandCursorHotX, kHandCursorHotY));
}
