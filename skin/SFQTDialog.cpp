#include "SFQTDialog.h"

#include "SFSkinString.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>

namespace {

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint;

Qt::WindowFlags FlagsFromBits(DWORD bits)
{
    return Qt::WindowFlags::fromInt(static_cast<int>(bits));
}

} // namespace

CSFQTDialog::CSFQTDialog(ISFDialogEvent* pEvent, QWidget* parent, int flags)
    : QDialog(parent, Qt::WindowFlags::fromInt(flags)),
      CSFQTSkinFrame(pEvent, this, -1),
      m_nTitleAlign(0),
      m_titleColor(Qt::black)
{
    if (Sink())
        Sink()->m_pUIWnd = static_cast<void*>(static_cast<QWidget*>(this));
    setAcceptDrops(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowFlags(kDialogFlags);

    connect(this, &CSFQTDialog::sgnClose, this, &QWidget::close, Qt::QueuedConnection);
    connect(this, &CSFQTDialog::sgnMaximized, this, &QWidget::showMaximized, Qt::QueuedConnection);
    connect(this, &CSFQTDialog::sgnMinimized, this, &QWidget::showMinimized, Qt::QueuedConnection);
    connect(this, &CSFQTDialog::sgnNormal, this, &QWidget::showNormal, Qt::QueuedConnection);
}

CSFQTDialog::~CSFQTDialog()
{
    KillAllTimers();
    m_skin.framePicture = QPixmap();
    m_skin.backgroundPicture = QPixmap();
    for (auto& triple : m_buttonPictures)
    {
        for (QPixmap& pm : triple)
            pm = QPixmap();
    }
    delete m_pTitleLabel;
    m_pTitleLabel = nullptr;
    if (Sink())
    {
        Sink()->m_pUIWnd = nullptr;
        Sink()->Dlg_Destroy();
    }
}

// ---- CSFDialog ---------------------------------------------------------------------------

int CSFQTDialog::DoModalDlg()
{
    setWindowModality(Qt::ApplicationModal);
    setModal(true);
    if (Sink())
        Sink()->Dlg_OnInitDialog(false);
    setFocus();
    const int result = exec();
    return result == 0 ? 2 : result;
}

int CSFQTDialog::Create(const wchar_t* title, void* parent)
{
    if (parent)
        setParent(static_cast<QWidget*>(parent));
    SetTitleText(WideToQString(title));
    if (Sink())
        Sink()->Dlg_OnInitDialog(true);
    return TRUE;
}

void CSFQTDialog::MFCOK()
{
    accept();
}

void CSFQTDialog::MFCCancel()
{
    reject();
}

void CSFQTDialog::CenterWindow(void** /*unused*/)
{
    QScreen* s = screen();
    const QRect work = s ? s->availableGeometry() : QRect();
    m_ptCenter = CenteredPosition(PlacementSize(m_skin, size(), work), work);
    move(m_ptCenter);
}

void CSFQTDialog::SetSkin(DialogStyle* style)
{
    if (!style)
        return;
    ReadSkin(*style);

    // [58]..[69] hold the pictures of buttons 1, 3, 2 and 4 in that order.
    static const int kButtonOfGroup[4] = {1, 3, 2, 4};
    for (int g = 0; g < 4; ++g)
    {
        for (int s = 0; s < 3; ++s)
            m_buttonPictures[kButtonOfGroup[g] - 1][s] = LoadSkinPixmap((*style)[58 + g * 3 + s]);
    }

    const std::wstring& align = (*style)[53];
    m_nTitleAlign = align == L"center" ? 1 : align == L"right" ? 2 : 0;
    m_titleColor = HexStringToQColor((*style)[48]);
}

void CSFQTDialog::SendDlgMessage(UINT msg, UINT /*wParam*/, LONG /*lParam*/)
{
    if (msg == WM_CLOSE)
        reject();
}

int CSFQTDialog::IsDlgZoomed()
{
    return TRUE;
}

int CSFQTDialog::ModifyDlgStyleEx(DWORD remove, DWORD add, UINT /*flags*/)
{
    const bool wasVisible = isVisible();
    Qt::WindowFlags f = windowFlags();
    if (remove)
        f &= ~FlagsFromBits(remove);
    if (add)
        f |= FlagsFromBits(add);
    setWindowFlags(f);
    if (wasVisible)
        show();
    return TRUE;
}

void CSFQTDialog::SetWindowTextW(const wchar_t* text)
{
    SetTitleText(WideToQString(text));
}

void CSFQTDialog::SetDlgIcon(const wchar_t* path)
{
    const QIcon icon(WideToQString(path));
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}

void CSFQTDialog::MacShowMaximize(bool on)
{
    if (on)
        showMaximized();
    else
        showNormal();
}

int CSFQTDialog::HasFocus()
{
    return hasFocus() ? TRUE : FALSE;
}

void CSFQTDialog::SetFocus()
{
    activateWindow();
}

int CSFQTDialog::IsActiveWindow()
{
    return isActiveWindow() ? TRUE : FALSE;
}

void CSFQTDialog::ActiveWindow()
{
    raise();
    activateWindow();
}

void CSFQTDialog::SetTitleText(const QString& text)
{
    PlaceTitleLabel(text, m_nTitleAlign, 5, m_titleColor);
}

// ---- Qt ----------------------------------------------------------------------------------

void CSFQTDialog::accept()
{
    if (Sink())
        Sink()->Dlg_OnOK();
    QDialog::accept();
}

void CSFQTDialog::reject()
{
    if (Sink())
        Sink()->Dlg_OnCancel();
    QDialog::reject();
}

bool CSFQTDialog::eventFilter(QObject* /*watched*/, QEvent* /*event*/)
{
    return true;
}

void CSFQTDialog::OnSwitchSize()
{
}

bool CSFQTDialog::event(QEvent* e)
{
    return QDialog::event(e);
}

void CSFQTDialog::paintEvent(QPaintEvent* e)
{
    if (m_windowPixmap.isNull())
    {
        QDialog::paintEvent(e);
        return;
    }
    QPainter painter(this);
    PaintFrame(painter, m_buttonPictures);
}

void CSFQTDialog::resizeEvent(QResizeEvent* e)
{
    if (!FollowResize(e->size(), e->oldSize()))
        return;
    int w = e->size().width();
    int h = e->size().height();
    m_windowPixmap = ComposeFrame(m_skin, w, h);
    if (m_pTitleLabel)
        SetTitleText(m_pTitleLabel->text());
    UpdateRoundMask();
    if (Sink())
        Sink()->OnDlgSize(0, w, h);
}

void CSFQTDialog::mousePressEvent(QMouseEvent* e)
{
    FramePress(e, isMaximized());
    QDialog::mousePressEvent(e);
}

void CSFQTDialog::mouseMoveEvent(QMouseEvent* e)
{
    const Qt::MouseButtons buttons = e->buttons();
    if (buttons == Qt::LeftButton)
        FrameMove(e, true, isMaximized());
    else if (buttons == Qt::NoButton)
        FrameMove(e, false, isMaximized());
    if (Sink())
        Sink()->OnDlgMouseHover();
}

void CSFQTDialog::mouseReleaseEvent(QMouseEvent* e)
{
    switch (FrameRelease(e))
    {
    case ActClose:
        Q_EMIT sgnClose();
        break;
    case ActMaximize:
        Q_EMIT sgnMaximized();
        break;
    case ActMinimize:
        Q_EMIT sgnMinimized();
        break;
    case ActNormal:
        Q_EMIT sgnNormal();
        break;
    case ActNone:
        break;
    }
}

void CSFQTDialog::keyPressEvent(QKeyEvent* e)
{
    // Not passed on: Escape and Return reach only the sink.
    if (Sink())
        Sink()->OnDlgKeyDown(ModifierCode(e->modifiers()), DialogKeyCode(e->key()));
}

void CSFQTDialog::customEvent(QEvent* e)
{
    const QPointer<QDialog> alive(this);
    const int command = DispatchFrameEvent(e);
    if (!alive)
        return;
    if (command == 1)
        accept();
    else if (command == 2)
        reject();
}

void CSFQTDialog::closeEvent(QCloseEvent* e)
{
    // The Qt dialog's own handler would reject: a close is not a Cancel.
    if (Sink() && Sink()->Dlg_Close() == 1)
        e->ignore();
    else
        e->accept();
}

void CSFQTDialog::timerEvent(QTimerEvent* e)
{
    if (Sink())
        Sink()->OnDlgTimer(TimerUserId(e->timerId()));
    QDialog::timerEvent(e);
}

void CSFQTDialog::focusInEvent(QFocusEvent* e)
{
    if (Sink())
        Sink()->OnDlgNcActivate(1);
    QDialog::focusInEvent(e);
}

void CSFQTDialog::focusOutEvent(QFocusEvent* e)
{
    if (Sink())
        Sink()->OnDlgNcActivate(0);
    QDialog::focusOutEvent(e);
}

void CSFQTDialog::enterEvent(QEnterEvent* e)
{
    if (Sink())
        Sink()->OnDlgMouseHover();
    QDialog::enterEvent(e);
}

void CSFQTDialog::leaveEvent(QEvent* e)
{
    m_nHotButton = BtnNone;
    m_nHotState = StateNormal;
    for (int b = BtnClose; b <= BtnExtra; ++b)
        RepaintButton(b);
    if (Sink())
        Sink()->OnDlgMouseLeave();
    QDialog::leaveEvent(e);
}

void CSFQTDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (Sink())
        Sink()->OnDlgShowWindow(1, 0);
}

void CSFQTDialog::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData() && e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void CSFQTDialog::dropEvent(QDropEvent* e)
{
    const QString path = FirstDroppedFile(e);
    if (path.isEmpty())
        return;
    if (Sink())
        Sink()->OnDlgFileDrop(QStringToWide(path).c_str());
    QDialog::dropEvent(e);
}
