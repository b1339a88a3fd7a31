// What the arithmetic of the camera scenes shares.
#pragma once

// The circle constant the scenes compute with, to ten digits: their results are made with
// this value, not with the full constant.
inline constexpr double kScenePi = 3.1415926535;
