// The playfield picture: sheet rectangles composited through the mask into
// the back buffer, rats from the back row to the front, the mallet on top.
#include "Playfield.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "BoardLayout.h"

namespace burrowbop {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

uint32_t* RowOf(RgbBitmap& b, int x, int y) { return b.Pixels.data() + size_t(y) * b.Width + x; }
const uint32_t* RowOf(const RgbBitmap& b, int x, int y) {
    return b.Pixels.data() + size_t(y) * b.Width + x;
}

// The part of a sheet rectangle that lies on both sheets and lands inside
// the back buffer. Rows and columns outside either add nothing.
struct ClippedBlit {
    int SrcX, SrcY, DstX, DstY, Width, Height;
};

bool ClipBlit(const RgbBitmap& dst, const RgbBitmap& sprite, const RgbBitmap& mask,
              SheetRect src, int dstX, int dstY, ClippedBlit& out) {
    const int sheetW = std::min(sprite.Width, mask.Width);
    const int sheetH = std::min(sprite.Height, mask.Height);
    int x0 = std::max({src.X, 0, src.X - dstX});
    int y0 = std::max({src.Y, 0, src.Y - dstY});
    int x1 = std::min({src.X + src.Width, sheetW, src.X + dst.Width - dstX});
    int y1 = std::min({src.Y + src.Height, sheetH, src.Y + dst.Height - dstY});
    if (x1 <= x0 || y1 <= y0) return false;
    out = {x0, y0, dstX + (x0 - src.X), dstY + (y0 - src.Y), x1 - x0, y1 - y0};
    return true;
}

// AND with the mask, then XOR with the sprite; OR-ing the alpha bits keeps
// the result opaque whatever alpha the sheets carry. Eight pixels at a time
// (the compiler's vector type; AVX2 where the processor has it), with no
// branch per pixel.
using Pixels8 = uint32_t __attribute__((vector_size(32)));

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void BlitRow(uint32_t* d, const uint32_t* m, const uint32_t* s, int width) {
    int i = 0;
    for (; i + 8 <= width; i += 8) {
        Pixels8 vd, vm, vs;
        std::memcpy(&vd, d + i, sizeof vd);
        std::memcpy(&vm, m + i, sizeof vm);
        std::memcpy(&vs, s + i, sizeof vs);
        vd = ((vd & vm) ^ vs) | kOpaque;
        std::memcpy(d + i, &vd, sizeof vd);
    }
    for (; i < width; ++i) d[i] = ((d[i] & m[i]) ^ s[i]) | kOpaque;
}

// With a clean pair of sheets AND-then-XOR takes the sprite's pixel where
// the mask is black and keeps the buffer's where it is white. The cutout's
// alpha says which, and its top bit widened to a whole word selects
// without a branch.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void CutoutRow(uint32_t* d, const uint32_t* c, int width) {
    using Signed8 = int32_t __attribute__((vector_size(32)));
    int i = 0;
    for (; i + 8 <= width; i += 8) {
        Pixels8 vd, vc;
        std::memcpy(&vd, d + i, sizeof vd);
        std::memcpy(&vc, c + i, sizeof vc);
        const Pixels8 take = reinterpret_cast<Pixels8>(reinterpret_cast<Signed8>(vc) >> 31);
        vd = (vd & ~take) | (vc & take);
        std::memcpy(d + i, &vd, sizeof vd);
    }
    for (; i < width; ++i) {
        const uint32_t take = uint32_t(int32_t(c[i]) >> 31);
        d[i] = (d[i] & ~take) | (c[i] & take);
    }
}

bool CutoutFits(const PlayfieldSheets& sheets) {
    const RgbBitmap* c = sheets.Cutout;
    return c != nullptr && c->Width == std::min(sheets.Sprite->Width, sheets.Mask->Width) &&
           c->Height == std::min(sheets.Sprite->Height, sheets.Mask->Height);
}

void BlitRows(RgbBitmap& dst, const PlayfieldSheets& sheets, const ClippedBlit& b, int fromRow,
              int toRow) {
    if (CutoutFits(sheets)) {
        for (int row = fromRow; row < toRow; ++row) {
            CutoutRow(RowOf(dst, b.DstX, b.DstY + row), RowOf(*sheets.Cutout, b.SrcX, b.SrcY + row),
                      b.Width);
        }
        return;
    }
    for (int row = fromRow; row < toRow; ++row) {
        BlitRow(RowOf(dst, b.DstX, b.DstY + row), RowOf(*sheets.Mask, b.SrcX, b.SrcY + row),
                RowOf(*sheets.Sprite, b.SrcX, b.SrcY + row), b.Width);
    }
}

void CopyBackgroundRows(RgbBitmap& dst, const RgbBitmap& background, int y0, int y1) {
    y1 = std::min(y1, background.Height);
    if (y1 <= y0) return;
    if (dst.Width == background.Width) {
        std::copy_n(RowOf(background, 0, y0), size_t(y1 - y0) * size_t(dst.Width), RowOf(dst, 0, y0));
        return;
    }
    const int w = std::min(dst.Width, background.Width);
    for (int y = y0; y < y1; ++y) std::copy_n(RowOf(background, 0, y), w, RowOf(dst, 0, y));
}

bool PlaceRat(const RgbBitmap& dst, const PlayfieldSheets& sheets, const TRatFrames& frames,
              int32_t x, int32_t y, int32_t frame, ClippedBlit& out) {
    // Frame 0 is an empty burrow; values past the table have no picture.
    if (frame <= 0 || frame >= static_cast<int32_t>(frames.size())) return false;
    const TRatFrame& f = frames[static_cast<size_t>(frame)];
    return ClipBlit(dst, *sheets.Sprite, *sheets.Mask, {f.SrcX, f.SrcY, f.Width, f.Height},
                    x + f.OffsetX, y + f.OffsetY, out);
}

bool PlaceMallet(const RgbBitmap& dst, const PlayfieldSheets& sheets, uint8_t malletState,
                 int32_t malletX, int32_t malletY, ClippedBlit& out) {
    if (malletState >= kMalletPoses.size()) return false;
    const int lift = malletState == 1 ? kLoweredPoseLift : 0;
    return ClipBlit(dst, *sheets.Sprite, *sheets.Mask, kMalletPoses[malletState], malletX,
                    malletY - lift, out);
}

// Board, rats row 0 to row 2, then the mallet: at most ten pictures.
struct Layers {
    std::array<ClippedBlit, kBurrowRows * kBurrowColumns + 1> Blits;
    size_t Count = 0;
};

Layers PlaceLayers(const RgbBitmap& dst, const PlayfieldSheets& sheets,
                   const PlayfieldScene& scene) {
    Layers layers;
    if (scene.Burrows != nullptr && scene.RatFrames != nullptr) {
        // Back row first, so rats further forward cover those behind them.
        for (const auto& row : *scene.Burrows) {
            for (const TBurrow& b : row) {
                layers.Count += PlaceRat(dst, sheets, *scene.RatFrames, b.X, b.Y, b.Frame,
                                         layers.Blits[layers.Count]);
            }
        }
    }
    // The mallet covers everything.
    if (scene.MalletShown) {
        layers.Count += PlaceMallet(dst, sheets, scene.MalletState, scene.MalletX, scene.MalletY,
                                    layers.Blits[layers.Count]);
    }
    return layers;
}

}  // namespace

RgbBitmap MakeCutout(const RgbBitmap& sprite, const RgbBitmap& mask) {
    constexpr uint32_t kRgb = 0x00FFFFFFu;
    const int w = std::min(sprite.Width, mask.Width), h = std::min(sprite.Height, mask.Height);
    RgbBitmap cutout(w, h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t m = mask.Pixels[size_t(y) * mask.Width + x] & kRgb;
            const uint32_t s = sprite.Pixels[size_t(y) * sprite.Width + x] & kRgb;
            if (m == 0) {
                cutout.Pixels[size_t(y) * w + x] = s | kOpaque;
            } else if (m != kRgb || s != 0) {
                return {};  // a mix only AND-then-XOR itself can give
            }
        }
    }
    return cutout;
}

void DrawRat(RgbBitmap& backBuffer, const PlayfieldSheets& sheets, const TRatFrames& frames,
             int32_t x, int32_t y, int32_t frame) {
    ClippedBlit b;
    if (PlaceRat(backBuffer, sheets, frames, x, y, frame, b)) BlitRows(backBuffer, sheets, b, 0, b.Height);
}

void DrawMallet(RgbBitmap& backBuffer, const PlayfieldSheets& sheets, uint8_t malletState,
                int32_t malletX, int32_t malletY) {
    ClippedBlit b;
    if (PlaceMallet(backBuffer, sheets, malletState, malletX, malletY, b)) BlitRows(backBuffer, sheets, b, 0, b.Height);
}

void ComposePlayfield(RgbBitmap& backBuffer, const PlayfieldSheets& sheets,
                      const PlayfieldScene& scene) {
    CopyBackgroundRows(backBuffer, *sheets.Background, 0, backBuffer.Height);
    const Layers layers = PlaceLayers(backBuffer, sheets, scene);
    for (size_t k = 0; k < layers.Count; ++k) {
        BlitRows(backBuffer, sheets, layers.Blits[k], 0, layers.Blits[k].Height);
    }
}

}  // namespace burrowbop
