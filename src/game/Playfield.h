// Composing the playfield picture into the back buffer.
#pragma once

#include <cstdint>

#include "Bitmap.h"
#include "GameTypes.h"

namespace burrowbop {

class Game;

// The three pictures the playfield is composed from; owned by the shell.
struct PlayfieldSheets {
    const RgbBitmap* Background = nullptr;  // BACKGROUND, 437 x 284
    const RgbBitmap* Sprite = nullptr;      // SPRITE, 275 x 179
    const RgbBitmap* Mask = nullptr;        // MASK, 275 x 179
    // Optional, made once at start-up by MakeCutout(Sprite, Mask): the two
    // sheets in one, so compositing reads one sheet instead of two. The
    // picture is the same with or without it.
    const RgbBitmap* Cutout = nullptr;
};

// The sprite's colours, opaque where the mask is black and 0 (transparent)
// where it is white. Empty (0 x 0) unless the sheets are a clean pair: the
// mask pure black and white, the sprite pure black wherever the mask is
// white; compositing then keeps the mask's AND and the sprite's XOR.
RgbBitmap MakeCutout(const RgbBitmap& sprite, const RgbBitmap& mask);

// What one picture of the playfield shows.
struct PlayfieldScene {
    const TBurrows* Burrows = nullptr;
    const TRatFrames* RatFrames = nullptr;
    bool MalletShown = false;  // RatTimer is on
    uint8_t MalletState = 0;
    int32_t MalletX = 0;
    int32_t MalletY = 0;
};

// The scene of the game's current state.
PlayfieldScene SceneOf(const Game& game);

// Composite rat frame `frame` of a burrow whose reference point is (x, y).
void DrawRat(RgbBitmap& backBuffer, const PlayfieldSheets& sheets,
             const TRatFrames& frames, int32_t x, int32_t y, int32_t frame);
// Composite the mallet pose `malletState` at (malletX, malletY).
void DrawMallet(RgbBitmap& backBuffer, const PlayfieldSheets& sheets,
                uint8_t malletState, int32_t malletX, int32_t malletY);
// The composition steps of the playfield's paint: board, rats back to
// front, the mallet while RatTimer is on.
void ComposePlayfield(RgbBitmap& backBuffer, const PlayfieldSheets& sheets,
                      const PlayfieldScene& scene);

}  // namespace burrowbop
