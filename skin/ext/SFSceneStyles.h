// Exported face: other programs are built against this header. Names and their spellings and
// the layout of the records must never change.
// Skin records of the camera scenes, filled by the owner and handed to each scene's SetSkin.
// Every field is a picture name under the skin folder; an empty name leaves that picture
// empty.
#pragma once

#include "skin/SFSkinStyles.h"

// Horizontal scene: [0] camera, [1] handle, [2] pressed handle.
struct ImageHorizontalStyle : SFWideStringRecord<3>
{};

// Vertical scene: [0]..[4] the five state pictures of the handles that move up and down
// (camera height, object height, far height), [5]..[9] those of the handles that move
// sideways (near end, far end), [10] object, [11] camera. A handle shows its picture
// [4] at rest, [0] with the focus, [1] while held; [2] and [3] are kept for the skin.
struct ImageVericalStyle : SFWideStringRecord<12>  // kept: exported name
{
    static constexpr int kVerticalHandle = 0;
    static constexpr int kHorizontalHandle = 5;
    static constexpr int kObject = 10;
    static constexpr int kCamera = 11;
};

// Simulation scene: [0] background (kept, not drawn), [1] object.
struct ImageSimulationlStyle : SFWideStringRecord<2>  // kept: exported name
{};
