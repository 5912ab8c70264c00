#include "BmpDecoder.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;  // no compression

uint32_t Le(QByteArrayView b, qsizetype at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uint8_t(b[at + i]);
    return v;
}

struct BmpLayout {
    int Width = 0, Height = 0, Bits = 0;
    bool TopDown = false;
    qsizetype PixelsAt = 0, PaletteAt = 0, Stride = 0;
    int PaletteSize = 0;
};

// The header fields, checked against the file's length so that no read
// below can run past it.
bool ReadLayout(QByteArrayView file, BmpLayout& out) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') return false;
    const uint32_t headerSize = Le(file, 14, 4);
    const auto height = int32_t(Le(file, 22, 4));
    out.Width = int32_t(Le(file, 18, 4));
    out.Bits = int(Le(file, 28, 2));
    if (headerSize < kInfoHeaderSize || Le(file, 30, 4) != kBiRgb) return false;
    if (out.Bits != 1 && out.Bits != 4 && out.Bits != 8) return false;
    if (out.Width <= 0 || out.Width > 16384 || height == 0 || height < -16384 || height > 16384) return false;
    out.TopDown = height < 0;
    out.Height = out.TopDown ? -height : height;
    const uint32_t used = Le(file, 46, 4);
    out.PaletteSize = used == 0 ? 1 << out.Bits : int(used);
    if (out.PaletteSize > (1 << out.Bits)) return false;
    out.PaletteAt = kFileHeaderSize + qsizetype(headerSize);
    out.PixelsAt = qsizetype(Le(file, 10, 4));
    out.Stride = (qsizetype(out.Width) * out.Bits + 31) / 32 * 4;
    return out.PaletteAt + qsizetype(out.PaletteSize) * 4 <= file.size() && out.PixelsAt >= 0 &&
           out.PixelsAt + out.Stride * out.Height <= file.size();
}

}  // namespace

QImage DecodePalettedBmp(QByteArrayView file) {
    BmpLayout l;
    if (!ReadLayout(file, l)) return {};
    // Indices past the palette read black, as Qt's reader gives them.
    uint32_t palette[256];
    for (uint32_t& c : palette) c = 0xFF000000u;
    for (int i = 0; i < l.PaletteSize; ++i) palette[i] = 0xFF000000u | Le(file, l.PaletteAt + qsizetype(i) * 4, 3);
    QImage image(l.Width, l.Height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    const int perByte = 8 / l.Bits, mask = (1 << l.Bits) - 1;
    for (int y = 0; y < l.Height; ++y) {
        // Rows are stored from the bottom up unless the height is negative.
        const auto* src = reinterpret_cast<const uint8_t*>(file.data()) + l.PixelsAt +
                          l.Stride * (l.TopDown ? y : l.Height - 1 - y);
        auto* dst = reinterpret_cast<uint32_t*>(image.scanLine(y));
        if (l.Bits == 8) {
            for (int x = 0; x < l.Width; ++x) dst[x] = palette[src[x]];
            continue;
        }
        for (int x = 0; x < l.Width; ++x) {
            const int shift = 8 - l.Bits * (x % perByte + 1);
            dst[x] = palette[(src[x / perByte] >> shift) & mask];
        }
    }
    return image;
}
