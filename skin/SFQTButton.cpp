#include "skin/SFQTButton.h"

#include "skin/SFMsgMap.h"
#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QCoreApplication>
#include <QEasingCurve>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QPoint>
#include <QPropertyAnimation>

#include <string>

namespace {

// Mouse-move traces, off unless the category is enabled (QT_LOGGING_RULES).
Q_LOGGING_CATEGORY(lcSkinButton, "tessaly.skin.button", QtWarningMsg)

constexpr int kPicModeTopLeft = 3;
constexpr int kFadeMs = 300;
const QColor kDisabledTextColor = QColor::fromRgba(0xFF6B6B6Bu);

const POINT kNoPoint = {0, 0};

}  // namespace

CSFQTButton::CSFQTButton(ISFButtonEvent* pEvent)
    : QPushButton(nullptr),
      CSFButton(pEvent),
      m_nTextFlags(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine),
      m_bElideRight(false),
      m_nState(StateNormal),
      m_bKeepAfterRelease(false),
      m_bReEnter(true),
      m_textColor(Qt::black),
      m_textOffset(0, 0),
      m_bTooltipEnable(true),
      m_pAnimation(nullptr),
      m_fPicTransparence(1.0f),
      m_bAnimation(false),
      m_nPicMode(0)
{
    connect(this, &QAbstractButton::clicked, this, &CSFQTButton::OnClicked);
}

CSFQTButton::~CSFQTButton()
{
    // The animation is a child object; stop it so it never writes into a dying button.
    if (m_pAnimation)
        m_pAnimation->stop();
}

// ---- Facade -----------------------------------------------------------------------------

BOOL CSFQTButton::Create(const wchar_t* text, DWORD style, const RECT& rc, void* parent, UINT id)
{
    setParent(static_cast<QWidget*>(parent));
    setGeometry(OnePastRectToQRect(rc));
    setText(WideToQString(text));
    setVisible((style & WS_VISIBLE) != 0);
    m_nID = id;
    return TRUE;
}

void CSFQTButton::SetCursor() {}

BOOL CSFQTButton::SetSkin(ImageButtonStyle* style)
{
    if (!style)
        return FALSE;
    // Decoded when first painted: most states are never shown.
    auto load = [](const std::wstring& name, CSFSkinPicture& pic) {
        if (!name.empty())
            pic = CSFSkinPicture::FromName(name);
    };
    load((*style)[1], m_picHover);
    load((*style)[2], m_picPressed);
    load((*style)[0], m_picNormal);
    load((*style)[3], m_picDisabled);
    load((*style)[1], m_picReleased);
    update();
    return TRUE;
}

void CSFQTButton::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTButton::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTButton::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTButton::EnableWindow(int enable) { setEnabled(enable != 0); }

void CSFQTButton::SetTextColor(COLORREF color)
{
    m_textColor = ColorRefToQColor(color);
    update();
}

void CSFQTButton::SetTextOffset(int x, int y) { m_textOffset = QSize(x, y); }

void CSFQTButton::SetTextAlign(UINT flags)
{
    int align = Qt::AlignLeft;
    if (flags & DT_CENTER)
        align = Qt::AlignHCenter;
    else if (flags & DT_RIGHT)
        align = Qt::AlignRight;
    m_nTextFlags = align | Qt::AlignVCenter | Qt::TextSingleLine;
    if (flags & DT_END_ELLIPSIS)
        m_bElideRight = true;
    update();
}

void CSFQTButton::SetTooltipEnable(int enable) { m_bTooltipEnable = enable != 0; }

void CSFQTButton::SetToolTipText(const wchar_t* text) { setToolTip(WideToQString(text)); }

int CSFQTButton::GetWindowTextW(wchar_t* buf, int size) { return CopyTextOut(text(), buf, size); }

void CSFQTButton::SetWindowTextW(const wchar_t* text)
{
    setText(WideToQString(text));
    update();
}

void CSFQTButton::GetBTNWindowRect(RECT* rc)
{
    if (rc)
        *rc = WidgetScreenRect(*this);
}

void CSFQTButton::EnableAnimation(int enable) { m_bAnimation = enable != 0; }

BOOL CSFQTButton::IsEnabled() { return isEnabled() ? TRUE : FALSE; }

void CSFQTButton::SetBtnState(int state)
{
    m_nState = state;
    update();
}

// ---- Qt side ----------------------------------------------------------------------------

void CSFQTButton::SetPicMode(int mode)
{
    m_nPicMode = mode;
    update();
}

void CSFQTButton::SetKeepAfterRelease(int keep)
{
    m_bKeepAfterRelease = keep != 0;
    ChangeState(m_bKeepAfterRelease ? StateReleased : StateNormal);
}

void CSFQTButton::setPicTransparence(float value)
{
    m_fPicTransparence = value;
    repaint();
}

const QPixmap& CSFQTButton::CurrentPicture() const
{
    if (!isEnabled())
        return m_picDisabled.Pixmap();
    switch (m_nState) {
    case StateHover:
        return m_picHover.Pixmap();
    case StatePressed:
        return m_picPressed.Pixmap();
    case StateReleased:
        return m_picReleased.Pixmap();
    default:
        return m_picNormal.Pixmap();
    }
}

QRect CSFQTButton::TextRect() const
{
    const int fh = QFontMetrics(font()).height();
    const int inset = (height() - 1 - fh) / 2;
    return rect().adjusted(2, inset, -2, -inset);
}

QString CSFQTButton::TextToDraw() const
{
    if (!m_bElideRight)
        return text();
    return QFontMetrics(font()).elidedText(text(), Qt::ElideRight, TextRect().width());
}

void CSFQTButton::ChangeState(int state)
{
    if (state == m_nState)
        return;
    m_nState = state;
    update();
}

void CSFQTButton::StartFade()
{
    if (!m_bAnimation)
        return;
    if (m_pAnimation && m_pAnimation->state() == QAbstractAnimation::Running && !isEnabled())
        return;
    if (m_pAnimation) {
        // A new fade replaces the one still held: stop it and release it here, so no
        // animation is ever left without an owner pointer.
        QPropertyAnimation* old = m_pAnimation;
        m_pAnimation = nullptr;
        disconnect(old, nullptr, this, nullptr);
        old->stop();
        delete old;
    }
    QPropertyAnimation* anim = new QPropertyAnimation(this, "picTransparence", this);
    m_pAnimation = anim;
    connect(anim, &QAbstractAnimation::finished, this, &CSFQTButton::OnAnimationPicTransFinished);
    anim->setDuration(kFadeMs);
    anim->setKeyValueAt(0.0, 1.0f);
    anim->setKeyValueAt(0.5, 0.5f);
    anim->setKeyValueAt(1.0, 1.0f);
    anim->setEasingCurve(QEasingCurve::OutInBack);
    anim->start();
}

// ---- Painting and events ----------------------------------------------------------------

void CSFQTButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // The opacity covers the text as well as the picture.
    painter.setOpacity(m_fPicTransparence);
    const QPixmap& pic = CurrentPicture();
    if (!pic.isNull()) {
        if (m_nPicMode == kPicModeTopLeft)
            painter.drawPixmap(0, 0, pic);
        else
            painter.drawPixmap(rect(), pic);
    }
    if (text().isEmpty())
        return;
    painter.setPen(isEnabled() ? m_textColor : kDisabledTextColor);
    painter.drawText(TextRect(), m_nTextFlags, TextToDraw());
}

void CSFQTButton::enterEvent(QEnterEvent* event)
{
    if (m_pEvent)
        m_pEvent->BTN_OnMouseMove(static_cast<int>(m_nID), 0, kNoPoint);
    if (!(m_bReEnter && m_nState == StateReleased)) {
        ChangeState(StateHover);
        StartFade();
    }
    QPushButton::enterEvent(event);
}

void CSFQTButton::leaveEvent(QEvent* event)
{
    if (m_pEvent)
        m_pEvent->BTN_OnMouseLeave(static_cast<int>(m_nID), 0, 0);
    ChangeState(m_bKeepAfterRelease ? StateReleased : StateNormal);
    QPushButton::leaveEvent(event);
}

void CSFQTButton::mousePressEvent(QMouseEvent* event)
{
    if (m_pEvent && event->button() != Qt::RightButton)
        m_pEvent->BTN_OnLButtonDown(static_cast<int>(m_nID), 0, kNoPoint);
    ChangeState(StatePressed);
    StartFade();
    QPushButton::mousePressEvent(event);
}

void CSFQTButton::mouseMoveEvent(QMouseEvent* event)
{
    qCDebug(lcSkinButton) << "mousemove over";
    if (event->buttons() & Qt::LeftButton) {
        if (m_pEvent)
            m_pEvent->BTN_OnMouseMove(static_cast<int>(m_nID), 0, kNoPoint);
        ChangeState(StatePressed);
    }
    if (m_nState != StatePressed && m_nState != StateHover) {
        qCDebug(lcSkinButton) << "mousemove enter";
        ChangeState(StateHover);
    }
    QPushButton::mouseMoveEvent(event);
}

void CSFQTButton::mouseReleaseEvent(QMouseEvent* event)
{
    ChangeState(StateReleased);
    if (m_pEvent)
        m_pEvent->BTN_OnLButtonUp(static_cast<int>(m_nID), 0, kNoPoint);
    QPushButton::mouseReleaseEvent(event);
}

void CSFQTButton::focusOutEvent(QFocusEvent* /*event*/) { ChangeState(StateNormal); }

void CSFQTButton::resizeEvent(QResizeEvent* /*event*/) {}

void CSFQTButton::OnClicked()
{
    if (m_pEvent)
        m_pEvent->BTN_OnClicked(static_cast<int>(m_nID));
    QObject* target = parent();
    if (!target || !QCoreApplication::instance())
        return;
    // Delivered at once (sendEvent: not queued, not spontaneous), so the parent's handler
    // has run when clicked() returns.
    CSFCustomEvent command(static_cast<int>(WM_COMMAND), 0, 0, static_cast<LPARAM>(m_nID));
    QCoreApplication::sendEvent(target, &command);
}

void CSFQTButton::OnAnimationPicTransFinished()
{
    QPropertyAnimation* anim = qobject_cast<QPropertyAnimation*>(sender());
    if (anim && anim == m_pAnimation)
        m_pAnimation = nullptr;
    if (anim)
        anim->deleteLater();
}
