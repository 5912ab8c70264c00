#include "Burrows.h"

#include "BoardLayout.h"
#include "GamePorts.h"

namespace burrowbop {

void SetBurrow(TBurrows& burrows, int row, int column, int32_t x, int32_t y) {
    TBurrow& burrow = burrows[row][column];
    burrow.X = x;
    burrow.Y = y;
    burrow.Frame = kEmptyFrame;
    burrow.StepTicks = 0;
}

void SetRatFrame(TRatFrames& frames, int index, int32_t offsetX, int32_t offsetY,
                 int32_t srcX, int32_t srcY, int32_t width, int32_t height) {
    frames[index] = TRatFrame{srcX, srcY, width, height, offsetX, offsetY};
}

void ResetBurrows(TBurrows& burrows, TRatFrames& frames) {
    for (int row = 0; row < kBurrowRows; ++row) {
        for (int column = 0; column < kBurrowColumns; ++column) {
            const BurrowPosition& at = kBurrowPositions[row][column];
            SetBurrow(burrows, row, column, at.X, at.Y);
        }
    }
    // Entry 0 stays unused: frame 0 draws nothing and is never hit.
    for (int index = 1; index <= kPastLastStruckFrame; ++index) {
        const TRatFrame& f = kRatFrameTable[index];
        SetRatFrame(frames, index, f.OffsetX, f.OffsetY, f.SrcX, f.SrcY, f.Width, f.Height);
    }
}

void SpawnRat(TBurrows& burrows, int32_t tickCount, GamePorts& random) {
    if (tickCount % kSpawnEveryTicks != 0) {
        return;
    }
    const int row = random.Random(kBurrowRows);
    const int column = random.Random(kBurrowColumns);
    TBurrow& burrow = burrows[row][column];
    // No second pick: an occupied burrow loses this tick's attempt.
    if (burrow.Frame != kEmptyFrame) {
        return;
    }
    burrow.Frame = kFirstRisingFrame;
    burrow.StepTicks = kRisingStepTicks;
}

void StepBurrow(TBurrows& burrows, int row, int column, int32_t tickCount) {
    TBurrow& burrow = burrows[row][column];
    if (burrow.Frame == kEmptyFrame) {
        return;  // StepTicks means nothing while the burrow is empty
    }
    const bool stepDue = tickCount % burrow.StepTicks == 0;
    if (IsRising(burrow.Frame)) {
        if (stepDue) {
            --burrow.Frame;  // from 1 this empties the burrow
        }
        return;
    }
    if (stepDue) {
        ++burrow.Frame;
    }
    if (burrow.Frame >= kPastLastStruckFrame) {
        burrow.Frame = kEmptyFrame;
    }
}

void StrikeRat(TBurrow& burrow) {
    burrow.Frame = kStruckFrame;
    burrow.StepTicks = kStruckStepTicks;
}

}  // namespace burrowbop
