#include "HitTest.h"

#include "Burrows.h"

namespace burrowbop {

bool RatHitAt(const TBurrow& burrow, const TRatFrames& frames, int32_t x, int32_t y) {
    if (!IsRising(burrow.Frame)) {
        return false;
    }
    return HitTarget(burrow.X, burrow.Y, frames[burrow.Frame]).Contains(x, y);
}

}  // namespace burrowbop
