// The gloved hand with the wooden mallet, in its three poses.
#pragma once

#include "Raster.h"

namespace art {

// `face` is the middle of the striking face (where the pointer is);
// `tiltDeg` turns the handle: positive lowers the hand at the right.
// `motion` adds speed lines above the head (0 none, 1 a few, 2 more).
void DrawMalletPose(assetgen::Canvas& c, assetgen::Vec face, double tiltDeg, int motion);

}  // namespace art
