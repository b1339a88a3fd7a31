// Gallery section: sliders (one per response mode, and a disabled one) and
// progress bars at a few positions, made through the factories and skinned from the
// generated pictures.
#include "skin/SFEntry.h"
#include "skin/SFSkinRecords.h"
#include "tools/gallery/GallerySection.h"

#include <QLabel>
#include <QWidget>

namespace {

void Caption(QWidget* area, int y, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), area);
    label->setGeometry(0, y, 96, 18);
}

void Build(QWidget* area)
{
    struct SliderRow
    {
        const char* caption;
        int pos;
        bool enabled;
        SLIDER_RESPONSE_MODE mode;
    };
    const SliderRow sliders[] = {{"on change", 30, true, SLIDER_RESPONSE_ON_CHANGE},
                                 {"on release", 75, true, SLIDER_RESPONSE_ON_RELEASE},
                                 {"disabled", 50, false, SLIDER_RESPONSE_ON_CHANGE}};
    int y = 0;
    UINT id = 1;
    for (const SliderRow& row : sliders) {
        Caption(area, y, row.caption);
        CSFSliderCtrl* slider = SF_CreateSliderCtrl(nullptr);
        ImageSliderStyle skin = SliderSkinRecord();
        slider->SetSkin(&skin);  // before Create, which fits the groove to the width
        slider->Create(WS_VISIBLE, RECT{100, y + 1, 300, y + 17}, area, id++, row.mode);
        slider->SetPos(row.pos);
        slider->EnableWindow(row.enabled ? 1 : 0);
        y += 26;
    }

    const int positions[] = {0, 45, 100};
    for (int pos : positions) {
        Caption(area, y, pos == 0 ? "progress" : "");
        CSFProgressCtrl* bar = SF_CreateProgressCtrl(nullptr);
        bar->Create(WS_VISIBLE, RECT{100, y, 300, y + 18}, area, id++);
        ImageProgressCtrlStyle skin = ProgressSkinRecord();
        bar->SetSkin(&skin);
        bar->SetRange(0, 100);
        bar->SetPos(pos);
        y += 26;
    }
}

}  // namespace

GallerySection gallerySlider() { return {QStringLiteral("Slider and progress bar"), QSize(310, 156), Build}; }
