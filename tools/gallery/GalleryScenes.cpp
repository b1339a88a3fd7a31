// The camera scenes and the focus graph, built through their factories and skinned with the
// generated pictures, the way an owner builds them.
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFSceneStyles.h"
#include "skin/ext/SFSkinRecordsExt.h"
#include "tools/gallery/GallerySection.h"

#include <QWidget>

#include <cmath>

namespace {

RECT Inclusive(int x, int y, int w, int h) { return RECT{x, y, x + w - 1, y + h - 1}; }

void buildScenes(QWidget* area)
{
    // Top view. The handle starts at x 300: read once at 426 px wide, where that is about
    // half-way between the markers, it keeps its width when the scene widens to 600 px.
    if (CSFHorizontalScene* scene = SF_CreateHorizontalScene()) {
        ImageHorizontalStyle style = HorizontalSceneSkinRecord();
        scene->Create(L"Horizontal scene", WS_VISIBLE, Inclusive(0, 0, 426, 200), area, 1);
        scene->SetSkin(&style);
        scene->ChangeAngle(40);
        scene->ChangeDis(12, 20);
        dynamic_cast<QWidget*>(scene)->grab();
        scene->MoveWindow(0, 0, 600, 200);
    }

    // Side view with its handles and range boxes.
    if (CSFVerticalScene* scene = SF_CreateVerticalScene(nullptr)) {
        ImageVericalStyle style = VerticalSceneSkinRecord();
        scene->Create(L"Vertical scene", WS_VISIBLE, Inclusive(0, 212, 600, 330), area, 2);
        scene->SetSkin(&style);
        scene->SetRealXY(480, 240);
        scene->SetObjectDW(15, 10);
    }

    // The object as it fills the picture at the near end.
    if (CSFSimulationScene* scene = SF_CreateSimulationScene()) {
        ImageSimulationlStyle style = SimulationSceneSkinRecord();
        scene->Create(L"Simulation scene", WS_VISIBLE, Inclusive(612, 0, 240, 200), area, 3);
        scene->SetSkin(&style);
    }

    // Focus graphs: the live curve, and the curve around its peak with the reference line.
    const int modes[] = {1, 2};
    for (int i = 0; i < 2; ++i) {
        CSFVideoInFocus* graph = SF_CreateVideoInFocus();
        if (!graph)
            continue;
        graph->Create(L"Focus", WS_VISIBLE, Inclusive(612 + i * 252, 212, 240, 160), area, 4 + i);
        graph->SetMode(1);
        for (int k = 0; k < 140; ++k)
            graph->AddPointY(static_cast<int>(200 + 150 * std::sin(k / 18.0) + 40 * std::sin(k / 3.0)));
        graph->SetMode(modes[i]);
        graph->SetString(L"Peak", 0);
        graph->AddPointY(260);  // mode 2: the reference line
    }
    if (CSFVideoInFocus* graph = SF_CreateVideoInFocus()) {
        graph->Create(L"Focus", WS_VISIBLE, Inclusive(864, 0, 240, 200), area, 6);
        graph->SetString(L"Waiting for the picture", 1);
        graph->SetMode(0);
    }
}

}  // namespace

GallerySection galleryScenes()
{
    return {QStringLiteral("Camera scenes and focus graph"), QSize(1104, 542), buildScenes};
}
