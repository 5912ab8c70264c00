// A picture of every asset at twice its size and of composed playfield
// frames, for looking at the art as a player would.
#pragma once

#include "Assets.h"

namespace assetgen {

Bytes ContactSheet(const RenderedAssets& assets);

}  // namespace assetgen
