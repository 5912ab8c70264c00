// A tiny pixel font of our own for the few words in the pictures, drawn as
// vector squares so it scales and anti-aliases like every other shape.
#pragma once

#include <string>

#include "Raster.h"

namespace assetgen {

// Glyphs are 5 x 7 cells; `cell` is the size of one cell in picture pixels.
double TextWidth(const std::string& text, double cell);
Shape TextShape(const std::string& text, Vec topLeft, double cell, double boldness = 0);

}  // namespace assetgen
