// The burrow grid and the rat animation: filling the two tables, spawning
// rats and stepping every burrow's frame on the game tick.
#pragma once

#include <cstdint>

#include "GameTypes.h"

namespace burrowbop {

class GamePorts;

// Frames of a burrow's animation.
constexpr int32_t kEmptyFrame = 0;
constexpr int32_t kLastRisingFrame = 1;    // head and neck fully out
constexpr int32_t kFirstRisingFrame = 12;  // the tips of the ears
constexpr int32_t kStruckFrame = 13;
constexpr int32_t kPastLastStruckFrame = 15;  // exists only inside one step

// Ticks per animation step.
constexpr int32_t kRisingStepTicks = 1;
constexpr int32_t kStruckStepTicks = 5;

// A spawn is attempted only on ticks whose number is a multiple of this.
constexpr int32_t kSpawnEveryTicks = 5;

// Only a rising rat can be hit; a struck one is already on its way down.
constexpr bool IsRising(int32_t frame) {
    return frame >= kLastRisingFrame && frame <= kFirstRisingFrame;
}

// Burrows[row][column] gets (x, y) and is emptied.
void SetBurrow(TBurrows& burrows, int row, int column, int32_t x, int32_t y);
// Stores one frame; the offsets come first, unlike the fields.
void SetRatFrame(TRatFrames& frames, int index, int32_t offsetX, int32_t offsetY,
                 int32_t srcX, int32_t srcY, int32_t width, int32_t height);
// All nine burrows at their places and empty; the frame table filled.
void ResetBurrows(TBurrows& burrows, TRatFrames& frames);

// On every fifth tick: one random burrow; if it is empty a rat starts
// rising there, otherwise this tick's attempt is lost.
void SpawnRat(TBurrows& burrows, int32_t tickCount, GamePorts& random);
// One animation step of Burrows[row][column] on tick `tickCount`.
void StepBurrow(TBurrows& burrows, int row, int column, int32_t tickCount);
// A hit: the rising rat becomes a struck one.
void StrikeRat(TBurrow& burrow);

}  // namespace burrowbop
