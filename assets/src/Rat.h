// The pink rat, drawn once and cut into the frames of the sprite sheet.
#pragma once

#include "Raster.h"

namespace art {

// Where the pupils look: (0, 0) ahead, x and y from -1 to 1.
struct Gaze {
    double X = 0, Y = 0;
};

// The whole rising rat, ear tips at `top` (x is the rat's middle): ears,
// head, face and a neck reaching 60 pixels down.
void DrawRisingRat(assetgen::Canvas& c, assetgen::Vec top, Gaze gaze);
// Struck: the head pushed down, ears flat out, eyes wide, mouth open.
// `centre` is the middle of the head.
void DrawStruckRat(assetgen::Canvas& c, assetgen::Vec centre);
// Flattened to a pancake with crosses for eyes.
void DrawFlatRat(assetgen::Canvas& c, assetgen::Vec centre);
// A small five-pointed star.
void DrawStar(assetgen::Canvas& c, assetgen::Vec centre, double radius, double rotationDeg);

}  // namespace art
