#include "GameRig.h"

#include <stdexcept>

namespace burrowbop::testkit {

GameRig::GameRig(bool keepStartUpCalls) {
    clock.SetSink([this](TGameTimer timer) {
        if (timer == TGameTimer::RatTimer) {
            game.RatTimerTimer();
        } else {
            game.ScoreTimerTimer();
        }
    });
    game.StartUp();
    if (!keepStartUpCalls) {
        ports.ClearCalls();
    }
}

int64_t GameRig::PlayToEnd() {
    // Far beyond one game's length, so a game that never ends fails.
    constexpr int64_t kTickLimit = 100000;
    const int64_t first = clock.Delivered(TGameTimer::RatTimer);
    while (game.Playing() && clock.DeliverNext()) {
        if (clock.Delivered(TGameTimer::RatTimer) - first > kTickLimit) {
            throw std::runtime_error("GameRig: the game does not end");
        }
    }
    return clock.Delivered(TGameTimer::RatTimer) - first;
}

void GameRig::ToMidGap() {
    const std::optional<int64_t> due = clock.NextDue(TGameTimer::RatTimer);
    if (!due) {
        throw std::logic_error("GameRig: no tick to wait for");
    }
    clock.AdvanceTo(*due - kRatTimerIntervalMs / 2);
}

}  // namespace burrowbop::testkit
