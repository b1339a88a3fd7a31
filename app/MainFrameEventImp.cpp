// The main frame: builds the skinned main window and everything inside it.
#include "app/MainFrameEventImp.h"

#include "app/AboutDlgEventImp.h"
#include "app/MainPageEventImp.h"
#include "app/MessageBox.h"
#include "app/RecorderTablesReader.h"
#include "app/StartupPhase.h"
#include "app/ToolBarEventImp.h"

#include "base/compat/sf_winapi.h"
#include "base/config_manager.h"
#include "base/lang_table.h"
#include "base/sf_system.h"
#include "skin/SFSkinString.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

#include <boost/make_shared.hpp>

#include <cstring>
#include <memory>

namespace {

// The help text is looked up by its English text.
const wchar_t* const kHelpTextKey =
    L"Select desired resolution ,frame rate and HDD Bays from the dropdown box, and put in the "
    L"total channel number (max 256), then click \u201CSearch\u201D button to show all compatible "
    L"NVR models,if you pick a picture,you can see the specific information of related NVR model.";

// The skin of the main window: the frame pieces of "FrameMain.png" around a stretched
// "background.png", a 62-px caption, fixed at 1000 x 700, no title buttons.
void FillMainFrameStyle(DialogStyle& style)
{
    style[0] = L"FrameMain.png";
    style[1] = L"background.png";
    style[2] = L"tile";
    style[3] = L"000000";
    style[4] = L"0,0,10,8";
    style[5] = L"tile";
    style[6] = L"30,0,1,8";
    style[7] = L"stretch";
    style[8] = L"138,0,10,8";
    style[10] = L"0,37,1,30";
    style[12] = L"0,37,1,30";
    style[14] = L"0,37,1,30";
    style[16] = L"0,132,10,8";
    style[18] = L"10,132,30,8";
    style[20] = L"138,132,10,8";
    style[22] = L"147,37,1,30";
    style[24] = L"147,37,1,30";
    style[26] = L"147,37,1,30";
    style[45] = L"Tahoma";
    style[46] = L"11";
    style[48] = L"333333";
    style[49] = L"999999";
    style[53] = L"left";
    style[54] = L"0,0,1000,62";
    style.bFlag = false;
    style[57] = L"1000,700";
}

}  // namespace

// The frame's map holds no entry, only its end mark.
SF_BEGIN_MSGMAP(CMainFrameEventImp)
SF_END_MSGMAP()

CMainFrameEventImp::CMainFrameEventImp() : m_pFrameDlg(nullptr), m_nLayoutLocked(0), m_pMenu(nullptr)
{
    std::memset(&m_capability, 0, sizeof(m_capability));
    std::memset(&m_models, 0, sizeof(m_models));
}

CMainFrameEventImp::~CMainFrameEventImp()
{
    // The menu has no Qt parent: it goes first, on its own.
    SF_DestroyMenu(m_pMenu);
    m_pMenu = nullptr;
    // The window takes its children (tool bar view, page view, About dialog) with it.
    CSFDialog* frame = m_pFrameDlg;
    m_pFrameDlg = nullptr;
    SF_DestroyMainWindow(frame);
    m_pMainPage.reset();
    m_pAboutDlg.reset();
    m_pToolBar.reset();
}

CMainFrameEventImpPtr CreateMainFrame(CRecorderTablesReader* tablesReadAhead)
{
    CMainFrameEventImpPtr frame = boost::make_shared<CMainFrameEventImp>();
    frame->SetTablesReader(tablesReadAhead);
    frame->Create();
    return frame;
}

int CMainFrameEventImp::Create()
{
    std::unique_ptr<DialogStyle> style(new DialogStyle);
    FillMainFrameStyle(*style);

    m_pFrameDlg = SF_CreateMainWindow(this, nullptr);
    if (!m_pFrameDlg)
        return 0;
    m_pFrameDlg->SetSkin(style.get());
    m_pFrameDlg->Create(L"", nullptr);  // runs Dlg_OnInitDialog(true)
    m_pFrameDlg->ModifyDlgStyleEx(0, 16, 16);
    m_pFrameDlg->SetWindowTextW(GetLangString(L"ProductName").c_str());
    m_pFrameDlg->SetDlgIcon(L"main.png");
    m_pFrameDlg->MoveWindow(0, 0, 1000, 700);
    m_pFrameDlg->CenterWindow(nullptr);
    m_pFrameDlg->ShowWindow(1);
    return 0;
}

BOOL CMainFrameEventImp::Dlg_OnInitDialog(bool bCreate)
{
    MarkStartupPhase("main-window");  // the window and its frame pictures
    LoadCapabilityTable();
    LoadModelTable();
    MarkStartupPhase("tables");
    if (!bCreate)
        return TRUE;

    m_pMenu = SF_CreateMenu(this);
    BuildMenu();
    MarkStartupPhase("language-file");  // the menu's texts are the first looked up

    CMainFrameEventImpPtr self = shared_from_this();
    m_pToolBar = CToolBarEventImp::Create(self);
    m_pAboutDlg = CreateAboutDlg(self);
    m_pMainPage = CreateMainPage(self, GetUIWnd());
    if (m_pMainPage)
        m_pMainPage->SetData(m_capability, m_models);
    MarkStartupPhase("widgets");  // tool bar, About dialog and search page, with their pictures
    return TRUE;
}

void CMainFrameEventImp::BuildMenu()
{
    if (!m_pMenu)
        return;
    m_pMenu->AddAction(GetLangString(L"Help").c_str(), kMainMenuHelp);
    m_pMenu->AddSeparator();
    m_pMenu->AddAction(GetLangString(L"About").c_str(), kMainMenuAbout);
    m_pMenu->AddSeparator();
    m_pMenu->AddAction(GetLangString(L"Language").c_str(), kMainMenuLanguage);
    m_pMenu->AddSeparator();
}

void CMainFrameEventImp::OnDlgSize(UINT /*type*/, int& cx, int& cy)
{
    if (!m_pToolBar || m_nLayoutLocked == 1)
        return;
    if (CSFView* bar = m_pToolBar->GetView()) {
        RECT rc = {1, 1, cx - 2, 57};
        bar->MoveWindow(&rc);
    }
    if (m_pMainPage) {
        if (CSFView* page = m_pMainPage->GetView()) {
            RECT rc = {1, 58, cx - 2, cy - 2};
            page->MoveWindow(&rc);
        }
    }
}

int CMainFrameEventImp::Dlg_Close()
{
    CConfigManager::GetInstance().SaveConfig();
    return 0;
}

void CMainFrameEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT key)
{
    if (key == VK_F1)
        OpenManual();
}

void CMainFrameEventImp::OnMsgScreenLock(int /*locked*/) {}

void CMainFrameEventImp::Menu_OnAction(int id)
{
    switch (id) {
    case kMainMenuHelp: {
        const std::wstring text = GetLangString(kHelpTextKey);
        const std::wstring caption = GetLangString(L"Help");
        ShowSFMessageBox(text.c_str(), caption.c_str(), GetUIWnd(), 0, 0);
        break;
    }
    case kMainMenuAbout:
        if (m_pAboutDlg) {
            if (CSFDialog* dlg = m_pAboutDlg->GetDlg()) {
                dlg->CenterWindow(nullptr);
                dlg->DoModalDlg();
            }
        }
        break;
    case kMainMenuLanguage:
        // The page flips the language id before it re-reads its texts; without a page the
        // frame flips it so that everything else still follows.
        if (m_pMainPage) {
            m_pMainPage->RefreshText();
        } else {
            CConfigManager& config = CConfigManager::GetInstance();
            config.SetLangId(config.GetLangId() == 0 ? 1 : 0);
        }
        if (m_pAboutDlg)
            m_pAboutDlg->RefreshText();
        if (m_pToolBar)
            m_pToolBar->RefreshText();
        if (m_pMenu) {
            m_pMenu->Clear();
            BuildMenu();
        }
        break;
    default:
        break;
    }
}

void CMainFrameEventImp::PopupMenu(int x, int y)
{
    if (m_pMenu)
        m_pMenu->Popup(x, y);
}

void CMainFrameEventImp::SetTitle()
{
    if (!m_pFrameDlg)
        return;
    const std::wstring title =
        QStringToWide(QCoreApplication::translate("CMainFrameEventImp", "ProductName"));
    m_pFrameDlg->SetWindowTextW(title.c_str());
}

int CMainFrameEventImp::ShowMessage(const wchar_t* text, const wchar_t* caption, int type)
{
    return ShowSFMessageBox(text, caption, GetUIWnd(), type, 0);
}

// ---- recorder tables --------------------------------------------------------------------

std::string CMainFrameEventImp::CapabilityTablePath(const std::wstring& appDir)
{
    return sfwin::WideToUtf8(appDir + L"/Tessaly.xml");
}

std::string CMainFrameEventImp::ModelTablePath(const std::wstring& appDir)
{
    return sfwin::WideToUtf8(appDir + L"/NVRSpec.xml");
}

void CMainFrameEventImp::LoadCapabilityTable()
{
    const std::string path = CapabilityTablePath(SF_GetAppDirPath());
    if (m_pTablesReader)
        m_pTablesReader->LoadCapabilityTable(path, m_capability);
    else
        ::LoadCapabilityTable(path, m_capability);
}

void CMainFrameEventImp::LoadModelTable()
{
    const std::string path = ModelTablePath(SF_GetAppDirPath());
    if (m_pTablesReader)
        m_pTablesReader->LoadModelTable(path, m_models);
    else
        ::LoadModelTable(path, m_models);
}

void CMainFrameEventImp::SaveCapabilityTable()
{
    ::SaveCapabilityTable(CapabilityTablePath(SF_GetAppDirPath()), m_capability);
}

void CMainFrameEventImp::SaveModelTable() { ::SaveModelTable(ModelTablePath(SF_GetAppDirPath()), m_models); }

// ---- manual -----------------------------------------------------------------------------

std::string CMainFrameEventImp::ManualPath()
{
    const std::wstring name = GetLangString(L"Operation Manual.pdf");
    return sfwin::WideToUtf8(SF_GetAppDirPath() + L"/" + name);
}

bool CMainFrameEventImp::OpenManual()
{
    const std::string path = ManualPath();
    // A missing manual stays silent, whatever the desktop's opener would say about it.
    if (!QFileInfo(QString::fromUtf8(path.c_str())).isFile())
        return false;
    SF_SOFT_BASE::CSFSystem::ShellOpen(path.c_str());
    return true;
}
