// A gallery section: one group of extended controls, built by its owner onto an area of the
// gallery window, as an owner of the framework would build them.
#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

struct GallerySection
{
    QString title;
    QSize size;                           // the area the section needs, below its title
    std::function<void(QWidget*)> build;  // creates the controls on the area; they live as long as it
};

// Every section, in the order the window shows them. Each group of controls adds its section
// through its own function (declared here, defined in its own file) called from the list.
std::vector<GallerySection> gallerySections();

GallerySection galleryTreeDate();  // tree, date/time fields, scroll area
// Number spinners, the animated picture and the image strip.
GallerySection gallerySpinnerStrip();
// Sliders and progress bars (GallerySlider.cpp).
GallerySection gallerySlider();
GallerySection galleryScenes();
GallerySection galleryVideo();
GallerySection galleryList();
GallerySection galleryTimeline();
