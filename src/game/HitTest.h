// Where a press catches a rat: the hit target of a burrow's current frame.
#pragma once

#include <cstdint>

#include "GameTypes.h"

namespace burrowbop {

// The rat's picture is narrower than its frame: the strips this wide at
// the left and the right of the frame never hit.
constexpr int32_t kHitSideStrip = 10;

// An open rectangle: its edges themselves lie outside it.
struct OpenRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr bool Contains(int32_t x, int32_t y) const {
        return Left < x && x < Right && Top < y && y < Bottom;
    }
    friend constexpr bool operator==(const OpenRect&, const OpenRect&) = default;
};

// The target of frame `frame` drawn for a burrow at (burrowX, burrowY).
constexpr OpenRect HitTarget(int32_t burrowX, int32_t burrowY, const TRatFrame& frame) {
    const int32_t left = burrowX + frame.OffsetX;
    const int32_t top = burrowY + frame.OffsetY;
    return OpenRect{left + kHitSideStrip, top, left + frame.Width - kHitSideStrip,
                    top + frame.Height};
}

// Whether a press at (x, y) hits the rat in `burrow`. A struck rat cannot be
// hit again, so only the rising frames 1 to 12 take part.
bool RatHitAt(const TBurrow& burrow, const TRatFrames& frames, int32_t x, int32_t y);

}  // namespace burrowbop
