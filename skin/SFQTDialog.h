// The skinned top-level dialog: a frameless Qt dialog whose border, background, title
// buttons, rounded corners and title text come from a DialogStyle record. Owners reach it
// only through the CSFDialog facade returned by SF_CreateDialog, and hear of it through their
// ISFDialogEvent sink; commands sent to it go through the sink's message map, and the command
// ids 1 and 2 also act as OK and Cancel.
#pragma once

#include "skin/SFQTSkinWindow.h"

#include <QDialog>

class CSFQTDialog : public CSFQTSkinWindow<CSFQTDialog, QDialog>
{
    Q_OBJECT

public:
    // flags are the Qt window flags the dialog is made with; they are replaced at once by
    // dialog | frameless | system menu.
    CSFQTDialog(ISFDialogEvent* pEvent, QWidget* parent, int flags);
    ~CSFQTDialog() override;

    using CSFQTSkinFrame::SetDlgIcon;

    // ---- CSFDialog ----------------------------------------------------------------------
    // Runs the dialog modally: 1 after OK, 2 after Cancel or a close.
    int DoModalDlg() override;
    void CenterWindow(void** unused) override;
    void SetSkin(DialogStyle* style) override;
    int IsDlgZoomed() override;
    // remove and add are Qt window-flag bits.
    int ModifyDlgStyleEx(DWORD remove, DWORD add, UINT flags) override;
    void SetWindowTextW(const wchar_t* text) override;
    // The picture at path becomes the icon of the dialog and of the application.
    void SetDlgIcon(const wchar_t* path) override;
    void MacShowMaximize(bool on) override;
    int HasFocus() override;
    void SetFocus() override;
    int IsActiveWindow() override;
    void ActiveWindow() override;

    // ---- Qt -------------------------------------------------------------------------------
    // OK and Cancel: the sink's Dlg_OnOK / Dlg_OnCancel, then the Qt dialog's own.
    void accept() override;
    void reject() override;
    // Swallows every event of an object it is installed on.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Title alignment (0 left, 1 center, 2 right) and colour read from the skin.
    int TitleAlign() const { return m_nTitleAlign; }
    QColor TitleColor() const { return m_titleColor; }

Q_SIGNALS:
    void sgnClose();
    void sgnMaximized();
    void sgnMinimized();
    void sgnNormal();

protected Q_SLOTS:
    void OnSwitchSize();

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    // OK and Cancel are the Qt dialog's accept and reject.
    void DoOK() override;
    void DoCancel() override;
    void SetTitleText(const QString& text) override;
    const PictureTriple* TitlePictures() const override;

    int m_nTitleAlign;
    // Title-button pictures of buttons 1..4 (index button - 1): normal, hover, pressed.
    QPixmap m_buttonPictures[4][3];
    QColor m_titleColor;
};
