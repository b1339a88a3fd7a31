// CSFQTSkinWindow: joins the skinned windows' shared part (CSFQTSkinFrame) to the window's
// Qt widget and carries the Qt event handlers both windows share. CSFQTDialog and
// CSFQTMainWindow derive from it.
#pragma once

#include "skin/SFQTSkinFrame.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <Qt>

// A skinned window on the Qt widget class Widget (QDialog, QMainWindow): the widget's
// handlers that both windows share, reporting to the sink and acting for the frame. Window
// is the window class itself (CRTP); a title-button release emits its sgnClose,
// sgnMaximized, sgnMinimized or sgnNormal.
template <class Window, class Widget>
class CSFQTSkinWindow : public Widget, public CSFQTSkinFrame
{
protected:
    // The widget is made with parent and flags, becomes the sink's window and takes drops,
    // mouse moves and the focus.
    CSFQTSkinWindow(ISFDialogEvent* pEvent, QWidget* parent, Qt::WindowFlags flags, int fill)
        : Widget(parent, flags),
          CSFQTSkinFrame(pEvent, this, fill)
    {
        if (Sink())
            Sink()->m_pUIWnd = static_cast<void*>(static_cast<QWidget*>(this));
        this->setAcceptDrops(true);
        this->setMouseTracking(true);
        this->setFocusPolicy(Qt::StrongFocus);
    }

    // The title actions' signals, queued to close, showMaximized, showMinimized, showNormal.
    void ConnectTitleActions()
    {
        Window* self = static_cast<Window*>(this);
        QObject::connect(self, &Window::sgnClose, self, &QWidget::close, Qt::QueuedConnection);
        QObject::connect(self, &Window::sgnMaximized, self, &QWidget::showMaximized, Qt::QueuedConnection);
        QObject::connect(self, &Window::sgnMinimized, self, &QWidget::showMinimized, Qt::QueuedConnection);
        QObject::connect(self, &Window::sgnNormal, self, &QWidget::showNormal, Qt::QueuedConnection);
    }

    // Before the first skinned resize the widget paints itself.
    void paintEvent(QPaintEvent* e) override
    {
        if (m_frameSize.isEmpty()) {
            Widget::paintEvent(e);
            return;
        }
        PaintHost();
    }

    void resizeEvent(QResizeEvent* e) override { FrameResized(e); }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        Window* self = static_cast<Window*>(this);
        switch (FrameRelease(e)) {
        case ActClose:
            Q_EMIT self->sgnClose();
            break;
        case ActMaximize:
            Q_EMIT self->sgnMaximized();
            break;
        case ActMinimize:
            Q_EMIT self->sgnMinimized();
            break;
        case ActNormal:
            Q_EMIT self->sgnNormal();
            break;
        case ActNone:
            break;
        }
    }

    // Commands go through the sink's map; then 1 is the window's OK and 2 its Cancel, unless
    // a handler has destroyed the window.
    void customEvent(QEvent* e) override
    {
        const QPointer<Widget> alive(this);
        const int command = DispatchFrameEvent(e);
        if (!alive)
            return;
        if (command == 1)
            DoOK();
        else if (command == 2)
            DoCancel();
    }

    void timerEvent(QTimerEvent* e) override
    {
        FrameTimer(e);
        Widget::timerEvent(e);
    }

    void focusInEvent(QFocusEvent* e) override
    {
        if (Sink())
            Sink()->OnDlgNcActivate(1);
        Widget::focusInEvent(e);
    }

    void focusOutEvent(QFocusEvent* e) override
    {
        if (Sink())
            Sink()->OnDlgNcActivate(0);
        Widget::focusOutEvent(e);
    }

    void enterEvent(QEnterEvent* e) override
    {
        if (Sink())
            Sink()->OnDlgMouseHover();
        Widget::enterEvent(e);
    }

    void showEvent(QShowEvent* e) override
    {
        Widget::showEvent(e);
        if (Sink())
            Sink()->OnDlgShowWindow(1, 0);
    }

    void dragEnterEvent(QDragEnterEvent* e) override { AcceptUrlDrag(e); }

    // The first dropped local file goes to the sink.
    void dropEvent(QDropEvent* e) override
    {
        if (ReportDroppedFile(e))
            Widget::dropEvent(e);
    }
};
