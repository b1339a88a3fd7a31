// The skinned top-level main window: the frameless, skin-drawn counterpart of CSFQTDialog on
// a Qt main window. It keeps its own maximised state (the primary screen's work area), reports
// key releases too, and maps the session lock and unlock messages to OnMsgScreenLock.
#pragma once

#include "skin/SFQTSkinWindow.h"

#include <QMainWindow>

class QPropertyAnimation;

class CSFQTMainWindow : public CSFQTSkinWindow<CSFQTMainWindow, QMainWindow>
{
    Q_OBJECT

public:
    CSFQTMainWindow(ISFDialogEvent* pEvent, QWidget* parent);
    ~CSFQTMainWindow() override;

    using CSFQTSkinFrame::SetDlgIcon;

    // ---- CSFDialog ----------------------------------------------------------------------
    // No modal run: returns -1.
    int DoModalDlg() override;
    // Centres within the parent, or within the screen's work area without one.
    void CenterWindow(void** unused) override;
    void SetSkin(DialogStyle* style) override;
    // Whether the window is maximised by MacShowMaximize.
    int IsDlgZoomed() override;
    int ModifyDlgStyleEx(DWORD remove, DWORD add, UINT flags) override;
    void SetWindowTextW(const wchar_t* text) override;
    // The skin picture name becomes the icon of the window and of the application.
    void SetDlgIcon(const wchar_t* name) override;
    // true: fills the primary screen's work area, remembering the geometry; true again or
    // false: back to that geometry. false on a window not so maximised does nothing.
    void MacShowMaximize(bool on) override;

    // A platform window message. The session change (0x2B1) reports a lock (7) or an
    // unlock (8) to the sink. Always returns false (the message goes on).
    bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // The geometry MacShowMaximize returns to.
    QRect NormalGeometry() const { return m_normalGeometry; }

Q_SIGNALS:
    void sgnClose();
    void sgnMaximized();
    void sgnMinimized();
    void sgnNormal();

protected Q_SLOTS:
    void OnSwitchSize();
    void OnAniShowMaxFinished();
    void OnAniShowNorFinished();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    // The title goes to the label (left, black) and is the window title too.
    void SetTitleText(const QString& text) override;
    // OK: the sink's Dlg_OnOK only. Cancel: the sink loses its window pointer, Dlg_OnCancel,
    // then the window is closed (asking Dlg_Close).
    void DoOK() override;
    void DoCancel() override;
    // A frame picture at least as large as the window is cropped, not composed.
    void PaintWindowPicture(QPainter& p, int w, int h) const override;
    // Ends the application's event loop once no other top-level window is left open.
    void QuitIfLastWindow();

    QRect m_normalGeometry;
    QPropertyAnimation* m_pAnimation;  // never made; kept for the maximise paths
    bool m_bMaximized;
};
