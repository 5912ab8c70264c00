// The playfield picture: sheet rectangles composited through the mask into
// the back buffer, rats from the back row to the front, the mallet on top.
#include "Playfield.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif
#include <cstdlib>

#include "BoardLayout.h"
#include "Mallet.h"

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
// branch per pixel. One call covers a whole rectangle, so the processor's
// variant is chosen once per picture, not once per row.
using Pixels8 = uint32_t __attribute__((vector_size(32)));
using Signed8 = int32_t __attribute__((vector_size(32)));

// A rectangle of `rows` rows of `width` pixels; strides in pixels.
struct RowSpan {
    uint32_t* Dst;
    size_t DstStride;
    const uint32_t* Src;
    size_t SrcStride;
    int Width, Rows;
};

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void BlitRect(RowSpan r, const uint32_t* m) {
    for (int row = 0; row < r.Rows; ++row, r.Dst += r.DstStride, r.Src += r.SrcStride, m += r.SrcStride) {
        uint32_t* d = r.Dst;
        const uint32_t* s = r.Src;
        int i = 0;
        for (; i + 8 <= r.Width; i += 8) {
            Pixels8 vd, vm, vs;
            std::memcpy(&vd, d + i, sizeof vd);
            std::memcpy(&vm, m + i, sizeof vm);
            std::memcpy(&vs, s + i, sizeof vs);
            vd = ((vd & vm) ^ vs) | kOpaque;
            std::memcpy(d + i, &vd, sizeof vd);
        }
        for (; i < r.Width; ++i) d[i] = ((d[i] & m[i]) ^ s[i]) | kOpaque;
    }
}

// With a clean pair of sheets AND-then-XOR takes the sprite's pixel where
// the mask is black and keeps the buffer's where it is white. The cutout's
// alpha says which, and its top bit widened to a whole word selects
// without a branch: the cutout is 0 where it is not taken, so the select
// is (d & ~take) | c, made opaque as AND-then-XOR makes it.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void CutoutRect(RowSpan r) {
    for (int row = 0; row < r.Rows; ++row, r.Dst += r.DstStride, r.Src += r.SrcStride) {
        uint32_t* d = r.Dst;
        const uint32_t* c = r.Src;
        int i = 0;
        for (; i + 8 <= r.Width; i += 8) {
            Pixels8 vd, vc;
            std::memcpy(&vd, d + i, sizeof vd);
            std::memcpy(&vc, c + i, sizeof vc);
            const Pixels8 take = reinterpret_cast<Pixels8>(reinterpret_cast<Signed8>(vc) >> 31);
            vd = (vd & ~take) | vc | kOpaque;
            std::memcpy(d + i, &vd, sizeof vd);
        }
        for (; i < r.Width; ++i) {
            const uint32_t take = uint32_t(int32_t(c[i]) >> 31);
            d[i] = (d[i] & ~take) | c[i] | kOpaque;
        }
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
// The same select sixteen pixels at a time, where the processor has
// AVX-512; the end of each row goes through a lane mask instead of a loop
// of single pixels.
__attribute__((target("avx512f,avx512dq")))
void CutoutRect512(RowSpan r) {
    const __m512i opaque = _mm512_set1_epi32(int(kOpaque));
    for (int row = 0; row < r.Rows; ++row, r.Dst += r.DstStride, r.Src += r.SrcStride) {
        for (int i = 0; i < r.Width; i += 16) {
            const int left = r.Width - i;
            const __mmask16 lanes = left >= 16 ? __mmask16(0xFFFF) : __mmask16((1u << left) - 1);
            const __m512i c = _mm512_maskz_loadu_epi32(lanes, r.Src + i);
            const __mmask16 take = _mm512_movepi32_mask(c);
            const __m512i d = _mm512_maskz_loadu_epi32(lanes, r.Dst + i);
            const __m512i kept = _mm512_or_si512(d, opaque);
            _mm512_mask_storeu_epi32(r.Dst + i, lanes, _mm512_mask_blend_epi32(take, kept, c));
        }
    }
}
#endif

bool CutoutFits(const PlayfieldSheets& sheets) {
    const RgbBitmap* c = sheets.Cutout;
    return c != nullptr && c->Width == std::min(sheets.Sprite->Width, sheets.Mask->Width) &&
           c->Height == std::min(sheets.Sprite->Height, sheets.Mask->Height);
}

// A placed picture, composited into the back buffer.
void BlitPicture(RgbBitmap& dst, const PlayfieldSheets& sheets, bool withCutout, const ClippedBlit& b) {
    uint32_t* d = RowOf(dst, b.DstX, b.DstY);
    if (withCutout) {
        const RgbBitmap& c = *sheets.Cutout;
        const RowSpan span{d, size_t(dst.Width), RowOf(c, b.SrcX, b.SrcY), size_t(c.Width), b.Width, b.Height};
#if defined(__x86_64__) && defined(__GNUC__)
        static const bool wide = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq");
        if (wide) {
            CutoutRect512(span);
            return;
        }
#endif
        CutoutRect(span);
        return;
    }
    // Both sheets share one stride when they are the same size; otherwise
    // row by row.
    const RgbBitmap &s = *sheets.Sprite, &m = *sheets.Mask;
    if (s.Width == m.Width) {
        BlitRect({d, size_t(dst.Width), RowOf(s, b.SrcX, b.SrcY), size_t(s.Width), b.Width, b.Height},
                 RowOf(m, b.SrcX, b.SrcY));
        return;
    }
    for (int row = 0; row < b.Height; ++row) {
        BlitRect({RowOf(dst, b.DstX, b.DstY + row), 0, RowOf(s, b.SrcX, b.SrcY + row), 0, b.Width, 1},
                 RowOf(m, b.SrcX, b.SrcY + row));
    }
}

void CopyBackground(RgbBitmap& dst, const RgbBitmap& background) {
    const int h = std::min(dst.Height, background.Height);
    if (h <= 0) return;
    if (dst.Width == background.Width) {
        std::memcpy(RowOf(dst, 0, 0), RowOf(background, 0, 0),
                    size_t(h) * size_t(dst.Width) * sizeof(uint32_t));
        return;
    }
    const int w = std::min(dst.Width, background.Width);
    for (int y = 0; y < h; ++y)
        std::memcpy(RowOf(dst, 0, y), RowOf(background, 0, y), size_t(std::max(w, 0)) * sizeof(uint32_t));
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
    const int lift = malletState == kMalletLowered ? kLoweredPoseLift : 0;
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
    if (PlaceRat(backBuffer, sheets, frames, x, y, frame, b))
        BlitPicture(backBuffer, sheets, CutoutFits(sheets), b);
}

void DrawMallet(RgbBitmap& backBuffer, const PlayfieldSheets& sheets, uint8_t malletState,
                int32_t malletX, int32_t malletY) {
    ClippedBlit b;
    if (PlaceMallet(backBuffer, sheets, malletState, malletX, malletY, b))
        BlitPicture(backBuffer, sheets, CutoutFits(sheets), b);
}

void ComposePlayfield(RgbBitmap& backBuffer, const PlayfieldSheets& sheets,
                      const PlayfieldScene& scene) {
    // One copy of the whole board: a single large copy runs faster than
    // the same copy in bands interleaved with the pictures.
    CopyBackground(backBuffer, *sheets.Background);
    const Layers layers = PlaceLayers(backBuffer, sheets, scene);
    const bool withCutout = CutoutFits(sheets);
    for (size_t k = 0; k < layers.Count; ++k)
        BlitPicture(backBuffer, sheets, withCutout, layers.Blits[k]);
}

}  // namespace burrowbop
