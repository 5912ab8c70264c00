// The burrow grid and the rat animation, seen through the game's ticks and
// presses: spawning, the rising rat and the struck rat.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "BoardLayout.h"
#include "Burrows.h"
#include "CallLog.h"
#include "GameRig.h"
#include "HitTest.h"

namespace burrowbop::testkit {
namespace {

using P = PortCall;

auto Fields(const TRatFrame& f) {
    return std::make_tuple(f.SrcX, f.SrcY, f.Width, f.Height, f.OffsetX, f.OffsetY);
}

// The frame drawn for one burrow at every repaint, with the tick it belongs to.
struct Drawn {
    int32_t tick;
    int32_t frame;
    friend bool operator==(const Drawn&, const Drawn&) = default;
};

// A press in the middle of a burrow's current hit target.
std::pair<int, int> TargetCentre(const Game& game, int row, int column) {
    const TBurrow& b = game.Burrows()[row][column];
    const OpenRect target = HitTarget(b.X, b.Y, game.RatFrames()[b.Frame]);
    return {(target.Left + target.Right) / 2, (target.Top + target.Bottom) / 2};
}

int Occupied(const Game& game) {
    const auto frames = Frames(game);
    return static_cast<int>(std::count_if(frames.begin(), frames.end(), [](int32_t f) { return f != 0; }));
}

TEST(BurrowTables, ResetPlacesEveryBurrowEmptyAndFillsTheFrameTable) {
    GameRig rig;
    for (int row = 0; row < kBurrowRows; ++row) {
        for (int column = 0; column < kBurrowColumns; ++column) {
            const TBurrow& b = rig.game.Burrows()[row][column];
            EXPECT_EQ(std::make_tuple(b.X, b.Y, b.Frame, b.StepTicks),
                      std::make_tuple(kBurrowPositions[row][column].X,
                                      kBurrowPositions[row][column].Y, 0, 0));
        }
    }
    for (int frame = 1; frame <= 15; ++frame) {
        EXPECT_EQ(Fields(rig.game.RatFrames()[frame]), Fields(kRatFrameTable[frame])) << frame;
    }
    // Written out, so that a swapped argument of SetRatFrame shows: offsets
    // come first there, last in the record.
    EXPECT_EQ(Fields(rig.game.RatFrames()[11]), std::make_tuple(158, 18, 53, 27, 2, 29));
    TRatFrames frames{};
    SetRatFrame(frames, 3, 1, 10, 216, 78, 56, 46);
    EXPECT_EQ(Fields(frames[3]), std::make_tuple(216, 78, 56, 46, 1, 10));
}

TEST(Spawning, AttemptsComeOnlyOnEveryFifthTickFromTickFive) {
    GameRig rig;
    rig.game.NewClick();
    ASSERT_TRUE(rig.Ticks(100));
    std::vector<int64_t> attemptTicks;
    for (const PortCallRecord& call : rig.ports.Calls()) {
        if (call.Call == P::Random) {
            attemptTicks.push_back(call.AtMs / kRatTimerIntervalMs);
        }
    }
    std::vector<int64_t> expected;
    for (int64_t tick = 5; tick <= 100; tick += 5) {
        expected.insert(expected.end(), {tick, tick});  // row, then column
    }
    EXPECT_EQ(attemptTicks, expected);
    // The seed comes before the first draw.
    const auto& calls = rig.ports.Calls();
    const auto firstDraw = std::find_if(calls.begin(), calls.end(),
                                        [](const PortCallRecord& c) { return c.Call == P::Random; });
    EXPECT_LT(LastCallOf(rig.ports, P::Randomize), static_cast<size_t>(firstDraw - calls.begin()));
}

TEST(Spawning, AnOccupiedPickLosesTheAttemptEvenWithOtherBurrowsFree) {
    for (const bool struck : {false, true}) {
        SCOPED_TRACE(struck ? "struck rat" : "rising rat");
        GameRig rig;
        rig.ports.ScriptSpawns({{1, 1}, {1, 1}, {0, 2}});
        rig.game.NewClick();
        ASSERT_TRUE(rig.Ticks(5));
        if (struck) {
            const auto [x, y] = TargetCentre(rig.game, 1, 1);
            rig.game.FormMouseDown(TMouseButton::mbRight, x, y);
            ASSERT_EQ(rig.game.HitCount(), 1);
        }
        ASSERT_TRUE(rig.Ticks(5));
        EXPECT_EQ(Occupied(rig.game), 1);
        EXPECT_EQ(rig.game.Burrows()[1][1].Frame, struck ? 14 : 6);
        ASSERT_TRUE(rig.Ticks(5));
        EXPECT_EQ(rig.game.Burrows()[0][2].Frame, 11);
    }
}

TEST(Spawning, NoMoreThanThreeRatsRiseAtOnce) {
    GameRig rig;
    // Each attempt picks the next burrow in turn, so every attempt finds
    // its burrow free and spawns.
    for (int attempt = 0; attempt < 295; ++attempt) {
        rig.ports.ScriptSpawns({{attempt / 3 % 3, attempt % 3}});
    }
    int most = 0;
    rig.ports.OnRepaint = [&] {
        int rising = 0;
        for (int32_t frame : Frames(rig.game)) {
            rising += IsRising(frame) ? 1 : 0;
        }
        most = std::max(most, rising);
    };
    rig.game.NewClick();
    rig.PlayToEnd();
    EXPECT_EQ(most, 3);
}

TEST(RisingRat, IsDrawnForElevenTicksFromFrameElevenToFrameOne) {
    GameRig rig;
    rig.ports.ScriptSpawns({{2, 0}, {0, 0}, {0, 0}});
    std::vector<Drawn> drawn;
    rig.ports.OnRepaint = [&] {
        drawn.push_back({rig.game.TickCount(), rig.game.Burrows()[2][0].Frame});
    };
    rig.game.NewClick();
    ASSERT_TRUE(rig.Ticks(20));

    std::vector<Drawn> expected;
    for (int32_t tick = 0; tick <= 20; ++tick) {
        const bool shown = tick >= 6 && tick <= 16;
        expected.push_back({tick, shown ? 17 - tick : 0});
    }
    EXPECT_EQ(drawn, expected);
}

TEST(StruckRat, ShowsStruckUntilTickKFlattenedUntilKPlusFiveAndFreesTheBurrowForKPlusTen) {
    // A rat spawned on tick 5 is hit in the gap after tick T; K is 10 for
    // every T from 5 to 9, so frame 13 lasts from one to five ticks.
    for (int32_t hitAfter = 5; hitAfter <= 9; ++hitAfter) {
        SCOPED_TRACE(hitAfter);
        GameRig rig;
        // The same burrow on every attempt: lost on 10 and 15, taken on 20.
        rig.ports.ScriptSpawns({{1, 1}, {1, 1}, {1, 1}, {1, 1}});
        std::vector<Drawn> drawn;
        rig.ports.OnRepaint = [&] {
            drawn.push_back({rig.game.TickCount(), rig.game.Burrows()[1][1].Frame});
        };
        rig.game.NewClick();
        ASSERT_TRUE(rig.Ticks(hitAfter));
        rig.ToMidGap();
        drawn.clear();
        const auto [x, y] = TargetCentre(rig.game, 1, 1);
        rig.game.FormMouseDown(TMouseButton::mbLeft, x, y);
        rig.game.FormMouseUp(TMouseButton::mbLeft, x, y);
        ASSERT_TRUE(rig.Ticks(21 - hitAfter));

        std::vector<Drawn> expected{{hitAfter, 13}, {hitAfter, 13}};  // press, release
        for (int32_t tick = hitAfter + 1; tick <= 21; ++tick) {
            const int32_t frame = tick <= 10 ? 13 : tick <= 15 ? 14 : tick <= 20 ? 0 : 11;
            expected.push_back({tick, frame});
        }
        EXPECT_EQ(drawn, expected);
    }
}

}  // namespace
}  // namespace burrowbop::testkit
