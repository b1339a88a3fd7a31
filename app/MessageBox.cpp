#include "app/MessageBox.h"

#include "app/FrameDialogStyle.h"
#include "app/MsgDlgEventImp.h"
#include "base/compat/sf_winapi.h"

#include <QWidget>

#include <cstring>
#include <memory>
#include <new>
#include <string>

int ShowSFMessageBox(const wchar_t* text, const wchar_t* caption, void* parent, int type, int value2)
{
    std::unique_ptr<CMsgDlgEventImp> sink(new (std::nothrow) CMsgDlgEventImp(text, caption, type, value2));
    if (!sink)
        return kMsgBoxResultFailed;

    CSFDialog* dlg = SF_CreateDialog(sink.get(), static_cast<QWidget*>(parent), 0);
    if (!dlg)
        return kMsgBoxResultFailed;
    sink->SetDlg(dlg);

    DialogStyle style;
    SetFrameDialogStyle(style);
    dlg->SetSkin(&style);
    // The sink builds the box when the run starts (Dlg_OnInitDialog with 0).
    const int result = dlg->DoModalDlg();

    // The dialog goes before its sink: it calls the sink back while it dies.
    SF_DestroyDialog(dlg);
    sink->SetDlg(nullptr);
    return result;
}

// ---- set-text helpers -------------------------------------------------------------------

namespace {

constexpr std::size_t kControlTextBytes = 64;

std::wstring IntText(int value) { return std::to_wstring(value); }

}  // namespace

std::wstring ControlTextFromUtf8(const char* utf8Text)
{
    if (!utf8Text)
        return std::wstring();
    std::size_t n = ::strnlen(utf8Text, kControlTextBytes);
    if (n == kControlTextBytes && utf8Text[n] != '\0') {
        // Cut back to the first byte of the character that does not fit whole.
        while (n > 0 && (static_cast<unsigned char>(utf8Text[n]) & 0xC0) == 0x80)
            --n;
    }
    return sfwin::Utf8ToWide(utf8Text, n);
}

void SetControlText(CSFEditCtrl* control, const char* utf8Text)
{
    if (control)
        control->SetWindowTextW(ControlTextFromUtf8(utf8Text).c_str());
}

void SetControlText(CSFButton* control, const char* utf8Text)
{
    if (control)
        control->SetWindowTextW(ControlTextFromUtf8(utf8Text).c_str());
}

void SetControlText(CSFStatic* control, const char* utf8Text)
{
    if (control)
        control->SetStaticText(ControlTextFromUtf8(utf8Text).c_str());
}

void SetControlInt(CSFEditCtrl* control, int value)
{
    if (control)
        control->SetWindowTextW(IntText(value).c_str());
}

void SetControlInt(CSFButton* control, int value)
{
    if (control)
        control->SetWindowTextW(IntText(value).c_str());
}

void SetControlInt(CSFStatic* control, int value)
{
    if (control)
        control->SetStaticText(IntText(value).c_str());
}

void SetItemText(CSFListCtrl* control, int row, int column, const char* utf8Text)
{
    if (control)
        control->SetItemText(row, column,
                             sfwin::Utf8ToWide(utf8Text, utf8Text ? std::strlen(utf8Text) : 0).c_str());
}

void SetItemInt(CSFListCtrl* control, int row, int column, int value)
{
    if (control)
        control->SetItemText(row, column, IntText(value).c_str());
}
