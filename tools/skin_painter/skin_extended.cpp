// The pictures of the extended controls. Each group of controls adds its pictures through its
// own function (declared in skin_catalog.h, defined in its own file) called from here.
#include "tools/skin_painter/skin_catalog.h"

namespace {

std::vector<SkinPicture> buildExtendedCatalog()
{
    std::vector<SkinPicture> c;
    addDialogPictures(c);
    addTreeDateScrollPictures(c);
    addSpinnerStripPictures(c);
    addSliderPictures(c);
    addScenePictures(c);
    addVideoPictures(c);
    addListPictures(c);
    addTimelinePictures(c);
    return c;
}

}  // namespace

const std::vector<SkinPicture>& extendedSkinCatalog()
{
    static const std::vector<SkinPicture> catalog = buildExtendedCatalog();
    return catalog;
}
