// The program's message box entry and the helpers that put UTF-8 text into controls.
#pragma once

#include "skin/SFEntry.h"
#include "skin/ext/SFInterfaceExt.h"

// Message box types.
enum : int
{
    kMsgBoxOk = 0,        // a notice: OK only
    kMsgBoxOkCancel = 1,  // a question: OK and Cancel
};

// Message box results.
enum : int
{
    kMsgBoxResultOk = 1,
    kMsgBoxResultCancel = 2,
    kMsgBoxResultFailed = 0,  // the dialog could not be made
};

// Shows the skinned message box modally over parent (a window handle as given by
// GetUIWnd, may be NULL) and returns when the user answered: 1 for OK, 2 for Cancel,
// Esc or the box's close button; 0 when the dialog could not be made. A NULL text or
// caption shows empty. value2 is kept with the box and not used. The dialog and its sink
// are gone when the call returns.
int ShowSFMessageBox(const wchar_t* text, const wchar_t* caption, void* parent, int type, int value2);

// The wide form of UTF-8 text for a control's set-text operation: at most the first
// 64 bytes of utf8 are used (cut back to a whole character). NULL gives an empty text.
std::wstring ControlTextFromUtf8(const char* utf8Text);

// Set-text helpers over UTF-8 text and ints (printed with "%d"). A NULL control is ignored.
void SetControlText(CSFEditCtrl* control, const char* utf8Text);
void SetControlText(CSFButton* control, const char* utf8Text);
void SetControlText(CSFStatic* control, const char* utf8Text);
void SetControlInt(CSFEditCtrl* control, int value);
void SetControlInt(CSFButton* control, int value);
void SetControlInt(CSFStatic* control, int value);
// A list control's cell text from UTF-8 (the whole text) or from an int.
void SetItemText(CSFListCtrl* control, int row, int column, const char* utf8Text);
void SetItemInt(CSFListCtrl* control, int row, int column, int value);
