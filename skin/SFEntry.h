// Exported face: other programs are built against this header. Names and their spellings, the
// arguments of the functions and the layout of the records must never change.
// The entry layer: the flat functions through which an owner starts the framework, makes and
// releases controls, sends UI messages (SFMsgMap.h) and reaches the process-wide services.
// The owner never names a Qt implementation class: every control is made here and handed
// out as its facade.
#pragma once

#include "base/compat/sf_windows.h"
#include "skin/SFInterface.h"
#include "skin/SFMsgMap.h"

#include <cstddef>
#include <new>
#include <string>

class QApplication;
class QRect;
class QWidget;

// The record a thread-start adapter receives: after the first field come the function to
// run and its two values.
typedef void (*SF_THREAD_FUNC)(void* value1, void* value2);
struct SF_THREAD_START
{
    void* reserved;
    SF_THREAD_FUNC pfn;
    void* value1;
    void* value2;
};

extern "C" {

// ---- Start-up ---------------------------------------------------------------------------
void SF_Initialize();
// Stores the application object and makes the application folder the current directory.
void SF_InitApplication(QApplication* app);
// Loads and applies a style sheet (nothing before SF_InitApplication).
void SF_LoadStyleSheet(std::wstring path);
// The skin folder, with its trailing "/": picture names are appended directly.
void SF_SetSkinPath(std::wstring path);

// ---- Paths and text ---------------------------------------------------------------------
// The application folder without a trailing separator; empty before SF_InitApplication.
std::wstring SF_GetAppDirPath();
std::wstring SF_GetEmptyPath();
// Converts UTF-8 text to the local 8-bit encoding into out (size bytes with the NUL).
// Returns 1; when the text does not fit, writes an empty string and returns 0.
int SF_Utf8ToLocal8Bit(const char* utf8, char* out, std::size_t size);
// The primary screen's geometry; all zero before SF_InitApplication. Returns 0.
int SF_GetScreenRect(QRect* out);
// ---- Factories: the control's facade, or NULL ------------------------------------------
CSFDialog* SF_CreateDialog(ISFDialogEvent* pEvent, QWidget* parent, int flags);
CSFDialog* SF_CreateMainWindow(ISFDialogEvent* pEvent, QWidget* parent);
CSFButton* SF_CreateButton(ISFButtonEvent* pEvent);
CSFCheckBox* SF_CreateCheckBox(ISFCheckBoxEvent* pEvent);
CSFRadioBox* SF_CreateRadioBox(ISFRadioBoxEvent* pEvent);
CSFEditCtrl* SF_CreateEditCtrl(ISFEditCtrlEvent* pEvent);
CSFComboBox* SF_CreateComboBox(ISFComboBoxEvent* pEvent);
CSFListBox* SF_CreateListBox(ISFListBoxEvent* pEvent);
CSFGroupBox* SF_CreateGroupBox(ISFGroupBoxEvent* pEvent);
CSFStatic* SF_CreateStatic(ISFStaticEvent* pEvent);
CSFPictureCtrl* SF_CreatePictureCtrl(ISFPictureCtrlEvent* pEvent);
CSFSliderCtrl* SF_CreateSliderCtrl(ISFSliderCtrlEvent* pEvent);
CSFProgressCtrl* SF_CreateProgressCtrl(ISFProgressCtrlEvent* pEvent);
CSFFrameWnd* SF_CreateFrameWnd(ISFFrameEvent* pEvent);
CSFChildWnd* SF_CreateChildWnd(ISFChildWndEvent* pEvent);
CSFView* SF_CreateView(ISFViewEvent* pEvent);
CSFMenu* SF_CreateMenu(ISFMenuEvent* pEvent);

// These facades have no implementation: the factories always return NULL.
CSFTabCtrl* SF_CreateTabCtrl();
CSFMonthCalCtrl* SF_CreateMonthCalCtrl();
CSFIPAddressCtrl* SF_CreateIPAddressCtrl();
CSFControlBar* SF_CreateControlBar();
CSFWndTabBar* SF_CreateWndTabBar();
CSFPlayControlPanel* SF_CreatePlayControlPanel();

// ---- Destroy entries (NULL is accepted) -------------------------------------------------
// Controls that can stand as top-level windows are deleted with everything they hold.
void SF_DestroyDialog(CSFDialog* p);
void SF_DestroyMainWindow(CSFDialog* p);
void SF_DestroyButton(CSFButton* p);
void SF_DestroyMenu(CSFMenu* p);
void SF_DestroyFrameWnd(CSFFrameWnd* p);
void SF_DestroyChildWnd(CSFChildWnd* p);
// Child controls are left alone: their Qt parent deletes them with itself.
void SF_DestroyCheckBox(CSFCheckBox* p);
void SF_DestroyRadioBox(CSFRadioBox* p);
void SF_DestroyEditCtrl(CSFEditCtrl* p);
void SF_DestroyComboBox(CSFComboBox* p);
void SF_DestroyListBox(CSFListBox* p);
void SF_DestroyGroupBox(CSFGroupBox* p);
void SF_DestroyStatic(CSFStatic* p);
void SF_DestroyPictureCtrl(CSFPictureCtrl* p);
void SF_DestroySliderCtrl(CSFSliderCtrl* p);
void SF_DestroyProgressCtrl(CSFProgressCtrl* p);
void SF_DestroyView(CSFView* p);
// ---- Platform hooks (no effect on this platform) ----------------------------------------
void SF_InstallHooks();
void SF_RemoveHooks();
int SF_FilterKeyMessage(void* msg);    // 0: not filtered
int SF_FilterMouseMessage(void* msg);  // 0: not filtered
// Runs record->pfn(record->value1, record->value2) and returns 0.
unsigned int SF_ThreadStartAdapter(void* record);

// ---- Shell file associations (see SFFileAssoc.h) ----------------------------------------
// Makes files with the extension ext (with its leading dot) open in this program, with
// the icon iconPath. Returns 1 when something was written, 0 when everything was already in
// place or a write failed; with notify non-zero the desktop's databases are refreshed after
// a successful write.
int SF_RegisterFileAssociation(const wchar_t* ext, const wchar_t* iconPath, int notify);
// 1 when every piece of the association of ext with this program is in place, else 0.
int SF_IsFileAssociated(const wchar_t* ext);

}  // extern "C"

namespace SFEntryDetail {

// What a factory does: allocate the Qt implementation and construct it; NULL when either
// fails. A factory returns the result as its facade type.
template <class Impl, class... Args>
Impl* NewControl(Args... args)
{
    try {
        return new (std::nothrow) Impl(args...);
    } catch (...) {
        return nullptr;
    }
}

}  // namespace SFEntryDetail
