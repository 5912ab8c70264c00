// The mallet's poses, as MalletState holds them.
#pragma once

#include <cstdint>

namespace burrowbop {

constexpr uint8_t kMalletRaised = 0;
constexpr uint8_t kMalletLowered = 1;   // left button down, the press hit nothing
constexpr uint8_t kMalletStriking = 2;  // the left press hit at least one rat

}  // namespace burrowbop
