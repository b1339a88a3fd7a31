#include "skin/SFQTDialog.h"

#include "skin/SFSkinPicture.h"
#include "skin/SFSkinString.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QScreen>

namespace {

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint;

Qt::WindowFlags FlagsFromBits(DWORD bits) { return Qt::WindowFlags::fromInt(static_cast<int>(bits)); }

}  // namespace

CSFQTDialog::CSFQTDialog(ISFDialogEvent* pEvent, QWidget* parent, int flags)
    : CSFQTSkinWindow(pEvent, parent, Qt::WindowFlags::fromInt(flags), -1),
      m_nTitleAlign(0),
      m_titleColor(Qt::black)
{
    setWindowFlags(kDialogFlags);
    ConnectTitleActions();
}

CSFQTDialog::~CSFQTDialog()
{
    for (auto& triple : m_buttonPictures) {
        for (QPixmap& pm : triple)
            pm = QPixmap();
    }
    ReleaseFrame();
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

void CSFQTDialog::DoOK() { accept(); }

void CSFQTDialog::DoCancel() { reject(); }

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
    for (int g = 0; g < 4; ++g) {
        for (int s = 0; s < 3; ++s)
            m_buttonPictures[kButtonOfGroup[g] - 1][s] =
                CSFSkinPicture::FromNameOrNone((*style)[58 + g * 3 + s]).Pixmap();
    }

    const std::wstring& align = (*style)[53];
    m_nTitleAlign = align == L"center" ? 1 : align == L"right" ? 2 : 0;
    m_titleColor = HexStringToQColor((*style)[48]);
}

int CSFQTDialog::IsDlgZoomed() { return TRUE; }

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

void CSFQTDialog::SetWindowTextW(const wchar_t* text) { SetTitleText(WideToQString(text)); }

void CSFQTDialog::SetDlgIcon(const wchar_t* path)
{
    const QIcon icon(LoadSkinPicture(WideToQString(path)));
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

int CSFQTDialog::HasFocus() { return hasFocus() ? TRUE : FALSE; }

void CSFQTDialog::SetFocus() { activateWindow(); }

int CSFQTDialog::IsActiveWindow() { return isActiveWindow() ? TRUE : FALSE; }

void CSFQTDialog::ActiveWindow()
{
    raise();
    activateWindow();
}

void CSFQTDialog::SetTitleText(const QString& text) { PlaceTitleLabel(text, m_nTitleAlign, 5, m_titleColor); }

const CSFQTSkinFrame::PictureTriple* CSFQTDialog::TitlePictures() const { return m_buttonPictures; }

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

bool CSFQTDialog::eventFilter(QObject* /*watched*/, QEvent* /*event*/) { return true; }

void CSFQTDialog::OnSwitchSize() {}

bool CSFQTDialog::event(QEvent* e) { return QDialog::event(e); }

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

void CSFQTDialog::keyPressEvent(QKeyEvent* e)
{
    // Not passed on: Escape and Return reach only the sink.
    if (Sink())
        Sink()->OnDlgKeyDown(ModifierCode(e->modifiers()), DialogKeyCode(e->key()));
}

void CSFQTDialog::closeEvent(QCloseEvent* e)
{
    // The Qt dialog's own handler would reject: a close is not a Cancel.
    if (Sink() && Sink()->Dlg_Close() == 1)
        e->ignore();
    else
        e->accept();
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
