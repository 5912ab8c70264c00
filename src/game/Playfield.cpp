// The playfield picture: sheet rectangles composited through the mask into
// the back buffer, rats from the back row to the front, the mallet on top.
#include "Playfield.h"

#include <algorithm>

#include "BoardLayout.h"

namespace burrowbop {
namespace {

constexpr uint32_t kRgbBits = 0x00FFFFFFu;
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

// AND with the mask, then XOR with the sprite, on the colour bits; the
// result stays opaque. No branch per pixel, so the loop vectorises.
void MaskedBlit(RgbBitmap& dst, const PlayfieldSheets& sheets, SheetRect src, int dstX,
                int dstY) {
    ClippedBlit b;
    if (!ClipBlit(dst, *sheets.Sprite, *sheets.Mask, src, dstX, dstY, b)) return;
    for (int row = 0; row < b.Height; ++row) {
        uint32_t* d = RowOf(dst, b.DstX, b.DstY + row);
        const uint32_t* m = RowOf(*sheets.Mask, b.SrcX, b.SrcY + row);
        const uint32_t* s = RowOf(*sheets.Sprite, b.SrcX, b.SrcY + row);
        for (int i = 0; i < b.Width; ++i) {
            d[i] = (((d[i] & m[i]) ^ s[i]) & kRgbBits) | kOpaque;
        }
    }
}

void CopyBackground(RgbBitmap& dst, const RgbBitmap& background) {
    if (dst.Width == background.Width && dst.Height == background.Height) {
        std::copy(background.Pixels.begin(), background.Pixels.end(), dst.Pixels.begin());
        return;
    }
    const int w = std::min(dst.Width, background.Width);
    const int h = std::min(dst.Height, background.Height);
    for (int y = 0; y < h; ++y) {
        std::copy_n(RowOf(background, 0, y), w, RowOf(dst, 0, y));
    }
}

}  // namespace

void DrawRat(RgbBitmap& backBuffer, const PlayfieldSheets& sheets, const TRatFrames& frames,
             int32_t x, int32_t y, int32_t frame) {
    // Frame 0 is an empty burrow; values past the table have no picture.
    if (frame <= 0 || frame >= static_cast<int32_t>(frames.size())) return;
    const TRatFrame& f = frames[static_cast<size_t>(frame)];
    MaskedBlit(backBuffer, sheets, {f.SrcX, f.SrcY, f.Width, f.Height}, x + f.OffsetX,
               y + f.OffsetY);
}

void DrawMallet(RgbBitmap& backBuffer, const PlayfieldSheets& sheets, uint8_t malletState,
                int32_t malletX, int32_t malletY) {
    if (malletState >= kMalletPoses.size()) return;
    const int lift = malletState == 1 ? kLoweredPoseLift : 0;
    MaskedBlit(backBuffer, sheets, kMalletPoses[malletState], malletX, malletY - lift);
}

void ComposePlayfield(RgbBitmap& backBuffer, const PlayfieldSheets& sheets,
                      const PlayfieldScene& scene) {
    CopyBackground(backBuffer, *sheets.Background);
    if (scene.Burrows != nullptr && scene.RatFrames != nullptr) {
        // Back row first, so rats further forward cover those behind them.
        for (const auto& row : *scene.Burrows) {
            for (const TBurrow& b : row) {
                DrawRat(backBuffer, sheets, *scene.RatFrames, b.X, b.Y, b.Frame);
            }
        }
    }
    if (scene.MalletShown) {
        DrawMallet(backBuffer, sheets, scene.MalletState, scene.MalletX, scene.MalletY);
    }
}

}  // namespace burrowbop
