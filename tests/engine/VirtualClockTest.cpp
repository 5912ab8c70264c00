// The test clock keeps the timer rules the game relies on.
#include <gtest/gtest.h>

#include "VirtualClock.h"

namespace burrowbop::testkit {
namespace {

constexpr TGameTimer kRat = TGameTimer::RatTimer;
constexpr TGameTimer kScore = TGameTimer::ScoreTimer;

struct Event {
    int64_t at;
    TGameTimer timer;
    friend bool operator==(const Event&, const Event&) = default;
};

TEST(VirtualClock, DeliversBothTimersInTimeOrderWithTheCountdownFirstOnATie) {
    VirtualClock clock;
    std::vector<Event> events;
    clock.SetSink([&](TGameTimer t) { events.push_back({clock.Now(), t}); });
    clock.SetEnabled(kRat, true);
    clock.SetEnabled(kScore, true);
    clock.AdvanceTo(1040);
    ASSERT_EQ(events.size(), 27u);
    EXPECT_EQ(events[0], (Event{40, kRat}));
    EXPECT_EQ(events[23], (Event{960, kRat}));
    EXPECT_EQ(events[24], (Event{1000, kScore}));
    EXPECT_EQ(events[25], (Event{1000, kRat}));
    EXPECT_EQ(events[26], (Event{1040, kRat}));
    EXPECT_EQ(clock.Now(), 1040);
    EXPECT_EQ(clock.NextDue(kRat), 1080);
}

TEST(VirtualClock, SwitchingOnOnlyStartsATimerThatIsOffAndAnOffTimerIsSilent) {
    VirtualClock clock;
    int fired = 0;
    clock.SetSink([&](TGameTimer) { ++fired; });
    clock.SetEnabled(kScore, true);
    clock.AdvanceTo(700);
    clock.SetEnabled(kScore, true);  // already on: the period goes on
    EXPECT_EQ(clock.NextDue(kScore), 1000);
    clock.SetEnabled(kScore, false);
    clock.AdvanceTo(5000);
    EXPECT_EQ(fired, 0);
    EXPECT_FALSE(clock.NextDue(kScore));
    clock.SetEnabled(kScore, true);  // off to on: a fresh full period
    EXPECT_EQ(clock.NextDue(kScore), 6000);
}

}  // namespace
}  // namespace burrowbop::testkit
