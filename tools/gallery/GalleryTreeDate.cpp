// Gallery section: a checkable tree, the three date/time fields and a scroll area.
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTDateTimeCtrl.h"
#include "skin/ext/SFQTScrollArea.h"
#include "skin/ext/SFQTTreeCtrl.h"
#include "tools/gallery/GallerySection.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <string>

namespace {

// Recorders, their cameras and the cameras' streams: one recorder fully checked, one partly,
// one camera highlighted, the cameras' icons chosen by their data (on-line or not).
void buildTree(QWidget* area)
{
    CSFTreeCtrl* tree = SF_CreateTreeCtrl(nullptr);
    tree->Create(WS_VISIBLE, RECT{0, 0, 260, 330}, area, 1, 1);
    UITreeCtrlStyle skin;
    skin[5] = L"28303A";
    skin[6] = L"16A34A";
    skin[7] = L"tree_camera_on.png";
    skin[8] = L"tree_camera_off.png";
    tree->SetSkin(&skin);

    void* lobby = tree->InsertItem(L"Lobby recorder", TVI_ROOT, TVI_LAST);
    void* yard = tree->InsertItem(L"Yard recorder", TVI_ROOT, TVI_LAST);
    tree->SetItemIcon(lobby, L"tree_recorder.png");
    tree->SetItemIcon(yard, L"tree_recorder.png");
    const struct
    {
        const wchar_t* name;
        void* under;
        bool checked;
        bool online;
    } cameras[] = {
        {L"Entrance", lobby, true, true},
        {L"Gate", yard, true, true},
        {L"Parking", yard, false, false},
    };
    DWORD data = 100;
    void* entrance = nullptr;
    void* parking = nullptr;
    for (const auto& c : cameras) {
        void* item = tree->InsertItem(c.name, c.under, TVI_LAST);
        tree->SetItemData(item, ++data);
        tree->SetItemIcon(data, c.online ? 1 : 0);  // found among the recorders' children
        tree->SetCheck(item, c.checked ? 1 : 0);
        (c.under == lobby ? entrance : parking) = item;
    }
    for (const wchar_t* stream : {L"Main stream", L"Sub stream"})
        tree->SetCheck(tree->InsertItem(stream, entrance, TVI_LAST), 1);
    tree->SetCheck(lobby, 1);
    tree->SetItemHilight(parking, 1);
    tree->ExpangAll();
}

void buildDateTimes(QWidget* area)
{
    ImageDateTimeStyle skin;
    skin[1] = L"datetime_field.png";
    const wchar_t* looks[] = {L"normal", L"hover", L"pressed", L"disabled"};
    for (int i = 0; i < 4; ++i) {
        skin[2 + i] = std::wstring(L"datetime_down_") + looks[i] + L".png";
        skin[6 + i] = std::wstring(L"datetime_up_") + looks[i] + L".png";
    }
    // A date, a time with seconds, a time without.
    _SF_SYSTEMTIME values[] = {
        {2024, 3, 0, 15, 0, 0, 0, 0}, {0, 0, 0, 0, 9, 5, 30, 0}, {0, 0, 0, 0, 18, 45, 0, 0}};
    for (int type = 0; type < 3; ++type) {
        CSFDateTimeCtrl* field = SF_CreateDateTimeCtrl(nullptr, type);
        const int y = type * 36;
        field->Create(0, RECT{272, y, 412, y + 26}, area, 10 + type);
        field->SetSkin(&skin);
        if (type == 0)
            field->SetDate(&values[type]);
        else
            field->SetTime(&values[type]);
    }
}

// A 200 x 200 area over a 400 x 100 tiled panel with labels along it, scrolled halfway.
void buildScrollArea(QWidget* area)
{
    CSFScrollArea* scroll = SF_CreateScrollArea(nullptr);
    scroll->Create(WS_VISIBLE, RECT{424, 0, 624, 200}, 400, 100, area, 20);
    ScrollAreaStyle skin;
    skin[0] = L"scrollarea_tile.png";
    scroll->SetSkin(&skin);
    for (int i = 0; i < 4; ++i) {
        CSFStatic* label = SF_CreateStatic(nullptr);
        const int x = 10 + 100 * i;
        label->Create((L"Camera " + std::to_wstring(i + 1)).c_str(), WS_VISIBLE,
                      RECT{x, 10 + 20 * i, x + 90, 30 + 20 * i}, scroll->GetUIWnd(), 30 + i);
    }
    auto* view = dynamic_cast<QScrollArea*>(scroll);
    QTimer::singleShot(0, view, [view] {
        QScrollBar* bar = view->horizontalScrollBar();
        bar->setValue(bar->maximum() / 2);
    });
}

}  // namespace

GallerySection galleryTreeDate()
{
    return {QStringLiteral("Tree, date/time fields, scroll area"), QSize(624, 330), [](QWidget* area) {
                buildTree(area);
                buildDateTimes(area);
                buildScrollArea(area);
            }};
}
