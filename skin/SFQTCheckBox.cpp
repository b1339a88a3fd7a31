#include "skin/SFQTCheckBox.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTToggleHelpers.h"
#include "skin/SFSkinString.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

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
    SFLoadStatePictures(*style, m_pics);
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

const QPixmap& CSFQTCheckBox::Picture(int index) const { return SFStatePicture(m_pics, index); }

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
        m_pEvent->Check_OnCheckStateChanged(m_bChecked ? 1 : 0, static_cast<int>(m_nID), POINT{0, 0});
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
