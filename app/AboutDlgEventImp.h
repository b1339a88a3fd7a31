// The program's About dialog: a picture, the version and copyright lines, the web address
// as a link button and a close button. The main frame makes it hidden at start-up and runs
// it modally from its menu.
#pragma once

#include "skin/SFEntry.h"

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CMainFrameEventImp;

class CAboutDlgEventImp : public ISFDialogEvent, public ISFButtonEvent
{
public:
    // Control ids.
    enum : UINT
    {
        kIdClose = 2,
        kIdLink = 146,
    };

    // Use CreateAboutDlg; the frame is kept as a weak pointer (it may be empty).
    explicit CAboutDlgEventImp(const boost::shared_ptr<CMainFrameEventImp>& frame);
    // Destroys the dialog if it still exists.
    ~CAboutDlgEventImp() override;
    CAboutDlgEventImp(const CAboutDlgEventImp&) = delete;
    CAboutDlgEventImp& operator=(const CAboutDlgEventImp&) = delete;

    SF_DECLARE_MSGMAP()

    // Makes the dialog over the frame's window (358 x 250, centred, hidden) and its
    // controls. Returns 0, or -1 when the dialog could not be made.
    int Create();
    // The dialog (NULL before Create or when it could not be made): centre it and run it
    // with DoModalDlg.
    CSFDialog* GetDlg() const { return m_pDlg; }
    // Re-reads the caption, the version and the copyright line in the current language;
    // the link keeps its text.
    void RefreshText();

    // With bCreate 1 builds the controls. Returns 1.
    BOOL Dlg_OnInitDialog(bool bCreate) override;
    void Dlg_OnOK() override {}
    void Dlg_OnCancel() override {}
    void Dlg_Destroy() override {}
    // Esc and Enter close the dialog.
    void OnDlgKeyDown(UINT modifiers, UINT key) override;

    // The link's text colour follows the mouse: blue while hovered, white while pressed,
    // black otherwise.
    void BTN_OnLButtonDown(int id, UINT flags, POINT pt) override;
    void BTN_OnLButtonUp(int id, UINT flags, POINT pt) override;
    void BTN_OnMouseMove(int id, UINT flags, POINT pt) override;
    void BTN_OnMouseLeave(int id, UINT flags, LPARAM lParam) override;

    // Command 146: opens the link's text (the web address) with the shell.
    void OnLinkClicked();

private:
    CSFDialog* m_pDlg;
    boost::weak_ptr<CMainFrameEventImp> m_pFrame;
    CSFPictureCtrl* m_pPicture;
    CSFStatic* m_pVersion;
    CSFStatic* m_pCopyright;
    CSFButton* m_pLink;
    CSFButton* m_pClose;
};

// Makes the About sink in one allocation with its count and runs its Create.
boost::shared_ptr<CAboutDlgEventImp> CreateAboutDlg(const boost::shared_ptr<CMainFrameEventImp>& frame);
