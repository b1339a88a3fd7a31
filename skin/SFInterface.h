// Exported face: other programs are built against this header. Names and their spellings, the
// order of the virtual operations and the layout of the records must never change.
// The exported interface of the core controls: for every control a facade class CSF<control>
// whose operations the owner calls, and a sink ISF<control>Event that the owner implements
// and the control calls back.
//
// The facade classes do nothing themselves: every operation has a default body giving 0,
// FALSE or NULL (the few exceptions are marked). The working control is a Qt class that
// derives from a Qt widget first and from the facade second and overrides the operations;
// the factories of SFEntry.h return its facade part. Text is NUL-terminated wide text;
// rectangles follow each control's own reading. UI window handles are the QWidget* of the
// window, passed as void*.
#pragma once

#include "base/compat/sf_windows.h"
#include "skin/SFEventBase.h"
#include "skin/SFSkinStyles.h"

// =========================================================================================
// Window and view sinks
// =========================================================================================

class ISFDialogEvent : public CSFEventBase
{
public:
    ISFDialogEvent() : m_pUIWnd(nullptr) {}
    ~ISFDialogEvent() override {}

    const SF_MSGMAP* GetSFMessageMap() override { return nullptr; }
    virtual BOOL Dlg_OnInitDialog(bool bCreate) = 0;
    virtual void Dlg_OnOK() {}
    virtual void Dlg_OnCancel() {}
    virtual void OnDlgSize(UINT /*type*/, int& /*cx*/, int& /*cy*/) {}
    virtual int Dlg_Close() { return 0; }
    virtual void Dlg_Destroy() {}
    virtual void OnDlgNcActivate(int /*active*/) {}
    virtual void OnDlgFileDrop(const wchar_t* /*path*/) {}
    virtual void OnDlgMouseLeave() {}
    virtual void OnDlgMouseHover() {}
    virtual void OnDlgShowWindow(int /*show*/, UINT /*status*/) {}
    virtual void OnDlgTimer(UINT /*id*/) {}
    virtual void OnDlgKeyDown(UINT /*modifiers*/, UINT /*key*/) {}
    virtual void OnDlgKeyUp(UINT /*modifiers*/, UINT /*key*/) {}
    virtual void OnMsgScreenLock(int /*locked*/) {}

    void* GetUIWnd() const { return m_pUIWnd; }

    // The window's QWidget*, written by the window when it is made and cleared when it goes.
    void* m_pUIWnd;
};

class ISFViewEvent : public CSFEventBase
{
public:
    ISFViewEvent() : m_pUIWnd(nullptr) {}
    ~ISFViewEvent() override {}

    const SF_MSGMAP* GetSFMessageMap() override { return nullptr; }
    virtual int OnCreate() { return 0; }
    virtual void OnDestroy() {}
    virtual void OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}
    virtual void OnLButtonDown(UINT /*flags*/, POINT /*pt*/) {}
    virtual void OnLButtonDblClk(UINT /*flags*/, POINT /*pt*/) {}

    void* GetUIWnd() const { return m_pUIWnd; }

    // The view's QWidget*, written by the view when it is made and cleared when it goes.
    void* m_pUIWnd;
};

// =========================================================================================
// Dialog and main window
// =========================================================================================

class CSFDialog
{
public:
    explicit CSFDialog(ISFDialogEvent* pEvent) : m_pEvent(pEvent)
    {
        if (m_pEvent)
            m_pEvent->m_pMessageIDs = nullptr;
    }
    CSFDialog(const CSFDialog&) = default;
    CSFDialog& operator=(const CSFDialog&) = default;
    virtual ~CSFDialog() {}

    virtual int* GetThisMessageIDs() { return m_pEvent ? m_pEvent->GetThisMessageIDs() : nullptr; }
    virtual int CreateDlg(void* /*parent*/) { return 0; }
    virtual int DoModalDlg() { return -1; }
    virtual int Create(const wchar_t* /*title*/, void* /*parent*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void MFCOK() {}
    virtual void MFCCancel() {}
    virtual void CenterWindow(void** /*unused*/) {}
    virtual void SetSkin(DialogStyle* /*style*/) {}
    virtual void Screen2Client(POINT* /*pt*/) {}
    virtual void Screen2Client(RECT* /*rc*/) {}
    virtual void GetDlgClientRect(RECT* /*rc*/) {}
    virtual void GetDlgWindowRect(RECT* /*rc*/) {}
    virtual void SendDlgMessage(UINT /*msg*/, UINT /*wParam*/, LONG /*lParam*/) {}
    virtual int IsDlgZoomed() { return 0; }
    virtual void SetDrawBackGround(int /*draw*/) {}
    virtual int DlgIsWindow() { return 0; }
    virtual int SetDlgWindowPos(void* /*after*/, int /*x*/, int /*y*/, int /*cx*/, int /*cy*/, UINT /*flags*/)
    {
        return 0;
    }
    virtual int ModifyDlgStyleEx(DWORD /*remove*/, DWORD /*add*/, UINT /*flags*/) { return 0; }
    virtual void SetWindowTextW(const wchar_t* /*text*/) {}
    virtual void SetDlgIcon(UINT /*resourceId*/) {}
    virtual void SetDlgIcon(const wchar_t* /*path*/) {}
    virtual int IsDlgVisible() { return 0; }
    virtual void EnableNcLBtnDown(int /*enable*/) {}
    virtual UINT SetDlgTimer(UINT /*id*/, UINT /*ms*/) { return 0; }
    virtual int KillDlgTimer(UINT /*id*/) { return 0; }
    virtual void SetSizeRoundCorner(const wchar_t* /*pair*/) {}
    virtual void MacShowFullScreen(bool /*on*/) {}
    virtual void MacShowMinimize(bool /*on*/) {}
    virtual void MacShowMaximize(bool /*on*/) {}
    virtual int HasFocus() { return 0; }
    virtual void SetFocus() {}
    virtual int IsActiveWindow() { return 0; }
    virtual void ActiveWindow() {}

    void* GetUIWnd() const { return m_pEvent ? m_pEvent->GetUIWnd() : nullptr; }

protected:
    ISFDialogEvent* m_pEvent;
};

// =========================================================================================
// Container view
// =========================================================================================

class CSFView
{
public:
    explicit CSFView(ISFViewEvent* pEvent) : m_pEvent(pEvent) {}
    CSFView(const CSFView&) = default;
    CSFView& operator=(const CSFView&) = default;
    virtual ~CSFView() {}

    virtual int Create(const wchar_t* /*className*/, const wchar_t* /*title*/, DWORD /*style*/,
                       const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/)
    {
        return 0;
    }
    virtual void ShowWindow(int /*show*/) {}
    virtual void SetBackground(const wchar_t* /*name*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void GetViewClientRect(RECT* /*rc*/) {}
    virtual void GetViewWindowRect(RECT* /*rc*/) {}
    virtual void Screen2Client(POINT* /*pt*/) {}
    virtual void Screen2Client(RECT* /*rc*/) {}
    virtual int isShow() { return 0; }
    virtual int isWindow() { return 0; }
    virtual int SubclassWindow() { return 0; }
    virtual void* UnsubclassWindow() { return nullptr; }
    virtual void SetRoundCornerRadius(UINT /*radius*/) {}
    virtual void SetBGClr(UINT /*color*/) {}
    virtual void SetParentWindow(void* /*parent*/, WINDOW_TYPE /*type*/) {}
    virtual void SetFrameClr(UINT /*color*/, int /*width*/) {}

    void* GetUIWnd() const { return m_pEvent ? m_pEvent->GetUIWnd() : nullptr; }

protected:
    ISFViewEvent* m_pEvent;
};

// =========================================================================================
// Menu
// =========================================================================================

class ISFMenuEvent
{
public:
    virtual void Menu_OnAction(int /*id*/) {}
};

class CSFMenu
{
public:
    explicit CSFMenu(ISFMenuEvent* pEvent) : m_pEvent(pEvent) {}
    CSFMenu(const CSFMenu&) = default;
    CSFMenu& operator=(const CSFMenu&) = default;
    virtual ~CSFMenu() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/) { return 0; }
    virtual int SetSkin() { return 0; }
    virtual void* AddMenu(const wchar_t* /*title*/) { return nullptr; }
    virtual void Popup(int /*x*/, int /*y*/) {}
    virtual void* AddAction(const wchar_t* /*text*/, int /*id*/) { return nullptr; }
    virtual void AddSeparator() {}
    virtual void Clear() {}

protected:
    ISFMenuEvent* m_pEvent;
};

// =========================================================================================
// Image button, check box, radio box
// =========================================================================================

class ISFButtonEvent
{
public:
    virtual void BTN_OnLButtonDown(int /*id*/, UINT /*flags*/, POINT /*pt*/) {}
    virtual void BTN_OnLButtonUp(int /*id*/, UINT /*flags*/, POINT /*pt*/) {}
    virtual void BTN_OnMouseMove(int /*id*/, UINT /*flags*/, POINT /*pt*/) {}
    virtual void BTN_OnMouseLeave(int /*id*/, UINT /*flags*/, LPARAM /*lParam*/) {}
    virtual void BTN_OnClicked(int /*id*/) {}
    virtual void BTN_OnCustomerClicked() {}  // kept: exported name
};

class CSFButton
{
public:
    explicit CSFButton(ISFButtonEvent* pEvent) : m_pEvent(pEvent), m_nID(static_cast<UINT>(-1)) {}
    CSFButton(const CSFButton&) = default;
    CSFButton& operator=(const CSFButton&) = default;
    virtual ~CSFButton() {}

    virtual BOOL Create(const wchar_t* /*text*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parent*/,
                        UINT /*id*/)
    {
        return FALSE;
    }
    virtual void SetCursor() {}
    virtual BOOL SetSkin(ImageButtonStyle* /*style*/) { return FALSE; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void SetTextColor(COLORREF /*color*/) {}
    virtual void SetTextOffset(int /*x*/, int /*y*/) {}
    virtual void SetTextAlign(UINT /*flags*/) {}
    virtual void SetTooltipEnable(int /*enable*/) {}
    virtual void SetToolTipText(const wchar_t* /*text*/) {}
    virtual int GetWindowTextW(wchar_t* /*buf*/, int /*size*/) { return 0; }
    virtual void SetWindowTextW(const wchar_t* /*text*/) {}
    virtual void GetBTNWindowRect(RECT* /*rc*/) {}
    virtual void EnableAnimation(int /*enable*/) {}
    virtual BOOL IsEnabled() { return TRUE; }
    virtual void SetBtnState(int /*state*/) {}
    virtual void SetIconPos(ICON_POS /*pos*/) {}

protected:
    ISFButtonEvent* m_pEvent;
    UINT m_nID;
};

class ISFCheckBoxEvent
{
public:
    virtual void BTN_OnLButtonDown() {}
    virtual void BTN_OnLButtonUp() {}
    virtual void BTN_OnMouseMove() {}
    virtual void Check_OnCheckStateChanged(int /*check*/, int /*id*/, POINT /*pt*/) {}
};

class CSFCheckBox
{
public:
    explicit CSFCheckBox(ISFCheckBoxEvent* pEvent) : m_pEvent(pEvent) {}
    CSFCheckBox(const CSFCheckBox&) = default;
    CSFCheckBox& operator=(const CSFCheckBox&) = default;
    virtual ~CSFCheckBox() {}

    virtual BOOL Create(const char* /*text*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parent*/,
                        UINT /*id*/)
    {
        return FALSE;
    }
    virtual void SetCursor() {}
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void SetCheck(int /*check*/) {}
    virtual int GetCheck(int* /*out*/) { return 0; }
    virtual int GetWindowTextW(wchar_t* /*buf*/, int /*size*/) { return 0; }
    virtual void SetWindowTextW(const wchar_t* /*text*/) {}
    virtual BOOL SetSkin(ImageCheckBox* /*style*/) { return FALSE; }
    virtual void EnableWindow(int /*enable*/) {}

protected:
    ISFCheckBoxEvent* m_pEvent;
};

class ISFRadioBoxEvent
{
public:
    virtual void RADIO_OnClicked(int /*check*/, int /*id*/, POINT /*pt*/) {}
    virtual void RADIO_OnShowWindow(int /*show*/, UINT /*status*/, int /*id*/) {}
};

class CSFRadioBox
{
public:
    explicit CSFRadioBox(ISFRadioBoxEvent* pEvent) : m_pEvent(pEvent) {}
    CSFRadioBox(const CSFRadioBox&) = default;
    CSFRadioBox& operator=(const CSFRadioBox&) = default;
    virtual ~CSFRadioBox() {}

    virtual BOOL Create(const wchar_t* /*text*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parent*/,
                        UINT /*id*/)
    {
        return FALSE;
    }
    virtual void SetCursor() {}
    virtual BOOL SetSkin(ImageRadioBox* /*style*/) { return FALSE; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void SetCheck(int /*check*/) {}
    virtual int GetCheck() { return 0; }
    virtual int GetWindowTextW(wchar_t* /*buf*/, int /*size*/) { return 0; }
    virtual void SetWindowTextW(const wchar_t* /*text*/) {}
    virtual void SetBoldHeavy(int /*bold*/) {}
    virtual void SetTextColor(COLORREF /*color*/) {}
    virtual void SetTextOffset(int /*offset*/) {}
    virtual void SetTextAlign(DWORD /*flags*/) {}
    virtual void GetRadioClientRect(RECT* /*rc*/) {}
    virtual void GetRadioWindowRect(RECT* /*rc*/) {}
    virtual void SetImageInfo(void* /*a*/, void* /*b*/) {}
    virtual void SetBkColor(COLORREF /*checked*/, COLORREF /*unchecked*/) {}
    virtual void SetBkRect(bool /*whole*/) {}
    virtual void SetTooltipEnable(int /*enable*/) {}
    virtual void SetToolTipText(const wchar_t* /*text*/) {}
    virtual int IsWindowVisible() { return 0; }
    virtual int IsWindow() { return 0; }
    virtual void Invalidate(int /*erase*/) {}
    virtual void SetEnabled(int /*enable*/) {}
    virtual void EnableAnimation(int /*enable*/) {}
    virtual void SetExpendBGImge(int /*tile*/) {}  // kept: exported name
    virtual void SetIconAlign(DWORD /*align*/) {}

protected:
    ISFRadioBoxEvent* m_pEvent;
};

// =========================================================================================
// Frame and child windows
// =========================================================================================

class ISFFrameEvent
{
public:
    ISFFrameEvent() : m_pUIWnd(nullptr) {}
    virtual void OnFrameCreate() = 0;
    virtual void OnDistroy() {}  // kept: exported name

    void* GetUIWnd() const { return m_pUIWnd; }
    // The frame's facade part (CSFFrameWnd*), written by the frame when it is made.
    void* m_pUIWnd;
};

class CSFFrameWnd
{
public:
    explicit CSFFrameWnd(ISFFrameEvent* pEvent) : m_pEvent(pEvent) {}
    CSFFrameWnd(const CSFFrameWnd&) = default;
    CSFFrameWnd& operator=(const CSFFrameWnd&) = default;
    virtual ~CSFFrameWnd() {}

    virtual BOOL Create(const wchar_t* /*className*/, const wchar_t* /*title*/, DWORD /*style*/,
                        const RECT& /*rc*/, void* /*parent*/, const wchar_t* /*menuName*/, DWORD /*exStyle*/,
                        void* /*context*/)
    {
        return FALSE;
    }
    virtual int CreateChildWnd() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void DockControlBar(void* /*bar*/, UINT /*dockBarId*/, const RECT* /*rc*/) {}
    virtual void UIEnableDocking(DWORD /*style*/) {}
    virtual void SetSkin(DialogStyle* /*style*/) {}

    void* GetUIWnd() const { return m_pEvent ? m_pEvent->GetUIWnd() : nullptr; }

protected:
    ISFFrameEvent* m_pEvent;
};

class ISFChildWndEvent
{
public:
    ISFChildWndEvent() : m_pUIWnd(nullptr) {}
    virtual void Dlg_OnCommand(UINT /*id*/) {}
    virtual int OnCreate() { return 0; }
    virtual void OnDestroy() {}

    void* GetUIWnd() const { return m_pUIWnd; }
    // The child window's facade part (CSFChildWnd*), written by the window when it is made.
    void* m_pUIWnd;
};

class CSFChildWnd
{
public:
    explicit CSFChildWnd(ISFChildWndEvent* pEvent) : m_pEvent(pEvent) {}
    CSFChildWnd(const CSFChildWnd&) = default;
    CSFChildWnd& operator=(const CSFChildWnd&) = default;
    virtual ~CSFChildWnd() {}

    virtual BOOL Create(UINT /*id*/, const char* /*title*/, int /*show*/) { return FALSE; }
    virtual void ShowWindow(int /*show*/) {}

    void* GetUIWnd() const { return m_pEvent ? m_pEvent->GetUIWnd() : nullptr; }

protected:
    ISFChildWndEvent* m_pEvent;
};

// =========================================================================================
// Edit control
// =========================================================================================

class ISFEditCtrlEvent
{
public:
    // text: the control's whole current text, valid only during the call.
    virtual void EDIT_OnTextChange(UINT /*id*/, wchar_t* /*text*/) {}
    virtual void EDIT_OnEnterPressed(UINT /*id*/, wchar_t* /*text*/) {}
    virtual void EDIT_OnEditingFinished(UINT /*id*/, wchar_t* /*text*/) {}
};

class CSFEditCtrl
{
public:
    explicit CSFEditCtrl(ISFEditCtrlEvent* pEvent) : m_pEvent(pEvent), m_nID(static_cast<UINT>(-1)) {}
    CSFEditCtrl(const CSFEditCtrl&) = default;
    CSFEditCtrl& operator=(const CSFEditCtrl&) = default;
    virtual ~CSFEditCtrl() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/,
                       bool /*password*/)
    {
        return 0;
    }
    virtual void SetCursor() {}
    virtual int SetSkin(const wchar_t* /*picture*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int GetWindowTextW(wchar_t* /*buf*/, int /*size*/) const { return 0; }
    virtual void SetWindowTextW(const wchar_t* /*text*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void SetReadOnly(int /*readOnly*/) {}
    virtual void GetEditCtrolPos(RECT& /*rc*/) {}  // kept: exported name
    virtual void SetRegExp() {}
    virtual void InputNumberOnly() {}

protected:
    ISFEditCtrlEvent* m_pEvent;
    UINT m_nID;
};

// =========================================================================================
// Combo box
// =========================================================================================

class ISFComboBoxEvent
{
public:
    virtual void SelectChanged(int /*id*/, int /*sel*/) {}
};

class CSFComboBox
{
public:
    explicit CSFComboBox(ISFComboBoxEvent* pEvent) : m_pEvent(pEvent), m_nID(static_cast<UINT>(-1)) {}
    CSFComboBox(const CSFComboBox&) = default;
    CSFComboBox& operator=(const CSFComboBox&) = default;
    virtual ~CSFComboBox() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageComboBoxStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int AddString(const wchar_t* /*text*/) { return 0; }
    virtual int DeleteString(UINT /*index*/) { return 0; }
    virtual int GetLBText(int /*index*/, wchar_t* /*buf*/) const { return 0; }
    virtual int GetCurSel() const { return -1; }
    virtual int SetCurSel(int /*index*/) { return 0; }
    virtual int GetCount() const { return 0; }
    virtual void EnableWindow(int /*enable*/) {}
    virtual void SetOriginStyle(int /*style*/) {}
    virtual void Clear() {}
    virtual void ResetContent() {}

protected:
    ISFComboBoxEvent* m_pEvent;
    UINT m_nID;
};

// =========================================================================================
// Static text, picture, list box, group box
// =========================================================================================

class ISFStaticEvent
{
public:
    virtual void STATIC_OnLButtonDown(UINT /*id*/, UINT /*flags*/, POINT /*pt*/) {}
    virtual void STATIC_OnLButtonUp(UINT /*id*/, UINT /*flags*/, POINT /*pt*/) {}
    virtual void STATIC_OnMouseMove(UINT /*id*/, UINT /*flags*/, POINT /*pt*/) {}
};

class CSFStatic
{
public:
    explicit CSFStatic(ISFStaticEvent* pEvent) : m_pEvent(pEvent), m_nID(static_cast<UINT>(-1)) {}
    CSFStatic(const CSFStatic&) = default;
    CSFStatic& operator=(const CSFStatic&) = default;
    virtual ~CSFStatic() {}

    virtual int Create(const wchar_t* /*text*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/,
                       UINT /*id*/)
    {
        return 0;
    }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int GetStaticText(wchar_t* /*buf*/, int /*size*/) const { return 0; }
    virtual void SetStaticText(const wchar_t* /*text*/) {}
    virtual void SetTextAlignFlag(UINT /*dtFlags*/) {}
    virtual UINT GetTextAlignFlag() { return 0; }
    virtual void SetTextColor(UINT /*colorref*/) {}
    virtual void SetTextBold(int /*bold*/) {}
    virtual void GetTextSize(int& /*w*/, int& /*h*/) {}
    virtual void SetBgColor(UINT /*colorref*/, int /*fill*/) {}
    virtual void SetTextSize(int /*px*/) {}
    virtual void GetStaticCtrolPos(RECT& /*rc*/) {}  // kept: exported name
    virtual void SetTextOffset(int /*x*/) {}
    virtual void SetWordWrap(int /*on*/) {}
    virtual int GetWordWrap() { return 0; }
    virtual void SetWrapAnywhere(int /*on*/) {}
    virtual int GetWrapAnywher() { return 0; }  // kept: exported name
    virtual void SetTooltipEnable(int /*enable*/) {}
    virtual void SetToolTipText(const wchar_t* /*text*/) {}
    virtual RECT GetGeometry() { return RECT{0, 0, 0, 0}; }

protected:
    ISFStaticEvent* m_pEvent;
    UINT m_nID;
};

class ISFPictureCtrlEvent
{
public:
    virtual void PICTRL_OnLButtonDown(UINT /*id*/, UINT /*flags*/, POINT /*pt*/) {}
    virtual void PICTRL_OnLButtonUp(UINT /*id*/, UINT /*flags*/, POINT /*pt*/) {}
    virtual void PICTRL_OnMouseMove(UINT /*id*/, UINT /*flags*/, POINT /*pt*/) {}
};

class CSFPictureCtrl
{
public:
    explicit CSFPictureCtrl(ISFPictureCtrlEvent* pEvent) : m_pEvent(pEvent), m_nID(static_cast<UINT>(-1)) {}
    CSFPictureCtrl(const CSFPictureCtrl&) = default;
    CSFPictureCtrl& operator=(const CSFPictureCtrl&) = default;
    virtual ~CSFPictureCtrl() {}

    virtual int Create(const wchar_t* /*text*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/,
                       UINT /*id*/)
    {
        return 0;
    }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void SetImage(const wchar_t* /*name*/) {}
    virtual void SetDrawPicture(int /*draw*/) {}
    virtual void* GetHWnd() { return nullptr; }
    virtual void SetWindowTextW(const wchar_t* /*text*/) {}

protected:
    ISFPictureCtrlEvent* m_pEvent;
    UINT m_nID;
};

class ISFListBoxEvent
{
public:
    // Mouse press, release and move over the list.
    virtual void LISTBOX_OnLButtonDown() = 0;
    virtual void LISTBOX_OnLButtonUp() = 0;
    virtual void LISTBOX_OnMouseMove() = 0;
};

class CSFListBox
{
public:
    explicit CSFListBox(ISFListBoxEvent* pEvent) : m_pEvent(pEvent) {}
    CSFListBox(const CSFListBox&) = default;
    CSFListBox& operator=(const CSFListBox&) = default;
    virtual ~CSFListBox() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int GetCount() { return 0; }
    virtual int GetText(int /*index*/, wchar_t* /*buf*/) { return 0; }
    virtual int GetCurSel() { return 0; }
    virtual int SetCurSel(int /*index*/) { return 0; }
    virtual int AddString(const wchar_t* /*text*/) { return 0; }
    virtual int DeleteString(UINT /*index*/) { return 0; }

protected:
    ISFListBoxEvent* m_pEvent;
};

class ISFGroupBoxEvent
{
public:
    // Never called by the group box.
    virtual void GROUPBOX_OnLButtonDown() = 0;
    virtual void GROUPBOX_OnLButtonUp() = 0;
    virtual void GROUPBOX_OnMouseMove() = 0;
};

class CSFGroupBox
{
public:
    explicit CSFGroupBox(ISFGroupBoxEvent* pEvent) : m_pEvent(pEvent) {}
    CSFGroupBox(const CSFGroupBox&) = default;
    CSFGroupBox& operator=(const CSFGroupBox&) = default;
    virtual ~CSFGroupBox() {}

    virtual int Create(const wchar_t* /*text*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/,
                       UINT /*id*/)
    {
        return 0;
    }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void SetWindowTextW(const wchar_t* /*text*/) {}
    virtual int GetWindowTextW(wchar_t* /*buf*/, int /*size*/) { return 0; }

protected:
    ISFGroupBoxEvent* m_pEvent;
};

// =========================================================================================
// Slider and progress bar
// =========================================================================================

class ISFSliderCtrlEvent
{
public:
    virtual void SF_OnSliderPos(int /*id*/, int /*pos*/) {}
};

class CSFSliderCtrl
{
public:
    explicit CSFSliderCtrl(ISFSliderCtrlEvent* pEvent) : m_pEvent(pEvent), m_nID(static_cast<UINT>(-1)) {}
    CSFSliderCtrl(const CSFSliderCtrl&) = default;
    CSFSliderCtrl& operator=(const CSFSliderCtrl&) = default;
    virtual ~CSFSliderCtrl() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/,
                       SLIDER_RESPONSE_MODE /*mode*/)
    {
        return 0;
    }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageSliderStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int GetPos() const { return 0; }
    virtual void GetRange(int& /*min*/, int& /*max*/) const {}
    virtual void SetPos(int /*pos*/) {}
    virtual void SetRange(int /*min*/, int /*max*/, int /*redraw*/) {}
    virtual void SetTooltipEnable(int /*enable*/, int /*kind*/) {}
    virtual void EnableWindow(int /*enable*/) {}

protected:
    ISFSliderCtrlEvent* m_pEvent;
    UINT m_nID;
};

class ISFProgressCtrlEvent
{
public:
    // Never called by the progress bar.
    virtual void PROGRESS_OnLButtonDown() = 0;
    virtual void PROGRESS_OnLButtonUp() = 0;
    virtual void PROGRESS_OnMouseMove() = 0;
};

class CSFProgressCtrl
{
public:
    explicit CSFProgressCtrl(ISFProgressCtrlEvent* pEvent) : m_pEvent(pEvent), m_nID(static_cast<UINT>(-1)) {}
    CSFProgressCtrl(const CSFProgressCtrl&) = default;
    CSFProgressCtrl& operator=(const CSFProgressCtrl&) = default;
    virtual ~CSFProgressCtrl() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageProgressCtrlStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int ModifyStyleEx(DWORD /*remove*/, DWORD /*add*/, UINT /*flags*/) { return 0; }
    virtual int GetPos() { return 0; }
    virtual void GetRange(int& /*min*/, int& /*max*/) {}
    virtual void SetPos(int /*pos*/) {}
    virtual void SetRange(int /*min*/, int /*max*/) {}
    virtual int SetStep(int /*step*/) { return 0; }
    virtual int StepIt() { return 0; }
    virtual void SetTextVisible(int /*visible*/) {}

protected:
    ISFProgressCtrlEvent* m_pEvent;
    UINT m_nID;
};

// =========================================================================================
// Facades without an implementation: their factories return NULL, so only these defaults
// exist. Every operation does nothing and returns 0 where it has a result.
// =========================================================================================

class ISFTabCtrlEvent
{
public:
    virtual void TAB_OnSelChanging() = 0;
    virtual void TAB_OnSelChanged() = 0;
    virtual void TAB_OnClicked() = 0;
};

class CSFTabCtrl
{
public:
    explicit CSFTabCtrl(ISFTabCtrlEvent* pEvent) : m_pEvent(pEvent) {}
    CSFTabCtrl(const CSFTabCtrl&) = default;
    CSFTabCtrl& operator=(const CSFTabCtrl&) = default;
    virtual ~CSFTabCtrl() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int GetCurSel() const { return 0; }
    virtual DWORD GetExtendedStyle() { return 0; }
    virtual int GetItemCount() const { return 0; }
    virtual int SetCurSel(int /*index*/) { return 0; }
    virtual DWORD SetExtendedStyle(DWORD /*mask*/, DWORD /*style*/) { return 0; }
    virtual int DeleteAllItems() { return 0; }
    virtual int DeleteItem(int /*index*/) { return 0; }
    virtual LONG InsertItem(int /*index*/, const wchar_t* /*text*/) { return 0; }

protected:
    ISFTabCtrlEvent* m_pEvent;
};

class ISFMonthCalCtrlEvent
{
public:
    virtual void MONTHCAL_DateSelected(UINT /*id*/, _SF_SYSTEMTIME /*date*/) {}
};

class CSFMonthCalCtrl
{
public:
    explicit CSFMonthCalCtrl(ISFMonthCalCtrlEvent* pEvent) : m_pEvent(pEvent) {}
    CSFMonthCalCtrl(const CSFMonthCalCtrl&) = default;
    CSFMonthCalCtrl& operator=(const CSFMonthCalCtrl&) = default;
    virtual ~CSFMonthCalCtrl() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageMonthCalStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void GetClientRect(RECT* /*rc*/) {}
    virtual int GetCurSel(_SF_SYSTEMTIME* /*date*/) const { return 0; }
    virtual int GetToday(_SF_SYSTEMTIME* /*date*/) const { return 0; }
    virtual int SetCurSel(_SF_SYSTEMTIME* /*date*/) { return 0; }
    virtual void SetToday(_SF_SYSTEMTIME* /*date*/) {}

protected:
    ISFMonthCalCtrlEvent* m_pEvent;
};

class ISFIPAddressCtrlEvent
{
public:
    virtual void IP_OnFieldChanged() = 0;
    virtual void IP_OnSetFocus() = 0;
    virtual void IP_OnKillFocus() = 0;
};

class CSFIPAddressCtrl
{
public:
    explicit CSFIPAddressCtrl(ISFIPAddressCtrlEvent* pEvent) : m_pEvent(pEvent) {}
    CSFIPAddressCtrl(const CSFIPAddressCtrl&) = default;
    CSFIPAddressCtrl& operator=(const CSFIPAddressCtrl&) = default;
    virtual ~CSFIPAddressCtrl() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void SetAddress(DWORD /*address*/) {}
    virtual void SetAddress(BYTE /*f0*/, BYTE /*f1*/, BYTE /*f2*/, BYTE /*f3*/) {}
    virtual int GetAddress(DWORD& /*address*/) { return 0; }
    virtual int GetAddress(BYTE& /*f0*/, BYTE& /*f1*/, BYTE& /*f2*/, BYTE& /*f3*/) { return 0; }
    virtual void ClearAddress() {}

protected:
    ISFIPAddressCtrlEvent* m_pEvent;
};

class ISFControlBarEvent
{
public:
    ISFControlBarEvent() : m_pUIWnd(nullptr) {}
    virtual void CB_OnClose() = 0;

    void* GetUIWnd() const { return m_pUIWnd; }
    void* m_pUIWnd;
};

class CSFControlBar
{
public:
    explicit CSFControlBar(ISFControlBarEvent* pEvent) : m_pEvent(pEvent) {}
    CSFControlBar(const CSFControlBar&) = default;
    CSFControlBar& operator=(const CSFControlBar&) = default;
    virtual ~CSFControlBar() {}

    virtual int Create(void* /*parentUI*/, UINT /*id*/, DWORD /*style*/, const wchar_t* /*title*/)
    {
        return 0;
    }

    void* GetUIWnd() const { return m_pEvent ? m_pEvent->GetUIWnd() : nullptr; }

protected:
    ISFControlBarEvent* m_pEvent;
};

// A plain record holding only the UI window pointer.
struct ISFWndTabBarEvent
{
    void* GetUIWnd() const { return m_pUIWnd; }
    void* m_pUIWnd = nullptr;
};

class CSFWndTabBar
{
public:
    explicit CSFWndTabBar(ISFWndTabBarEvent* pEvent) : m_pEvent(pEvent) {}
    CSFWndTabBar(const CSFWndTabBar&) = default;
    CSFWndTabBar& operator=(const CSFWndTabBar&) = default;
    virtual ~CSFWndTabBar() {}

    virtual int Create(void* /*parentUI*/, UINT /*id*/) { return 0; }
    virtual void Add(void* /*window*/) {}
    virtual void Remove(void* /*window*/) {}

    void* GetUIWnd() const { return m_pEvent ? m_pEvent->GetUIWnd() : nullptr; }

protected:
    ISFWndTabBarEvent* m_pEvent;
};

class IPlayControlEvent
{
public:
    virtual void OnControlCommand(ControlIdentifier /*control*/, ControlStatus /*status*/) {}
    virtual void OnCBVolumeSlip(int /*pos*/) {}
    virtual void OnCBPlayModeSlip(int /*pos*/) {}
};

class CSFPlayControlPanel
{
public:
    explicit CSFPlayControlPanel(IPlayControlEvent* pEvent) : m_pEvent(pEvent) {}
    CSFPlayControlPanel(const CSFPlayControlPanel&) = default;
    CSFPlayControlPanel& operator=(const CSFPlayControlPanel&) = default;
    virtual ~CSFPlayControlPanel() {}

    virtual void SetBackground(const char* /*name*/) {}
    virtual void SetAnchor(ControlIdentifier /*control*/, RECT& /*rc*/) {}
    virtual void SetBtnAnchorSkin(ControlIdentifier /*control*/, ControlStatus /*status*/,
                                  ImageRadioBox /*skin*/)
    {}
    virtual void SetControlStatus(ControlIdentifier /*control*/, ControlStatus /*status*/) {}
    virtual int Create(void* /*parentUI*/) { return 0; }
    virtual void DoPaint() {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void ShowWindow(int /*show*/) {}
    virtual void SetThumbPosition(int /*pos*/, ControlIdentifier /*control*/) {}

    ControlStatus GetControlStatus(ControlIdentifier /*control*/) { return static_cast<ControlStatus>(0); }
    void SetSlipPosition(ControlIdentifier /*control*/, float /*pos*/) {}

protected:
    IPlayControlEvent* m_pEvent;
};
