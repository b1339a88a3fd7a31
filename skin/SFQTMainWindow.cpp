#include "skin/SFQTMainWindow.h"

#include "skin/SFSkinString.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>

namespace {

constexpr Qt::WindowFlags kMainWindowFlags =
    Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;

// Point in a size animation at which it counts as finished.
constexpr int kAnimationEndMs = 250;

}  // namespace

CSFQTMainWindow::CSFQTMainWindow(ISFDialogEvent* pEvent, QWidget* parent)
    : CSFQTSkinWindow(pEvent, parent, Qt::WindowFlags(), 0),
      m_pAnimation(nullptr),
      m_bMaximized(false)
{
    m_normalGeometry = geometry();
    setWindowFlags(kMainWindowFlags);
    ConnectTitleActions();
}

CSFQTMainWindow::~CSFQTMainWindow() { ReleaseFrame(); }

// ---- CSFDialog ---------------------------------------------------------------------------

int CSFQTMainWindow::DoModalDlg() { return -1; }

void CSFQTMainWindow::DoOK()
{
    if (Sink())
        Sink()->Dlg_OnOK();
}

void CSFQTMainWindow::DoCancel()
{
    if (Sink()) {
        Sink()->m_pUIWnd = nullptr;
        Sink()->Dlg_OnCancel();
    }
    Q_EMIT sgnClose();
}

void CSFQTMainWindow::CenterWindow(void** /*unused*/)
{
    QScreen* s = screen();
    const QRect work = s ? s->availableGeometry() : QRect();
    QRect area = work;
    if (QWidget* parent = parentWidget()) {
        area = parent->rect();
        if (isWindow())
            area.moveTopLeft(parent->mapToGlobal(QPoint(0, 0)));
    }
    m_ptCenter = CenteredPosition(PlacementSize(m_skin, size(), work), area);
    move(m_ptCenter);
}

void CSFQTMainWindow::SetSkin(DialogStyle* style)
{
    if (style)
        ReadSkin(*style);
}

int CSFQTMainWindow::IsDlgZoomed() { return m_bMaximized ? TRUE : FALSE; }

int CSFQTMainWindow::ModifyDlgStyleEx(DWORD /*remove*/, DWORD /*add*/, UINT /*flags*/) { return TRUE; }

void CSFQTMainWindow::SetWindowTextW(const wchar_t* text)
{
    SetTitleText(WideToQString(text));
    update();
}

void CSFQTMainWindow::SetDlgIcon(const wchar_t* name)
{
    const QIcon icon(LoadSkinPicture(SkinFilePath(name)));
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}

void CSFQTMainWindow::MacShowMaximize(bool on)
{
    if (!m_bMaximized) {
        if (!on)
            return;  // never maximised: nothing to restore
        if (m_pAnimation) {
            m_pAnimation->setCurrentTime(kAnimationEndMs);
            return;
        }
        m_normalGeometry = geometry();
        if (PlacementRefused()) {
            showMaximized();
            m_bMaximized = true;
            return;
        }
        QScreen* s = QGuiApplication::primaryScreen();
        const QRect a = s ? s->availableGeometry() : QRect();
        RECT rc = {a.left(), a.top(), a.right(), a.bottom()};
        MoveWindow(&rc);
        m_bMaximized = true;
        return;
    }
    if (m_pAnimation) {
        m_pAnimation->setCurrentTime(kAnimationEndMs);
        return;
    }
    if (PlacementRefused())
        showNormal();
    else
        MoveWindow(m_normalGeometry.x(), m_normalGeometry.y(), m_normalGeometry.width(),
                   m_normalGeometry.height());
    m_bMaximized = false;
}

bool CSFQTMainWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM /*lParam*/)
{
    if (msg == WM_WTSSESSION_CHANGE) {
        if (Sink()) {
            if (wParam == WTS_SESSION_LOCK)
                Sink()->OnMsgScreenLock(1);
            else if (wParam == WTS_SESSION_UNLOCK)
                Sink()->OnMsgScreenLock(0);
        }
        qDebug("WM_WTSSESSION_CHANGE return ");
    }
    return false;
}

void CSFQTMainWindow::SetTitleText(const QString& text)
{
    PlaceTitleLabel(text, 0, 8, QColor(Qt::black));
    setWindowTitle(text);
}

// ---- Slots -------------------------------------------------------------------------------

void CSFQTMainWindow::OnSwitchSize() {}

void CSFQTMainWindow::OnAniShowMaxFinished()
{
    delete m_pAnimation;
    m_pAnimation = nullptr;
    showMaximized();
}

void CSFQTMainWindow::OnAniShowNorFinished()
{
    delete m_pAnimation;
    m_pAnimation = nullptr;
    showNormal();
}

// ---- Qt ----------------------------------------------------------------------------------

void CSFQTMainWindow::PaintWindowPicture(QPainter& p, int w, int h) const
{
    // A frame picture at least as large as the window is shown cut, not composed.
    const QPixmap& sheet = m_skin.framePicture;
    if (sheet.width() >= w && sheet.height() >= h)
        p.drawPixmap(0, 0, sheet, 0, 0, w, h);
    else
        PaintFramePicture(p, m_skin, w, h);
}

void CSFQTMainWindow::mousePressEvent(QMouseEvent* e)
{
    FramePress(e, m_bMaximized);
    QMainWindow::mousePressEvent(e);
}

void CSFQTMainWindow::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() == Qt::LeftButton)
        FrameMove(e, true, m_bMaximized);
    if (Sink())
        Sink()->OnDlgMouseHover();
}

void CSFQTMainWindow::keyPressEvent(QKeyEvent* e)
{
    if (Sink())
        Sink()->OnDlgKeyDown(ModifierCode(e->modifiers()), MainWindowKeyCode(e->key()));
}

void CSFQTMainWindow::keyReleaseEvent(QKeyEvent* e)
{
    if (Sink())
        Sink()->OnDlgKeyUp(ModifierCode(e->modifiers()), MainWindowKeyCode(e->key()));
}

void CSFQTMainWindow::closeEvent(QCloseEvent* e)
{
    qDebug("CSFQTMainWindow::closeEvent!");
    if (Sink() && Sink()->Dlg_Close() == 1) {
        e->ignore();
        return;
    }
    e->accept();
    QuitIfLastWindow();
}

void CSFQTMainWindow::QuitIfLastWindow()
{
    // A window hidden before it is closed does not end the event loop by itself.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w == this || !w->isWindow() || !w->isVisible() || w->parentWidget() ||
            !w->testAttribute(Qt::WA_QuitOnClose))
            continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen || type == Qt::Desktop)
            continue;
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

void CSFQTMainWindow::leaveEvent(QEvent* e)
{
    if (Sink())
        Sink()->OnDlgMouseLeave();
    QMainWindow::leaveEvent(e);
}
