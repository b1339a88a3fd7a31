// The list of gallery sections.
#include "tools/gallery/GallerySection.h"

std::vector<GallerySection> gallerySections()
{
    std::vector<GallerySection> sections;
    sections.push_back(galleryTreeDate());
    sections.push_back(gallerySpinnerStrip());
    sections.push_back(gallerySlider());
    sections.push_back(galleryScenes());
    sections.push_back(galleryVideo());
    sections.push_back(galleryList());
    sections.push_back(galleryTimeline());
    return sections;
}
