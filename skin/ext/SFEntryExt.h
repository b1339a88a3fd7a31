// Exported face: other programs are built against this header. Names and their spellings, the
// arguments of the functions and the layout of the records must never change.
// The entry layer of the extended controls: their factories and destroy entries, and the
// file chooser. Everything of the core entry layer (SFEntry.h) comes with it.
#pragma once

#include "skin/SFEntry.h"
#include "skin/ext/SFInterfaceExt.h"

#include <cstddef>
#include <string>

class QWidget;

// The caller's record that receives a chosen folder: its text area starts at character
// 1040; what comes before is the caller's own and never touched.
enum : std::size_t
{
    SF_FOLDER_RECORD_TEXT_OFFSET = 1040,
    SF_FOLDER_RECORD_TEXT_CHARS = 4096,  // any path the system can name, with its 0
};
struct SF_FOLDER_RECORD
{
    wchar_t reserved[SF_FOLDER_RECORD_TEXT_OFFSET];
    wchar_t folder[SF_FOLDER_RECORD_TEXT_CHARS];
};

extern "C" {

// Modal file or folder chooser (skin/ext/SFQTFileDialog.h): picks an existing file
// (openFile non-zero, filter a name filter such as L"Text (*.txt)" or NULL for all files)
// into filePath, which holds filePathSize characters with the terminating 0, or a folder
// into folderRecord->folder. Returns 1 when something was chosen and written whole and
// terminated, else 0; a choice that does not fit its buffer writes nothing and gives 0.
int SF_ShowFileDialog(SF_FOLDER_RECORD* folderRecord, wchar_t* filePath, int unused1, int unused2,
                      int unused3, int openFile, int unused4, int unused5, int unused6, const wchar_t* filter,
                      QWidget* parent, std::size_t filePathSize);

// ---- Factories: the control's facade, or NULL ------------------------------------------
CSFListCtrl* SF_CreateListCtrl(ISFListCtrlEvent* pEvent);
CSFTreeCtrl* SF_CreateTreeCtrl(ISFTreeCtrlEvent* pEvent);
CSFDateTimeCtrl* SF_CreateDateTimeCtrl(ISFDateTimeCtrlEvent* pEvent, int mode);
CSFScrollArea* SF_CreateScrollArea(ISFScrollAreaEvent* pEvent);
CSFNumSpiner* SF_CreateNumSpiner(ISFNumSpinerEvent* pEvent);  // kept: exported name
CSFImagePanel* SF_CreateImagePanel(ISFImagePanelEvent* pEvent);
CSFPictureEx* SF_CreatePictureEx(ISFPictureExEvent* pEvent);
CSFPlayProgressPanel* SF_CreatePlayProgressPanel(IPlayProgressEvent* pEvent);
CSFVerticalScene* SF_CreateVerticalScene(ISFVerticalSceneEvent* pEvent);
CSFVideoWindow* SF_CreateVideoWindow(VIDEOWINDOWMODE mode, ISFVideoWindowEvent* pEvent, int maxRows,
                                     int maxCols);
CSFVideoInFocus* SF_CreateVideoInFocus();
CSFHorizontalScene* SF_CreateHorizontalScene();
CSFSimulationScene* SF_CreateSimulationScene();

// ---- Destroy entries (NULL is accepted): the controls are left to their Qt parent -------
void SF_DestroyListCtrl(CSFListCtrl* p);
void SF_DestroyTreeCtrl(CSFTreeCtrl* p);
void SF_DestroyDateTimeCtrl(CSFDateTimeCtrl* p);
void SF_DestroyScrollArea(CSFScrollArea* p);
void SF_DestroyNumSpiner(CSFNumSpiner* p);  // kept: exported name
void SF_DestroyImagePanel(CSFImagePanel* p);
void SF_DestroyPictureEx(CSFPictureEx* p);
void SF_DestroyPlayProgressPanel(CSFPlayProgressPanel* p);
void SF_DestroyVerticalScene(CSFVerticalScene* p);
void SF_DestroyVideoWindow(CSFVideoWindow* p);
void SF_DestroyVideoInFocus(CSFVideoInFocus* p);
void SF_DestroyHorizontalScene(CSFHorizontalScene* p);
void SF_DestroySimulationScene(CSFSimulationScene* p);

}  // extern "C"
