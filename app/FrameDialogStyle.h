// The skin shared by the program's small dialogs (About and the message box): "Frame.png"
// cut into a 27-pixel caption strip and one-pixel sides, over a stretched white
// background, with a white left-aligned title.
#pragma once

#include "skin/SFSkinStyles.h"

// Fills style with the small-dialog skin; entries it does not name are left as they are
// (a fresh record leaves them empty).
void SetFrameDialogStyle(DialogStyle& style);
