// The list control's section: a few rows with check boxes under a header box, text columns,
// a progress column and a column of cell buttons, sorted by the recorder column.
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFListCtrlStyle.h"
#include "skin/ext/SFSkinRecordsExt.h"
#include "tools/gallery/GallerySection.h"

#include <QWidget>

namespace {

void buildList(QWidget* area)
{
    CSFListCtrl* list = SF_CreateListCtrl(nullptr);
    if (!list)
        return;
    list->Create(WS_VISIBLE | WS_CHILD, RECT{0, 0, area->width(), area->height()}, area, 1, false);

    ListCtrlStyle style = ListSkinRecord();
    style[41] = L"F5F5F5";
    style[42] = L"FFFFFF";
    style.nValue[2] = 27;
    style.nValue[3] = 27;
    list->SetSkin(&style);

    const wchar_t* headings[8] = {L"", L"Recorder", L"Channels", L"Disks", L"Site", L"Note", L"Upload", L""};
    for (int c = 0; c < 8; ++c)
        list->InsertColumn(c, headings[c], 0, 0, 0);
    const int widths[8] = {40, 110, 80, 60, 100, 80, 120, 70};
    for (int c = 0; c < 8; ++c)
        list->SetColumnWidth(c, widths[c]);
    list->SetColumnTextAlign(2, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    list->SetColumnTextAlign(3, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    const struct
    {
        const wchar_t* name;
        const wchar_t* channels;
        const wchar_t* disks;
        const wchar_t* site;
        const wchar_t* note;
        int progress;
        bool checked;
    } rows[] = {
        {L"RV-Campus 3", L"64", L"24", L"Campus", L"2 racks", 55, true},
        {L"RV-Lite 1", L"4", L"1", L"Kiosk", L"spare", 100, true},
        {L"RV-Office 2", L"16", L"4", L"Warehouse", L"", 75, true},
        {L"RV-Pro 2", L"32", L"8", L"Head office", L"order", 30, false},
    };
    int r = 0;
    for (const auto& row : rows) {
        list->InsertItem(r, L"");
        list->SetItemText(r, 1, row.name);
        list->SetItemText(r, 2, row.channels);
        list->SetItemText(r, 3, row.disks);
        list->SetItemText(r, 4, row.site);
        list->SetItemText(r, 5, row.note);
        list->SetItemCheckWidget(r, 0, ListCheckSkinRecord());
        list->SetCheck(r, row.checked ? 1 : 0);
        list->SetItemProgress(r, 6, 300 + static_cast<UINT>(r), ListProgressSkinRecord());
        list->SetProgress(r, row.progress);
        list->SetItemWidget(r, 7, L"Edit", L"Remove", ListEditButtonSkinRecord(),
                            ListRemoveButtonSkinRecord());
        ++r;
    }
    list->InsertColumnCheck(0, ListCheckSkinRecord());
    list->SetHeaderSortEnable(1);
    list->EmitHeadClickFun(1);
}

}  // namespace

GallerySection galleryList()
{
    return GallerySection{QStringLiteral("List control"), QSize(680, 150), buildList};
}
