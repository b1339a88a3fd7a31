#include "app/MsgDlgEventImp.h"

#include "app/ButtonPictures.h"
#include "base/lang_table.h"

#include <algorithm>

namespace {

// Layout of the box, in dialog coordinates.
constexpr int kDialogWidth = 350;  // D.right: the dialog is read with inclusive corners
constexpr int kButtonWidth = 72;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 20;  // between OK and Cancel
constexpr int kRowGap = 10;     // text to buttons, buttons to the bottom edge
constexpr int kMinTextHeight = 50;

constexpr DWORD kStyleText = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kStyleHiddenButton = WS_TABSTOP;  // made hidden, shown once placed

constexpr COLORREF kTextWhite = 0xFFFFFF;
constexpr COLORREF kTextBlack = 0x000000;

}  // namespace

SF_BEGIN_MSGMAP(CMsgDlgEventImp)
    SF_ON_COMMAND(CMsgDlgEventImp::kIdClose, OnCloseButton)
SF_END_MSGMAP()

CMsgDlgEventImp::CMsgDlgEventImp(const wchar_t* text, const wchar_t* caption, int type, int value2)
    : m_pDlg(nullptr),
      m_pText(nullptr),
      m_pOk(nullptr),
      m_pCancel(nullptr),
      m_pClose(nullptr),
      m_strText(text ? text : L""),
      m_strCaption(caption ? caption : L""),
      m_nType(type),
      m_nValue2(value2)
{}

CMsgDlgEventImp::~CMsgDlgEventImp()
{
    // A dialog still using this sink goes first: it calls back Dlg_Destroy as it dies.
    if (m_pDlg)
        SF_DestroyDialog(m_pDlg);
    m_pDlg = nullptr;
}

BOOL CMsgDlgEventImp::Dlg_OnInitDialog(bool bCreate)
{
    if (bCreate)
        return TRUE;

    void* parent = GetUIWnd();
    RECT rcDlg = {0, 0, kDialogWidth, 140};
    RECT rcText = {20, 37, 330, 105};
    const RECT rcButton = {0, 0, kButtonWidth, kButtonHeight};

    // The text wraps inside its rectangle, which grows to the text and is at least 50 high.
    m_pText = SF_CreateStatic(nullptr);
    if (m_pText) {
        m_pText->SetTextAlignFlag(DT_EDITCONTROL | DT_WORDBREAK | DT_VCENTER);
        m_pText->Create(m_strText.c_str(), kStyleText, rcText, parent, 0);
        int w = 0;
        int h = 0;
        m_pText->GetTextSize(w, h);
        rcText.right = rcText.left + w;
        rcText.bottom = rcText.top + std::max(h, kMinTextHeight);
        m_pText->MoveWindow(&rcText);
    }

    // OK and Cancel are made hidden at the origin; PlaceButtons shows those of the box's type.
    ImageButtonStyle buttonStyle =
        ButtonPictures(L"btn_nor.png", L"btn_over.png", L"btn_down.png", L"btn_dis.png");

    m_pOk = SF_CreateButton(this);
    if (m_pOk) {
        m_pOk->SetSkin(&buttonStyle);
        m_pOk->Create(GetLangString(L"OK").c_str(), kStyleHiddenButton, rcButton, parent, kIdOk);
        m_pOk->ShowWindow(0);
    }
    m_pCancel = SF_CreateButton(this);
    if (m_pCancel) {
        m_pCancel->SetSkin(&buttonStyle);
        m_pCancel->Create(GetLangString(L"Cancel").c_str(), kStyleHiddenButton, rcButton, parent, kIdCancel);
        m_pCancel->ShowWindow(0);
    }

    rcDlg.bottom = PlaceButtons(rcText.bottom) + kRowGap;

    ImageButtonStyle closeStyle = PrefixedButtonPictures(L"close");
    m_pClose = SF_CreateButton(nullptr);
    if (m_pClose) {
        const int width = rcDlg.right - rcDlg.left;
        const RECT rcClose = {width - 29, 5, width - 5, 24};
        m_pClose->Create(L"", WS_VISIBLE, rcClose, parent, kIdClose);
        m_pClose->SetSkin(&closeStyle);
        m_pClose->SetToolTipText(GetLangString(L"Close").c_str());
    }

    if (m_pDlg) {
        m_pDlg->SetWindowTextW(m_strCaption.c_str());
        m_pDlg->MoveWindow(&rcDlg);
        m_pDlg->CenterWindow(nullptr);
    }
    return TRUE;
}

int CMsgDlgEventImp::PlaceButtons(int textBottom)
{
    // The button row sits 10 below the text whatever the type, so that a box without
    // buttons still holds its whole text.
    RECT rcButton = {0, 0, kButtonWidth, kButtonHeight};
    rcButton.top = textBottom + kRowGap;
    rcButton.bottom = rcButton.top + kButtonHeight;
    if (m_nType == 0) {
        rcButton.left = (kDialogWidth - kButtonWidth) / 2;
        rcButton.right = rcButton.left + kButtonWidth;
        if (m_pOk) {
            m_pOk->MoveWindow(&rcButton);
            m_pOk->ShowWindow(1);
        }
    } else if (m_nType == 1) {
        rcButton.left = (kDialogWidth - 2 * kButtonWidth - kButtonGap) / 2;
        rcButton.right = rcButton.left + kButtonWidth;
        RECT rcCancel = rcButton;
        rcCancel.left += kButtonWidth + kButtonGap;
        rcCancel.right += kButtonWidth + kButtonGap;
        if (m_pOk) {
            m_pOk->MoveWindow(&rcButton);
            m_pOk->ShowWindow(1);
        }
        if (m_pCancel) {
            m_pCancel->MoveWindow(&rcCancel);
            m_pCancel->ShowWindow(1);
        }
    }
    return rcButton.bottom;
}

void CMsgDlgEventImp::Dlg_Destroy()
{
    SF_DestroyButton(m_pOk);
    SF_DestroyButton(m_pCancel);
    SF_DestroyButton(m_pClose);
    SF_DestroyStatic(m_pText);
    m_pOk = nullptr;
    m_pCancel = nullptr;
    m_pClose = nullptr;
    m_pText = nullptr;
    m_pDlg = nullptr;
}

void CMsgDlgEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT key)
{
    if (!m_pDlg)
        return;
    if (key == VK_ESCAPE)
        m_pDlg->MFCCancel();
    else if (key == VK_RETURN)
        m_pDlg->MFCOK();
}

void CMsgDlgEventImp::BTN_OnLButtonDown(int id, UINT /*flags*/, POINT /*pt*/)
{
    if (id == static_cast<int>(kIdOk) && m_pOk)
        m_pOk->SetTextColor(kTextWhite);
    else if (id == static_cast<int>(kIdCancel) && m_pCancel)
        m_pCancel->SetTextColor(kTextWhite);
}

void CMsgDlgEventImp::BTN_OnLButtonUp(int id, UINT /*flags*/, POINT /*pt*/)
{
    if (id == static_cast<int>(kIdOk) && m_pOk)
        m_pOk->SetTextColor(kTextBlack);
    else if (id == static_cast<int>(kIdCancel) && m_pCancel)
        m_pCancel->SetTextColor(kTextBlack);
}

void CMsgDlgEventImp::OnCloseButton()
{
    if (m_pDlg)
        m_pDlg->MFCCancel();
}
