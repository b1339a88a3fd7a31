// Entry layer of the extended controls: their factories and destroy entries, and the file
// chooser entry.
//
// Each factory returns its control made by SFEntryDetail::NewControl (NULL when it cannot be
// made); the controls are children of their owner's window, which deletes them, so the
// destroy entries leave them be.
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/CSFQTPlayProgressPanel.h"
#include "skin/ext/SFQTDateTimeCtrl.h"
#include "skin/ext/SFQTFileDialog.h"
#include "skin/ext/SFQTHorizontalScene.h"
#include "skin/ext/SFQTImagePanel.h"
#include "skin/ext/SFQTListCtrl.h"
#include "skin/ext/SFQTNumSpiner.h"
#include "skin/ext/SFQTPictureEx.h"
#include "skin/ext/SFQTScrollArea.h"
#include "skin/ext/SFQTSimulationScene.h"
#include "skin/ext/SFQTTreeCtrl.h"
#include "skin/ext/SFQTVerticalScene.h"
#include "skin/ext/SFQTVideoInFocus.h"
#include "skin/ext/SFQTVideoWindow.h"

// ---- Factories --------------------------------------------------------------------------

CSFListCtrl* SF_CreateListCtrl(ISFListCtrlEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTListCtrl>(pEvent);
}

CSFTreeCtrl* SF_CreateTreeCtrl(ISFTreeCtrlEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTTreeCtrl>(pEvent);
}

CSFDateTimeCtrl* SF_CreateDateTimeCtrl(ISFDateTimeCtrlEvent* pEvent, int mode)
{
    return SFEntryDetail::NewControl<CSFQTDateTimeCtrl>(pEvent, mode);
}

CSFScrollArea* SF_CreateScrollArea(ISFScrollAreaEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTScrollArea>(pEvent);
}

CSFNumSpiner* SF_CreateNumSpiner(ISFNumSpinerEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTNumSpiner>(pEvent);
}

CSFImagePanel* SF_CreateImagePanel(ISFImagePanelEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTImagePanel>(pEvent);
}

CSFPictureEx* SF_CreatePictureEx(ISFPictureExEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTPictureEx>(pEvent);
}

CSFPlayProgressPanel* SF_CreatePlayProgressPanel(IPlayProgressEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTPlayProgressPanel>(pEvent);
}

CSFVerticalScene* SF_CreateVerticalScene(ISFVerticalSceneEvent* pEvent)
{
    return SFEntryDetail::NewControl<CSFQTVerticalScene>(pEvent);
}

CSFVideoWindow* SF_CreateVideoWindow(VIDEOWINDOWMODE mode, ISFVideoWindowEvent* pEvent, int maxRows,
                                     int maxCols)
{
    return SFEntryDetail::NewControl<CSFQTVideoWindow>(mode, pEvent, maxRows, maxCols);
}

CSFVideoInFocus* SF_CreateVideoInFocus() { return SFEntryDetail::NewControl<CSFQTVideoInFocus>(); }

CSFHorizontalScene* SF_CreateHorizontalScene() { return SFEntryDetail::NewControl<CSFQTHorizontalScene>(); }

CSFSimulationScene* SF_CreateSimulationScene() { return SFEntryDetail::NewControl<CSFQTSimulationScene>(); }

// ---- Destroy entries: all extended controls are children, released by their parent -----

void SF_DestroyListCtrl(CSFListCtrl* /*p*/) {}
void SF_DestroyTreeCtrl(CSFTreeCtrl* /*p*/) {}
void SF_DestroyDateTimeCtrl(CSFDateTimeCtrl* /*p*/) {}
void SF_DestroyScrollArea(CSFScrollArea* /*p*/) {}
void SF_DestroyNumSpiner(CSFNumSpiner* /*p*/) {}
void SF_DestroyImagePanel(CSFImagePanel* /*p*/) {}
void SF_DestroyPictureEx(CSFPictureEx* /*p*/) {}
void SF_DestroyPlayProgressPanel(CSFPlayProgressPanel* /*p*/) {}
void SF_DestroyVerticalScene(CSFVerticalScene* /*p*/) {}
void SF_DestroyVideoWindow(CSFVideoWindow* /*p*/) {}
void SF_DestroyVideoInFocus(CSFVideoInFocus* /*p*/) {}
void SF_DestroyHorizontalScene(CSFHorizontalScene* /*p*/) {}
void SF_DestroySimulationScene(CSFSimulationScene* /*p*/) {}

// ---- File chooser -----------------------------------------------------------------------

int SF_ShowFileDialog(SF_FOLDER_RECORD* folderRecord, wchar_t* filePath, int /*unused1*/, int /*unused2*/,
                      int /*unused3*/, int openFile, int /*unused4*/, int /*unused5*/, int /*unused6*/,
                      const wchar_t* filter, QWidget* parent, std::size_t filePathSize)
{
    return SFShowFileDialog(folderRecord, filePath, filePathSize, openFile, filter, parent);
}
