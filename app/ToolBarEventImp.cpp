#include "app/ToolBarEventImp.h"

#include "app/ButtonPictures.h"
#include "app/MainFrameEventImp.h"
#include "app/MessageBox.h"
#include "base/lang_table.h"

#include <boost/make_shared.hpp>

#include <string>

namespace {

// Right-aligned buttons: 24 wide, 6 from the top, 6 apart, 12 from the right edge.
constexpr int kButtonTop = 6;
constexpr int kButtonBottom = 30;

}  // namespace

SF_BEGIN_MSGMAP(CToolBarEventImp)
    SF_ON_COMMAND(CToolBarEventImp::kIdMax, OnMaxButton)
    SF_ON_COMMAND(CToolBarEventImp::kIdMin, OnMinButton)
    SF_ON_COMMAND(CToolBarEventImp::kIdClose, OnCloseButton)
    SF_ON_COMMAND(CToolBarEventImp::kIdMenu, OnMenuButton)
    SF_ON_COMMAND(CToolBarEventImp::kIdHelp, OnHelpButton)
SF_END_MSGMAP()

CToolBarEventImp::CToolBarEventImp(const boost::shared_ptr<CMainFrameEventImp>& frame)
    : m_pFrame(frame),
      m_pView(nullptr),
      m_pTitle(nullptr),
      m_pClose(nullptr),
      m_pMin(nullptr),
      m_pMenu(nullptr),
      m_pHelp(nullptr)
{}

CToolBarEventImp::~CToolBarEventImp()
{
    // Normally the frame's window has taken the view with it already (the view clears our
    // window pointer as it goes). A view still alive would call back into this sink when
    // it dies later, so it goes now.
    if (m_pView && GetUIWnd())
        delete m_pView;
    else
        SF_DestroyView(m_pView);
    m_pView = nullptr;
}

boost::shared_ptr<CToolBarEventImp>
CToolBarEventImp::Create(const boost::shared_ptr<CMainFrameEventImp>& frame)
{
    boost::shared_ptr<CToolBarEventImp> bar = boost::make_shared<CToolBarEventImp>(frame);
    void* parent = nullptr;
    if (frame && frame->GetFrameDlg())
        parent = frame->GetFrameDlg()->GetUIWnd();

    bar->m_pView = SF_CreateView(bar.get());
    if (bar->m_pView) {
        bar->m_pView->SetBGClr(kBackground);
        // The view calls OnCreate from its Create.
        bar->m_pView->Create(nullptr, L"ToolBar", WS_CHILD | WS_VISIBLE, RECT{0, 0, 1000, 72}, parent,
                             kIdView);
    }
    return bar;
}

int CToolBarEventImp::OnCreate()
{
    void* parent = GetUIWnd();

    m_pTitle = SF_CreatePictureCtrl(nullptr);
    if (m_pTitle) {
        m_pTitle->SetImage(L"title.png");
        m_pTitle->Create(L"", WS_CHILD | WS_VISIBLE, RECT{0, 0, 265, 58}, parent, static_cast<UINT>(-1));
    }

    ImageButtonStyle style = PrefixedButtonPictures(L"help");
    m_pHelp = SF_CreateButton(nullptr);
    if (m_pHelp) {
        m_pHelp->Create(L"", WS_VISIBLE, RECT{924, 6, 941, 30}, parent, kIdHelp);
        m_pHelp->SetSkin(&style);
        m_pHelp->SetToolTipText(GetLangString(L"Help").c_str());
        m_pHelp->ShowWindow(0);
    }

    // The menu button gets its tool tip from the first RefreshText.
    style = PrefixedButtonPictures(L"about");
    m_pMenu = SF_CreateButton(nullptr);
    if (m_pMenu) {
        m_pMenu->Create(L"", WS_VISIBLE, RECT{944, 6, 968, 30}, parent, kIdMenu);
        m_pMenu->SetSkin(&style);
    }

    style = PrefixedButtonPictures(L"min");
    m_pMin = SF_CreateButton(nullptr);
    if (m_pMin) {
        m_pMin->Create(L"", WS_VISIBLE, RECT{971, 6, 995, 30}, parent, kIdMin);
        m_pMin->SetSkin(&style);
        m_pMin->SetTooltipEnable(1);
        m_pMin->SetToolTipText(GetLangString(L"Min").c_str());
    }

    style = PrefixedButtonPictures(L"close");
    m_pClose = SF_CreateButton(nullptr);
    if (m_pClose) {
        m_pClose->Create(L"", WS_VISIBLE, RECT{998, 6, 1022, 30}, parent, kIdClose);
        m_pClose->SetSkin(&style);
        m_pClose->SetToolTipText(GetLangString(L"Close").c_str());
    }
    return 1;
}

void CToolBarEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    if (!m_pView)
        return;
    if (m_pTitle) {
        RECT rc = {0, 0, 265, cy};
        m_pTitle->MoveWindow(&rc);
    }
    RECT rcClose = {cx - 36, kButtonTop, cx - 12, kButtonBottom};
    RECT rcMin = {cx - 66, kButtonTop, cx - 42, kButtonBottom};
    RECT rcMenu = {cx - 96, kButtonTop, cx - 72, kButtonBottom};
    if (m_pClose)
        m_pClose->MoveWindow(&rcClose);
    if (m_pMin)
        m_pMin->MoveWindow(&rcMin);
    if (m_pMenu)
        m_pMenu->MoveWindow(&rcMenu);
    if (m_pHelp)
        m_pHelp->MoveWindow(&rcMenu);
}

void CToolBarEventImp::RefreshText()
{
    if (m_pMenu)
        m_pMenu->SetToolTipText(GetLangString(L"About").c_str());
    if (m_pClose)
        m_pClose->SetToolTipText(GetLangString(L"Close").c_str());
    if (m_pMin)
        m_pMin->SetToolTipText(GetLangString(L"Min").c_str());
}

void CToolBarEventImp::EnableButtons(bool enable)
{
    CSFButton* const buttons[] = {m_pClose, m_pMenu, m_pMin, m_pHelp};
    for (CSFButton* button : buttons) {
        if (button)
            button->EnableWindow(enable ? 1 : 0);
    }
}

void CToolBarEventImp::OnMaxButton()
{
    boost::shared_ptr<CMainFrameEventImp> frame = m_pFrame.lock();
    CSFDialog* dlg = frame ? frame->GetFrameDlg() : nullptr;
    if (!dlg)
        return;
    dlg->MacShowMaximize(dlg->IsDlgZoomed() ? false : true);
}

void CToolBarEventImp::OnMinButton()
{
    boost::shared_ptr<CMainFrameEventImp> frame = m_pFrame.lock();
    CSFDialog* dlg = frame ? frame->GetFrameDlg() : nullptr;
    if (dlg)
        dlg->MacShowMinimize(true);
}

void CToolBarEventImp::OnCloseButton()
{
    boost::shared_ptr<CMainFrameEventImp> frame = m_pFrame.lock();
    if (!frame)
        return;
    CSFDialog* dlg = frame->GetFrameDlg();
    const std::wstring text = GetLangString(L"Are you sure to close software?");
    const std::wstring caption = GetLangString(L"Prompt");
    const int result =
        ShowSFMessageBox(text.c_str(), caption.c_str(), dlg ? dlg->GetUIWnd() : nullptr, kMsgBoxOkCancel, 0);
    if (result != kMsgBoxResultOk || !dlg)
        return;
    dlg->ShowWindow(0);
    dlg->SendDlgMessage(WM_CLOSE, 0, 0);
}

void CToolBarEventImp::OnMenuButton()
{
    boost::shared_ptr<CMainFrameEventImp> frame = m_pFrame.lock();
    if (!frame || !m_pMenu)
        return;
    RECT rc = {0, 0, 0, 0};
    m_pMenu->GetBTNWindowRect(&rc);
    frame->PopupMenu(rc.left, rc.bottom);
}

void CToolBarEventImp::OnHelpButton() { CMainFrameEventImp::OpenManual(); }
