#include "skin/SFQTView.h"

#include "skin/SFMsgMap.h"
#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTRadioBox.h"
#include "skin/SFSkinString.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

POINT ToPoint(const QPoint& p)
{
    POINT pt;
    pt.x = p.x();
    pt.y = p.y();
    return pt;
}

}  // namespace

CSFQTView::CSFQTView(ISFViewEvent* pEvent)
    : QWidget(nullptr),
      CSFView(pEvent),
      m_nTopOffset(0),
      m_bgColor(92, 101, 118),
      m_nFrameWidth(0),
      m_frameColor(128, 128, 128),
      m_nRadius(0),
      m_nID(0)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    if (m_pEvent)
        m_pEvent->m_pUIWnd = static_cast<void*>(static_cast<QWidget*>(this));
}

CSFQTView::~CSFQTView()
{
    if (m_pEvent) {
        m_pEvent->OnDestroy();
        m_pEvent->m_pUIWnd = nullptr;
    }
}

int CSFQTView::Create(const wchar_t* /*className*/, const wchar_t* title, DWORD style, const RECT& rc,
                      void* parentUI, UINT id)
{
    // setParent(QWidget*) keeps the hint flags and makes the view a child of parentUI.
    setParent(static_cast<QWidget*>(parentUI));
    setWindowTitle(WideToQString(title));
    setGeometry(InclusiveRectToQRect(rc));
    m_nID = id;
    setVisible((style & WS_VISIBLE) != 0);
    if (m_pEvent)
        m_pEvent->OnCreate();
    return 1;
}

void CSFQTView::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTView::SetBackground(const wchar_t* name)
{
    m_bgPicture = LoadSkinPicture(SkinFilePath(name));
    update();
}

void CSFQTView::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    const QRect g = InclusiveRectToQRect(*rc);
    MoveWindow(g.x(), g.y(), g.width(), g.height());
}

void CSFQTView::MoveWindow(int x, int y, int w, int h)
{
    const bool visible = isVisible();
    if (visible)
        hide();
    setGeometry(x, y, w, h);
    if (visible)
        show();
}

void CSFQTView::GetViewClientRect(RECT* rc)
{
    if (rc)
        *rc = WidgetClientRect(*this);
}

void CSFQTView::GetViewWindowRect(RECT* rc)
{
    if (rc)
        *rc = WidgetScreenRect(*this);
}

void CSFQTView::Screen2Client(POINT* pt)
{
    if (!pt)
        return;
    *pt = ToPoint(mapFromGlobal(QPoint(pt->x, pt->y)));
}

void CSFQTView::Screen2Client(RECT* rc)
{
    if (!rc)
        return;
    *rc = ScreenRectToClient(*this, *rc);
}

int CSFQTView::isShow() { return isVisible() ? 1 : 0; }

int CSFQTView::isWindow() { return QWidget::isWindow() ? 1 : 0; }

int CSFQTView::SubclassWindow() { return 1; }

void* CSFQTView::UnsubclassWindow() { return nullptr; }

void CSFQTView::SetRoundCornerRadius(UINT radius) { m_nRadius = radius; }

void CSFQTView::SetBGClr(UINT color)
{
    m_bgColor =
        QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
               static_cast<int>((color >> 16) & 0xFFu), 255 - static_cast<int>((color >> 24) & 0xFFu));
    update();
}

void CSFQTView::SetFrameClr(UINT color, int width)
{
    m_frameColor = QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                          static_cast<int>((color >> 16) & 0xFFu), 255);
    m_nFrameWidth = width;
    update();
}

void CSFQTView::AddRadioBox(CSFQTRadioBox* radio) { AddRowWidget(m_radioBoxes, radio); }

void CSFQTView::AddRowWidget(RowList& row, QWidget* control)
{
    if (!control)
        return;
    // The previous control of the kind that still exists.
    QWidget* previous = nullptr;
    for (int i = row.size() - 1; i >= 0 && !previous; --i)
        previous = row.at(i).data();
    control->setParent(this);
    row.append(QPointer<QWidget>(control));
    const int x = previous ? previous->geometry().right() + 10 : 10;
    control->move(x, m_nTopOffset);
}

void CSFQTView::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        if (!m_bgPicture.isNull())
            p.drawPixmap(rect(), m_bgPicture);
        else
            p.fillRect(rect(), m_bgColor);
        if (m_nFrameWidth != 0) {
            QPen pen(m_frameColor);
            pen.setWidth(1);
            pen.setCosmetic(true);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    QWidget::paintEvent(event);
}

void CSFQTView::resizeEvent(QResizeEvent* event)
{
    if (m_pEvent)
        m_pEvent->OnSize(0, width(), height());
    if (m_nRadius != 0 && width() > 0 && height() > 0) {
        QBitmap mask(size());
        mask.fill(Qt::color0);
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        const qreal r = static_cast<qreal>(m_nRadius);
        path.addRoundedRect(QRectF(0, 0, width(), height()), r, r);
        p.fillPath(path, Qt::color1);
        p.end();
        setMask(mask);
    }
    QWidget::resizeEvent(event);
}

void CSFQTView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pEvent)
        m_pEvent->OnLButtonDown(0, ToPoint(event->position().toPoint()));
    QWidget::mousePressEvent(event);
}

void CSFQTView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (m_pEvent)
            m_pEvent->OnLButtonDblClk(0, ToPoint(event->position().toPoint()));
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void CSFQTView::customEvent(QEvent* event) { SF_DispatchCustomEvent(m_pEvent, event); }
