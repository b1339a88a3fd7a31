// The search page, the body of the main window: the camera-load inputs, the "Search"
// button, the paged grid of six results and the figures of the selected model.
#pragma once

#include "app/nvr_search.h"
#include "app/recorder_tables.h"
#include "skin/SFInterface.h"
#include "skin/SFMsgMap.h"
#include "skin/ext/SFInterfaceExt.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

class CMainFrameEventImp;

// The facades of the page's controls, NULL until the page's window has built them (and
// after it went). Owned by their Qt parent, the page's window.
struct CMainPageControls
{
    CSFStatic* pNvrParamLabel = nullptr;       // "NVR Parameter："
    CSFCheckBox* pHddCheck = nullptr;          // 165
    CSFStatic* pHddBaysLabel = nullptr;        // "HDD Bays"
    CSFComboBox* pHddCombo = nullptr;          // 154
    CSFCheckBox* pInputCheck = nullptr;        // 166
    CSFStatic* pInputChannelLabel = nullptr;   // "Input Channel"
    CSFEditCtrl* pInputEdit = nullptr;         // 155
    CSFStatic* pFrameRateLabel = nullptr;      // "Frame Rate"
    CSFComboBox* pFrameRateCombo = nullptr;    // 156
    CSFStatic* pDecodePerfLabel = nullptr;     // "Decoding Performance："
    CSFStatic* pDecodeChannelLabel = nullptr;  // "Decoding Channel"
    CSFEditCtrl* pDecodeEdit = nullptr;        // 148
    CSFStatic* pResolutionLabel = nullptr;     // "Resolution"
    CSFComboBox* pResolutionCombo = nullptr;   // 147
    CSFButton* pSearchButton = nullptr;        // 149
    CSFPictureCtrl* pBorder = nullptr;         // the rule under the inputs
    CSFStatic* pCounterBar = nullptr;
    CSFStatic* pTotalOfLabel = nullptr;  // "A total of"
    CSFStatic* pTotalCount = nullptr;
    CSFStatic* pDevicesFoundLabel = nullptr;  // "devices found"
    CSFStatic* pCurPageLabel = nullptr;
    CSFStatic* pSlashLabel = nullptr;
    CSFStatic* pPageCountLabel = nullptr;
    CSFButton* pPrevButton = nullptr;               // 157
    CSFButton* pNextButton = nullptr;               // 158
    CSFRadioBox* pResult[kNvrResultsPerPage] = {};  // 159..164
    CSFStatic* pResultName[kNvrResultsPerPage] = {};
    CSFStatic* pResultCapacity[kNvrResultsPerPage] = {};
    CSFStatic* pSpecHeader = nullptr;
    CSFPictureCtrl* pSpecPicture = nullptr;
    CSFStatic* pSpecLabel = nullptr;  // "    Spec"
    CSFStatic* pDetailPanel = nullptr;
    CSFStatic* pDetailCaption[kNvrDetailCount] = {};  // "Model：" .. "BandWidth："
    CSFStatic* pDetailValue[kNvrDetailCount] = {};
};

class CMainPageEventImp : public ISFViewEvent,
                          public ISFRadioBoxEvent,
                          public ISFEditCtrlEvent,
                          public ISFComboBoxEvent,
                          public ISFButtonEvent,
                          public ISFListCtrlEvent,
                          public ISFPictureCtrlEvent,
                          public ISFCheckBoxEvent
{
public:
    // Control ids of the page.
    static constexpr UINT kIdView = 145;
    static constexpr UINT kIdResolution = 147;
    static constexpr UINT kIdDecodeEdit = 148;
    static constexpr UINT kIdSearch = 149;
    static constexpr UINT kIdHddCombo = 154;
    static constexpr UINT kIdInputEdit = 155;
    static constexpr UINT kIdFrameRate = 156;
    static constexpr UINT kIdPrevPage = 157;
    static constexpr UINT kIdNextPage = 158;
    static constexpr UINT kIdFirstResult = 159;  // result slots 159..164
    static constexpr UINT kIdHddCheck = 165;
    static constexpr UINT kIdInputCheck = 166;

    // owner: the main frame that made the page (kept, not used).
    explicit CMainPageEventImp(const boost::weak_ptr<CMainFrameEventImp>& owner);
    ~CMainPageEventImp() override;
    CMainPageEventImp(const CMainPageEventImp&) = delete;
    CMainPageEventImp& operator=(const CMainPageEventImp&) = delete;

    // Makes the page's window (the view "Filter", id 145, at {100, 0, 1000, 62}, visible child,
    // white) under parentUI (a QWidget*), which builds the controls. 0 when the window could
    // not be made, else 1.
    int Create(void* parentUI);

    // Copies the six capability records and the model table.
    void SetData(const NVRCapabilityTable& capability, const NVRModelTable& models);

    // Switches the language id of the settings registry (0 <-> 1) and reads the page's texts
    // again in the new language.
    void RefreshText();

    // The page's window, NULL before Create or after the window went.
    CSFView* GetView() const { return m_pView; }
    const CMainPageControls& GetControls() const { return m_ctl; }

    // The search state.
    const std::vector<NVRSearchResult>& GetSearchResults() const { return vecSearchResult; }
    int GetPageCount() const { return nPageCount; }
    int GetCurPage() const { return nCurPage; }
    int GetPageItems() const { return nPageItems; }

    // ISFViewEvent
    SF_DECLARE_MSGMAP()
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

    // ISFRadioBoxEvent
    void RADIO_OnClicked(int check, int id, POINT pt) override;
    // ISFEditCtrlEvent
    void EDIT_OnTextChange(UINT id, wchar_t* text) override;
    // ISFCheckBoxEvent
    void Check_OnCheckStateChanged(int check, int id, POINT pt) override;

    // Command handlers of the message map.
    void OnSearch();
    void OnPrevPage();
    void OnNextPage();
    void ShowFirstPage();
    void ShowPage();

private:
    CSFStatic* MakeStatic(const std::wstring& text, const RECT& rc, UINT align);
    // Makes the static labels of one block of the page, from the page's label table.
    void MakeLabels(int block);
    // The blocks of OnCreate, in the order they run: the camera-load inputs and "Search",
    // the rule and counter bar with the page buttons, the six result slots, and the figures
    // of the selected model.
    void CreateInputs();
    // The parts of CreateInputs, in the order they run: the recorder row (disk and input
    // counts, frame rate), the decoding row (load, resolution), and "Search".
    void CreateRecorderInputs(ImageCheckBox& checkSkin, ImageComboBoxStyle& smallCombo);
    void CreateDecodeInputs(ImageComboBoxStyle& smallCombo, ImageComboBoxStyle& wideCombo);
    void CreateSearchButton();
    void CreateCounterBar();
    void CreateResultSlots();
    void CreateFigures();
    void LayoutFigures(int cx, int cy);
    void FillResolutionItems();
    void FillHddItems();
    void ShowDetails(const NVRSpecItem& item);
    void ClearDetails();
    void SetLabel(CSFStatic* pStatic, const std::wstring& text);
    bool IsChecked(CSFCheckBox* pBox) const;
    void* ParentUI() const { return m_pUIWnd; }

    boost::weak_ptr<CMainFrameEventImp> m_owner;
    CSFView* m_pView;
    QPointer<QWidget> m_viewWidget;
    CMainPageControls m_ctl;

    // Search state.
    std::vector<NVRSearchResult> vecSearchResult;
    int nPageCount;
    int nCurPage;
    int nPageItems;

    // The tables handed over by the main frame.
    NVRCapabilityTable m_capability;
    NVRModelTable m_models;
};

// Makes the page for the main frame and its window under parentUI (the frame's QWidget*).
boost::shared_ptr<CMainPageEventImp> CreateMainPage(const boost::shared_ptr<CMainFrameEventImp>& frame,
                                                    void* parentUI);
