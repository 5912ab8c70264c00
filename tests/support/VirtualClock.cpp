#include "VirtualClock.h"

#include <stdexcept>

namespace burrowbop::testkit {

void VirtualClock::SetSink(Sink sink) { sink_ = std::move(sink); }

int64_t VirtualClock::PeriodOf(TGameTimer timer) {
    return timer == TGameTimer::RatTimer ? kRatTimerIntervalMs : kScoreTimerIntervalMs;
}

size_t VirtualClock::IndexOf(TGameTimer timer) {
    return timer == TGameTimer::RatTimer ? 0 : 1;
}

void VirtualClock::SetEnabled(TGameTimer timer, bool enabled) {
    TimerState& state = timers_[IndexOf(timer)];
    if (state.enabled == enabled) {
        return;  // a running period goes on undisturbed
    }
    state.enabled = enabled;
    if (enabled) {
        state.due = now_ + PeriodOf(timer);
    }
}

bool VirtualClock::Enabled(TGameTimer timer) const { return timers_[IndexOf(timer)].enabled; }

int64_t VirtualClock::Now() const { return now_; }

std::optional<int64_t> VirtualClock::NextDue(TGameTimer timer) const {
    const TimerState& state = timers_[IndexOf(timer)];
    if (!state.enabled) {
        return std::nullopt;
    }
    return state.due;
}

int64_t VirtualClock::Delivered(TGameTimer timer) const {
    return timers_[IndexOf(timer)].delivered;
}

std::optional<TGameTimer> VirtualClock::NextTimer() const {
    // ScoreTimer is looked at first, so it wins a tie.
    std::optional<TGameTimer> next;
    for (TGameTimer timer : {TGameTimer::ScoreTimer, TGameTimer::RatTimer}) {
        const std::optional<int64_t> due = NextDue(timer);
        if (due && (!next || *due < *NextDue(*next))) {
            next = timer;
        }
    }
    return next;
}

void VirtualClock::Deliver(TGameTimer timer) {
    TimerState& state = timers_[IndexOf(timer)];
    now_ = state.due;
    // The next period is set before the handler runs, so a handler that
    // switches the timer off and on again starts a fresh one from now.
    state.due += PeriodOf(timer);
    ++state.delivered;
    if (!sink_) {
        throw std::logic_error("VirtualClock: no sink for timer events");
    }
    sink_(timer);
}

void VirtualClock::AdvanceTo(int64_t until) {
    if (until < now_) {
        throw std::invalid_argument("VirtualClock: time runs forward only");
    }
    for (std::optional<TGameTimer> next = NextTimer(); next && *NextDue(*next) <= until;
         next = NextTimer()) {
        Deliver(*next);
    }
    now_ = until;
}

void VirtualClock::AdvanceBy(int64_t ms) { AdvanceTo(now_ + ms); }

bool VirtualClock::DeliverNext() {
    const std::optional<TGameTimer> next = NextTimer();
    if (!next) {
        return false;
    }
    Deliver(*next);
    return true;
}

bool VirtualClock::RunTicks(int64_t count) {
    const int64_t target = Delivered(TGameTimer::RatTimer) + count;
    while (Delivered(TGameTimer::RatTimer) < target) {
        if (!Enabled(TGameTimer::RatTimer) || !DeliverNext()) {
            return false;
        }
    }
    return true;
}

}  // namespace burrowbop::testkit
