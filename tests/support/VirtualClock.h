// Virtual time for the game's two timers, so a test plays a whole game in
// milliseconds and can act at any instant between two events.
//
// The timers obey the rules the game relies on: switching on a timer that is
// off starts a fresh full period from now; switching a timer to the state it
// already has changes nothing, and a running period goes on; a timer that is
// off delivers nothing. Events come in time order at the real periods
// (40 ms and 1000 ms). When both are due at the same instant, ScoreTimer is
// delivered before RatTimer, so the tick at exactly 59 s finds the last
// countdown step already done.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "GameTypes.h"

namespace burrowbop::testkit {

class VirtualClock {
public:
    using Sink = std::function<void(TGameTimer)>;

    // Where the events go (usually the game's two timer handlers).
    void SetSink(Sink sink);

    void SetEnabled(TGameTimer timer, bool enabled);
    bool Enabled(TGameTimer timer) const;
    // Milliseconds since the clock was made.
    int64_t Now() const;
    // When the timer fires next; nothing while it is off.
    std::optional<int64_t> NextDue(TGameTimer timer) const;
    // Events delivered so far by the timer.
    int64_t Delivered(TGameTimer timer) const;

    // Delivers, in order, every event due up to and including `until`, then
    // stands at `until`. An exception from the sink passes out and leaves the
    // clock at the instant of the event that threw.
    void AdvanceTo(int64_t until);
    void AdvanceBy(int64_t ms);
    // Delivers the next due event, if a timer is on.
    bool DeliverNext();
    // Delivers events until `count` more RatTimer ticks have come; returns
    // false if the timers stop first.
    bool RunTicks(int64_t count);

private:
    struct TimerState {
        bool enabled = false;
        int64_t due = 0;
        int64_t delivered = 0;
    };
    static int64_t PeriodOf(TGameTimer timer);
    static size_t IndexOf(TGameTimer timer);
    std::optional<TGameTimer> NextTimer() const;
    void Deliver(TGameTimer timer);

    Sink sink_;
    int64_t now_ = 0;
    std::array<TimerState, 2> timers_{};
};

}  // namespace burrowbop::testkit
