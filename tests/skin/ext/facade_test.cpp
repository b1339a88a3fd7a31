// The facade classes and sinks on their own: every operation of every facade, made with no
// sink, gives its neutral result (0, FALSE, NULL) or its listed exception (one case per
// facade), the facades without an implementation are never made, and the UI-message id list
// of a sink.
#include "skin/SFEntry.h"
#include "skin/SFInterface.h"
#include "skin/SFMsgMap.h"
#include "skin/ext/SFInterfaceExt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

struct Result
{
    std::string what;
    long long got;
    long long want;
};

long long V(long long v) { return v; }
long long V(const void* p) { return static_cast<long long>(reinterpret_cast<std::intptr_t>(p)); }
long long V(const RECT& r) { return (r.left || r.top || r.right || r.bottom) ? 1 : 0; }

#define CHECK_RESULT(expr, want) results.push_back(Result{#expr, V(expr), (want)})

// A scroll-area facade may only be destroyed through its implementation.
struct ScrollAreaProbe : CSFScrollArea
{
    ScrollAreaProbe() : CSFScrollArea(nullptr) {}
};

// Every operation of one facade made with no sink, a function per facade. The arguments hold
// values no facade may change; each answer is kept beside the neutral one it must be.
struct Calls
{
    RECT rc{1, 2, 3, 4};
    POINT pt{5, 6};
    wchar_t buf[16] = L"unchanged";
    int a = 7, b = 8;
    int checked = 5;
    BYTE b0 = 1, b1 = 2, b2 = 3, b3 = 4;
    DWORD dw = 9;
    void* pos = nullptr;
    std::set<int> rows{1};
    _SF_SYSTEMTIME st{};
    _SF_SYSTEMTIME* pst = &st;
    ImageButtonStyle button;
    ImageRadioBox radio;
    ImageProgressCtrlStyle progress;
    std::vector<Result> results;

    void Dialog()
    {
        CSFDialog dlg(nullptr);
        CHECK_RESULT(dlg.GetUIWnd(), 0);
        CHECK_RESULT(dlg.GetThisMessageIDs(), 0);
        CHECK_RESULT(dlg.CreateDlg(nullptr), 0);
        CHECK_RESULT(dlg.DoModalDlg(), -1);
        CHECK_RESULT(dlg.Create(L"t", nullptr), 0);
        CHECK_RESULT(dlg.IsDlgZoomed(), 0);
        CHECK_RESULT(dlg.DlgIsWindow(), 0);
        CHECK_RESULT(dlg.SetDlgWindowPos(nullptr, 1, 2, 3, 4, 0), 0);
        CHECK_RESULT(dlg.ModifyDlgStyleEx(1, 2, 0), 0);
        CHECK_RESULT(dlg.IsDlgVisible(), 0);
        CHECK_RESULT(dlg.SetDlgTimer(1, 10), 0);
        CHECK_RESULT(dlg.KillDlgTimer(1), 0);
        CHECK_RESULT(dlg.HasFocus(), 0);
        CHECK_RESULT(dlg.IsActiveWindow(), 0);
        dlg.ShowWindow(1), dlg.MoveWindow(&rc), dlg.MoveWindow(1, 2, 3, 4), dlg.MFCOK(), dlg.MFCCancel();
        dlg.CenterWindow(nullptr), dlg.SetSkin(nullptr), dlg.Screen2Client(&pt), dlg.Screen2Client(&rc);
        dlg.GetDlgClientRect(&rc), dlg.GetDlgWindowRect(&rc), dlg.SendDlgMessage(16, 0, 0),
            dlg.SetDrawBackGround(1);
        dlg.SetWindowTextW(L"x"), dlg.SetDlgIcon(1u), dlg.SetDlgIcon(L"i.png"), dlg.EnableNcLBtnDown(0);
        dlg.SetSizeRoundCorner(L"4,4"), dlg.MacShowFullScreen(true), dlg.MacShowMinimize(true);
        dlg.MacShowMaximize(true), dlg.SetFocus(), dlg.ActiveWindow();
    }
    void View()
    {
        CSFView view(nullptr);
        CHECK_RESULT(view.GetUIWnd(), 0);
        CHECK_RESULT(view.Create(L"c", L"t", 0x10000000, rc, nullptr, 1), 0);
        CHECK_RESULT(view.isShow(), 0);
        CHECK_RESULT(view.isWindow(), 0);
        CHECK_RESULT(view.SubclassWindow(), 0);
        CHECK_RESULT(view.UnsubclassWindow(), 0);
        view.ShowWindow(1), view.SetBackground(L"b"), view.MoveWindow(&rc), view.MoveWindow(1, 2, 3, 4);
        view.GetViewClientRect(&rc), view.GetViewWindowRect(&rc), view.Screen2Client(&pt),
            view.Screen2Client(&rc);
        view.SetRoundCornerRadius(3), view.SetBGClr(0), view.SetParentWindow(nullptr, WINDOW_TYPE_DIALOG);
        view.SetFrameClr(0, 1);
    }
    void Menu()
    {
        CSFMenu menu(nullptr);
        CHECK_RESULT(menu.Create(0, rc, nullptr, 0), 0);
        CHECK_RESULT(menu.SetSkin(), 0);
        CHECK_RESULT(menu.AddMenu(L"m"), 0);
        CHECK_RESULT(menu.AddAction(L"a", 1), 0);
        menu.Popup(1, 2), menu.AddSeparator(), menu.Clear();
    }
    void Button()
    {
        CSFButton btn(nullptr);
        CHECK_RESULT(btn.Create(L"b", 0, rc, nullptr, 1), FALSE);
        CHECK_RESULT(btn.SetSkin(&button), FALSE);
        CHECK_RESULT(btn.GetWindowTextW(buf, 16), 0);
        CHECK_RESULT(btn.IsEnabled(), TRUE);
        btn.SetCursor(), btn.ShowWindow(1), btn.MoveWindow(&rc), btn.MoveWindow(1, 2, 3, 4),
            btn.EnableWindow(1);
        btn.SetTextColor(0), btn.SetTextOffset(1, 2), btn.SetTextAlign(1), btn.SetTooltipEnable(1);
        btn.SetToolTipText(L"t"), btn.SetWindowTextW(L"w"), btn.GetBTNWindowRect(&rc), btn.EnableAnimation(1);
        btn.SetBtnState(2), btn.SetIconPos(ICON_POS_LEFT);
    }
    void CheckBox()
    {
        CSFCheckBox check(nullptr);
        CHECK_RESULT(check.Create("c", 0, rc, nullptr, 1), FALSE);
        CHECK_RESULT(check.GetCheck(&checked), 0);
        CHECK_RESULT(check.GetWindowTextW(buf, 16), 0);
        CHECK_RESULT(check.SetSkin(nullptr), FALSE);
        check.SetCursor(), check.ShowWindow(1), check.MoveWindow(&rc), check.MoveWindow(1, 2, 3, 4),
            check.SetCheck(1);
        check.SetWindowTextW(L"w"), check.EnableWindow(1);
    }
    void RadioBox()
    {
        CSFRadioBox rb(nullptr);
        CHECK_RESULT(rb.Create(L"r", 0, rc, nullptr, 1), FALSE);
        CHECK_RESULT(rb.SetSkin(&radio), FALSE);
        CHECK_RESULT(rb.GetCheck(), 0);
        CHECK_RESULT(rb.GetWindowTextW(buf, 16), 0);
        CHECK_RESULT(rb.IsWindowVisible(), 0);
        rb.SetCursor(), rb.ShowWindow(1), rb.MoveWindow(&rc), rb.MoveWindow(1, 2, 3, 4), rb.SetCheck(1);
        rb.SetWindowTextW(L"w"), rb.SetBoldHeavy(1), rb.SetTextColor(0), rb.SetTextOffset(1),
            rb.SetTextAlign(1);
        rb.GetRadioClientRect(&rc), rb.GetRadioWindowRect(&rc), rb.SetImageInfo(nullptr, nullptr),
            rb.SetBkColor(0, 0);
        rb.SetBkRect(true), rb.SetTooltipEnable(1), rb.SetToolTipText(L"t");
    }
    void FrameWnd()
    {
        CSFFrameWnd frame(nullptr);
        CHECK_RESULT(frame.GetUIWnd(), 0);
        CHECK_RESULT(frame.Create(L"c", L"t", 0, rc, nullptr, L"m", 0, nullptr), FALSE);
        CHECK_RESULT(frame.CreateChildWnd(), 0);
        frame.ShowWindow(1), frame.DockControlBar(nullptr, 0, &rc), frame.UIEnableDocking(0),
            frame.SetSkin(nullptr);
    }
    void ChildWnd()
    {
        CSFChildWnd child(nullptr);
        CHECK_RESULT(child.GetUIWnd(), 0);
        CHECK_RESULT(child.Create(1, "t", 1), FALSE);
        child.ShowWindow(1);
    }
    void EditCtrl()
    {
        CSFEditCtrl edit(nullptr);
        CHECK_RESULT(edit.Create(0, rc, nullptr, 1, false), 0);
        CHECK_RESULT(edit.SetSkin(L"e.png"), 0);
        CHECK_RESULT(edit.GetWindowTextW(buf, 16), 0);
        edit.SetCursor(), edit.ShowWindow(1), edit.MoveWindow(&rc), edit.MoveWindow(1, 2, 3, 4),
            edit.SetWindowTextW(L"w");
        edit.EnableWindow(1), edit.SetReadOnly(1), edit.GetEditCtrolPos(rc), edit.SetRegExp(),
            edit.InputNumberOnly();
    }
    void ComboBox()
    {
        CSFComboBox combo(nullptr);
        CHECK_RESULT(combo.Create(0, rc, nullptr, 1), 0);
        CHECK_RESULT(combo.SetSkin(nullptr), 0);
        CHECK_RESULT(combo.AddString(L"a"), 0);
        CHECK_RESULT(combo.DeleteString(0), 0);
        CHECK_RESULT(combo.GetLBText(0, buf), 0);
        CHECK_RESULT(combo.GetCurSel(), -1);
        CHECK_RESULT(combo.SetCurSel(0), 0);
        CHECK_RESULT(combo.GetCount(), 0);
        combo.SetCursor(), combo.ShowWindow(1), combo.MoveWindow(&rc), combo.MoveWindow(1, 2, 3, 4),
            combo.EnableWindow(1);
        combo.SetOriginStyle(1), combo.Clear(), combo.ResetContent();
    }
    void Static()
    {
        CSFStatic stat(nullptr);
        CHECK_RESULT(stat.Create(L"s", 0, rc, nullptr, 1), 0);
        CHECK_RESULT(stat.SetSkin(), 0);
        CHECK_RESULT(stat.GetStaticText(buf, 16), 0);
        CHECK_RESULT(stat.GetTextAlignFlag(), 0);
        CHECK_RESULT(stat.GetWordWrap(), 0);
        CHECK_RESULT(stat.GetWrapAnywher(), 0);
        CHECK_RESULT(stat.GetGeometry(), 0);
        stat.SetCursor(), stat.ShowWindow(1), stat.MoveWindow(&rc), stat.MoveWindow(1, 2, 3, 4),
            stat.SetStaticText(L"s");
        stat.SetTextAlignFlag(0x24), stat.SetTextColor(0), stat.SetTextBold(1), stat.GetTextSize(a, b);
        stat.SetBgColor(0, 1), stat.SetTextSize(12), stat.GetStaticCtrolPos(rc), stat.SetTextOffset(1);
        stat.SetWordWrap(1), stat.SetWrapAnywhere(1), stat.SetTooltipEnable(1), stat.SetToolTipText(L"t");
    }
    void PictureCtrl()
    {
        CSFPictureCtrl pic(nullptr);
        CHECK_RESULT(pic.Create(L"p", 0, rc, nullptr, 1), 0);
        CHECK_RESULT(pic.SetSkin(), 0);
        CHECK_RESULT(pic.GetHWnd(), 0);
        pic.SetCursor(), pic.ShowWindow(1), pic.MoveWindow(&rc), pic.MoveWindow(1, 2, 3, 4),
            pic.SetImage(L"i.png");
        pic.SetDrawPicture(1), pic.SetWindowTextW(L"w");
    }
    void ListBox()
    {
        CSFListBox list(nullptr);
        CHECK_RESULT(list.Create(0, rc, nullptr, 1), 0);
        CHECK_RESULT(list.SetSkin(), 0);
        CHECK_RESULT(list.GetCount(), 0);
        CHECK_RESULT(list.GetText(0, buf), 0);
        CHECK_RESULT(list.GetCurSel(), 0);
        CHECK_RESULT(list.SetCurSel(0), 0);
        CHECK_RESULT(list.AddString(L"a"), 0);
        CHECK_RESULT(list.DeleteString(0), 0);
        list.SetCursor(), list.ShowWindow(1), list.MoveWindow(&rc), list.MoveWindow(1, 2, 3, 4);
    }
    void GroupBox()
    {
        CSFGroupBox group(nullptr);
        CHECK_RESULT(group.Create(L"g", 0, rc, nullptr, 1), 0);
        CHECK_RESULT(group.SetSkin(), 0);
        CHECK_RESULT(group.GetWindowTextW(buf, 16), 0);
        group.SetCursor(), group.ShowWindow(1), group.MoveWindow(&rc), group.MoveWindow(1, 2, 3, 4);
        group.SetWindowTextW(L"w");
    }
    void SliderCtrl()
    {
        CSFSliderCtrl slider(nullptr);
        CHECK_RESULT(slider.Create(0, rc, nullptr, 1, SLIDER_RESPONSE_ON_CHANGE), 0);
        CHECK_RESULT(slider.SetSkin(nullptr), 0);
        CHECK_RESULT(slider.GetPos(), 0);
        slider.SetCursor(), slider.ShowWindow(1), slider.MoveWindow(&rc), slider.MoveWindow(1, 2, 3, 4);
        slider.GetRange(a, b), slider.SetPos(1), slider.SetRange(0, 9, 1), slider.SetTooltipEnable(1, 0);
        slider.EnableWindow(1);
    }
    void ProgressCtrl()
    {
        CSFProgressCtrl prog(nullptr);
        CHECK_RESULT(prog.Create(0, rc, nullptr, 1), 0);
        CHECK_RESULT(prog.SetSkin(&progress), 0);
        CHECK_RESULT(prog.ModifyStyleEx(0, 0, 0), 0);
        CHECK_RESULT(prog.GetPos(), 0);
        CHECK_RESULT(prog.SetStep(1), 0);
        CHECK_RESULT(prog.StepIt(), 0);
        prog.SetCursor(), prog.ShowWindow(1), prog.MoveWindow(&rc), prog.MoveWindow(1, 2, 3, 4),
            prog.GetRange(a, b);
        prog.SetPos(1), prog.SetRange(0, 9), prog.SetTextVisible(1);
    }
    void TabCtrl()
    {
        CSFTabCtrl tab(nullptr);
        CHECK_RESULT(tab.Create(0, rc, nullptr, 1), 0);
        CHECK_RESULT(tab.SetSkin(), 0);
        CHECK_RESULT(tab.GetCurSel(), 0);
        CHECK_RESULT(tab.GetExtendedStyle(), 0);
        CHECK_RESULT(tab.GetItemCount(), 0);
        CHECK_RESULT(tab.SetCurSel(1), 0);
        CHECK_RESULT(tab.SetExtendedStyle(1, 1), 0);
        CHECK_RESULT(tab.DeleteAllItems(), 0);
        CHECK_RESULT(tab.DeleteItem(0), 0);
        CHECK_RESULT(tab.InsertItem(0, L"t"), 0);
        tab.SetCursor(), tab.ShowWindow(1), tab.MoveWindow(&rc), tab.MoveWindow(1, 2, 3, 4);
    }
    void MonthCalCtrl()
    {
        CSFMonthCalCtrl cal(nullptr);
        CHECK_RESULT(cal.Create(0, rc, nullptr, 1), 0);
        CHECK_RESULT(cal.SetSkin(nullptr), 0);
        CHECK_RESULT(cal.GetCurSel(&st), 0);
        CHECK_RESULT(cal.GetToday(&st), 0);
        CHECK_RESULT(cal.SetCurSel(&st), 0);
        cal.SetCursor(), cal.ShowWindow(1), cal.MoveWindow(&rc), cal.MoveWindow(1, 2, 3, 4),
            cal.GetClientRect(&rc);
        cal.SetToday(&st);
    }
    void IPAddressCtrl()
    {
        CSFIPAddressCtrl ip(nullptr);
        CHECK_RESULT(ip.Create(0, rc, nullptr, 1), 0);
        CHECK_RESULT(ip.SetSkin(), 0);
        CHECK_RESULT(ip.GetAddress(dw), 0);
        CHECK_RESULT(ip.GetAddress(b0, b1, b2, b3), 0);
        ip.SetCursor(), ip.ShowWindow(1), ip.MoveWindow(&rc), ip.MoveWindow(1, 2, 3, 4), ip.SetAddress(1u);
        ip.SetAddress(1, 2, 3, 4), ip.ClearAddress();
    }
    void ControlBar()
    {
        CSFControlBar bar(nullptr);
        CHECK_RESULT(bar.GetUIWnd(), 0);
        CHECK_RESULT(bar.Create(nullptr, 1, 0, L"t"), 0);
    }
    void WndTabBar()
    {
        CSFWndTabBar tabBar(nullptr);
        CHECK_RESULT(tabBar.GetUIWnd(), 0);
        CHECK_RESULT(tabBar.Create(nullptr, 1), 0);
        tabBar.Add(nullptr), tabBar.Remove(nullptr);
    }
    void PlayControlPanel()
    {
        CSFPlayControlPanel playCtl(nullptr);
        CHECK_RESULT(playCtl.Create(nullptr), 0);
        CHECK_RESULT(playCtl.GetControlStatus(CONTROL_ID_PLAY), 0);
        playCtl.SetBackground("b"), playCtl.SetAnchor(CONTROL_ID_PLAY, rc);
        playCtl.SetBtnAnchorSkin(CONTROL_ID_PLAY, CONTROL_STATUS_NORMAL, radio);
        playCtl.SetControlStatus(CONTROL_ID_STOP, CONTROL_STATUS_PRESSED), playCtl.DoPaint();
        playCtl.MoveWindow(1, 2, 3, 4), playCtl.MoveWindow(&rc), playCtl.ShowWindow(1);
        playCtl.SetThumbPosition(1, CONTROL_ID_VOLUME), playCtl.SetSlipPosition(CONTROL_ID_VOLUME, 0.5f);
    }
    // Extended controls.
    void ListCtrl()
    {
        CSFListCtrl lc(nullptr);
        CHECK_RESULT(lc.Create(0, rc, nullptr, 1, true), 0);
        CHECK_RESULT(lc.SetSkin(nullptr), 0);
        CHECK_RESULT(lc.GetCheck(0), 0);
        CHECK_RESULT(lc.GetColumn(0, nullptr), 0);
        CHECK_RESULT(lc.GetItemCount(), 0);
        CHECK_RESULT(lc.GetItemData(0), 0);
        CHECK_RESULT(lc.GetItemText(0, 0, buf, 16), 0);
        CHECK_RESULT(lc.GetFirstSelectedItemPosition(), 0);
        CHECK_RESULT(lc.GetNextSelectedItem(pos), 0);
        CHECK_RESULT(lc.GetExtendedStyle(), 0);
        CHECK_RESULT(lc.SetCheck(0, 1), 0);
        CHECK_RESULT(lc.SetItemData(0, 1), 0);
        CHECK_RESULT(lc.SetItemText(0, 0, L"t"), 0);
        CHECK_RESULT(lc.SubItemHitTest(nullptr), 0);
        CHECK_RESULT(lc.InsertColumn(0, L"h", 0, 0, 0), 0);
        CHECK_RESULT(lc.InsertColumnCheck(0, radio), 0);
        CHECK_RESULT(lc.InsertItem(0, L"i"), 0);
        CHECK_RESULT(lc.SetExtendedStyle(1), 0);
        CHECK_RESULT(lc.DeleteAllItems(), 0);
        CHECK_RESULT(lc.SetColumnWidth(0, 10), 0);
        CHECK_RESULT(lc.IsSelected(0), 1);
        CHECK_RESULT(lc.IsCheck(0), 0);
        lc.SetCursor(), lc.ShowWindow(1), lc.MoveWindow(&rc), lc.MoveWindow(1, 2, 3, 4),
            lc.DeleteSelectedItems(rows);
        lc.SetItemSelected(&a, 1, true), lc.SetColumnTextAlign(0, 1),
            lc.SetItemWidget(0, 0, L"a", L"b", button, button);
        lc.SetItemProgress(0, 0, 1, progress), lc.SetItemCheckWidget(0, 0, radio), lc.SetItemIcon(0, 0, L"p");
        lc.SetObjectName(L"n"), lc.SetHorizontalHeaderVisible(1), lc.ScrollToBottom(),
            lc.SetToolTipText(0, 0, L"t");
        lc.SetShowGrid(1), lc.SetColumnHeaderText(0, L"h"), lc.EnableWindow(1), lc.SetSelectionStyle(1);
        lc.EditorMode(5), lc.GetSelectRow(rows), lc.SetHeaderSortEnable(1), lc.SetColumnHidden(0, true);
        lc.SetVerticalHeaderHide(), lc.SetSortIndicatorShown(1), lc.SetItemEditable(0, 0),
            lc.SetItemEdit(0, 0);
        lc.SetRowColor(0), lc.EmitHeadClickFun(0), lc.AddOperateBtn(0, 0, L"b", 1, button, 22, 22);
        lc.SetBtnEnable(0, true), lc.SetAllCheck(1), lc.SetItemShow(0, 0, 1, true), lc.SetProgress(0, 50);
    }
    void TreeCtrl()
    {
        CSFTreeCtrl tree(nullptr);
        CHECK_RESULT(tree.Create(0, rc, nullptr, 1, 1), 0);
        CHECK_RESULT(tree.SetSkin(nullptr), 0);
        CHECK_RESULT(tree.GetChildItem(TVI_ROOT), 0);
        CHECK_RESULT(tree.GetCount(), 0);
        CHECK_RESULT(tree.GetChildrenCount(TVI_ROOT), 0);
        CHECK_RESULT(tree.GetImageList(0), 0);
        CHECK_RESULT(tree.GetItemData(nullptr), 0);
        CHECK_RESULT(tree.GetTreeItemText(nullptr, buf, 16), 0);
        CHECK_RESULT(tree.GetNextItem(nullptr, 0), 0);
        CHECK_RESULT(tree.GetNextSiblingItem(nullptr), 0);
        CHECK_RESULT(tree.GetParentItem(nullptr), 0);
        CHECK_RESULT(tree.GetPrevSiblingItem(nullptr), 0);
        CHECK_RESULT(tree.GetRootItem(), 0);
        CHECK_RESULT(tree.FindChildItem(L"x", TVI_ROOT), 0);
        CHECK_RESULT(tree.SetImageList(nullptr, 0), 0);
        CHECK_RESULT(tree.SetItemData(nullptr, 1), 0);
        CHECK_RESULT(tree.DeleteAllItems(), 0);
        CHECK_RESULT(tree.GetItemImage(nullptr, a, b), 0);
        CHECK_RESULT(tree.DeleteItem(nullptr), 0);
        CHECK_RESULT(tree.InsertItem(L"i", TVI_ROOT, TVI_LAST), 0);
        CHECK_RESULT(tree.GetItemState(nullptr, 0), 0);
        CHECK_RESULT(tree.SetCheck(nullptr, 1), 0);
        CHECK_RESULT(tree.GetCheck(nullptr), 0);
        CHECK_RESULT(tree.IsItemHilight(nullptr), 0);
        CHECK_RESULT(tree.IsAnyChildItemHilight(TVI_ROOT), 0);
        CHECK_RESULT(tree.IsAllItemCheck(), 0);
        CHECK_RESULT(tree.ItemHasChildren(nullptr), 0);
        CHECK_RESULT(tree.SetItemIcon(nullptr, L"i"), 0);
        CHECK_RESULT(tree.SetItemIcon(1u, 1), 0);
        tree.SetCursor(), tree.ShowWindow(1), tree.MoveWindow(&rc), tree.MoveWindow(1, 2, 3, 4);
        tree.ExpandTreeItem(nullptr, 1), tree.SetItemImage(nullptr, 0, 0), tree.SetItemHilight(nullptr, 1);
        tree.SetAllItemCheck(1), tree.GetClientRect(&rc), tree.SetEnable(1), tree.SetUserCheckable(1);
        tree.SetItemUserCheckable(nullptr, 1), tree.SetToolTipText(nullptr, L"t"), tree.SetObjectName(L"n");
        tree.SetItemIconBack(nullptr, L"b"), tree.ExpangAll();
    }
    void DateTimeCtrl()
    {
        CSFDateTimeCtrl dt(nullptr);
        CHECK_RESULT(dt.Create(0, rc, nullptr, 1), 0);
        CHECK_RESULT(dt.SetSkin(nullptr), 0);
        CHECK_RESULT(dt.GetTime(&st), 0);
        CHECK_RESULT(dt.GetDate(&st), 0);
        CHECK_RESULT(dt.SetTime(&st), 0);
        CHECK_RESULT(dt.SetDate(&st), 0);
        dt.SetCursor(), dt.ShowWindow(1), dt.MoveWindow(&rc), dt.MoveWindow(1, 2, 3, 4), dt.EnableWindow(1);
        dt.GetWindowRect(&rc), dt.SetOriginStyle(1), dt.SetDateRange(pst, pst);
    }
    void ScrollArea()
    {
        ScrollAreaProbe area;
        CHECK_RESULT(area.Create(0, rc, 100, 100, nullptr, 1), 0);
        CHECK_RESULT(area.IsWindowVisible(), 0);
        CHECK_RESULT(area.IsWindow(), 0);
        CHECK_RESULT(area.GetUIWnd(), 0);
        area.ShowWindow(1), area.MoveWindow(&rc), area.MoveWindow(1, 2, 3, 4), area.SetTooltipEnable(1);
        area.SetToolTipText(L"t"), area.SetEnabled(1), area.SetSkin(nullptr);
    }
    void NumSpiner()
    {
        CSFNumSpiner spin(nullptr);
        CHECK_RESULT(spin.Create(L"s", rc, nullptr, 1), FALSE);
        CHECK_RESULT(spin.GetStep(), 0);
        CHECK_RESULT(spin.GetCurrentNum(), 0);
        CHECK_RESULT(spin.SetSkin(nullptr), FALSE);
        spin.SetRange(0, 9), spin.GetRange(a, b), spin.SetStep(1), spin.SetCurrentNum(3), spin.StepUp(),
            spin.StepDown();
        spin.ShowWindow(1), spin.MoveWindow(&rc), spin.MoveWindow(1, 2, 3, 4), spin.EnableWindow(1);
        spin.SetCircleStep(1), spin.SetOriginStyle(1);
    }
    void ImagePanel()
    {
        CSFImagePanel panel(nullptr);
        CHECK_RESULT(panel.Create(L"p", rc, nullptr, 1), FALSE);
        CHECK_RESULT(panel.SetSkin(nullptr), FALSE);
        CHECK_RESULT(panel.GetCount(), 0);
        CHECK_RESULT(panel.AddItem(L"p", L"n", L"t", L"s", L"e"), FALSE);
        CHECK_RESULT(panel.GetHotImagePath(), 0);
        panel.SetCursor(), panel.ShowWindow(1), panel.MoveWindow(&rc), panel.MoveWindow(1, 2, 3, 4),
            panel.ClearItems();
        panel.DelByItemName(L"n"), panel.SetScrollType(DISPLAY_TYPE_HORIZONTAL);
    }
    void PictureEx()
    {
        CSFPictureEx picEx(nullptr);
        CHECK_RESULT(picEx.Create(L"p", 0, rc, nullptr, 1), FALSE);
        CHECK_RESULT(picEx.SetSkin(), FALSE);
        CHECK_RESULT(picEx.Draw(), FALSE);
        CHECK_RESULT(picEx.Load(L"a.gif", 0), FALSE);
        CHECK_RESULT(picEx.SetAnimation(1), FALSE);
        picEx.SetCursor(), picEx.ShowWindow(1), picEx.MoveWindow(&rc), picEx.MoveWindow(1, 2, 3, 4);
    }
    void PlayProgressPanel()
    {
        CSFPlayProgressPanel play(nullptr);
        PlayProgressChannel channel;
        CHECK_RESULT(play.GetChannel(1), 0);
        CHECK_RESULT(play.Create(L"t", 0, 0, rc, nullptr, 1), 0);
        CHECK_RESULT(play.GetPosition(-1), 0);
        play.AddChannel(channel), play.RemoveAllChannels(), play.RemoveChannel(1), play.SetBackground(L"b");
        play.SetZoom(2), play.Reserved11(), play.SetRecordTypeFilter(1), play.ShowWindow(1),
            play.MoveWindow(&rc);
        play.MoveWindow(1, 2, 3, 4), play.SetPosition(-1, 5), play.SetPositionOffset(1, 5),
            play.SetHighlightChannel(1);
        play.SetViewMode(1, 1), play.ScrollChannelDown(), play.ScrollChannelUp(), play.SetSkinLayout(nullptr);
        play.SetSkin(nullptr), play.SetSyncCursor(1), play.EnableVideoCut(1), play.ScrollToTime(5),
            play.SetCutPos(0, 1.5);
    }
    void HorizontalScene()
    {
        CSFHorizontalScene hs;
        CHECK_RESULT(hs.Create(L"h", 0, rc, nullptr, 1), 1);
        CHECK_RESULT(hs.SetSkin(nullptr), 1);
        hs.SetCursor(), hs.ShowWindow(1), hs.MoveWindow(&rc), hs.MoveWindow(1, 2, 3, 4), hs.ChangeAngle(36);
        hs.ChangeDis(20, -1);
    }
    void VerticalScene()
    {
        CSFVerticalScene vs(nullptr);
        CHECK_RESULT(vs.Create(L"v", 0, rc, nullptr, 1), 1);
        CHECK_RESULT(vs.SetSkin(nullptr), 1);
        vs.SetCursor(), vs.ShowWindow(1), vs.MoveWindow(&rc), vs.MoveWindow(1, 2, 3, 4), vs.SetObjectDW(1, 2);
        vs.SetRealXY(1, 2), vs.SetVirtualHeight(3.5), vs.SetRes(1, 2);
    }
    void SimulationScene()
    {
        CSFSimulationScene ss;
        CHECK_RESULT(ss.Create(L"s", 0, rc, nullptr, 1), 1);
        CHECK_RESULT(ss.SetSkin(nullptr), 1);
        ss.SetCursor(), ss.ShowWindow(1), ss.MoveWindow(&rc), ss.MoveWindow(1, 2, 3, 4),
            ss.ChangeScale(1, 2, 0.5, 4);
    }
    void VideoWindow()
    {
        CSFVideoWindow vw(nullptr);
        char text[8] = "";
        CHECK_RESULT(vw.Create(L"v", rc, nullptr, 1), 0);
        CHECK_RESULT(vw.SetSkin(nullptr), 0);
        CHECK_RESULT(vw.GetLayoutOverView(text, 8), 0);
        CHECK_RESULT(vw.GetLayoutOverView(buf, 16), 0);
        CHECK_RESULT(vw.GetVideoWindowMode(), 0);
        CHECK_RESULT(vw.SetRows(2), 0);
        CHECK_RESULT(vw.SetColumns(2), 0);
        CHECK_RESULT(vw.SetLayout("1/1/1/400:300//0:0:400:300"), 0);
        CHECK_RESULT(vw.GetLayout(text, 8), 0);
        CHECK_RESULT(vw.SetDefaultLayout(DEFAULT_LAYOUT_4), 0);
        CHECK_RESULT(vw.GetSubWinHandle(0), 0);
        CHECK_RESULT(vw.GetCurrentSubWinIndex(), -1);
        CHECK_RESULT(vw.GetSubWinID(0), -1);
        CHECK_RESULT(vw.GetSubWinIndexFromID(0), -1);
        CHECK_RESULT(vw.GetCurrentSubWinCount(), 0);
        CHECK_RESULT(vw.IsEnableFrameZoom(), 0);
        CHECK_RESULT(vw.GetFrameOSDRect(), 0);
        CHECK_RESULT(vw.SetFocusSubWin(1), 0);
        CHECK_RESULT(vw.RenderSubWin(1, nullptr, RENDER_DATA_RGB32, 4, 4), 0);
        vw.ShowWindow(1), vw.MoveWindow(&rc), vw.MoveWindow(1, 2, 3, 4), vw.SetSubWinProportion(4, 3);
        vw.SetSubWinVideo(0, 1), vw.SetSubWinVideoByID(0, 1), vw.SetDragMode(1), vw.SetFrameZoomMode(1);
        vw.SetDrawOSDHandle(nullptr), vw.SetDragSubWinCursor(nullptr), vw.SetSubWinCtrlsVisible(1);
        vw.SetSubWinRecordState(1, 1), vw.EableSubWinExchange(1), vw.ResetSubWinSizeToMin(0);
        vw.ResetSubWinSizeToMinByID(0), vw.SetActiveCheckMode(1), vw.SetParent(nullptr),
            vw.SetUpdatesEnabled(0, true);
        vw.SetFocus(0);
    }
    void VideoInFocus()
    {
        CSFVideoInFocus focus;
        CHECK_RESULT(focus.Create(L"f", 0, rc, nullptr, 1), 1);
        CHECK_RESULT(focus.SetSkin(&button), 1);
        CHECK_RESULT(focus.AddPointY(5), 0);
        focus.SetCursor(), focus.ShowWindow(1), focus.MoveWindow(&rc), focus.MoveWindow(1, 2, 3, 4),
            focus.SetMode(1);
        focus.ClearPointY(), focus.SetString(L"s", 1);
    }
};

struct FacadeCase
{
    const char* name;
    void (Calls::*run)();
};

void PrintTo(const FacadeCase& c, std::ostream* os) { *os << c.name; }

const FacadeCase kFacades[] = {
    {"CSFDialog", &Calls::Dialog},
    {"CSFView", &Calls::View},
    {"CSFMenu", &Calls::Menu},
    {"CSFButton", &Calls::Button},
    {"CSFCheckBox", &Calls::CheckBox},
    {"CSFRadioBox", &Calls::RadioBox},
    {"CSFFrameWnd", &Calls::FrameWnd},
    {"CSFChildWnd", &Calls::ChildWnd},
    {"CSFEditCtrl", &Calls::EditCtrl},
    {"CSFComboBox", &Calls::ComboBox},
    {"CSFStatic", &Calls::Static},
    {"CSFPictureCtrl", &Calls::PictureCtrl},
    {"CSFListBox", &Calls::ListBox},
    {"CSFGroupBox", &Calls::GroupBox},
    {"CSFSliderCtrl", &Calls::SliderCtrl},
    {"CSFProgressCtrl", &Calls::ProgressCtrl},
    {"CSFTabCtrl", &Calls::TabCtrl},
    {"CSFMonthCalCtrl", &Calls::MonthCalCtrl},
    {"CSFIPAddressCtrl", &Calls::IPAddressCtrl},
    {"CSFControlBar", &Calls::ControlBar},
    {"CSFWndTabBar", &Calls::WndTabBar},
    {"CSFPlayControlPanel", &Calls::PlayControlPanel},
    // Extended controls.
    {"CSFListCtrl", &Calls::ListCtrl},
    {"CSFTreeCtrl", &Calls::TreeCtrl},
    {"CSFDateTimeCtrl", &Calls::DateTimeCtrl},
    {"CSFScrollArea", &Calls::ScrollArea},
    {"CSFNumSpiner", &Calls::NumSpiner},
    {"CSFImagePanel", &Calls::ImagePanel},
    {"CSFPictureEx", &Calls::PictureEx},
    {"CSFPlayProgressPanel", &Calls::PlayProgressPanel},
    {"CSFHorizontalScene", &Calls::HorizontalScene},
    {"CSFVerticalScene", &Calls::VerticalScene},
    {"CSFSimulationScene", &Calls::SimulationScene},
    {"CSFVideoWindow", &Calls::VideoWindow},
    {"CSFVideoInFocus", &Calls::VideoInFocus},
};

class FacadeWithoutSink : public ::testing::TestWithParam<FacadeCase>
{};

TEST_P(FacadeWithoutSink, EveryOperationGivesItsNeutralResultOrItsException)
{
    Calls calls;
    (calls.*GetParam().run)();
    for (const Result& r : calls.results)
        EXPECT_EQ(r.got, r.want) << r.what;

    // Nothing was written through any output argument.
    EXPECT_EQ(std::wstring(calls.buf), L"unchanged");
    EXPECT_EQ(calls.a, 7);
    EXPECT_EQ(calls.b, 8);
    EXPECT_EQ(calls.checked, 5);
    EXPECT_EQ(calls.dw, 9u);
    EXPECT_EQ(calls.rc.left, 1);
    EXPECT_EQ(calls.rc.bottom, 4);
    EXPECT_EQ(calls.pt.x, 5);
    EXPECT_EQ(calls.pos, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Each, FacadeWithoutSink, ::testing::ValuesIn(kFacades),
                         [](const ::testing::TestParamInfo<FacadeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(FacadeDefaults, OverAHundredAndFiftyOperationsAreChecked)
{
    std::size_t checked = 0;
    for (const FacadeCase& f : kFacades) {
        Calls calls;
        (calls.*f.run)();
        checked += calls.results.size();
    }
    EXPECT_GT(checked, 150u);
}

TEST(FacadeDefaults, ReservedTimeLineOperationsThrowTheirText)
{
    CSFPlayProgressPanel play(nullptr);
    const struct
    {
        void (CSFPlayProgressPanel::*op)();
        const char* text;
    } reserved[] = {{&CSFPlayProgressPanel::Reserved6, "unimplemented"},
                    {&CSFPlayProgressPanel::Reserved7, "umimplemented"},
                    {&CSFPlayProgressPanel::Reserved8, "unimplemented"},
                    {&CSFPlayProgressPanel::Reserved10, "umimplemented"},
                    {&CSFPlayProgressPanel::Reserved30, "unimplemented"}};
    for (const auto& r : reserved) {
        try {
            (play.*r.op)();
            ADD_FAILURE() << "no exception, expected " << r.text;
        } catch (const char* thrown) {
            EXPECT_STREQ(thrown, r.text);
        }
    }
}

TEST(SinkDefaults, CallbacksWithResultsGiveZeroExceptTheTreeClick)
{
    struct Dialog : ISFDialogEvent
    {
        BOOL Dlg_OnInitDialog(bool) override { return TRUE; }
    } dialog;
    ISFViewEvent view;
    ISFChildWndEvent child;
    ISFTreeCtrlEvent tree;
    EXPECT_EQ(dialog.Dlg_Close(), 0);
    EXPECT_EQ(dialog.GetSFMessageMap(), nullptr);
    EXPECT_EQ(dialog.GetThisMessageIDs(), nullptr);
    EXPECT_EQ(dialog.GetUIWnd(), nullptr);
    EXPECT_EQ(view.OnCreate(), 0);
    EXPECT_EQ(view.GetSFMessageMap(), nullptr);
    EXPECT_EQ(view.GetThisMessageIDs(), nullptr);
    EXPECT_EQ(view.GetUIWnd(), nullptr);
    EXPECT_EQ(child.OnCreate(), 0);
    EXPECT_EQ(child.GetUIWnd(), nullptr);
    EXPECT_EQ(tree.OnItemClick(nullptr, 0), 1);
}

TEST(FacadeWindows, GetUIWndAnswersTheSinksWindow)
{
    struct Dialog : ISFDialogEvent
    {
        BOOL Dlg_OnInitDialog(bool) override { return TRUE; }
    } dialog;
    ISFViewEvent view;
    ISFChildWndEvent child;
    ISFWndTabBarEvent tabBar;
    int windows[4];
    dialog.m_pUIWnd = &windows[0];
    view.m_pUIWnd = &windows[1];
    child.m_pUIWnd = &windows[2];
    tabBar.m_pUIWnd = &windows[3];
    EXPECT_EQ(CSFDialog(&dialog).GetUIWnd(), &windows[0]);
    EXPECT_EQ(CSFView(&view).GetUIWnd(), &windows[1]);
    EXPECT_EQ(CSFChildWnd(&child).GetUIWnd(), &windows[2]);
    EXPECT_EQ(CSFWndTabBar(&tabBar).GetUIWnd(), &windows[3]);
}

TEST(FacadesWithoutImplementation, FactoriesReturnNull)
{
    EXPECT_EQ(SF_CreateTabCtrl(), nullptr);
    EXPECT_EQ(SF_CreateMonthCalCtrl(), nullptr);
    EXPECT_EQ(SF_CreateIPAddressCtrl(), nullptr);
    EXPECT_EQ(SF_CreateControlBar(), nullptr);
    EXPECT_EQ(SF_CreateWndTabBar(), nullptr);
    EXPECT_EQ(SF_CreatePlayControlPanel(), nullptr);
}

// ---- UI-message id lists ----------------------------------------------------------------

class CTimerSink : public ISFDialogEvent
{
public:
    SF_DECLARE_MSGMAP()
    BOOL Dlg_OnInitDialog(bool) override { return TRUE; }
    void OnTick(WPARAM, LPARAM) {}
    void OnClose() {}
};

SF_BEGIN_MSGMAP(CTimerSink)
    SF_ON_UI_MESSAGE(2, OnTick)
    SF_ON_COMMAND(3, OnClose)
    SF_ON_UI_MESSAGE(7, OnClose)
SF_END_MSGMAP()

class CCommandSink : public ISFViewEvent
{
public:
    SF_DECLARE_MSGMAP()
    void OnClose() {}
};

SF_BEGIN_MSGMAP(CCommandSink)
    SF_ON_COMMAND(3, OnClose)
    SF_ON_NOTIFY(2, 4, OnClose)
SF_END_MSGMAP()

TEST(MessageIds, ListOfUIMessageEntriesIsBuiltOnceAndShared)
{
    CTimerSink sink;
    int* ids = sink.GetThisMessageIDs();
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids[0], 2);
    EXPECT_EQ(ids[1], 7);
    EXPECT_EQ(ids[2], -1);
    EXPECT_EQ(sink.GetThisMessageIDs(), ids);

    CTimerSink copy(sink);  // copies share the list
    EXPECT_EQ(copy.GetThisMessageIDs(), ids);

    // A dialog facade answers with its sink's list; making one forgets the cached list
    // (without freeing it), so the list is built anew.
    CSFDialog dlg(&sink);
    EXPECT_EQ(sink.m_pMessageIDs, nullptr);
    int* rebuilt = dlg.GetThisMessageIDs();
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_EQ(std::vector<int>(rebuilt, rebuilt + 3), (std::vector<int>{2, 7, -1}));
    EXPECT_EQ(sink.GetThisMessageIDs(), rebuilt);

    // The lists are never freed by the framework; the test releases its own.
    delete[] ids;
    delete[] rebuilt;
}

TEST(MessageIds, MapWithoutUIMessageEntriesGivesNull)
{
    CCommandSink sink;
    EXPECT_EQ(sink.GetThisMessageIDs(), nullptr);
    EXPECT_EQ(sink.m_pMessageIDs, nullptr);
}

}  // namespace
