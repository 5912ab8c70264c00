#include "AssetFiles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace assettest {
namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    if (at + size_t(bytes) > b.size()) throw std::runtime_error("file too short");
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + size_t(i)];
    return v;
}

uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
    if (at + 4 > b.size()) throw std::runtime_error("file too short");
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

std::string Tag(const std::vector<uint8_t>& b, size_t at) {
    if (at + 4 > b.size()) throw std::runtime_error("file too short");
    return std::string(b.begin() + long(at), b.begin() + long(at + 4));
}

}  // namespace

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

BmpFile ReadBmp(const std::string& path) {
    const auto b = ReadBytes(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') throw std::runtime_error("not a BMP: " + path);
    const uint32_t offset = Le(b, 10, 4);
    const int w = int(Le(b, 18, 4)), h = int(Le(b, 22, 4));
    BmpFile out;
    out.BitsPerPixel = int(Le(b, 28, 2));
    if (Le(b, 30, 4) != 0 || out.BitsPerPixel > 8 || h <= 0) throw std::runtime_error("unsupported BMP: " + path);
    out.PaletteSize = int(Le(b, 46, 4));
    if (out.PaletteSize == 0) out.PaletteSize = 1 << out.BitsPerPixel;
    std::vector<uint32_t> palette;
    for (int i = 0; i < out.PaletteSize; ++i) palette.push_back(0xFF000000u | Le(b, 14 + 40 + size_t(i) * 4, 3));
    out.Picture = burrowbop::RgbBitmap(w, h);
    const int bits = out.BitsPerPixel;
    const size_t rowBytes = size_t((w * bits + 31) / 32) * 4;
    for (int y = 0; y < h; ++y) {
        const size_t row = offset + size_t(h - 1 - y) * rowBytes;
        for (int x = 0; x < w; ++x) {
            const size_t bit = size_t(x) * size_t(bits);
            const uint8_t byte = uint8_t(Le(b, row + bit / 8, 1));
            const int index = (byte >> (8 - bits - int(bit % 8))) & ((1 << bits) - 1);
            if (index >= out.PaletteSize) throw std::runtime_error("index past the palette: " + path);
            out.Picture.At(x, y) = palette[size_t(index)];
        }
    }
    return out;
}

std::vector<IconEntry> ReadIconDirectory(const std::string& path) {
    const auto b = ReadBytes(path);
    if (Le(b, 0, 2) != 0 || Le(b, 2, 2) != 1) throw std::runtime_error("not an icon: " + path);
    std::vector<IconEntry> out;
    for (uint32_t i = 0; i < Le(b, 4, 2); ++i) {
        const size_t e = 6 + i * 16;
        const size_t dib = Le(b, e + 12, 4);
        out.push_back({int(b.at(e)) ? int(b.at(e)) : 256, int(b.at(e + 1)) ? int(b.at(e + 1)) : 256,
                       int(b.at(e + 2)), int(Le(b, dib + 14, 2))});
    }
    return out;
}

WavFile ReadWav(const std::string& path) {
    const auto b = ReadBytes(path);
    if (Tag(b, 0) != "RIFF" || Tag(b, 8) != "WAVE") throw std::runtime_error("not a WAV: " + path);
    WavFile out;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id = Tag(b, at);
        const uint32_t size = Le(b, at + 4, 4);
        if (id == "fmt ") {
            out.Format = int(Le(b, at + 8, 2));
            out.Channels = int(Le(b, at + 10, 2));
            out.Rate = int(Le(b, at + 12, 4));
            out.Bits = int(Le(b, at + 22, 2));
        } else if (id == "data") {
            if (at + 8 + size > b.size()) throw std::runtime_error("data chunk past the end");
            out.Samples.assign(b.begin() + long(at + 8), b.begin() + long(at + 8 + size));
        }
        at += 8 + size + size % 2;
    }
    return out;
}

PngHeader ReadPngHeader(const std::string& path) {
    const auto b = ReadBytes(path);
    if (b.size() < 33 || b[1] != 'P' || Tag(b, 12) != "IHDR") throw std::runtime_error("not a PNG: " + path);
    return {int(Be32(b, 16)), int(Be32(b, 20)), int(b[24]), int(b[25])};
}

}  // namespace assettest
