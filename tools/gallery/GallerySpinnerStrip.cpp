// Gallery section: a skinned and a plain number spinner, the animated picture playing, and an
// image strip of ten stills scrolled halfway, one hovered and one selected.
#include "skin/ext/SFEntryExt.h"
#include "tools/gallery/GallerySection.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWidget>

#include <string>

namespace {

const std::wstring kSkinDir = QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString();

void addSpinners(QWidget* area)
{
    ImageNumSpinerStyle skin;
    skin[0] = L"NumSpiner_Field.png";
    skin[1] = L"NumSpiner_Down.png";
    skin[3] = L"NumSpiner_DownPressed.png";
    skin[4] = L"NumSpiner_DownDisabled.png";
    skin[8] = L"NumSpiner_Up.png";
    skin[10] = L"NumSpiner_UpPressed.png";
    skin[11] = L"NumSpiner_UpDisabled.png";

    const struct
    {
        int left;
        int origin;
        int value;
        const char* caption;
    } spinners[] = {{0, 0, 42, "skinned"}, {140, 1, 7, "origin style"}};
    for (const auto& s : spinners) {
        CSFNumSpiner* spin = SF_CreateNumSpiner(nullptr);
        if (!spin)
            continue;
        spin->Create(L"", RECT{s.left, 12, s.left + 110, 38}, area, 1);
        spin->SetOriginStyle(s.origin);
        spin->SetSkin(&skin);
        spin->SetRange(0, 99);
        spin->SetCurrentNum(s.value);
        spin->ShowWindow(1);
        auto* caption = new QLabel(QLatin1String(s.caption), area);
        caption->setGeometry(s.left, 40, 110, 16);
    }
}

void addAnimation(QWidget* area)
{
    CSFPictureEx* pic = SF_CreatePictureEx(nullptr);
    if (!pic)
        return;
    pic->Create(L"", WS_VISIBLE, RECT{300, 0, 355, 55}, area, 2);
    pic->Load(L"PictureEx_Busy.gif", 0);
}

void addStrip(QWidget* area)
{
    CSFImagePanel* strip = SF_CreateImagePanel(nullptr);
    if (!strip)
        return;
    strip->Create(L"", RECT{0, 70, 800, 270}, area, 3);
    UIImagePanelStyle skin;
    skin[12] = L"FFFFFF";
    skin[15] = L"FFFFFF";
    skin.nThumbHeight = 90;
    skin.nThumbWidth = 120;
    skin.nMargin = 6;
    skin.nTopOffset = 40;
    skin.nGap = 6;
    strip->SetSkin(&skin);
    for (int i = 0; i < 10; ++i) {
        const std::wstring path = kSkinDir + L"ImagePanel_Still" + std::to_wstring(i % 6 + 1) + L".png";
        const std::wstring name = L"Gate " + std::to_wstring(i + 1);
        const std::wstring minute = L"08:0" + std::to_wstring(i);
        strip->AddItem(path.c_str(), name.c_str(), L"Motion", (minute + L":00").c_str(),
                       (minute + L":30").c_str());
    }
    strip->ShowWindow(1);

    // Scrolled halfway, then the pointer rests on one still and another was double-clicked.
    auto* w = dynamic_cast<QWidget*>(strip);
    if (!w)
        return;
    QScrollBar* bar = w->findChild<QScrollBar*>();
    if (bar)
        bar->setValue(bar->maximum() / 2);
    const auto send = [w](QEvent::Type type, QPoint at, Qt::MouseButton button) {
        QMouseEvent ev(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, button, Qt::NoModifier);
        QApplication::sendEvent(w, &ev);
    };
    send(QEvent::MouseButtonDblClick, QPoint(240, 85), Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(430, 85), Qt::NoButton);
}

}  // namespace

GallerySection gallerySpinnerStrip()
{
    return {QStringLiteral("Number spinner, animated picture, image strip"), QSize(800, 270),
            [](QWidget* area) {
                addSpinners(area);
                addAnimation(area);
                addStrip(area);
            }};
}
