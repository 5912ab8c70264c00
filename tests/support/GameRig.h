// A game on a virtual clock with recording ports: the playfield as the
// program creates it (StartUp done), ready for New Game.
#pragma once

#include <cstdint>

#include "FakePorts.h"
#include "Game.h"
#include "VirtualClock.h"

namespace burrowbop::testkit {

struct GameRig {
    VirtualClock clock;
    FakePorts ports{clock};
    Game game{ports};

    // StartUp has run; its calls are cleared from the log unless kept.
    explicit GameRig(bool keepStartUpCalls = false);

    // Runs until `count` more ticks have come (false if the timers stop).
    bool Ticks(int64_t count) { return clock.RunTicks(count); }
    // Lets time pass, delivering what falls due.
    void Wait(int64_t ms) { clock.AdvanceBy(ms); }
    // Runs the timers until the game is no longer running; returns the
    // number of ticks delivered on the way.
    int64_t PlayToEnd();
    // Stands halfway between the last tick and the next.
    void ToMidGap();
};

}  // namespace burrowbop::testkit
