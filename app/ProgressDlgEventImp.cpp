#include "app/ProgressDlgEventImp.h"

#include "skin/SFSkinString.h"

#include <QByteArray>
#include <QLabel>
#include <QMovie>
#include <QWidget>

namespace {

constexpr int kDialogSize = 100;

}  // namespace

// The dialog's own timers reach the sink through OnDlgTimer, UI messages through this map:
// both end the wait.
SF_BEGIN_MSGMAP(CProgressDlgEventImp)
    SF_ON_UI_MESSAGE(CProgressDlgEventImp::kIdClose, OnCloseMessage)
SF_END_MSGMAP()

CProgressDlgEventImp::CProgressDlgEventImp(const wchar_t* name, int width, int height)
    : m_pDlg(nullptr),
      m_pLabel(nullptr),
      m_strName(name ? name : L""),
      m_nWidth(width),
      m_nHeight(height),
      m_pMovie(nullptr)
{}

CProgressDlgEventImp::~CProgressDlgEventImp()
{
    if (m_pMovie) {
        m_pMovie->stop();
        delete m_pMovie;
        m_pMovie = nullptr;
    }
}

BOOL CProgressDlgEventImp::Dlg_OnInitDialog(bool bCreate)
{
    if (bCreate)
        return TRUE;

    if (!m_pLabel) {
        m_pLabel = new QLabel(static_cast<QWidget*>(GetUIWnd()));
        m_pLabel->setGeometry((kDialogSize - m_nWidth) / 2, (kDialogSize - m_nHeight) / 2, m_nWidth,
                              m_nHeight);
    }
    if (!m_pMovie)
        m_pMovie = new QMovie(SkinFilePath(m_strName), QByteArray(), nullptr);
    m_pLabel->setMovie(m_pMovie);
    m_pMovie->start();

    if (m_pDlg) {
        m_pDlg->MoveWindow(0, 0, kDialogSize, kDialogSize);
        m_pDlg->CenterWindow(nullptr);
    }
    return FALSE;
}

void CProgressDlgEventImp::OnDlgTimer(UINT id)
{
    if (id != kIdClose)
        return;
    if (m_pDlg)
        m_pDlg->KillDlgTimer(kIdClose);
    OnCloseMessage();
}

void CProgressDlgEventImp::OnCloseMessage()
{
    if (m_pDlg)
        m_pDlg->MFCCancel();
}
