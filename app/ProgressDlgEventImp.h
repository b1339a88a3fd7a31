// The sink of a small wait dialog: a 100 x 100 dialog, centred on the screen, that plays an
// animation from the skin folder in its middle until its owner's timer 2 fires (or UI
// message 2 arrives), which cancels it. The program offers it; none of its windows uses it.
//
//     CProgressDlgEventImp sink(L"Waiting.gif", 32, 32);
//     CSFDialog* dlg = SF_CreateDialog(&sink, parent, 0);
//     sink.SetDlg(dlg);
//     dlg->SetDlgTimer(2, 3000);  // end the wait after 3 s
//     dlg->DoModalDlg();          // 2: cancelled
//     SF_DestroyDialog(dlg);      // before the sink goes
#pragma once

#include "skin/SFEntry.h"

#include <string>

class QLabel;
class QMovie;

class CProgressDlgEventImp : public ISFDialogEvent
{
public:
    // The timer (and UI message) id that ends the wait.
    enum : UINT
    {
        kIdClose = 2,
    };

    // name: the animation's file in the skin folder; width x height: its size in pixels.
    CProgressDlgEventImp(const wchar_t* name, int width, int height);
    // Stops and frees the animation; the label went with the dialog's window.
    ~CProgressDlgEventImp() override;
    CProgressDlgEventImp(const CProgressDlgEventImp&) = delete;
    CProgressDlgEventImp& operator=(const CProgressDlgEventImp&) = delete;

    SF_DECLARE_MSGMAP()

    // The dialog this sink serves.
    void SetDlg(CSFDialog* dlg) { m_pDlg = dlg; }

    // With bCreate 1 (Create) does nothing and returns 1. With 0 (the modal run starting)
    // centres the animation's label in the 100 x 100 dialog, starts the animation (a missing
    // file leaves the label empty), sizes the dialog and centres it on the screen; returns 0.
    BOOL Dlg_OnInitDialog(bool bCreate) override;
    // Timer 2 ends the wait once.
    void OnDlgTimer(UINT id) override;

    // Cancels the dialog.
    void OnCloseMessage();

    QLabel* Label() const { return m_pLabel; }
    QMovie* Movie() const { return m_pMovie; }

private:
    CSFDialog* m_pDlg;
    QLabel* m_pLabel;
    std::wstring m_strName;
    int m_nWidth;
    int m_nHeight;
    QMovie* m_pMovie;
};
