// Small readers for the committed asset files, without Qt: palette BMPs,
// the icon directory and the WAV header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Bitmap.h"

namespace assettest {

std::vector<uint8_t> ReadBytes(const std::string& path);

struct BmpFile {
    int BitsPerPixel = 0;
    int PaletteSize = 0;
    burrowbop::RgbBitmap Picture;  // 0xFFRRGGBB
};
// Reads an uncompressed palette BMP (1, 4 or 8 bits); throws on anything else.
BmpFile ReadBmp(const std::string& path);

struct IconEntry {
    int Width = 0, Height = 0, ColourCount = 0, BitsPerPixel = 0;
};
std::vector<IconEntry> ReadIconDirectory(const std::string& path);

struct WavFile {
    int Format = 0, Channels = 0, Rate = 0, Bits = 0;
    std::vector<uint8_t> Samples;
};
WavFile ReadWav(const std::string& path);

// Width and height from a PNG's header, and its colour type.
struct PngHeader {
    int Width = 0, Height = 0, BitDepth = 0, ColourType = 0;
};
PngHeader ReadPngHeader(const std::string& path);

}  // namespace assettest
