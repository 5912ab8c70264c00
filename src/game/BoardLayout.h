// Where things are: the burrows on the board, the rat frames and mallet poses
// in the sprite sheet, and the sizes of the pictures. Named once here; the
// engine, the picture, the asset generator and the tests all read them.
#pragma once

#include <array>

#include "GameTypes.h"

namespace burrowbop {

constexpr int kBoardWidth = 437;   // BACKGROUND and the back buffer
constexpr int kBoardHeight = 284;
constexpr int kSheetWidth = 275;   // SPRITE and MASK
constexpr int kSheetHeight = 179;

struct BurrowPosition {
    int32_t X;
    int32_t Y;
};

// Row 0 is the back row; each row further forward lies lower, further left
// and wider apart, following the board's perspective.
constexpr std::array<std::array<BurrowPosition, kBurrowColumns>, kBurrowRows> kBurrowPositions{{
    {{{187, 48}, {247, 58}, {304, 66}}},
    {{{127, 79}, {189, 90}, {262, 98}}},
    {{{75, 116}, {146, 126}, {222, 134}}},
}};

// Entries 1 to 15 in TRatFrame's field order (SrcX, SrcY, Width, Height,
// OffsetX, OffsetY). Rising frames share one bottom line 56 pixels below the
// burrow's Y (57 for frame 1); struck frames reach lower.
constexpr TRatFrames kRatFrameTable{{
    {0, 0, 0, 0, 0, 0},          // 0: no picture
    {94, 54, 60, 57, 0, 0},      // 1: head and neck out, ears up
    {97, 2, 56, 54, 1, 2},       // 2: whole head out
    {216, 78, 56, 46, 1, 10},    // 3: rising
    {215, 36, 56, 42, 2, 14},    // 4: rising
    {216, 0, 56, 34, 2, 22},     // 5: rising
    {215, 130, 53, 30, 2, 26},   // 6: out to the nose, looking around
    {160, 133, 53, 30, 2, 26},   // 7
    {159, 104, 53, 30, 2, 26},   // 8
    {159, 75, 53, 30, 2, 26},    // 9
    {158, 45, 53, 30, 2, 26},    // 10
    {158, 18, 53, 27, 2, 29},    // 11: ears and the top of the eyes
    {158, 1, 53, 14, 2, 42},     // 12: the tips of the ears
    {94, 112, 61, 37, 1, 33},    // 13: struck
    {93, 148, 61, 26, 1, 33},    // 14: flattened
    {0, 0, 0, 0, 0, 0},          // 15: empty picture
}};

struct SheetRect {
    int32_t X;
    int32_t Y;
    int32_t Width;
    int32_t Height;
};

// Mallet poses by MalletState: raised, lowered, striking. The striking
// rectangle runs three rows past the sheet's bottom; its picture ends above.
constexpr std::array<SheetRect, 3> kMalletPoses{{
    {0, 0, 97, 54},
    {0, 54, 90, 64},
    {0, 118, 90, 64},
}};
// The lowered pose is drawn this much higher than the other two.
constexpr int kLoweredPoseLift = 6;

// The pointer sits this far right of and below the mallet picture's corner.
constexpr int kMalletPointerOffsetX = 15;
constexpr int kMalletPointerOffsetY = 40;

}  // namespace burrowbop
