// A plain RGB picture: the back buffer and the sheets it is composed from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace burrowbop {

// Pixels are 0xFFRRGGBB, row by row from the top, so the shell can show
// the buffer as a 32-bit RGB image without converting it.
struct RgbBitmap {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    RgbBitmap() = default;
    RgbBitmap(int width, int height, uint32_t fill = 0xFF000000u)
        : Width(width), Height(height),
          Pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    uint32_t& At(int x, int y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

}  // namespace burrowbop
