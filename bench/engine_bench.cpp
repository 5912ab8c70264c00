// What the engine costs per game tick (a spawn attempt and nine burrow
// steps) and per press, over many whole games with no-op ports.
//
// Baseline: the port calls a tick makes anyway (one repaint, and on every
// fifth tick two random draws) without any engine work; compare the
// engine's figures with it in the same run.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "Game.h"
#include "GamePorts.h"
#include "GameTypes.h"

namespace {

using burrowbop::Game;
using burrowbop::TMouseButton;

constexpr int kTicksPerSecond = burrowbop::kScoreTimerIntervalMs / burrowbop::kRatTimerIntervalMs;

class NullPorts : public burrowbop::GamePorts {
public:
    void SetTimerEnabled(burrowbop::TGameTimer, bool) override {}
    void SetPlayfieldCursor(burrowbop::TCursor) override {}
    void Repaint() override { ++repaints; }
    void DrawPlainBoard() override {}
    void PlayHitSound() override {}
    void ResetBtnImages() override {}
    bool IsNewRecord() override { return false; }
    void EnterNewRecord() override {}
    void Randomize() override {}
    int Random(int range) override {
        // xorshift32: cheap, so the figures are the engine's own.
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<int>(state_ % static_cast<uint32_t>(range));
    }
    uint64_t repaints = 0;

private:
    uint32_t state_ = 2463534242u;
};

// Presses spread over the board's burrows, where rats come out.
constexpr std::array<std::array<int, 2>, 8> kPressPoints{{
    {217, 75}, {277, 85}, {334, 93}, {157, 106},
    {219, 117}, {292, 125}, {105, 143}, {176, 153},
}};

// One step of a whole game in real order: the countdown on every 25th
// tick (it wins the tie), then the tick; a new game once one ends.
void PlayOneTick(Game& game, int& tickInGame) {
    if (!game.Playing()) {
        game.NewClick();
        tickInGame = 0;
    }
    ++tickInGame;
    if (tickInGame % kTicksPerSecond == 0) {
        game.ScoreTimerTimer();
    }
    game.RatTimerTimer();
}

void BM_Baseline_PortCallsOfATick(benchmark::State& state) {
    NullPorts ports;
    // Hidden from the optimiser, so these stay real virtual calls as the
    // engine's are.
    burrowbop::GamePorts* port = &ports;
    benchmark::DoNotOptimize(port);
    int tick = 0;
    for (auto _ : state) {
        port->Repaint();
        if (++tick % 5 == 0) {
            benchmark::DoNotOptimize(port->Random(3) + port->Random(3));
        }
    }
    benchmark::DoNotOptimize(ports.repaints);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Baseline_PortCallsOfATick);

void BM_GameTick(benchmark::State& state) {
    NullPorts ports;
    Game game(ports);
    game.StartUp();
    int tickInGame = 0;
    for (auto _ : state) {
        PlayOneTick(game, tickInGame);
    }
    benchmark::DoNotOptimize(game.TickCount());
    state.SetItemsProcessed(state.iterations());
    state.counters["games"] = static_cast<double>(state.iterations()) / 1475.0;
}
BENCHMARK(BM_GameTick);

// Each tick followed by a left press and release somewhere over the burrows:
// the press's cost is the difference to BM_GameTick.
void BM_GameTickWithPress(benchmark::State& state) {
    NullPorts ports;
    Game game(ports);
    game.StartUp();
    int tickInGame = 0;
    size_t point = 0;
    for (auto _ : state) {
        PlayOneTick(game, tickInGame);
        const auto [x, y] = kPressPoints[point++ % kPressPoints.size()];
        game.FormMouseMove(x, y);
        game.FormMouseDown(TMouseButton::mbLeft, x, y);
        game.FormMouseUp(TMouseButton::mbLeft, x, y);
    }
    benchmark::DoNotOptimize(game.HitCount());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GameTickWithPress);

// A press alone on a board with rising rats (the spawns of ticks 5, 10 and
// 15): it tests all nine burrows and misses, the common case of a press.
void BM_PressThatMisses(benchmark::State& state) {
    NullPorts ports;
    Game game(ports);
    game.StartUp();
    game.NewClick();
    for (int tick = 0; tick < 16; ++tick) {
        game.RatTimerTimer();
    }
    for (auto _ : state) {
        game.FormMouseDown(TMouseButton::mbLeft, 420, 270);
        game.FormMouseUp(TMouseButton::mbLeft, 420, 270);
    }
    benchmark::DoNotOptimize(game.MalletState());
    state.SetItemsProcessed(state.iterations());
    int rising = 0;
    for (const auto& row : game.Burrows()) {
        for (const auto& burrow : row) {
            rising += burrow.Frame >= 1 && burrow.Frame <= 12 ? 1 : 0;
        }
    }
    state.counters["rising"] = rising;
}
BENCHMARK(BM_PressThatMisses);

}  // namespace

BENCHMARK_MAIN();
