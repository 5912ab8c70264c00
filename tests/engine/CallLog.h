// Reading the recorded port calls in the engine tests.
#pragma once

#include <vector>

#include "FakePorts.h"
#include "Game.h"

namespace burrowbop::testkit {

// The kinds of the calls from `first` on, leaving out the random draws and
// the button resets that would only clutter an order check.
inline std::vector<PortCall> CallKinds(const FakePorts& ports, size_t first = 0) {
    std::vector<PortCall> kinds;
    const auto& calls = ports.Calls();
    for (size_t i = first; i < calls.size(); ++i) {
        if (calls[i].Call != PortCall::Random) {
            kinds.push_back(calls[i].Call);
        }
    }
    return kinds;
}

// Index of the last call of `kind`, or calls.size() if there is none.
inline size_t LastCallOf(const FakePorts& ports, PortCall kind) {
    const auto& calls = ports.Calls();
    for (size_t i = calls.size(); i-- > 0;) {
        if (calls[i].Call == kind) {
            return i;
        }
    }
    return calls.size();
}

// Every burrow's frame, row by row.
inline std::vector<int32_t> Frames(const Game& game) {
    std::vector<int32_t> frames;
    for (const auto& row : game.Burrows()) {
        for (const TBurrow& burrow : row) {
            frames.push_back(burrow.Frame);
        }
    }
    return frames;
}

}  // namespace burrowbop::testkit
