#include "app/AboutDlgEventImp.h"

#include "app/ButtonPictures.h"
#include "app/FrameDialogStyle.h"
#include "app/MainFrameEventImp.h"
#include "base/compat/sf_winapi.h"
#include "base/lang_table.h"
#include "base/sf_stream_convert.h"
#include "base/sf_system.h"

#include <QWidget>

#include <boost/make_shared.hpp>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStyleText = WS_VISIBLE | WS_TABSTOP;

constexpr COLORREF kLinkNormal = 0x000000;
constexpr COLORREF kLinkPressed = 0xFFFFFF;
constexpr COLORREF kLinkHover = 0xFF0000;  // 0x00BBGGRR: blue

// The whole text of a button, however long: the read-out is retried with a larger buffer
// while it comes back full.
std::wstring ButtonText(CSFButton* button)
{
    std::vector<wchar_t> buffer(128, L'\0');
    for (;;) {
        std::fill(buffer.begin(), buffer.end(), L'\0');
        const int size = static_cast<int>(buffer.size());
        const int length = button->GetWindowTextW(buffer.data(), size);
        if (length < size - 1 || buffer.size() >= (1u << 20))
            break;
        buffer.resize(buffer.size() * 4);
    }
    buffer.back() = L'\0';
    return std::wstring(buffer.data());
}

// A mouse event on the button id recolours the link when that button is it.
void ColourLink(CSFButton* link, int id, COLORREF colour)
{
    if (id == static_cast<int>(CAboutDlgEventImp::kIdLink) && link)
        link->SetTextColor(colour);
}

}  // namespace

SF_BEGIN_MSGMAP(CAboutDlgEventImp)
    SF_ON_COMMAND(CAboutDlgEventImp::kIdLink, OnLinkClicked)
SF_END_MSGMAP()

CAboutDlgEventImp::CAboutDlgEventImp(const boost::shared_ptr<CMainFrameEventImp>& frame)
    : m_pDlg(nullptr),
      m_pFrame(frame),
      m_pPicture(nullptr),
      m_pVersion(nullptr),
      m_pCopyright(nullptr),
      m_pLink(nullptr),
      m_pClose(nullptr)
{}

CAboutDlgEventImp::~CAboutDlgEventImp()
{
    // The frame's window may have taken the dialog with it already: the dialog clears
    // the window pointer of its sink when it goes.
    if (m_pDlg && GetUIWnd())
        SF_DestroyDialog(m_pDlg);
    m_pDlg = nullptr;
}

int CAboutDlgEventImp::Create()
{
    DialogStyle style;
    SetFrameDialogStyle(style);

    QWidget* parent = nullptr;
    if (boost::shared_ptr<CMainFrameEventImp> frame = m_pFrame.lock()) {
        if (CSFDialog* frameDlg = frame->GetFrameDlg())
            parent = static_cast<QWidget*>(frameDlg->GetUIWnd());
    }

    m_pDlg = SF_CreateDialog(this, parent, 0);
    if (!m_pDlg)
        return -1;
    m_pDlg->SetSkin(&style);
    m_pDlg->Create(L"AboutDlg", nullptr);
    m_pDlg->SetWindowTextW(GetLangString(L"About").c_str());
    m_pDlg->MoveWindow(0, 0, 358, 250);
    m_pDlg->CenterWindow(nullptr);
    m_pDlg->SetDrawBackGround(1);
    m_pDlg->ShowWindow(0);
    return 0;
}

BOOL CAboutDlgEventImp::Dlg_OnInitDialog(bool bCreate)
{
    if (!bCreate)
        return TRUE;
    void* parent = GetUIWnd();

    m_pPicture = SF_CreatePictureCtrl(nullptr);
    if (m_pPicture) {
        m_pPicture->SetImage(L"AboutPic.png");
        m_pPicture->Create(L"", WS_CHILD | WS_VISIBLE, RECT{0, 27, 358, 105}, parent, 0);
    }

    m_pVersion = SF_CreateStatic(nullptr);
    if (m_pVersion) {
        m_pVersion->Create(GetLangString(L"ProductVer").c_str(), kStyleText, RECT{20, 115, 350, 135}, parent,
                           0);
        m_pVersion->SetTextAlignFlag(DT_LEFT | DT_TOP);
    }

    m_pCopyright = SF_CreateStatic(nullptr);
    if (m_pCopyright)
        m_pCopyright->Create(GetLangString(L"CopyrightString").c_str(), kStyleText, RECT{20, 140, 350, 160},
                             parent, 0);

    ImageButtonStyle style = PrefixedButtonPictures(L"close");
    m_pClose = SF_CreateButton(this);
    if (m_pClose) {
        m_pClose->Create(L"", WS_VISIBLE, RECT{329, 5, 353, 29}, parent, kIdClose);
        m_pClose->SetSkin(&style);
        m_pClose->SetToolTipText(GetLangString(L"Close").c_str());
    }

    // The link: its text on the monitor strip, left-aligned and vertically centred.
    style[0] = L"bg_monitor.png";
    style[1] = L"bg_monitor.png";
    style[2] = L"bg_monitor.png";
    m_pLink = SF_CreateButton(this);
    if (m_pLink) {
        m_pLink->SetTextAlign(DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        m_pLink->SetSkin(&style);
        m_pLink->Create(GetLangString(L"WebSite").c_str(), kStyleText, RECT{20, 165, 350, 185}, parent,
                        kIdLink);
        m_pLink->SetTextColor(kLinkNormal);
    }
    return TRUE;
}

void CAboutDlgEventImp::RefreshText()
{
    if (m_pDlg)
        m_pDlg->SetWindowTextW(GetLangString(L"About").c_str());
    if (m_pVersion)
        m_pVersion->SetStaticText(GetLangString(L"ProductVer").c_str());
    if (m_pCopyright)
        m_pCopyright->SetStaticText(GetLangString(L"CopyrightString").c_str());
}

void CAboutDlgEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT key)
{
    if (m_pDlg && (key == VK_ESCAPE || key == VK_RETURN))
        m_pDlg->MFCCancel();
}

void CAboutDlgEventImp::BTN_OnLButtonDown(int id, UINT /*flags*/, POINT /*pt*/)
{
    ColourLink(m_pLink, id, kLinkPressed);
}

void CAboutDlgEventImp::BTN_OnLButtonUp(int id, UINT /*flags*/, POINT /*pt*/)
{
    ColourLink(m_pLink, id, kLinkNormal);
}

void CAboutDlgEventImp::BTN_OnMouseMove(int id, UINT /*flags*/, POINT /*pt*/)
{
    ColourLink(m_pLink, id, kLinkHover);
}

void CAboutDlgEventImp::BTN_OnMouseLeave(int id, UINT /*flags*/, LPARAM /*lParam*/)
{
    ColourLink(m_pLink, id, kLinkNormal);
}

void CAboutDlgEventImp::OnLinkClicked()
{
    if (!m_pLink)
        return;
    const std::wstring address = ButtonText(m_pLink);
    if (address.empty())
        return;
    SF_SOFT_BASE::CSFSystem::ShellOpen(sfwin::WideToUtf8(address).c_str());
}

boost::shared_ptr<CAboutDlgEventImp> CreateAboutDlg(const boost::shared_ptr<CMainFrameEventImp>& frame)
{
    boost::shared_ptr<CAboutDlgEventImp> about = boost::make_shared<CAboutDlgEventImp>(frame);
    about->Create();
    return about;
}
