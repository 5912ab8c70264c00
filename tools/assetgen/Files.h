// Palette quantising and the file formats the program embeds: BMP with an
// 8- or 4-bit palette, ICO, PNG (stored deflate, no compression library) and
// 8-bit PCM WAV. The bytes depend only on the pixels, never on the machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Raster.h"

namespace assetgen {

using Bytes = std::vector<uint8_t>;

// 0xRRGGBB pixels, row by row from the top.
struct Pixels {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Rgb;
};
Pixels ToPixels(const Image& img);
// Pixels with Coverage >= 0.5 keep their colour, all others become `empty`.
Pixels ToHardEdged(const Image& img, uint32_t empty);

struct Indexed {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Palette;  // 0xRRGGBB
    std::vector<uint8_t> Index;
};
// Median cut to at most maxColours; colours in `keep` get exact entries of
// their own and no other pixel maps onto them.
Indexed Quantise(const Pixels& p, int maxColours, const std::vector<uint32_t>& keep = {});

Bytes Bmp(const Indexed& img, int bitsPerPixel);
// Icon images: colours of 16-entry palettes; `opaque` is the AND mask's inverse.
struct IconImage {
    Indexed Colours;
    std::vector<uint8_t> Opaque;
};
Bytes Ico(const std::vector<IconImage>& images);
// 8-bit RGBA, straight alpha.
Bytes Png(int width, int height, const std::vector<uint8_t>& rgba);
Bytes Wav(const std::vector<uint8_t>& samples, int rate);

void WriteFile(const std::string& path, const Bytes& data);

}  // namespace assetgen
