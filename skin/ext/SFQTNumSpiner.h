// The number spinner: an integer field with up and down buttons, skinned by a generated style
// sheet. Every change of the value, by the user or by the owner, reaches the sink, once the
// toolkit has finished with the event or facade call that made it: the owner may delete the
// spinner from the notification.
//
// Create reads its rectangle one past, Win32-style (the widget covers left..right-1,
// top..bottom-1); MoveWindow(RECT*) reads inclusive corners.
#pragma once

#include "skin/SFQTHeldReports.h"
#include "skin/ext/SFInterfaceExt.h"

#include <QSpinBox>

class CSFQTNumSpiner : public QSpinBox, public CSFNumSpiner
{
    Q_OBJECT

public:
    explicit CSFQTNumSpiner(ISFNumSpinerEvent* pEvent);
    ~CSFQTNumSpiner() override;

    CSFQTNumSpiner(const CSFQTNumSpiner&) = delete;
    CSFQTNumSpiner& operator=(const CSFQTNumSpiner&) = delete;

    // The text is ignored. The spinner stays hidden until ShowWindow(1), whether or not its
    // parent is shown yet. Returns 1.
    BOOL Create(const wchar_t* text, const RECT& rc, void* parentUI, UINT id) override;
    void SetRange(int min, int max) override;
    void GetRange(int& min, int& max) override;
    void SetStep(int step) override;
    int GetStep() override;
    void SetCurrentNum(int value) override;  // clamped to the range
    int GetCurrentNum() override;
    void StepUp() override;
    void StepDown() override;
    // Applies the style sheet built from the record and returns 1; with the origin style on,
    // or without a record, changes nothing and returns 0.
    BOOL SetSkin(ImageNumSpinerStyle* style) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int cx, int cy) override;
    void EnableWindow(int enable) override;
    void SetCircleStep(int on) override;  // stepping past one end goes on from the other
    void SetOriginStyle(int style) override;

    UINT ControlId() const { return m_nID; }

protected:
    // Every event the toolkit handles holds the changes it makes until it is done.
    bool event(QEvent* event) override;

private slots:
    void OnValueChanged(int value);

private:
    UINT m_nID;
    int m_nOriginStyle;  // 1 keeps the platform look: SetSkin does nothing
    CSFQTHeldReports m_reports;
};
