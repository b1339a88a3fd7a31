// Entry layer: start-up, paths, the factories and destroy entries of the core controls, and
// the platform hooks. The extended controls' entries are in ext/SFEntryExt.cpp, the file
// associations in SFFileAssoc.cpp.
//
// A factory returns NULL until its control exists; a control plugs in by including its
// header here and returning SFEntryDetail::NewControl<CSFQT...>(arguments) from its factory.
#include "skin/SFEntry.h"

#include "skin/SFQTButton.h"
#include "skin/SFQTCheckBox.h"
#include "skin/SFQTChildWnd.h"
#include "skin/SFQTComboBox.h"
#include "skin/SFQTDialog.h"
#include "skin/SFQTEditCtrl.h"
#include "skin/SFQTFrame.h"
#include "skin/SFQTGroupBox.h"
#include "skin/SFQTListBox.h"
#include "skin/SFQTMainWindow.h"
#include "skin/SFQTMenu.h"
#include "skin/SFQTPictureCtrl.h"
#include "skin/SFQTProgressCtrl.h"
#include "skin/SFQTRadioBox.h"
#include "skin/SFQTSliderCtrl.h"
#include "skin/SFQTStatic.h"
#include "skin/SFQTView.h"
#include "skin/SFSkinString.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPoint>
#include <QRect>

namespace {

// The application object given to SF_InitApplication; NULL until then.
QApplication* g_pApplication = nullptr;

template <class Facade>
void DeleteControl(Facade* p)
{
    // The facade's virtual destructor releases the whole Qt object.
    delete p;
}

}  // namespace

// ---- Start-up ---------------------------------------------------------------------------

void SF_Initialize() {}

void SF_InitApplication(QApplication* app)
{
    g_pApplication = app;
    // The application folder as the framework reports it (a test may point it elsewhere).
    if (app)
        QDir::setCurrent(QString::fromStdWString(GetAppDirPath()));
}

void SF_LoadStyleSheet(std::wstring path)
{
    if (!g_pApplication)
        return;
    LoadStyleSheet(path);
}

void SF_SetSkinPath(std::wstring path) { SetSkinPath(path); }

// ---- Paths and text ---------------------------------------------------------------------

std::wstring SF_GetAppDirPath()
{
    if (!g_pApplication)
        return std::wstring();
    return GetAppDirPath();
}

std::wstring SF_GetEmptyPath() { return std::wstring(); }

int SF_Utf8ToLocal8Bit(const char* utf8, char* out, std::size_t size)
{
    return Utf8ToLocal8Bit(utf8, out, size) ? 1 : 0;
}

int SF_GetScreenRect(QRect* out)
{
    if (!out)
        return 0;
    if (!g_pApplication) {
        *out = QRect(QPoint(0, 0), QPoint(0, 0));
        return 0;
    }
    GetScreenRect(out);
    return 0;
}

// ---- Factories of the core controls -----------------------------------------------------

CSFDialog* SF_CreateDialog(ISFDialogEvent* pEvent, QWidget* parent, int flags)
{
    return SFEntryDetail::NewControl<CSFQTDialog>(pEvent, parent, flags);
}

CSFDialog* SF_CreateMainWindow(ISFDialogEvent* pEvent, QWidget* parent)
{
    return SFEntryDetail::NewControl<CSFQTMainWindow>(pEvent, parent);
}

CSFButton* SF_CreateButton(ISFButtonEvent* pEvent) { return SFEntryDetail::NewControl<CSFQTButton>(pEvent); }

CSFCheckBox* SF_CreateCheckBox(ISFCheckBoxEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTCheckBox>(pEvent);
}

CSFRadioBox* SF_CreateRadioBox(ISFRadioBoxEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTRadioBox>(pEvent);
}

CSFEditCtrl* SF_CreateEditCtrl(ISFEditCtrlEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTEditCtrl>(pEvent);
}

CSFComboBox* SF_CreateComboBox(ISFComboBoxEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTComboBox>(pEvent);
}

CSFListBox* SF_CreateListBox(ISFListBoxEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTListBox>(pEvent);
}

CSFGroupBox* SF_CreateGroupBox(ISFGroupBoxEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTGroupBox>(pEvent);
}

CSFStatic* SF_CreateStatic(ISFStaticEvent* pEvent) { return SFEntryDetail::NewControl<CSFQTStatic>(pEvent); }

CSFPictureCtrl* SF_CreatePictureCtrl(ISFPictureCtrlEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTPictureCtrl>(pEvent);
}

CSFSliderCtrl* SF_CreateSliderCtrl(ISFSliderCtrlEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTSliderCtrl>(pEvent);
}

CSFProgressCtrl* SF_CreateProgressCtrl(ISFProgressCtrlEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTProgressCtrl>(pEvent);
}

CSFFrameWnd* SF_CreateFrameWnd(ISFFrameEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTFrame>(pEvent);
}

CSFChildWnd* SF_CreateChildWnd(ISFChildWndEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTChildWnd>(pEvent);
}

CSFView* SF_CreateView(ISFViewEvent* pEvent) { return SFEntryDetail::NewControl<CSFQTView>(pEvent); }

CSFMenu* SF_CreateMenu(ISFMenuEvent* pEvent) { return SFEntryDetail::NewControl<CSFQTMenu>(pEvent); }

// ---- Facades without an implementation --------------------------------------------------

CSFTabCtrl* SF_CreateTabCtrl() { return nullptr; }

CSFMonthCalCtrl* SF_CreateMonthCalCtrl() { return nullptr; }

CSFIPAddressCtrl* SF_CreateIPAddressCtrl() { return nullptr; }

CSFControlBar* SF_CreateControlBar() { return nullptr; }

CSFWndTabBar* SF_CreateWndTabBar() { return nullptr; }

CSFPlayControlPanel* SF_CreatePlayControlPanel() { return nullptr; }

// ---- Destroy entries of the core controls -----------------------------------------------

void SF_DestroyDialog(CSFDialog* p) { DeleteControl(p); }
void SF_DestroyMainWindow(CSFDialog* p) { DeleteControl(p); }
void SF_DestroyButton(CSFButton* p) { DeleteControl(p); }
void SF_DestroyMenu(CSFMenu* p) { DeleteControl(p); }
void SF_DestroyFrameWnd(CSFFrameWnd* p) { DeleteControl(p); }
void SF_DestroyChildWnd(CSFChildWnd* p) { DeleteControl(p); }

void SF_DestroyCheckBox(CSFCheckBox* /*p*/) {}
void SF_DestroyRadioBox(CSFRadioBox* /*p*/) {}
void SF_DestroyEditCtrl(CSFEditCtrl* /*p*/) {}
void SF_DestroyComboBox(CSFComboBox* /*p*/) {}
void SF_DestroyListBox(CSFListBox* /*p*/) {}
void SF_DestroyGroupBox(CSFGroupBox* /*p*/) {}
void SF_DestroyStatic(CSFStatic* /*p*/) {}
void SF_DestroyPictureCtrl(CSFPictureCtrl* /*p*/) {}
void SF_DestroySliderCtrl(CSFSliderCtrl* /*p*/) {}
void SF_DestroyProgressCtrl(CSFProgressCtrl* /*p*/) {}
void SF_DestroyView(CSFView* /*p*/) {}

// ---- Platform hooks ---------------------------------------------------------------------

void SF_InstallHooks() {}

void SF_RemoveHooks() {}

int SF_FilterKeyMessage(void* /*msg*/) { return 0; }

int SF_FilterMouseMessage(void* /*msg*/) { return 0; }

unsigned int SF_ThreadStartAdapter(void* record)
{
    const SF_THREAD_START* start = static_cast<const SF_THREAD_START*>(record);
    if (start && start->pfn)
        start->pfn(start->value1, start->value2);
    return 0;
}
