// The date/time control: a spin field showing a date or a time of day in a format fixed by
// its type, skinned by a style sheet of border pictures. It reports every change of its
// value, whether the user or the owner (SetDate, SetTime) made it, once the toolkit has
// finished with the event or facade call that made it: the owner may delete the control from
// the notification.
//
// Create reads its rectangle one past, Win32-style, and does not consult the style: the
// control is visible with its parent. MoveWindow(RECT*) reads its rectangle inclusive.
#pragma once

#include "skin/SFQTHeldReports.h"
#include "skin/ext/SFInterfaceExt.h"

#include <QDateTime>
#include <QDateTimeEdit>
#include <QString>

#include <string>

// The date/time skin, wide strings: [1] the field's border picture, [2]..[5] the down
// button's normal, hover, pressed and disabled pictures, [6]..[9] the up button's; file names
// in the skin folder. [0] is not read.
struct ImageDateTimeStyle : SFWideStringRecord<10>
{};

class CSFQTDateTimeCtrl : public QDateTimeEdit, public CSFDateTimeCtrl
{
    Q_OBJECT

public:
    // Type 0 shows "yyyy-MM-dd", 1 "hh:mm:ss", 2 "hh:mm"; any other type keeps the toolkit's
    // own format.
    CSFQTDateTimeCtrl(ISFDateTimeCtrlEvent* pEvent, int type);
    ~CSFQTDateTimeCtrl() override;
    CSFQTDateTimeCtrl(const CSFQTDateTimeCtrl&) = delete;
    CSFQTDateTimeCtrl& operator=(const CSFQTDateTimeCtrl&) = delete;

    // The display format of a type.
    static QString FormatOfType(int type);
    // The style sheet SetSkin sets for style, every picture named by its skin file path.
    static QString SkinStyleSheet(const ImageDateTimeStyle& style);

    // ---- CSFDateTimeCtrl ----
    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    // Origin style 1 or no record: 0 and nothing changes; else sets the skin's style sheet, 1.
    int SetSkin(ImageDateTimeStyle* style) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    void EnableWindow(int enable) override;
    void GetWindowRect(RECT* rc) override;  // the control's own {0, 0, width - 1, height - 1}
    // The read-outs write only hour, minute and second, or year, month and day; the setters
    // read only those; SetDate keeps the time a time field shows. The toolkit ignores a value it
    // cannot show (month 13, hour 25). A null record: 0.
    int GetTime(_SF_SYSTEMTIME* time) const override;
    int GetDate(_SF_SYSTEMTIME* date) const override;
    int SetTime(_SF_SYSTEMTIME* time) override;
    int SetDate(_SF_SYSTEMTIME* date) override;
    void SetOriginStyle(int style) override;  // 1: the plain toolkit look, SetSkin refused
    void SetDateRange(_SF_SYSTEMTIME* const& from, _SF_SYSTEMTIME* const& to) override;

    // ---- Read-outs of the Qt side ----
    int Type() const { return m_nType; }
    UINT ControlId() const { return m_nID; }

protected:
    // Every event the toolkit handles holds the changes it makes until it is done.
    bool event(QEvent* event) override;

private slots:
    void OnDateTimeChanged(const QDateTime& value);

private:
    void Report(const QDateTime& value);

    int m_nType;
    UINT m_nID;
    int m_nOriginStyle;
    CSFQTHeldReports m_reports;
};
