#include "skin/SFQTRadioBox.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTToggleHelpers.h"
#include "skin/SFSkinString.h"

#include <QEasingCurve>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSignalBlocker>

namespace {

// Floor of a / 2 for negative values too.
int HalfDown(int a) { return a >= 0 ? a / 2 : -((1 - a) / 2); }

}  // namespace

CSFQTRadioBox::CSFQTRadioBox(ISFRadioBoxEvent* pEvent)
    : QRadioButton(nullptr),
      CSFRadioBox(pEvent),
      m_nState(StateNormal),
      m_bChecked(false),
      m_bBkWholeRect(true),
      m_font(font()),
      m_nTextOffset(0),
      m_nID(static_cast<UINT>(-1)),
      m_nTextFlags(Qt::AlignVCenter | Qt::TextSingleLine | Qt::AlignHCenter),
      m_nIconAlign(0),
      m_pAnimation(nullptr),
      m_fPicTransparence(1.0f),
      m_bFade(false),
      m_bTile(false),
      m_bInMouseRelease(false)
{
    // A toggle of its own: never unchecked by a sibling.
    setAutoExclusive(false);
    setCheckable(true);
}

CSFQTRadioBox::~CSFQTRadioBox() = default;

BOOL CSFQTRadioBox::Create(const wchar_t* text, DWORD style, const RECT& rc, void* parent, UINT id)
{
    setGeometry(OnePastRectToQRect(rc));
    setText(WideToQString(text));
    m_nID = id;
    setAutoExclusive(false);
    setCheckable(true);
    setParent(static_cast<QWidget*>(parent));
    setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

void CSFQTRadioBox::SetCursor() {}

BOOL CSFQTRadioBox::SetSkin(ImageRadioBox* style)
{
    if (!style)
        return FALSE;
    for (int i = 0; i < 8; ++i) {
        const std::wstring& name = (*style)[i];
        if (name.empty())
            continue;
        const QString file = SkinFilePath(name);
        if (file != m_pics[i].FilePath())
            m_pics[i] = CSFSkinPicture(file);
    }
    return TRUE;
}

void CSFQTRadioBox::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTRadioBox::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    const QRect g = InclusiveRectToQRect(*rc);
    MoveWindow(g.x(), g.y(), g.width(), g.height());
}

void CSFQTRadioBox::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTRadioBox::SetCheck(int check)
{
    m_nState = StateNormal;
    m_bChecked = check != 0;
    SyncQtChecked();
    update();
}

int CSFQTRadioBox::GetCheck() { return m_bChecked ? 1 : 0; }

int CSFQTRadioBox::GetWindowTextW(wchar_t* buf, int size) { return CopyTextOut(text(), buf, size); }

void CSFQTRadioBox::SetWindowTextW(const wchar_t* text)
{
    setText(WideToQString(text));
    update();
}

void CSFQTRadioBox::SetBoldHeavy(int bold)
{
    QFont f = font();
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    m_font = f;
    setFont(f);
    update();
}

void CSFQTRadioBox::SetTextColor(COLORREF color)
{
    m_textColor = ColorRefToQColor(color);
    update();
}

void CSFQTRadioBox::SetTextOffset(int offset)
{
    m_nTextOffset = offset;
    update();
}

void CSFQTRadioBox::SetTextAlign(DWORD flags)
{
    int f = Qt::AlignVCenter | Qt::TextSingleLine;
    if (flags & DT_CENTER)
        f |= Qt::AlignHCenter;
    else if (flags & DT_RIGHT)
        f |= Qt::AlignRight;
    m_nTextFlags = f;
}

void CSFQTRadioBox::GetRadioClientRect(RECT* rc)
{
    if (rc)
        *rc = WidgetClientRect(*this);
}

void CSFQTRadioBox::GetRadioWindowRect(RECT* rc)
{
    if (rc)
        *rc = WidgetScreenRect(*this);
}

void CSFQTRadioBox::SetImageInfo(void* /*a*/, void* /*b*/) {}

void CSFQTRadioBox::SetBkColor(COLORREF checked, COLORREF unchecked)
{
    m_checkedBkColor = ColorRefToQColor(checked);
    m_uncheckedBkColor = ColorRefToQColor(unchecked);
    update();
}

void CSFQTRadioBox::SetBkRect(bool whole) { m_bBkWholeRect = whole; }

void CSFQTRadioBox::SetTooltipEnable(int /*enable*/) {}

void CSFQTRadioBox::SetToolTipText(const wchar_t* text) { setToolTip(WideToQString(text)); }

int CSFQTRadioBox::IsWindowVisible() { return isVisible() ? 1 : 0; }

int CSFQTRadioBox::IsWindow() { return TRUE; }

void CSFQTRadioBox::Invalidate(int erase)
{
    if (erase)
        update();
}

void CSFQTRadioBox::SetEnabled(int enable) { setEnabled(enable != 0); }

void CSFQTRadioBox::EnableAnimation(int enable) { m_bFade = enable != 0; }

void CSFQTRadioBox::SetExpendBGImge(int tile) { m_bTile = tile != 0; }

void CSFQTRadioBox::SetIconAlign(DWORD align) { m_nIconAlign = align; }

void CSFQTRadioBox::SetPicTransparence(float value)
{
    m_fPicTransparence = value;
    update();
}

int CSFQTRadioBox::CurrentPictureIndex() const
{
    const int state = isEnabled() ? m_nState : StateDisabled;
    switch (state) {
    case StateHover:
        return m_bChecked ? 1 : 4;
    case StatePressed:
        return m_bChecked ? 2 : 5;
    case StateDisabled:
        return m_bChecked ? 6 : 7;
    default:
        return m_bChecked ? 0 : 3;
    }
}

const QPixmap& CSFQTRadioBox::Picture(int index) const { return SFStatePicture(m_pics, index); }

bool CSFQTRadioBox::IsFadeRunning() const
{
    return m_pAnimation && m_pAnimation->state() == QAbstractAnimation::Running;
}

void CSFQTRadioBox::SyncQtChecked()
{
    if (isChecked() == m_bChecked)
        return;
    const QSignalBlocker blocker(this);
    setChecked(m_bChecked);
}

void CSFQTRadioBox::StartFade()
{
    if (!m_bFade)
        return;
    if (IsFadeRunning() && !isEnabled())
        return;
    if (m_pAnimation) {
        // A fade still running is replaced by the new one.
        disconnect(m_pAnimation, nullptr, this, nullptr);
        m_pAnimation->stop();
        m_pAnimation->deleteLater();
        m_pAnimation = nullptr;
    }
    QPropertyAnimation* anim = new QPropertyAnimation(this, "picTransparence", this);
    connect(anim, &QAbstractAnimation::finished, this, &CSFQTRadioBox::OnAnimationPicTransFinished);
    m_pAnimation = anim;
    anim->setDuration(300);
    anim->setKeyValueAt(0.0, QVariant(1.0f));
    anim->setKeyValueAt(0.5, QVariant(0.5f));
    anim->setKeyValueAt(1.0, QVariant(1.0f));
    anim->setEasingCurve(QEasingCurve::OutInBack);
    anim->start();
}

void CSFQTRadioBox::OnAnimationPicTransFinished()
{
    if (!m_pAnimation || sender() != m_pAnimation)
        return;
    m_pAnimation->deleteLater();
    m_pAnimation = nullptr;
}

void CSFQTRadioBox::OnClicked(bool checked, QPoint pt)
{
    if (m_pEvent)
        m_pEvent->RADIO_OnClicked(checked ? 1 : 0, static_cast<int>(m_nID), POINT{pt.x(), pt.y()});
    SFSendCommandToParent(this, m_nID);
}

void CSFQTRadioBox::enterEvent(QEnterEvent* event)
{
    m_nState = StateHover;
    StartFade();
    QRadioButton::enterEvent(event);
    update();
}

void CSFQTRadioBox::leaveEvent(QEvent* event)
{
    m_nState = StateNormal;
    QRadioButton::leaveEvent(event);
    update();
}

void CSFQTRadioBox::mousePressEvent(QMouseEvent* event)
{
    m_nState = StatePressed;
    update();
    QRadioButton::mousePressEvent(event);
}

void CSFQTRadioBox::mouseReleaseEvent(QMouseEvent* event)
{
    m_nState = StateNormal;
    const QPoint pt = event->position().toPoint();
    if (rect().contains(pt)) {
        m_bChecked = !m_bChecked;
        SyncQtChecked();
        OnClicked(m_bChecked, pt);
    }
    // The base handler may click the Qt button; that click only follows the flag above.
    m_bInMouseRelease = true;
    QRadioButton::mouseReleaseEvent(event);
    m_bInMouseRelease = false;
    update();
    StartFade();
}

void CSFQTRadioBox::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void CSFQTRadioBox::nextCheckState()
{
    if (m_bInMouseRelease) {
        SyncQtChecked();
        return;
    }
    // A click without a mouse release (Space, or click() of the toolkit).
    m_bChecked = !m_bChecked;
    SyncQtChecked();
    update();
    OnClicked(m_bChecked, QPoint(0, 0));
}

void CSFQTRadioBox::paintEvent(QPaintEvent* event)
{
    const QPixmap& pic = m_pics[CurrentPictureIndex()].Pixmap();
    if (pic.isNull()) {
        QRadioButton::paintEvent(event);
        return;
    }
    const int W = width();
    const int H = height();
    const int pw = pic.width();
    const int ph = pic.height();

    QPainter p(this);
    p.setOpacity(m_fPicTransparence);

    QRect icon(0, HalfDown(H - ph), pw, ph);

    const QColor& bk = m_bChecked ? m_checkedBkColor : m_uncheckedBkColor;
    if (bk.isValid()) {
        if (m_bBkWholeRect)
            p.fillRect(rect(), bk);
        else
            p.fillRect(QRect(QPoint(icon.right(), 2), QPoint(W - 2, H - 3)), bk);
    }

    if (m_textColor.isValid())
        p.setPen(m_textColor);
    p.setFont(m_font);

    const QString label = text();
    if (m_bTile) {
        p.drawPixmap(icon, pic);
        for (QRect next = icon.translated(pw, 0); pw > 0 && next.right() < W - 1; next.translate(pw, 0))
            p.drawPixmap(next, pic);
    } else {
        if (m_nIconAlign == 1) {
            const int tw = QFontMetrics(m_font).boundingRect(label).width();
            icon.moveLeft((W - pw - tw - m_nTextOffset - 1) / 2);
        }
        p.drawPixmap(icon, pic);
    }

    const QRect textRect(QPoint(m_nTextOffset + icon.right() + 2, 0), QPoint(W - 1, H - 1));
    p.drawText(textRect, m_nTextFlags, label);
}
