#include "skin/SFQTCheckBox.h"

#include "skin/SFMsgMap.h"
#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QCoreApplication>
#include <QEasingCurve>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSignalBlocker>
#include <QTextOption>

namespace {

const QPixmap& NullPixmap()
{
    static const QPixmap s_null;
    return s_null;
}

// Floor of a / 2 for negative values too.
int HalfDown(int a) { return a >= 0 ? a / 2 : -((1 - a) / 2); }

POINT MakePoint(int x, int y)
{
    POINT pt;
    pt.x = x;
    pt.y = y;
    return pt;
}

}  // namespace

// ---- Shared picture helpers -------------------------------------------------------------------

void SFLoadStatePictures(const SFWideStringRecord<8>& names, QPixmap* pictures, const int* order, int count)
{
    if (!pictures || !order)
        return;
    for (int k = 0; k < count; ++k) {
        const int i = order[k];
        if (i < 0 || i >= 8 || names[i].empty())
            continue;
        QPixmap loaded;
        if (!loaded.load(SkinFilePath(names[i])))
            loaded = QPixmap();
        pictures[i] = loaded;
    }
}

QPixmap ExpandPixmapFromCentre(const QPixmap& picture, const QSize& size)
{
    if (picture.isNull() || size.isEmpty())
        return picture;

    const int pw = picture.width();
    const int ph = picture.height();
    const int hw = pw / 2;
    const int hh = ph / 2;
    const int rw = pw - hw;  // width of the right quadrants
    const int rh = ph - hh;  // height of the bottom quadrants
    const int W = size.width();
    const int H = size.height();
    const int xr = W - rw;  // left edge of the right quadrants
    const int yb = H - rh;  // top edge of the bottom quadrants

    QPixmap out(size);
    out.fill(Qt::transparent);
    QPainter p(&out);
    // Pixels are copied as they are, alpha included.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    auto blit = [&](int x, int y, int sx, int sy, int sw, int sh) {
        // A zero source extent would mean "to the end of the picture" to QPainter.
        if (sw > 0 && sh > 0)
            p.drawPixmap(x, y, picture, sx, sy, sw, sh);
    };

    blit(0, 0, 0, 0, hw, hh);
    blit(xr, 0, hw, 0, rw, hh);
    blit(0, yb, 0, hh, hw, rh);
    blit(xr, yb, hw, hh, rw, rh);

    for (int x = hw; x <= xr; ++x)
        blit(x, 0, hw, 0, 1, hh);
    for (int x = hw; x < xr; ++x)
        blit(x, yb, hw, hh, 1, rh);
    for (int y = hh; y < yb; ++y) {
        blit(0, y, 0, hh, hw, 1);
        blit(xr, y, hw, hh, rw, 1);
    }

    const QRect centre(QPoint(hw, hh), QPoint(xr - 1, yb - 1));
    if (centre.width() > 0 && centre.height() > 0)
        p.fillRect(centre, picture.toImage().pixelColor(hw, hh));
    p.end();
    return out;
}

void FitStatePictures(QPixmap* pictures, int count, const QSize& size)
{
    if (!pictures || count < 2 || size.isEmpty())
        return;
    const QPixmap& ref = pictures[1];
    if (ref.width() >= size.width() && ref.height() >= size.height()) {
        if (ref.size() == size)
            return;
        for (int i = 0; i < count; ++i)
            if (!pictures[i].isNull())
                pictures[i] = pictures[i].copy(0, 0, size.width(), size.height());
        return;
    }
    for (int i = 0; i < count; ++i)
        if (!pictures[i].isNull())
            pictures[i] = ExpandPixmapFromCentre(pictures[i], size);
}

void SFSendCommandToParent(QObject* sender, UINT id)
{
    if (!sender || !QCoreApplication::instance())
        return;
    QObject* parent = sender->parent();
    if (!parent)
        return;
    CSFCustomEvent ev(static_cast<int>(SF_MSG_COMMAND), 0, 0, static_cast<LPARAM>(id));
    QCoreApplication::sendEvent(parent, &ev);
}

// ---- Check box --------------------------------------------------------------------------------

CSFQTCheckBox::CSFQTCheckBox(ISFCheckBoxEvent* pEvent)
    : QPushButton(nullptr),
      CSFCheckBox(pEvent),
      m_nState(StateNormal),
      m_bChecked(false),
      m_nID(0)
{
    setEnabled(true);
    connect(this, &QAbstractButton::clicked, this, &CSFQTCheckBox::OnCheckStateChanged);
}

CSFQTCheckBox::~CSFQTCheckBox() = default;

BOOL CSFQTCheckBox::Create(const char* text, DWORD /*style*/, const RECT& rc, void* parent, UINT id)
{
    setGeometry(OnePastRectToQRect(rc));
    setText(Utf8ToQString(text));
    setParent(static_cast<QWidget*>(parent));
    m_nID = id;
    return TRUE;
}

void CSFQTCheckBox::SetCursor() {}

void CSFQTCheckBox::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTCheckBox::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTCheckBox::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTCheckBox::SetCheck(int check)
{
    if (check == (m_bChecked ? 1 : 0))
        return;
    m_bChecked = check != 0;
    update();
}

int CSFQTCheckBox::GetCheck(int* out)
{
    if (out)
        *out = m_bChecked ? 1 : 0;
    return 0;
}

int CSFQTCheckBox::GetWindowTextW(wchar_t* buf, int size) { return CopyTextOut(text(), buf, size); }

void CSFQTCheckBox::SetWindowTextW(const wchar_t* text) { setText(WideToQString(text)); }

BOOL CSFQTCheckBox::SetSkin(ImageCheckBox* style)
{
    if (!style)
        return FALSE;
    static const int kOrder[8] = {0, 1, 2, 3, 4, 5, 6, 7};
    SFLoadStatePictures(*style, m_pics, kOrder, 8);
    return TRUE;
}

void CSFQTCheckBox::EnableWindow(int enable) { setEnabled(enable != 0); }

int CSFQTCheckBox::CurrentPictureIndex() const
{
    if (!isEnabled())
        return m_bChecked ? 6 : 7;
    switch (m_nState) {
    case StateHover:
    case StateReleased:
        return m_bChecked ? 1 : 4;
    case StatePressed:
        return m_bChecked ? 2 : 5;
    default:
        return m_bChecked ? 0 : 3;
    }
}

const QPixmap& CSFQTCheckBox::Picture(int index) const
{
    return index >= 0 && index < 8 ? m_pics[index] : NullPixmap();
}

void CSFQTCheckBox::SetState(int state)
{
    if (m_nState == state)
        return;
    m_nState = state;
    update();
}

void CSFQTCheckBox::enterEvent(QEnterEvent* event)
{
    SetState(StateHover);
    QPushButton::enterEvent(event);
}

void CSFQTCheckBox::leaveEvent(QEvent* event)
{
    SetState(StateNormal);
    QPushButton::leaveEvent(event);
}

void CSFQTCheckBox::mousePressEvent(QMouseEvent* event)
{
    if (m_pEvent)
        m_pEvent->BTN_OnLButtonDown();
    SetState(StatePressed);
    QPushButton::mousePressEvent(event);
}

void CSFQTCheckBox::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && m_pEvent)
        m_pEvent->BTN_OnMouseMove();
    QPushButton::mouseMoveEvent(event);
}

void CSFQTCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    SetState(StateHover);
    if (m_pEvent)
        m_pEvent->BTN_OnLButtonUp();
    // The base handler emits clicked() only for a release over the box; the flag is turned
    // there, so a release elsewhere leaves the box, its picture and its owner in step.
    QPushButton::mouseReleaseEvent(event);
}

void CSFQTCheckBox::OnCheckStateChanged()
{
    m_bChecked = !m_bChecked;
    update();
    if (m_pEvent)
        m_pEvent->Check_OnCheckStateChanged(m_bChecked ? 1 : 0, static_cast<int>(m_nID), MakePoint(0, 0));
    SFSendCommandToParent(this, m_nID);
}

void CSFQTCheckBox::paintEvent(QPaintEvent* event)
{
    const QPixmap& pic = m_pics[CurrentPictureIndex()];
    if (pic.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.drawPixmap(rect(), pic);
    const QString label = text();
    if (label.isEmpty())
        return;
    const QFontMetrics fm(font());
    const int tw = fm.horizontalAdvance(label);
    const int fh = fm.height();
    if (!isEnabled())
        p.setPen(QColor::fromRgba(0xFF6B6B6Bu));
    p.drawText(QRectF((width() - 1 - tw) / 2, (height() - 1 - fh) / 2, tw, fh + 1), label, QTextOption());
}

void CSFQTCheckBox::resizeEvent(QResizeEvent* event)
{
    FitStatePictures(m_pics, 8, size());
    QPushButton::resizeEvent(event);
}

// ---- Radio box --------------------------------------------------------------------------------

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
    static const int kOrder[8] = {6, 7, 0, 2, 1, 3, 5, 4};
    SFLoadStatePictures(*style, m_pics, kOrder, 8);
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

const QPixmap& CSFQTRadioBox::Picture(int index) const
{
    return index >= 0 && index < 8 ? m_pics[index] : NullPixmap();
}

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
        m_pEvent->RADIO_OnClicked(checked ? 1 : 0, static_cast<int>(m_nID), MakePoint(pt.x(), pt.y()));
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
    const QPixmap& pic = m_pics[CurrentPictureIndex()];
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
