#include "app/MainPageEventImp.h"

#include "app/ButtonPictures.h"
#include "base/config_manager.h"
#include "base/lang_table.h"
#include "base/number_text.h"
#include "skin/SFEntry.h"
#include "skin/SFRect.h"

#include <boost/make_shared.hpp>

#include <climits>
#include <cstring>
#include <cwchar>

namespace {

constexpr DWORD kStyleStatic = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kStyleCheck = WS_VISIBLE;
constexpr DWORD kStyleCombo = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kStyleEdit = WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr DWORD kStyleButton = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kStylePicture = WS_CHILD | WS_VISIBLE;
constexpr DWORD kStyleView = WS_CHILD | WS_VISIBLE;
constexpr UINT kNoId = static_cast<UINT>(-1);

// Single-line texts, vertically centred.
constexpr UINT kAlignLeft = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kAlignCentre = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kAlignRight = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;

// Result slot columns and rows.
constexpr int kSlotX[3] = {10, 330, 650};
constexpr int kSlotY[2] = {162, 312};

const wchar_t* const kResolutionKeys[kRecorderResolutionCount] = {
    L"12MP(8Mbps_fixed lens cameras)",
    L"12MP(8Mbps_fisheye/vari-focal cameras)",
    L"8MP(8Mbps)",
    L"6MP(8Mbps)",
    L"5MP(4Mbps)",
    L"4MP(4Mbps)",
    L"3MP(4Mbps)",
    L"2MP(4Mbps)",
    L"1.3MP(2Mbps)",
    L"1MP(2Mbps)",
};
const wchar_t* const kFrameRateKeys[kRecorderFrameRateCount] = {L"30fps", L"25fps", L"20fps",
                                                                L"15fps", L"10fps", L"5fps"};
const wchar_t* const kHddKeys[6] = {L"1", L"2", L"4", L"8", L"16", L"24"};
const wchar_t* const kCaptionKeys[kNvrDetailCount] = {L"Model\uFF1A", L"QZ Model\uFF1A", L"Max Channel\uFF1A",
                                                      L"Max Hdd\uFF1A", L"BandWidth\uFF1A"};

// The blocks of the page that make static labels.
enum LabelBlock : int
{
    kInputs,
    kCounter,
    kFigures,
};

// What a language switch does to a label's text.
enum LabelOnSwitch
{
    kKept,
    kReread,
};

using Ctl = CMainPageControls;

// A static label of the page: the block that makes it, its control, its language key, its
// rectangle and alignment, what a language switch does to it, and the key read again when
// that is not the key it was made with.
struct PageLabel
{
    LabelBlock block;
    CSFStatic* Ctl::*control;
    const wchar_t* key;
    RECT rect;
    UINT align;
    LabelOnSwitch onSwitch;
    const wchar_t* switchKey = nullptr;
};

// In the order they are made.
const PageLabel kPageLabels[] = {
    {kInputs, &Ctl::pNvrParamLabel, L"NVR Parameter\uFF1A", {10, 10, 130, 52}, kAlignLeft, kReread},
    {kInputs, &Ctl::pHddBaysLabel, L"HDD Bays", {240, 10, 300, 52}, kAlignRight, kReread},
    {kInputs, &Ctl::pInputChannelLabel, L"Input Channel", {441, 10, 521, 52}, kAlignRight, kReread},
    {kInputs, &Ctl::pFrameRateLabel, L"Frame Rate", {596, 10, 676, 52}, kAlignRight, kReread},
    {kInputs, &Ctl::pDecodePerfLabel, L"Decoding Performance\uFF1A", {10, 57, 190, 99}, kAlignLeft, kReread},
    {kInputs, &Ctl::pDecodeChannelLabel, L"Decoding Channel", {190, 57, 300, 99}, kAlignRight, kReread},
    {kInputs, &Ctl::pResolutionLabel, L"Resolution", {461, 57, 521, 99}, kAlignRight, kReread},
    {kCounter, &Ctl::pTotalOfLabel, L"A total of", {30, 102, 90, 132}, kAlignLeft, kReread},
    {kCounter, &Ctl::pTotalCount, L"0", {90, 102, 120, 132}, kAlignCentre, kKept},
    {kCounter, &Ctl::pDevicesFoundLabel, L"devices found", {120, 102, 180, 132}, kAlignLeft, kReread},
    {kCounter, &Ctl::pCurPageLabel, L"0", {780, 102, 800, 132}, kAlignCentre, kKept},
    {kCounter, &Ctl::pSlashLabel, L"/", {800, 102, 820, 132}, kAlignCentre, kKept},
    {kCounter, &Ctl::pPageCountLabel, L"0", {820, 102, 840, 132}, kAlignCentre, kKept},
    // Made as "    Spec" (four spaces), re-read as "     Spec" (five): distinct language keys on purpose.
    {kFigures, &Ctl::pSpecLabel, L"    Spec", {0, 461, 60, 491}, kAlignLeft, kReread, L"     Spec"},
};

// An unchecked box dressed in skin.
CSFCheckBox* MakeCheckBox(ISFCheckBoxEvent* sink, ImageCheckBox* skin, const RECT& rc, void* parent, UINT id)
{
    CSFCheckBox* pBox = SF_CreateCheckBox(sink);
    if (!pBox)
        return nullptr;
    pBox->Create("", kStyleCheck, rc, parent, id);
    pBox->SetSkin(skin);
    pBox->SetCheck(0);
    return pBox;
}

void FillComboSkin(ImageComboBoxStyle& skin, const wchar_t* picture, int width)
{
    const std::wstring w = std::to_wstring(width);
    skin[0] = picture;
    skin[1] = L"0,0," + w + L",27";
    skin[2] = L"0,0," + w + L",27";
    skin[3] = L"0,84," + w + L",28";
    skin[4] = L"0,28," + w + L",28";
    skin[5] = L"0,28," + w + L",27";
    skin[6] = L"0,0," + w + L",27";
    skin[7] = L"0,28," + w + L",27";
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Message map
// ---------------------------------------------------------------------------------------

SF_BEGIN_MSGMAP(CMainPageEventImp)
    SF_ON_COMMAND(CMainPageEventImp::kIdSearch, OnSearch)
    SF_ON_COMMAND(CMainPageEventImp::kIdPrevPage, OnPrevPage)
    SF_ON_COMMAND(CMainPageEventImp::kIdNextPage, OnNextPage)
SF_END_MSGMAP()

// ---------------------------------------------------------------------------------------
// Life
// ---------------------------------------------------------------------------------------

CMainPageEventImp::CMainPageEventImp(const boost::weak_ptr<CMainFrameEventImp>& owner)
    : m_owner(owner),
      m_pView(nullptr),
      nPageCount(0),
      nCurPage(0),
      nPageItems(0)
{
    std::memset(&m_capability, 0, sizeof(m_capability));
    std::memset(&m_models, 0, sizeof(m_models));
}

CMainPageEventImp::~CMainPageEventImp()
{
    // The window calls back into this sink while it goes, so it must not outlive the page.
    if (QWidget* view = m_viewWidget.data())
        delete view;
    m_pView = nullptr;
    m_ctl = CMainPageControls();
}

boost::shared_ptr<CMainPageEventImp> CreateMainPage(const boost::shared_ptr<CMainFrameEventImp>& frame,
                                                    void* parentUI)
{
    boost::shared_ptr<CMainPageEventImp> page =
        boost::make_shared<CMainPageEventImp>(boost::weak_ptr<CMainFrameEventImp>(frame));
    page->Create(parentUI);
    return page;
}

int CMainPageEventImp::Create(void* parentUI)
{
    if (m_pView)
        return 1;
    m_pView = SF_CreateView(this);
    if (!m_pView)
        return 0;
    m_viewWidget = static_cast<QWidget*>(m_pUIWnd);
    const CSFRect rc(100, 0, 1000, 62);
    m_pView->Create(L"Filter", L"Filter", kStyleView, rc, parentUI, kIdView);
    m_pView->SetBGClr(0xFFFFFF);
    return 1;
}

void CMainPageEventImp::SetData(const NVRCapabilityTable& capability, const NVRModelTable& models)
{
    std::memmove(&m_capability, &capability, sizeof(m_capability));
    std::memmove(&m_models, &models, sizeof(m_models));
}

void CMainPageEventImp::OnDestroy()
{
    // The controls go with the window.
    m_ctl = CMainPageControls();
    m_pView = nullptr;
}

// ---------------------------------------------------------------------------------------
// Building the controls
// ---------------------------------------------------------------------------------------

CSFStatic* CMainPageEventImp::MakeStatic(const std::wstring& text, const RECT& rc, UINT align)
{
    CSFStatic* pStatic = SF_CreateStatic(nullptr);
    if (!pStatic)
        return nullptr;
    pStatic->Create(text.c_str(), kStyleStatic, rc, ParentUI(), kNoId);
    pStatic->SetTextAlignFlag(align);
    return pStatic;
}

void CMainPageEventImp::MakeLabels(int block)
{
    for (const PageLabel& label : kPageLabels) {
        if (label.block == block)
            m_ctl.*label.control = MakeStatic(GetLangString(label.key), label.rect, label.align);
    }
}

void CMainPageEventImp::FillResolutionItems()
{
    if (!m_ctl.pResolutionCombo)
        return;
    for (const wchar_t* key : kResolutionKeys)
        m_ctl.pResolutionCombo->AddString(GetLangString(key).c_str());
}

void CMainPageEventImp::FillHddItems()
{
    if (!m_ctl.pHddCombo)
        return;
    for (const wchar_t* key : kHddKeys)
        m_ctl.pHddCombo->AddString(GetLangString(key).c_str());
}

int CMainPageEventImp::OnCreate()
{
    CreateInputs();
    CreateCounterBar();
    CreateResultSlots();
    CreateFigures();

    // A size that arrived before the controls existed is applied now.
    if (QWidget* view = m_viewWidget.data())
        LayoutFigures(view->width(), view->height());
    return 1;
}

void CMainPageEventImp::CreateInputs()
{
    CMainPageControls& c = m_ctl;

    ImageCheckBox checkSkin;
    for (int i = 0; i < 3; ++i) {
        checkSkin[i] = L"Select_Check.png";
        checkSkin[i + 3] = L"Select_unCheck.png";
    }
    ImageComboBoxStyle smallCombo;
    FillComboSkin(smallCombo, L"ComboBox_Min.png", 80);
    ImageComboBoxStyle wideCombo;
    FillComboSkin(wideCombo, L"ComboBox_Mag.png", 320);

    // #1 .. #15: the recorder parameters, the decoding load and the search; the labels first.
    MakeLabels(kInputs);
    for (CSFStatic* heading : {c.pNvrParamLabel, c.pDecodePerfLabel}) {
        if (heading) {
            heading->SetTextSize(14);
            heading->SetTextBold(1);
        }
    }

    CreateRecorderInputs(checkSkin, smallCombo);
    CreateDecodeInputs(smallCombo, wideCombo);
    CreateSearchButton();
}

void CMainPageEventImp::CreateRecorderInputs(ImageCheckBox& checkSkin, ImageComboBoxStyle& smallCombo)
{
    void* parent = ParentUI();
    CMainPageControls& c = m_ctl;

    c.pHddCheck = MakeCheckBox(this, &checkSkin, CSFRect(214, 23, 230, 39), parent, kIdHddCheck);

    c.pHddCombo = SF_CreateComboBox(this);
    if (c.pHddCombo) {
        c.pHddCombo->Create(kStyleCombo, CSFRect(305, 20, 385, 44), parent, kIdHddCombo);
        c.pHddCombo->SetSkin(&smallCombo);
        FillHddItems();
        c.pHddCombo->SetCurSel(0);
        c.pHddCombo->EnableWindow(0);
    }

    c.pInputCheck = MakeCheckBox(this, &checkSkin, CSFRect(415, 23, 431, 39), parent, kIdInputCheck);

    c.pInputEdit = SF_CreateEditCtrl(this);
    if (c.pInputEdit) {
        c.pInputEdit->Create(kStyleEdit, CSFRect(526, 20, 586, 44), parent, kIdInputEdit, false);
        c.pInputEdit->SetSkin(L"bg_edit.png");
        c.pInputEdit->SetWindowTextW(L"");
        c.pInputEdit->InputNumberOnly();
        c.pInputEdit->SetWindowTextW(L"1");
        c.pInputEdit->EnableWindow(0);
    }

    c.pFrameRateCombo = SF_CreateComboBox(this);
    if (c.pFrameRateCombo) {
        c.pFrameRateCombo->Create(kStyleCombo, CSFRect(681, 20, 761, 44), parent, kIdFrameRate);
        c.pFrameRateCombo->SetSkin(&smallCombo);
        for (const wchar_t* key : kFrameRateKeys)
            c.pFrameRateCombo->AddString(GetLangString(key).c_str());
        c.pFrameRateCombo->SetCurSel(0);
    }
}

void CMainPageEventImp::CreateDecodeInputs(ImageComboBoxStyle& smallCombo, ImageComboBoxStyle& wideCombo)
{
    void* parent = ParentUI();
    CMainPageControls& c = m_ctl;

    c.pDecodeEdit = SF_CreateEditCtrl(this);
    if (c.pDecodeEdit) {
        c.pDecodeEdit->Create(kStyleEdit, CSFRect(305, 67, 385, 91), parent, kIdDecodeEdit, false);
        c.pDecodeEdit->SetSkin(L"bg_edit.png");
        c.pDecodeEdit->SetWindowTextW(L"16");
        c.pDecodeEdit->InputNumberOnly();
    }

    c.pResolutionCombo = SF_CreateComboBox(this);
    if (c.pResolutionCombo) {
        c.pResolutionCombo->Create(kStyleCombo, CSFRect(526, 67, 846, 91), parent, kIdResolution);
        c.pResolutionCombo->SetSkin(&wideCombo);
        FillResolutionItems();
        c.pResolutionCombo->SetCurSel(0);
    }
}

void CMainPageEventImp::CreateSearchButton()
{
    CMainPageControls& c = m_ctl;
    c.pSearchButton = SF_CreateButton(this);
    if (c.pSearchButton) {
        ImageButtonStyle skin = ButtonPictures(L"search_nor1.png", L"search_hover1.png", L"search_press1.png",
                                               L"search_dis1.png");
        c.pSearchButton->Create(GetLangString(L"Search").c_str(), kStyleButton, CSFRect(866, 62, 976, 92),
                                ParentUI(), kIdSearch);
        c.pSearchButton->SetSkin(&skin);
        c.pSearchButton->SetTextColor(0xFFFFFF);
    }
}

void CMainPageEventImp::CreateCounterBar()
{
    void* parent = ParentUI();
    CMainPageControls& c = m_ctl;

    // #16 .. #25: the rule and the counter bar.
    c.pBorder = SF_CreatePictureCtrl(this);
    if (c.pBorder) {
        c.pBorder->Create(L"", kStylePicture, CSFRect(10, 101, 990, 102), parent, kNoId);
        c.pBorder->SetImage(L"border.png");
    }

    c.pCounterBar = MakeStatic(L"", CSFRect(10, 102, 990, 132), kAlignLeft);
    if (c.pCounterBar) {
        c.pCounterBar->SetTextBold(1);
        c.pCounterBar->SetTextColor(0);
        c.pCounterBar->SetBgColor(0xF3F3F3, 1);
    }
    MakeLabels(kCounter);
    for (CSFStatic* count : {c.pTotalCount, c.pCurPageLabel}) {
        if (count)
            count->SetTextColor(255);
    }

    ImageButtonStyle pageSkin =
        ButtonPictures(L"btn_nor.png", L"btn_over.png", L"btn_down.png", L"btn_dis.png");
    c.pPrevButton = SF_CreateButton(this);
    if (c.pPrevButton) {
        c.pPrevButton->Create(GetLangString(L"<").c_str(), kStyleButton, CSFRect(840, 102, 890, 132), parent,
                              kIdPrevPage);
        c.pPrevButton->SetToolTipText(GetLangString(L"Previous Page").c_str());
        c.pPrevButton->SetSkin(&pageSkin);
    }
    c.pNextButton = SF_CreateButton(this);
    if (c.pNextButton) {
        c.pNextButton->Create(GetLangString(L">").c_str(), kStyleButton, CSFRect(890, 102, 940, 132), parent,
                              kIdNextPage);
        c.pNextButton->SetToolTipText(GetLangString(L"Next Page").c_str());
        c.pNextButton->SetSkin(&pageSkin);
    }
}

void CMainPageEventImp::CreateResultSlots()
{
    void* parent = ParentUI();
    CMainPageControls& c = m_ctl;

    // #26 .. #43: the six result slots.
    ImageRadioBox placeholder;
    for (int f = 0; f < ImageRadioBox::Count(); ++f)
        placeholder[f] = L"na.png";
    for (int i = 0; i < kNvrResultsPerPage; ++i) {
        const int x = kSlotX[i % 3];
        const int y = kSlotY[i / 3];
        c.pResult[i] = SF_CreateRadioBox(this);
        if (c.pResult[i]) {
            c.pResult[i]->Create(L"", kStyleButton, CSFRect(x, y, x + 220, y + 100), parent,
                                 kIdFirstResult + i);
            c.pResult[i]->SetSkin(&placeholder);
            c.pResult[i]->SetCheck(1);
            if (i > 0)
                c.pResult[i]->ShowWindow(0);
        }
        c.pResultName[i] = MakeStatic(L"", CSFRect(x + 5, y + 115, x + 135, y + 139), kAlignRight);
        if (c.pResultName[i]) {
            c.pResultName[i]->SetTextSize(15);
            if (i > 0)
                c.pResultName[i]->ShowWindow(0);
        }
        c.pResultCapacity[i] = MakeStatic(L"", CSFRect(x + 135, y + 115, x + 235, y + 139), kAlignLeft);
        if (c.pResultCapacity[i]) {
            c.pResultCapacity[i]->SetTextSize(12);
            if (i > 0)
                c.pResultCapacity[i]->ShowWindow(0);
        }
    }
}

void CMainPageEventImp::CreateFigures()
{
    void* parent = ParentUI();
    CMainPageControls& c = m_ctl;

    // #44 .. #57: the figures of the selected model.
    c.pSpecHeader = MakeStatic(L"", CSFRect(0, 461, 998, 491), kAlignLeft);
    if (c.pSpecHeader) {
        c.pSpecHeader->SetTextBold(1);
        c.pSpecHeader->SetTextColor(0);
        c.pSpecHeader->SetBgColor(0xCAC2B9, 1);
    }
    c.pSpecPicture = SF_CreatePictureCtrl(this);
    if (c.pSpecPicture) {
        c.pSpecPicture->Create(L"", kStylePicture, CSFRect(0, 461, 100, 491), parent, kNoId);
        c.pSpecPicture->SetImage(L"Spec.png");
    }
    MakeLabels(kFigures);
    if (c.pSpecLabel) {
        c.pSpecLabel->SetTextColor(0xFFFFFF);
        c.pSpecLabel->SetBgColor(0xFA8A12, 1);
    }
    c.pDetailPanel = MakeStatic(L"", CSFRect(0, 0, 0, 0), kAlignLeft);
    if (c.pDetailPanel) {
        c.pDetailPanel->SetTextBold(1);
        c.pDetailPanel->SetTextColor(0);
        c.pDetailPanel->SetBgColor(0xEFECE9, 1);
    }
    for (int n = 0; n < kNvrDetailCount; ++n)
        c.pDetailCaption[n] = MakeStatic(GetLangString(kCaptionKeys[n]), CSFRect(0, 0, 0, 0), kAlignLeft);
    for (int n = 0; n < kNvrDetailCount; ++n)
        c.pDetailValue[n] = MakeStatic(L"", CSFRect(0, 0, 0, 0), kAlignLeft);
}

// ---------------------------------------------------------------------------------------
// Size and input rules
// ---------------------------------------------------------------------------------------

void CMainPageEventImp::OnSize(UINT /*type*/, int cx, int cy) { LayoutFigures(cx, cy); }

void CMainPageEventImp::LayoutFigures(int cx, int cy)
{
    if (m_ctl.pDetailPanel) {
        CSFRect panel(0, cy - 152, cx, cy);
        m_ctl.pDetailPanel->MoveWindow(&panel);
    }
    CSFRect caption(10, cy - 147, 130, cy - 123);
    CSFRect value(130, cy - 147, 250, cy - 123);
    for (int n = 0; n < kNvrDetailCount; ++n) {
        if (m_ctl.pDetailCaption[n])
            m_ctl.pDetailCaption[n]->MoveWindow(&caption);
        if (m_ctl.pDetailValue[n])
            m_ctl.pDetailValue[n]->MoveWindow(&value);
        caption.top += 24;
        caption.bottom += 24;
        value.top += 24;
        value.bottom += 24;
    }
}

void CMainPageEventImp::EDIT_OnTextChange(UINT id, wchar_t* text)
{
    CSFEditCtrl* pEdit = nullptr;
    if (id == kIdDecodeEdit)
        pEdit = m_ctl.pDecodeEdit;
    else if (id == kIdInputEdit)
        pEdit = m_ctl.pInputEdit;
    else
        return;

    int b = VesperonBase::WToI(text);
    if (b > 256)
        b = 1;
    if (b == 0 || !pEdit)
        return;
    const std::wstring formatted = NvrFormatInt(b);
    // Writing the same text again would only report it again.
    if (!text || formatted != text)
        pEdit->SetWindowTextW(formatted.c_str());
}

void CMainPageEventImp::Check_OnCheckStateChanged(int check, int id, POINT /*pt*/)
{
    if (id == static_cast<int>(kIdHddCheck)) {
        if (!m_ctl.pHddCombo)
            return;
        if (check == 0) {
            m_ctl.pHddCombo->SetCurSel(0);
            m_ctl.pHddCombo->EnableWindow(0);
        } else {
            m_ctl.pHddCombo->EnableWindow(1);
        }
    } else if (id == static_cast<int>(kIdInputCheck)) {
        if (!m_ctl.pInputEdit)
            return;
        if (check == 0) {
            m_ctl.pInputEdit->EnableWindow(0);
            m_ctl.pInputEdit->SetWindowTextW(L"1");
        } else {
            m_ctl.pInputEdit->EnableWindow(1);
        }
    }
}

void CMainPageEventImp::SetLabel(CSFStatic* pStatic, const std::wstring& text)
{
    if (pStatic)
        pStatic->SetStaticText(text.c_str());
}

void CMainPageEventImp::RefreshText()
{
    CConfigManager& config = CConfigManager::GetInstance();
    config.SetLangId(config.GetLangId() == 0 ? 1 : 0);

    CMainPageControls& c = m_ctl;
    for (const PageLabel& label : kPageLabels) {
        if (label.onSwitch == kReread)
            SetLabel(c.*label.control, GetLangString(label.switchKey ? label.switchKey : label.key));
    }
    for (int n = 0; n < kNvrDetailCount; ++n)
        SetLabel(c.pDetailCaption[n], GetLangString(kCaptionKeys[n]));
    if (c.pResolutionCombo) {
        const int sel = c.pResolutionCombo->GetCurSel();
        c.pResolutionCombo->ResetContent();
        FillResolutionItems();
        c.pResolutionCombo->SetCurSel(sel);
    }
    if (c.pHddCombo) {
        c.pHddCombo->ResetContent();
        FillHddItems();
        c.pHddCombo->SetCurSel(0);
    }
    if (c.pSearchButton) {
        c.pSearchButton->SetToolTipText(GetLangString(L"Search NVR").c_str());
        c.pSearchButton->SetWindowTextW(GetLangString(L"Search").c_str());
    }
}

// ---------------------------------------------------------------------------------------
// Search, pages and figures
// ---------------------------------------------------------------------------------------

bool CMainPageEventImp::IsChecked(CSFCheckBox* pBox) const
{
    if (!pBox)
        return false;
    int state = 0;
    pBox->GetCheck(&state);  // the state comes back through the argument
    return state == 1;
}

void CMainPageEventImp::OnSearch()
{
    CMainPageControls& c = m_ctl;
    if (c.pSearchButton)
        c.pSearchButton->EnableWindow(0);

    NvrSearchQuery query;
    query.nResolution = c.pResolutionCombo ? c.pResolutionCombo->GetCurSel() : 0;
    query.nFrameRate = c.pFrameRateCombo ? c.pFrameRateCombo->GetCurSel() : 0;

    wchar_t text[128] = L"";
    if (c.pDecodeEdit)
        c.pDecodeEdit->GetWindowTextW(text, 128);
    query.nDecodeChannels = VesperonBase::WToI(text);
    if (query.nDecodeChannels == 0) {
        if (c.pDecodeEdit)
            c.pDecodeEdit->SetWindowTextW(L"1");
        query.nDecodeChannels = 1;
    }

    // Item texts come from the language table, which caps them below 1024 characters.
    wchar_t item[1024] = L"";
    if (c.pHddCombo) {
        const int sel = c.pHddCombo->GetCurSel();
        if (sel >= 0 && sel < c.pHddCombo->GetCount())
            c.pHddCombo->GetLBText(sel, item);
    }
    item[1023] = 0;
    query.nHddBays = VesperonBase::WToI(item);

    text[0] = 0;
    if (c.pInputEdit)
        c.pInputEdit->GetWindowTextW(text, 128);
    query.nInputChannels = VesperonBase::WToI(text);
    if (query.nInputChannels == 0) {
        if (c.pInputEdit)
            c.pInputEdit->SetWindowTextW(L"1");
        query.nInputChannels = 1;
    }

    query.bHddFilter = IsChecked(c.pHddCheck);
    query.bChannelFilter = IsChecked(c.pInputCheck);

    SearchRecorders(m_capability, m_models, query, vecSearchResult);

    ShowFirstPage();
    if (m_ctl.pSearchButton)
        m_ctl.pSearchButton->EnableWindow(1);
}

void CMainPageEventImp::ShowFirstPage()
{
    const std::size_t count = vecSearchResult.size();
    nCurPage = count > 0 ? 1 : 0;
    nPageCount = NvrPageCount(count);
    SetLabel(m_ctl.pTotalCount,
             NvrFormatInt(count > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(count)));
    SetLabel(m_ctl.pPageCountLabel, NvrFormatInt(nPageCount));
    SetLabel(m_ctl.pCurPageLabel, NvrFormatInt(nCurPage));
    ShowPage();
}

void CMainPageEventImp::ShowPage()
{
    // The page as it ends up: slot 0 always shown, as the placeholder "na.png" when it has no
    // result; slots 1..5 and all labels shown only with a result; slot 0's result selected
    // and its figures shown. Each control is set once, to what it shows at the end, and a
    // control that stays shown is not hidden on the way.
    CMainPageControls& c = m_ctl;
    const std::size_t count = vecSearchResult.size();
    nPageItems = count == 0 || nCurPage == 0 ? 0 : NvrItemsOnPage(count, nCurPage);

    const NVRSearchResult* first = nullptr;  // slot 0's result, whose figures are shown
    for (int i = 0; i < kNvrResultsPerPage; ++i) {
        const NVRSearchResult* result =
            i < nPageItems ? &vecSearchResult[static_cast<std::size_t>(nCurPage - 1) * kNvrResultsPerPage + i]
                           : nullptr;
        if (i == 0)
            first = result;
        if (CSFRadioBox* slot = c.pResult[i]) {
            if (result || i == 0) {
                // Where a model names no picture, slot 0 shows the placeholder and the others
                // keep what they had (an empty name changes nothing).
                const std::wstring none = i == 0 ? L"na.png" : L"";
                const std::wstring framed =
                    result ? NvrWideText(result->item.FramePictureName) : std::wstring();
                const std::wstring plain = result ? NvrWideText(result->item.PictureName) : std::wstring();
                ImageRadioBox skin;
                for (int f = 0; f < 3; ++f) {
                    skin[f] = framed.empty() ? none : framed;
                    skin[f + 3] = plain.empty() ? none : plain;
                }
                slot->SetSkin(&skin);
                if (result)
                    slot->SetCheck(i == 0 ? 1 : 0);
                if (i == 0)
                    slot->Invalidate(1);
            }
            slot->ShowWindow(result || i == 0 ? 1 : 0);
        }
        if (c.pResultName[i]) {
            if (result)
                c.pResultName[i]->SetStaticText(NvrWideText(result->item.Model).c_str());
            c.pResultName[i]->ShowWindow(result ? 1 : 0);
        }
        if (c.pResultCapacity[i]) {
            if (result)
                c.pResultCapacity[i]->SetStaticText(NvrCapacityText(result->item).c_str());
            c.pResultCapacity[i]->ShowWindow(result ? 1 : 0);
        }
    }
    if (first)
        ShowDetails(first->item);
    else
        ClearDetails();
}

void CMainPageEventImp::ShowDetails(const NVRSpecItem& item)
{
    std::wstring details[kNvrDetailCount];
    NvrFormatDetails(item, details);
    for (int n = 0; n < kNvrDetailCount; ++n)
        SetLabel(m_ctl.pDetailValue[n], details[n]);
}

void CMainPageEventImp::ClearDetails()
{
    for (int n = 0; n < kNvrDetailCount; ++n)
        SetLabel(m_ctl.pDetailValue[n], std::wstring());
}

void CMainPageEventImp::RADIO_OnClicked(int check, int id, POINT /*pt*/)
{
    const int i = id - static_cast<int>(kIdFirstResult);
    if (i < 0 || i >= kNvrResultsPerPage)
        return;
    if (check != 0) {
        for (int j = 0; j < kNvrResultsPerPage; ++j)
            if (m_ctl.pResult[j])
                m_ctl.pResult[j]->SetCheck(j == i ? 1 : 0);
        const std::size_t count = vecSearchResult.size();
        if (count > 0 && nCurPage > 0) {
            const std::size_t index = static_cast<std::size_t>(nCurPage - 1) * kNvrResultsPerPage + i;
            if (index < count)
                ShowDetails(vecSearchResult[index].item);
        }
    } else {
        if (m_ctl.pResult[i])
            m_ctl.pResult[i]->SetCheck(0);
        ClearDetails();
    }
}

void CMainPageEventImp::OnPrevPage()
{
    if (nCurPage <= 1)
        return;
    --nCurPage;
    SetLabel(m_ctl.pCurPageLabel, NvrFormatInt(nCurPage));
    ShowPage();  // which sets the figures
}

void CMainPageEventImp::OnNextPage()
{
    if (nCurPage >= nPageCount)
        return;
    ++nCurPage;
    SetLabel(m_ctl.pCurPageLabel, NvrFormatInt(nCurPage));
    ShowPage();  // which sets the figures
}
