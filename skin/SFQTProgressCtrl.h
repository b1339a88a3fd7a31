// The skinned progress bar: a progress bar behind the CSFProgressCtrl facade, its text centred
// and shown, skinned by a style sheet with a tiled background picture and a chunk picture.
// Its sink is never called.
#pragma once

#include "skin/SFInterface.h"

#include <QProgressBar>
#include <QString>

class CSFQTProgressCtrl : public QProgressBar, public CSFProgressCtrl
{
    Q_OBJECT

public:
    explicit CSFQTProgressCtrl(ISFProgressCtrlEvent* pEvent);
    ~CSFQTProgressCtrl() override;
    CSFQTProgressCtrl(const CSFQTProgressCtrl&) = delete;
    CSFQTProgressCtrl& operator=(const CSFQTProgressCtrl&) = delete;

    // ---- Facade -------------------------------------------------------------------------
    // rc is read Win32-style (right and bottom exclusive); shown iff style has WS_VISIBLE.
    // Returns 1.
    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id) override;
    void SetCursor() override;
    // The style sheet of StyleSheetFor(*skin); NULL: 0, nothing changes.
    int SetSkin(ImageProgressCtrlStyle* skin) override;
    void ShowWindow(int show) override;
    // Corners inclusive.
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    // Returns 1 and changes nothing.
    int ModifyStyleEx(DWORD remove, DWORD add, UINT flags) override;
    int GetPos() override;
    void GetRange(int& min, int& max) override;
    void SetPos(int pos) override;
    void SetRange(int min, int max) override;
    // Neither steps: both return 0.
    int SetStep(int step) override;
    int StepIt() override;
    // Shows the percentage text iff visible is non-zero.
    void SetTextVisible(int visible) override;

    // The control id given to Create (-1 before).
    virtual UINT GetCtrlID() const;

    // The style sheet of a skin: a grey rounded border, background picture [1] and chunk
    // picture [0], each the skin folder followed by the name. The addresses are quoted, so
    // a folder with spaces or brackets still names its file.
    static QString StyleSheetFor(const ImageProgressCtrlStyle& skin);
};
