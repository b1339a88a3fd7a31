// Exported face: other programs are built against this header. Names and their spellings, the
// order of the virtual operations and the layout of the records must never change.
// The exported interface of the extended controls: facade classes and sinks in the same
// pattern as the core controls (SFInterface.h). Every facade operation does nothing by
// default and gives 0, FALSE or NULL; the exceptions are marked.
#pragma once

#include "base/compat/sf_windows.h"
#include "skin/SFInterface.h"
#include "skin/SFSkinStyles.h"

#include <cstdint>
#include <map>
#include <set>

// =========================================================================================
// List control
// =========================================================================================

class ISFListCtrlEvent
{
public:
    virtual void Selection_OnMouseRelease(int /*anySelected*/) {}
    virtual void OnButton(int /*buttonId*/, int /*row*/) {}
};

class CSFListCtrl
{
public:
    explicit CSFListCtrl(ISFListCtrlEvent* pEvent) : m_pEvent(pEvent) {}
    CSFListCtrl(const CSFListCtrl&) = default;
    CSFListCtrl& operator=(const CSFListCtrl&) = default;
    virtual ~CSFListCtrl() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/, bool /*flag*/)
    {
        return 0;
    }
    virtual void SetCursor() {}
    virtual int SetSkin(ListCtrlStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int GetCheck(int /*row*/) const { return 0; }
    virtual int GetColumn(int /*col*/, void* /*column*/) const { return 0; }
    virtual int GetItemCount() const { return 0; }
    virtual DWORD GetItemData(int /*row*/) const { return 0; }
    virtual int GetItemText(int /*row*/, int /*col*/, wchar_t* /*buf*/, int /*size*/) const { return 0; }
    virtual void* GetFirstSelectedItemPosition() const { return nullptr; }
    virtual int GetNextSelectedItem(void*& /*pos*/) const { return 0; }
    virtual DWORD GetExtendedStyle() { return 0; }
    virtual int SetCheck(int /*row*/, int /*check*/) { return 0; }
    virtual int SetItemData(int /*row*/, DWORD /*data*/) { return 0; }
    virtual int SetItemText(int /*row*/, int /*col*/, const wchar_t* /*text*/) { return 0; }
    virtual int SubItemHitTest(void* /*info*/) { return 0; }
    virtual int InsertColumn(int /*col*/, const wchar_t* /*heading*/, int /*hidden*/, int /*format*/,
                             int /*width*/)
    {
        return 0;
    }
    virtual int InsertColumnCheck(int /*col*/, ImageRadioBox /*skin*/) { return 0; }
    virtual int InsertItem(int /*row*/, const wchar_t* /*text*/) { return 0; }
    virtual DWORD SetExtendedStyle(DWORD /*style*/) { return 0; }
    virtual int DeleteAllItems() { return 0; }
    virtual void DeleteSelectedItems(std::set<int>& /*rows*/) {}
    virtual void SetItemSelected(int* /*rows*/, int /*n*/, bool /*select*/) {}
    virtual int SetColumnWidth(int /*col*/, int /*width*/) { return 0; }
    virtual void SetColumnTextAlign(int /*col*/, UINT /*dtFlags*/) {}
    virtual void SetItemWidget(int /*row*/, int /*col*/, const wchar_t* /*tip1*/, const wchar_t* /*tip2*/,
                               ImageButtonStyle /*skin1*/, ImageButtonStyle /*skin2*/)
    {}
    virtual void SetItemProgress(int /*row*/, int /*col*/, UINT /*id*/, ImageProgressCtrlStyle /*skin*/) {}
    virtual void SetItemCheckWidget(int /*row*/, int /*col*/, ImageRadioBox /*skin*/) {}
    virtual void SetItemIcon(int /*row*/, int /*col*/, const wchar_t* /*path*/) {}
    virtual void SetObjectName(const wchar_t* /*name*/) {}
    virtual void SetHorizontalHeaderVisible(int /*visible*/) {}
    virtual void ScrollToBottom() {}
    virtual void SetToolTipText(int /*row*/, int /*col*/, const wchar_t* /*text*/) {}
    virtual void SetShowGrid(int /*show*/) {}
    virtual void SetColumnHeaderText(int /*col*/, const wchar_t* /*text*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void SetSelectionStyle(UINT /*mode*/) {}
    virtual void EditorMode(int /*col*/) {}
    virtual int IsSelected(int /*row*/) { return 1; }
    virtual int IsCheck(int /*row*/) { return 0; }
    virtual void GetSelectRow(std::set<int>& /*rows*/) {}
    virtual void SetHeaderSortEnable(int /*on*/) {}
    virtual void SetColumnHidden(int /*col*/, bool /*hidden*/) {}
    virtual void SetVerticalHeaderHide() {}
    virtual void SetSortIndicatorShown(int /*shown*/) {}
    virtual void SetItemEditable(int /*row*/, int /*col*/) {}
    virtual void SetItemEdit(int /*row*/, int /*col*/) {}
    virtual void SetRowColor(int /*row*/) {}
    virtual void EmitHeadClickFun(int /*col*/) {}
    virtual void AddOperateBtn(int /*row*/, int /*col*/, const wchar_t* /*text*/, int /*id*/,
                               ImageButtonStyle /*skin*/, int /*w*/, int /*h*/)
    {}
    virtual void SetBtnEnable(int /*row*/, bool /*enable*/) {}
    virtual void SetAllCheck(int /*check*/) {}
    virtual void SetItemShow(int /*row*/, int /*col*/, UINT /*id*/, bool /*show*/) {}
    virtual void SetProgress(int /*row*/, int /*pos*/) {}

protected:
    ISFListCtrlEvent* m_pEvent;
};

// =========================================================================================
// Tree control
// =========================================================================================

// Special item handles: the invisible root, and "insert at the end".
inline void* const TVI_ROOT = reinterpret_cast<void*>(static_cast<std::uintptr_t>(0xFFFF0000u));
inline void* const TVI_LAST = reinterpret_cast<void*>(static_cast<std::uintptr_t>(0xFFFF0002u));

class ISFTreeCtrlEvent
{
public:
    virtual void OnItemDbClick(void* /*item*/, POINT& /*pt*/) {}  // kept: exported name
    virtual int OnItemClick(void* /*item*/, UINT /*flags*/) { return 1; }
    virtual void OnItemCheckStateChanged(void* /*item*/, int /*checked*/) {}
    virtual void OnItemCheckBoxClick(void* /*item*/, UINT /*checkable*/) {}
    virtual void OnDlgKeyDown(UINT /*modifiers*/, UINT /*key*/) {}
};

class CSFTreeCtrl
{
public:
    explicit CSFTreeCtrl(ISFTreeCtrlEvent* pEvent) : m_pEvent(pEvent) {}
    CSFTreeCtrl(const CSFTreeCtrl&) = default;
    CSFTreeCtrl& operator=(const CSFTreeCtrl&) = default;
    virtual ~CSFTreeCtrl() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/,
                       int /*checkMode*/)
    {
        return 0;
    }
    virtual void SetCursor() {}
    virtual int SetSkin(UITreeCtrlStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void* GetChildItem(void* /*item*/) const { return nullptr; }
    virtual UINT GetCount() const { return 0; }
    virtual UINT GetChildrenCount(void* /*item*/) const { return 0; }
    virtual void* GetImageList(UINT /*kind*/) const { return nullptr; }
    virtual DWORD GetItemData(void* /*item*/) const { return 0; }
    virtual int GetTreeItemText(void* /*item*/, wchar_t* /*buf*/, int /*size*/) { return 0; }
    virtual void* GetNextItem(void* /*item*/, UINT /*code*/) const { return nullptr; }
    virtual void* GetNextSiblingItem(void* /*item*/) const { return nullptr; }
    virtual void* GetParentItem(void* /*item*/) const { return nullptr; }
    virtual void* GetPrevSiblingItem(void* /*item*/) const { return nullptr; }
    virtual void* GetRootItem() const { return nullptr; }
    virtual void ExpandTreeItem(void* /*item*/, UINT /*code*/) {}
    virtual void* FindChildItem(const wchar_t* /*text*/, void* /*parent*/) const { return nullptr; }
    virtual void* SetImageList(void* /*list*/, int /*kind*/) { return nullptr; }
    virtual int SetItemData(void* /*item*/, DWORD /*data*/) { return 0; }
    virtual int DeleteAllItems() { return 0; }
    virtual void SetItemImage(void* /*item*/, int /*image*/, int /*selectedImage*/) {}
    virtual int GetItemImage(void* /*item*/, int& /*image*/, int& /*selectedImage*/) const { return 0; }
    virtual int DeleteItem(void* /*item*/) { return 0; }
    virtual void* InsertItem(const wchar_t* /*text*/, void* /*parent*/, void* /*after*/) { return nullptr; }
    virtual UINT GetItemState(void* /*item*/, UINT /*mask*/) const { return 0; }
    virtual int SetCheck(void* /*item*/, int /*check*/) { return 0; }
    virtual int GetCheck(void* /*item*/) const { return 0; }
    virtual void SetItemHilight(void* /*item*/, int /*on*/) {}       // kept: exported name
    virtual int IsItemHilight(void* /*item*/) { return 0; }          // kept: exported name
    virtual int IsAnyChildItemHilight(void* /*item*/) { return 0; }  // kept: exported name
    virtual void SetAllItemCheck(int /*check*/) {}
    virtual int IsAllItemCheck() { return 0; }
    virtual int ItemHasChildren(void* /*item*/) const { return 0; }
    virtual int SetItemIcon(void* /*item*/, const wchar_t* /*name*/) { return 0; }
    virtual int SetItemIcon(DWORD /*data*/, int /*on*/) { return 0; }
    virtual void GetClientRect(RECT* /*rc*/) {}
    virtual void SetEnable(int /*enable*/) {}
    virtual void SetUserCheckable(int /*on*/) {}
    virtual void SetItemUserCheckable(void* /*item*/, int /*on*/) {}
    virtual void SetToolTipText(void* /*item*/, const wchar_t* /*text*/) {}
    virtual void SetObjectName(const wchar_t* /*name*/) {}
    virtual void SetItemIconBack(void* /*item*/, const wchar_t* /*name*/) {}
    virtual void ExpangAll() {}  // kept: exported name

protected:
    ISFTreeCtrlEvent* m_pEvent;
};

// =========================================================================================
// Date/time control
// =========================================================================================

class ISFDateTimeCtrlEvent
{
public:
    virtual void DTN_DropDownMonthCal(UINT /*id*/) {}
    virtual void DTN_DateTimeChange(UINT /*id*/, _SF_SYSTEMTIME /*time*/) {}
};

class CSFDateTimeCtrl
{
public:
    explicit CSFDateTimeCtrl(ISFDateTimeCtrlEvent* pEvent) : m_pEvent(pEvent) {}
    CSFDateTimeCtrl(const CSFDateTimeCtrl&) = default;
    CSFDateTimeCtrl& operator=(const CSFDateTimeCtrl&) = default;
    virtual ~CSFDateTimeCtrl() {}

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageDateTimeStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void GetWindowRect(RECT* /*rc*/) {}
    virtual int GetTime(_SF_SYSTEMTIME* /*time*/) const { return 0; }
    virtual int GetDate(_SF_SYSTEMTIME* /*date*/) const { return 0; }
    virtual int SetTime(_SF_SYSTEMTIME* /*time*/) { return 0; }
    virtual int SetDate(_SF_SYSTEMTIME* /*date*/) { return 0; }
    virtual void SetOriginStyle(int /*style*/) {}
    virtual void SetDateRange(_SF_SYSTEMTIME* const& /*from*/, _SF_SYSTEMTIME* const& /*to*/) {}

protected:
    ISFDateTimeCtrlEvent* m_pEvent;
};

// =========================================================================================
// Scroll area
// =========================================================================================

// The scroll area reports nothing.
class ISFScrollAreaEvent
{};

// This facade has no virtual destructor: a scroll area is always released by its parent.
class CSFScrollArea
{
public:
    explicit CSFScrollArea(ISFScrollAreaEvent* pEvent) : m_pEvent(pEvent) {}
    CSFScrollArea(const CSFScrollArea&) = default;
    CSFScrollArea& operator=(const CSFScrollArea&) = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rc*/, UINT /*cx*/, UINT /*cy*/, void* /*parentUI*/,
                       UINT /*id*/)
    {
        return 0;
    }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void SetTooltipEnable(int /*enable*/) {}
    virtual void SetToolTipText(const wchar_t* /*text*/) {}
    virtual int IsWindowVisible() { return 0; }
    virtual int IsWindow() { return 0; }
    virtual void SetEnabled(int /*enable*/) {}
    // The content panel: the parent window for controls placed in the area.
    virtual void* GetUIWnd() { return nullptr; }
    virtual void SetSkin(ScrollAreaStyle* /*style*/) {}

protected:
    ~CSFScrollArea() {}
    ISFScrollAreaEvent* m_pEvent;
};

// =========================================================================================
// Number spinner
// =========================================================================================

class ISFNumSpinerEvent  // kept: exported name
{
public:
    virtual void OnCurrentNumChanged(UINT /*id*/, int /*value*/) {}
};

// Number spinner skin, picture names under the skin folder: [0] field background, [1] down
// button, [3] down pressed, [4] down disabled, [8] up button, [10] up pressed, [11] up
// disabled; the others are not read.
struct ImageNumSpinerStyle : SFWideStringRecord<12>  // kept: exported name
{};

class CSFNumSpiner  // kept: exported name
{
public:
    explicit CSFNumSpiner(ISFNumSpinerEvent* pEvent) : m_pEvent(pEvent) {}
    CSFNumSpiner(const CSFNumSpiner&) = default;
    CSFNumSpiner& operator=(const CSFNumSpiner&) = default;
    virtual ~CSFNumSpiner() {}

    virtual BOOL Create(const wchar_t* /*text*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/)
    {
        return FALSE;
    }
    virtual void SetRange(int /*min*/, int /*max*/) {}
    virtual void GetRange(int& /*min*/, int& /*max*/) {}
    virtual void SetStep(int /*step*/) {}
    virtual int GetStep() { return 0; }
    virtual void SetCurrentNum(int /*value*/) {}
    virtual int GetCurrentNum() { return 0; }
    virtual void StepUp() {}
    virtual void StepDown() {}
    virtual BOOL SetSkin(ImageNumSpinerStyle* /*style*/) { return FALSE; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*cx*/, int /*cy*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void SetCircleStep(int /*on*/) {}
    virtual void SetOriginStyle(int /*style*/) {}

protected:
    ISFNumSpinerEvent* m_pEvent;
};

// =========================================================================================
// Image strip
// =========================================================================================

class ISFImagePanelEvent
{
public:
    virtual void IMGPNL_OnPlayImage(const wchar_t* /*path*/) {}
};

// Image strip skin: sixteen wide strings, of which [8]..[11] are the first texts of the
// information values (type, name, start, end), [12] the background colour and [15] the text
// colour (both "RRGGBB"); then the thumbnail size and spacings in pixels.
struct UIImagePanelStyle : SFWideStringRecord<16>
{
    int nThumbHeight = 0;
    int nThumbWidth = 0;
    int nMargin = 0;     // before the first and after the last thumbnail
    int nTopOffset = 0;  // from the top edge to the thumbnails
    int nGap = 0;        // between thumbnails; a hovered one grows by it on every side
};

class CSFImagePanel
{
public:
    explicit CSFImagePanel(ISFImagePanelEvent* pEvent) : m_pEvent(pEvent) {}
    CSFImagePanel(const CSFImagePanel&) = default;
    CSFImagePanel& operator=(const CSFImagePanel&) = default;
    virtual ~CSFImagePanel() {}

    virtual BOOL Create(const wchar_t* /*text*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/)
    {
        return FALSE;
    }
    virtual void SetCursor() {}
    virtual BOOL SetSkin(UIImagePanelStyle* /*style*/) { return FALSE; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int GetCount() { return 0; }
    virtual BOOL AddItem(const wchar_t* /*path*/, const wchar_t* /*name*/, const wchar_t* /*type*/,
                         const wchar_t* /*start*/, const wchar_t* /*end*/)
    {
        return FALSE;
    }
    virtual void ClearItems() {}
    virtual void DelByItemName(const wchar_t* /*name*/) {}
    virtual void SetScrollType(DISPLAY_TYPE /*type*/) {}
    virtual const wchar_t* GetHotImagePath() { return nullptr; }

protected:
    ISFImagePanelEvent* m_pEvent;
};

// =========================================================================================
// Animated picture
// =========================================================================================

// The animated picture reports nothing.
class ISFPictureExEvent
{};

class CSFPictureEx
{
public:
    explicit CSFPictureEx(ISFPictureExEvent* pEvent) : m_pEvent(pEvent) {}
    CSFPictureEx(const CSFPictureEx&) = default;
    CSFPictureEx& operator=(const CSFPictureEx&) = default;
    virtual ~CSFPictureEx() {}

    virtual BOOL Create(const wchar_t* /*text*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/,
                        UINT /*id*/)
    {
        return FALSE;
    }
    virtual void SetCursor() {}
    virtual BOOL SetSkin() { return FALSE; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual BOOL Draw() { return FALSE; }
    virtual BOOL Load(const wchar_t* /*file*/, int /*unused*/) { return FALSE; }
    virtual BOOL SetAnimation(int /*on*/) { return FALSE; }

protected:
    ISFPictureExEvent* m_pEvent;
};

// =========================================================================================
// Time-line
// =========================================================================================

class IPlayProgressEvent
{
public:
    virtual void OnPositionChanged(UINT /*nID*/, int /*nChannel*/, int /*nRecordID*/, int /*nPos*/,
                                   VIDEOCUT_TYPE /*cut*/, bool /*bMove*/)
    {}
    virtual void OnSetHighlight(UINT /*nID*/, int /*nChannel*/) {}
    virtual void OnMouseOverChannel(UINT /*nID*/, int /*nChannel*/, POINT /*pt*/, int /*nTime*/) {}
    virtual void PPP_OnMouseLeave(UINT /*nID*/) {}
};

// The facade keeps the channel map (channel id -> channel, in ascending id order). The
// reserved operations throw a pointer to a narrow text: callers must not use them.
class CSFPlayProgressPanel
{
public:
    explicit CSFPlayProgressPanel(IPlayProgressEvent* pEvent) : m_pEvent(pEvent) {}
    CSFPlayProgressPanel(const CSFPlayProgressPanel&) = default;
    CSFPlayProgressPanel& operator=(const CSFPlayProgressPanel&) = default;
    virtual ~CSFPlayProgressPanel() { m_mapChannels.clear(); }

    virtual void AddChannel(const PlayProgressChannel& /*channel*/) {}
    virtual void RemoveAllChannels() {}
    virtual void RemoveChannel(int /*nChannelId*/) {}
    // The stored channel, read-only: the control files its records by day and points into
    // them. Valid until the channel is replaced or removed; a changed channel is handed in
    // again with AddChannel.
    virtual const PlayProgressChannel* GetChannel(int /*nChannelId*/) { return nullptr; }
    virtual void SetBackground(const wchar_t* /*name*/) {}
    virtual void Reserved6() { throw "unimplemented"; }
    virtual void Reserved7() { throw "umimplemented"; }  // kept: exported text
    virtual void Reserved8() { throw "unimplemented"; }
    virtual void SetZoom(int /*zoom*/) {}
    virtual void Reserved10() { throw "umimplemented"; }  // kept: exported text
    virtual void Reserved11() {}
    virtual void SetRecordTypeFilter(int /*mask*/) {}
    virtual int Create(const wchar_t* /*title*/, DWORD /*style*/, DWORD /*exStyle*/, const RECT& /*rc*/,
                       void* /*parentUI*/, UINT /*id*/)
    {
        return 0;
    }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void SetPosition(int /*nChannel*/, int /*nTime*/) {}
    virtual int GetPosition(int /*nChannel*/) { return 0; }
    virtual void SetPositionOffset(int /*nChannel*/, int /*nSeconds*/) {}
    virtual void SetHighlightChannel(int /*nChannel*/) {}
    virtual void SetViewMode(int /*nChannel*/, int /*nMode*/) {}
    virtual void ScrollChannelDown() {}
    virtual void ScrollChannelUp() {}
    virtual void SetSkinLayout(ImagePlayProgressLayout* /*layout*/) {}
    virtual void SetSkin(ImagePlayProgressStyle* /*style*/) {}
    virtual void SetSyncCursor(int /*on*/) {}
    virtual void EnableVideoCut(int /*on*/) {}
    virtual void ScrollToTime(int /*nTime*/) {}
    virtual void SetCutPos(int /*nIndex*/, double /*dTime*/) {}
    virtual void Reserved30() { throw "unimplemented"; }

protected:
    IPlayProgressEvent* m_pEvent;
    std::map<int, PlayProgressChannel> m_mapChannels;
};

// =========================================================================================
// Scenes
// =========================================================================================

class CSFHorizontalScene
{
public:
    CSFHorizontalScene() {}
    CSFHorizontalScene(const CSFHorizontalScene&) = default;
    CSFHorizontalScene& operator=(const CSFHorizontalScene&) = default;
    virtual ~CSFHorizontalScene() {}

    virtual int Create(const wchar_t* /*title*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/,
                       UINT /*id*/)
    {
        return 1;
    }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageHorizontalStyle* /*style*/) { return 1; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void ChangeAngle(double /*degrees*/) {}
    virtual void ChangeDis(double /*nearDistance*/, double /*farDistance*/) {}
};

class ISFVerticalSceneEvent
{
public:
    // which: 1 the near distance, 0 the far end distance.
    virtual void VS_OnDistanceChanged(int /*which*/, double /*metres*/) {}
    virtual void VS_OnReserved1(double /*value*/) {}
    virtual void VS_OnReserved2(double /*value*/) {}
    virtual void VS_OnAngleChanged(double /*degrees*/) {}
};

class CSFVerticalScene
{
public:
    explicit CSFVerticalScene(ISFVerticalSceneEvent* pEvent) : m_pEvent(pEvent) {}
    CSFVerticalScene(const CSFVerticalScene&) = default;
    CSFVerticalScene& operator=(const CSFVerticalScene&) = default;
    virtual ~CSFVerticalScene() {}

    virtual int Create(const wchar_t* /*title*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/,
                       UINT /*id*/)
    {
        return 1;
    }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageVericalStyle* /*style*/) { return 1; }  // kept: exported name
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void SetObjectDW(int /*distance*/, int /*width*/) {}
    virtual void SetRealXY(int /*x*/, int /*y*/) {}
    virtual void SetVirtualHeight(double /*height*/) {}
    virtual void SetRes(int /*first*/, int /*second*/) {}

protected:
    ISFVerticalSceneEvent* m_pEvent;
};

class CSFSimulationScene
{
public:
    CSFSimulationScene() {}
    CSFSimulationScene(const CSFSimulationScene&) = default;
    CSFSimulationScene& operator=(const CSFSimulationScene&) = default;
    virtual ~CSFSimulationScene() {}

    virtual int Create(const wchar_t* /*title*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/,
                       UINT /*id*/)
    {
        return 1;
    }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageSimulationlStyle* /*style*/) { return 1; }  // kept: exported name
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void ChangeScale(double /*s1*/, double /*s2*/, double /*heightShare*/, double /*s4*/) {}
};

// =========================================================================================
// Video window
// =========================================================================================

class ISFVideoWindowEvent
{
public:
    virtual ~ISFVideoWindowEvent() {}
    virtual void OnLayoutChanged() {}
    virtual void OnBnClickedVideoClose(int /*index*/, int /*id*/) {}
    virtual void OnBnClickedVideoSnap(int /*index*/, int /*id*/) {}
    virtual void OnBnClickedVideoRecord(int /*index*/, int /*id*/, int /*checked*/) {}
    virtual void OnBnClickedVideoProperty(int /*index*/, int /*id*/) {}
    virtual void OnFocusWndChanged(int /*newId*/, int /*oldId*/) {}
    virtual void OnSubWndExchanged(int /*id1*/, int /*id2*/) {}
    virtual void OnSubWinZoom(int /*a*/, int /*b*/, int /*c*/) {}
    virtual void OnSubWinOccupyRoom(int /*a*/, int /*b*/, int /*c*/) {}
    virtual void OnSubWinBoundChanged(int /*id*/) {}
    virtual void VideoWidow_OnLButtonDown(int /*index*/, int /*id*/, POINT& /*pt*/) {}  // kept: exported name
    virtual void VideoWidow_OnLButtonUp(int /*index*/, int /*id*/, POINT& /*pt*/) {}    // kept: exported name
};

// The split video window. SetSkin comes before Create (the pane controls take their
// pictures there). SetFocus(index) and a wheel zoom turn the play widget's repainting off:
// frames handed to RenderSubWin show again once SetUpdatesEnabled(index, true) is called.
class CSFVideoWindow
{
public:
    explicit CSFVideoWindow(ISFVideoWindowEvent* pEvent) : m_pEvent(pEvent) {}
    CSFVideoWindow(const CSFVideoWindow&) = default;
    CSFVideoWindow& operator=(const CSFVideoWindow&) = default;
    virtual ~CSFVideoWindow() {}

    // The layout string of a preset 0..9, NULL for any other value. Defined with the
    // layout model.
    static const char* GetDefaultLayout(DEFAULT_LAYOUT layout);

    virtual int Create(const wchar_t* /*title*/, const RECT& /*rc*/, void* /*parentUI*/, UINT /*id*/)
    {
        return 0;
    }
    virtual int SetSkin(ImageVideoWindowStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int GetLayoutOverView(char* /*buf*/, int /*size*/) { return 0; }
    virtual int GetLayoutOverView(wchar_t* /*buf*/, int /*size*/) { return 0; }
    virtual VIDEOWINDOWMODE GetVideoWindowMode() { return static_cast<VIDEOWINDOWMODE>(0); }
    virtual int SetRows(int /*rows*/) { return 0; }
    virtual int SetColumns(int /*columns*/) { return 0; }
    virtual void SetSubWinProportion(int /*w*/, int /*h*/) {}
    virtual int SetLayout(const char* /*layout*/) { return 0; }
    virtual int GetLayout(char* /*buf*/, int /*length*/) { return 0; }
    virtual int SetDefaultLayout(DEFAULT_LAYOUT /*layout*/) { return 0; }
    virtual void* GetSubWinHandle(int /*index*/) { return nullptr; }
    virtual int GetCurrentSubWinIndex() { return -1; }
    virtual int GetSubWinID(int /*index*/) { return -1; }
    virtual int GetSubWinIndexFromID(int /*id*/) { return -1; }
    virtual int GetCurrentSubWinCount() { return 0; }
    virtual void SetSubWinVideo(int /*index*/, int /*state*/) {}
    virtual void SetSubWinVideoByID(int /*id*/, int /*state*/) {}
    virtual void SetDragMode(int /*mode*/) {}
    virtual void SetFrameZoomMode(int /*mode*/) {}
    virtual int IsEnableFrameZoom() { return 0; }
    virtual void SetDrawOSDHandle(void* /*handle*/) {}
    virtual RECT GetFrameOSDRect() { return RECT{0, 0, 0, 0}; }
    virtual void SetDragSubWinCursor(void* /*cursor*/) {}
    virtual void SetSubWinCtrlsVisible(int /*visible*/) {}
    virtual void SetSubWinRecordState(int /*id*/, int /*state*/) {}
    virtual void EableSubWinExchange(int /*enable*/) {}  // kept: exported name
    virtual void ResetSubWinSizeToMin(int /*index*/) {}
    virtual void ResetSubWinSizeToMinByID(int /*id*/) {}
    virtual int SetFocusSubWin(int /*id*/) { return 0; }
    virtual void SetActiveCheckMode(int /*mode*/) {}
    virtual void SetParent(void* /*parent*/) {}
    virtual void SetUpdatesEnabled(int /*index*/, bool /*enabled*/) {}
    virtual void SetFocus(int /*index*/) {}
    virtual int RenderSubWin(int /*id*/, BYTE* /*data*/, RENDER_DATA_TYPE /*type*/, int /*width*/,
                             int /*height*/)
    {
        return 0;
    }

protected:
    ISFVideoWindowEvent* m_pEvent;
};

// =========================================================================================
// Focus graph
// =========================================================================================

class CSFVideoInFocus
{
public:
    CSFVideoInFocus() {}
    CSFVideoInFocus(const CSFVideoInFocus&) = default;
    CSFVideoInFocus& operator=(const CSFVideoInFocus&) = default;
    virtual ~CSFVideoInFocus() {}

    virtual int Create(const wchar_t* /*title*/, DWORD /*style*/, const RECT& /*rc*/, void* /*parentUI*/,
                       UINT /*id*/)
    {
        return 1;
    }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageButtonStyle* /*style*/) { return 1; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rc*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual int AddPointY(int /*value*/) { return 0; }
    virtual void SetMode(int /*mode*/) {}
    virtual void ClearPointY() {}
    virtual void SetString(const wchar_t* /*text*/, int /*which*/) {}
};
