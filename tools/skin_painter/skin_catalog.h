// The table of skin pictures: name, size, who loads it, and how it is drawn.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <string>
#include <vector>

struct SkinPicture
{
    QString name;                        // file name under "Skin/", case as the code spells it
    QSize size;                          // pixel size of the file; of a ".gif", all its frames
    QString usedBy;                      // the control or record that loads it
    std::function<void(QImage&)> paint;  // draws onto a transparent image of `size`
};

// A picture's file name as a skin record names it (skin/SFSkinRecords.h,
// skin/ext/SFSkinRecordsExt.h), so the painter writes the file the record loads.
inline QString skinRecordName(const std::wstring& name) { return QString::fromStdWString(name); }

// Every picture the program loads, in a stable order.
const std::vector<SkinPicture>& skinCatalog();

// The pictures of the extended controls, which the program does not ship: the gallery and the
// controls' tests load them from a folder of their own, beside the core pictures.
const std::vector<SkinPicture>& extendedSkinCatalog();

// A ".gif" picture is an animation: paint draws its frames side by side, each as wide as the
// picture is high, and the file holds them one after another (skinAnimationFrameMs apart).
constexpr int skinAnimationFrameMs = 100;

// Draws such a strip: frames frames side by side from the left, each a square as high as the
// strip, painted by paintFrame(image, index) on a transparent image of its own.
void paintFrameStrip(QImage& strip, int frames, const std::function<void(QImage&, int)>& paintFrame);

// A transparent ARGB image of the picture's size with the picture drawn on it.
QImage renderSkinPicture(const SkinPicture& picture);

// The pictures of one group of extended controls (skin_ext_<group>.cpp), appended to out.
void addDialogPictures(std::vector<SkinPicture>& out);        // wait dialog
void addListPictures(std::vector<SkinPicture>& out);          // list control
void addScenePictures(std::vector<SkinPicture>& out);         // camera scenes, focus graph
void addSliderPictures(std::vector<SkinPicture>& out);        // slider, progress bar
void addSpinnerStripPictures(std::vector<SkinPicture>& out);  // number spinner, image strip, animated picture
void addTimelinePictures(std::vector<SkinPicture>& out);      // time-line
void addTreeDateScrollPictures(std::vector<SkinPicture>& out);  // tree, date/time, scroll area
void addVideoPictures(std::vector<SkinPicture>& out);           // video window
