// The table of every skin picture, with the size each control needs.
#include "tools/skin_painter/skin_catalog.h"
#include "tools/skin_painter/skin_painters.h"
#include "tools/skin_painter/skin_palette.h"

#include <QPainter>

using namespace skinpaint;

namespace {

// Four state pictures share one drawing routine; only the name ending and the look change.
struct StateNames
{
    const char* normal;
    const char* hover;
    const char* pressed;
    const char* disabled;
};

void addStates(std::vector<SkinPicture>& out, const QString& prefix, const StateNames& suffix, QSize size,
               const QString& usedBy, const std::function<void(QImage&, Look)>& paint)
{
    const std::pair<const char*, Look> states[] = {{suffix.normal, Look::Normal},
                                                   {suffix.hover, Look::Hover},
                                                   {suffix.pressed, Look::Pressed},
                                                   {suffix.disabled, Look::Disabled}};
    for (const auto& [end, look] : states) {
        const Look l = look;
        out.push_back({prefix + QLatin1String(end) + QStringLiteral(".png"), size, usedBy,
                       [paint, l](QImage& img) { paint(img, l); }});
    }
}

// Model families of the shipped model table; every model of a family shares its pictures.
const RecorderFamily kFamilies[] = {
    {"RV-Lite_1", "RV-Lite", 1, 1, 1, Chassis::Desktop, 140, 40, QColor(0, 168, 170)},
    {"RV-Lite_2", "RV-Lite", 2, 1, 2, Chassis::Desktop, 140, 52, QColor(0, 168, 170)},
    {"RV-Home_1", "RV-Home", 1, 1, 1, Chassis::Desktop, 168, 44, QColor(52, 170, 92)},
    {"RV-Home_2", "RV-Home", 2, 2, 1, Chassis::Desktop, 168, 44, QColor(52, 170, 92)},
    {"RV-Office_1", "RV-Office", 2, 2, 1, Chassis::Rack, 204, 30, QColor(18, 138, 250)},
    {"RV-Office_2", "RV-Office", 4, 4, 1, Chassis::Rack, 204, 30, QColor(18, 138, 250)},
    {"RV-Office_3", "RV-Office", 8, 4, 2, Chassis::Rack, 204, 46, QColor(18, 138, 250)},
    {"RV-Pro_1", "RV-Pro", 4, 4, 1, Chassis::Rack, 204, 46, QColor(104, 96, 230)},
    {"RV-Pro_2", "RV-Pro", 8, 8, 1, Chassis::Rack, 204, 46, QColor(104, 96, 230)},
    {"RV-Campus_1", "RV-Campus", 8, 4, 2, Chassis::Rack, 204, 62, QColor(246, 146, 30)},
    {"RV-Campus_2", "RV-Campus", 16, 8, 2, Chassis::Rack, 204, 62, QColor(246, 146, 30)},
    {"RV-Campus_3", "RV-Campus", 24, 8, 3, Chassis::Rack, 204, 80, QColor(246, 146, 30)},
    {"RV-Metropole_1", "RV-Metropole", 16, 4, 4, Chassis::Rack, 204, 80, QColor(226, 68, 56)},
    {"RV-Metropole_2", "RV-Metropole", 24, 6, 4, Chassis::Rack, 204, 80, QColor(226, 68, 56)},
};

std::vector<SkinPicture> buildCatalog()
{
    std::vector<SkinPicture> c;
    const QString toolBar = QStringLiteral("tool bar button");

    // Windows.
    c.push_back({"Frame.png", {148, 140}, "dialog frame sheet (About, message box)", dialogFrame});
    c.push_back({"bgColorWhite.png", {16, 16}, "dialog background, stretched", [](QImage& i) {
                     solid(i, skinpal::white());
                 }});
    c.push_back({"FrameMain.png", {148, 140}, "main window frame sheet", mainFrame});
    c.push_back({"background.png", {32, 32}, "main window background, stretched", [](QImage& i) {
                     solid(i, skinpal::surface());
                 }});
    c.push_back({"main.png", {32, 32}, "main window and application icon", appIcon});
    c.push_back({"ip2.png", {32, 32}, "application icon at start-up", appIcon});

    // Tool bar.
    c.push_back({"title.png", {266, 58}, "tool bar title picture", titleBanner});
    const StateNames dashed{"-normal", "-hover", "-pressed", "-disabled"};
    const std::pair<const char*, Glyph> captionSets[] = {
        {"help", Glyph::Help}, {"about", Glyph::Menu}, {"min", Glyph::Minimise}, {"close", Glyph::Close}};
    for (const auto& [prefix, glyph] : captionSets) {
        const Glyph g = glyph;
        addStates(c, QLatin1String(prefix), dashed, {24, 24},
                  QLatin1String(prefix) == QLatin1String("close")
                      ? QStringLiteral("close button (tool bar, About, message box)")
                      : toolBar,
                  [g](QImage& i, Look l) { captionButton(i, g, l); });
    }

    // About dialog.
    c.push_back({"AboutPic.png", {358, 78}, "About dialog picture", aboutBanner});
    c.push_back({"bg_monitor.png", {330, 20}, "About dialog web-address button", linkBand});

    // Push buttons.
    addStates(c, QString(), {"btn_nor", "btn_over", "btn_down", "btn_dis"}, {72, 25},
              QStringLiteral("message box OK/Cancel, page < and >"), pushButton);
    addStates(c, QString(), {"search_nor1", "search_hover1", "search_press1", "search_dis1"}, {110, 30},
              QStringLiteral("Search button"), accentButton);

    // Search page inputs.
    c.push_back(
        {"Select_Check.png", {16, 16}, "filter check box, on", [](QImage& i) { checkMark(i, true); }});
    c.push_back(
        {"Select_unCheck.png", {16, 16}, "filter check box, off", [](QImage& i) { checkMark(i, false); }});
    c.push_back({"bg_edit.png", {80, 24}, "channel edit background, tiled", editField});
    c.push_back({"ComboBox_Min.png", {81, 113}, "small combo box cell sheet", comboSheet});
    c.push_back({"ComboBox_Mag.png", {321, 113}, "wide combo box cell sheet", comboSheet});
    c.push_back({"border.png", {980, 1}, "search page rule", rule});
    c.push_back({"Spec.png", {100, 30}, "figures header tab", specTab});
    c.push_back({"hand_pointing.png", {32, 32}, "pointer over a slider, hot spot (13, 7)", handPointer});

    // Result slots.
    c.push_back({"na.png", {220, 100}, "result slot placeholder", placeholder});
    for (const RecorderFamily& f : kFamilies) {
        const QString prefix = QLatin1String(f.prefix);
        c.push_back(
            {prefix + QStringLiteral(".png"), {220, 100}, "result slot, model not selected", [&f](QImage& i) {
                 recorder(i, f, false);
             }});
        c.push_back({prefix + QStringLiteral("_Frame.png"),
                     {220, 100},
                     "result slot, model selected",
                     [&f](QImage& i) { recorder(i, f, true); }});
    }
    return c;
}

}  // namespace

const std::vector<SkinPicture>& skinCatalog()
{
    static const std::vector<SkinPicture> catalog = buildCatalog();
    return catalog;
}

void paintFrameStrip(QImage& strip, int frames, const std::function<void(QImage&, int)>& paintFrame)
{
    const int side = strip.height();
    for (int frame = 0; frame < frames; ++frame) {
        QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        paintFrame(img, frame);
        QPainter(&strip).drawImage(frame * side, 0, img);
    }
}

QImage renderSkinPicture(const SkinPicture& picture)
{
    QImage img(picture.size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    picture.paint(img);
    return img.convertToFormat(QImage::Format_ARGB32);
}
