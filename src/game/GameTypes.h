// Value types shared by the engine, the picture and the shell.
#pragma once

#include <array>
#include <cstdint>

namespace burrowbop {

constexpr int kBurrowRows = 3;
constexpr int kBurrowColumns = 3;

// One burrow: its reference point and the rat animation running in it.
struct TBurrow {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Frame = 0;      // 0 empty, 12..1 rising, 13..14 struck
    int32_t StepTicks = 0;  // ticks per animation step while Frame != 0
};

// One picture of the rat animation in the sprite and mask sheets.
struct TRatFrame {
    int32_t SrcX = 0;
    int32_t SrcY = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
};

using TBurrows = std::array<std::array<TBurrow, kBurrowColumns>, kBurrowRows>;
// Indexed by TBurrow::Frame; entry 0 is unused because frame 0 draws nothing.
using TRatFrames = std::array<TRatFrame, 16>;

enum class TCursor : int { crNone = -1, crDefault = 0 };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TGameTimer { RatTimer, ScoreTimer };

constexpr int kRatTimerIntervalMs = 40;
constexpr int kScoreTimerIntervalMs = 1000;

}  // namespace burrowbop
