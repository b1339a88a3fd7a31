// The sink of the program's message box: a word-wrapped text, an OK button and, for a
// question, a Cancel button, with a close button in the caption. ShowSFMessageBox
// (MessageBox.h) makes one per call; its controls are built when the modal run starts.
#pragma once

#include "skin/SFEntry.h"

#include <string>

class CMsgDlgEventImp : public ISFDialogEvent, public ISFButtonEvent
{
public:
    // Control ids.
    enum : UINT
    {
        kIdOk = 1,
        kIdCancel = 2,
        kIdClose = 140,
    };

    // type: 0 OK only, 1 OK and Cancel, anything else no button. A NULL text or caption
    // is kept empty; value2 is kept and not read.
    CMsgDlgEventImp(const wchar_t* text, const wchar_t* caption, int type, int value2);
    ~CMsgDlgEventImp() override;
    CMsgDlgEventImp(const CMsgDlgEventImp&) = delete;
    CMsgDlgEventImp& operator=(const CMsgDlgEventImp&) = delete;

    SF_DECLARE_MSGMAP()

    // The dialog this sink serves (set by the message box entry before the run).
    void SetDlg(CSFDialog* dlg) { m_pDlg = dlg; }
    CSFDialog* GetDlg() const { return m_pDlg; }

    const std::wstring& GetText() const { return m_strText; }
    const std::wstring& GetCaption() const { return m_strCaption; }
    int GetType() const { return m_nType; }

    // With bCreate 0 (the modal run starting) builds the text and buttons, sizes the
    // dialog to them and centres it; with bCreate 1 does nothing. Returns 1.
    BOOL Dlg_OnInitDialog(bool bCreate) override;
    void Dlg_OnOK() override {}
    void Dlg_OnCancel() override {}
    void OnDlgSize(UINT /*type*/, int& /*cx*/, int& /*cy*/) override {}
    // The dialog is going: releases the buttons and forgets the controls.
    void Dlg_Destroy() override;
    // Esc cancels, Enter confirms.
    void OnDlgKeyDown(UINT modifiers, UINT key) override;

    // A press turns the OK or Cancel text white until the release.
    void BTN_OnLButtonDown(int id, UINT flags, POINT pt) override;
    void BTN_OnLButtonUp(int id, UINT flags, POINT pt) override;

    // Command 140 (the close button): cancel.
    void OnCloseButton();

private:
    // Moves the buttons of the box's type into a row centred below the text and shows
    // them; returns the bottom of that row (also for a type without buttons).
    int PlaceButtons(int textBottom);

    CSFDialog* m_pDlg;
    CSFStatic* m_pText;
    CSFButton* m_pOk;
    CSFButton* m_pCancel;
    CSFButton* m_pClose;
    std::wstring m_strText;
    std::wstring m_strCaption;
    int m_nType;
    int m_nValue2;
};
