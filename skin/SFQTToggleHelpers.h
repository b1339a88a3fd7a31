// What the two picture-drawn toggle controls (CSFQTCheckBox, CSFQTRadioBox) share: their
// eight state pictures and the command {0x111, 0, 0, id} they send to their parent window.
//
// Picture numbers of both, as in ImageCheckBox / ImageRadioBox: 0 checked normal,
// 1 checked hover, 2 checked pressed, 3 unchecked normal, 4 unchecked hover, 5 unchecked
// pressed, 6 checked disabled, 7 unchecked disabled.
#pragma once

#include "base/compat/sf_windows.h"
#include "skin/SFSkinStyles.h"

#include <QPixmap>
#include <QSize>

class CSFSkinPicture;
class QObject;

// Loads field i of names (skin folder + name, through LoadSkinPicture) into pictures[i] for
// each of the eight pictures, in order; an empty name leaves its picture as it was, a name
// that does not load leaves a null picture.
void SFLoadStatePictures(const SFWideStringRecord<8>& names, QPixmap* pictures);

// The picture grown to size: its four quadrants stay at their own sizes in the four corners,
// its middle column and row are repeated along the edges between them and the centre is
// filled with its middle pixel. A null picture or an empty size gives the picture unchanged.
QPixmap ExpandPixmapFromCentre(const QPixmap& picture, const QSize& size);

// Fits every picture of the array to size in place, decided by picture 1 (checked hover):
// when it is at least size in both directions the pictures are cut down to their top-left
// part of that size (or kept when it is exactly that size), otherwise each is expanded from
// its centre. Null pictures stay null; an empty size changes nothing.
void FitStatePictures(QPixmap* pictures, int count, const QSize& size);

// Sends {0x111, 0, 0, id} synchronously to the widget's parent, when it has one and an
// application object exists.
void SFSendCommandToParent(QObject* sender, UINT id);

// pictures[index] of an array of eight; a null picture for an index out of range.
const QPixmap& SFStatePicture(const QPixmap* pictures, int index);
// The same for skin pictures decoded when first asked for.
const QPixmap& SFStatePicture(const CSFSkinPicture* pictures, int index);
