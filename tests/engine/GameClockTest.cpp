// The clockwork of a game: New Game, the tick, the countdown, the pause
// toggle and the end of a game, on the virtual clock.
#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "CallLog.h"
#include "GameRig.h"

namespace burrowbop::testkit {
namespace {

using P = PortCall;
constexpr TGameTimer kRat = TGameTimer::RatTimer;
constexpr TGameTimer kScore = TGameTimer::ScoreTimer;

// What the rest of the program can see of the game.
auto Visible(const Game& g) {
    return std::make_tuple(g.Playing(), g.Paused(), g.TimeLeft(), g.HitCount(), g.TickCount(),
                           g.RatTimerEnabled(), g.ScoreTimerEnabled(), g.Cursor(),
                           g.MalletState(), Frames(g));
}

void ExpectOver(const GameRig& rig) {
    EXPECT_FALSE(rig.game.Playing());
    EXPECT_FALSE(rig.game.Paused());
    EXPECT_FALSE(rig.game.RatTimerEnabled());
    EXPECT_FALSE(rig.game.ScoreTimerEnabled());
    EXPECT_FALSE(rig.clock.Enabled(kRat));
    EXPECT_FALSE(rig.clock.Enabled(kScore));
    EXPECT_EQ(rig.game.Cursor(), TCursor::crDefault);
}

TEST(GameClock, StartUpLeavesAnIdleGameThatIgnoresInput) {
    GameRig rig(/*keepStartUpCalls=*/true);
    ASSERT_EQ(rig.ports.Calls().size(), 1u);
    EXPECT_EQ(rig.ports.Calls()[0].Call, P::TimerOff);
    EXPECT_EQ(rig.ports.Calls()[0].Timer, kRat);
    rig.ports.ClearCalls();

    rig.game.FormMouseDown(TMouseButton::mbLeft, 220, 100);
    rig.game.FormMouseUp(TMouseButton::mbLeft, 220, 100);
    rig.game.cmPauseOrResumeClick();
    rig.Wait(5000);

    EXPECT_TRUE(rig.ports.Calls().empty());
    EXPECT_EQ(Visible(rig.game),
              std::make_tuple(false, false, 59, 0, 0, false, false, TCursor::crDefault,
                              uint8_t{0}, std::vector<int32_t>(9, 0)));
}

TEST(GameClock, AGameWithoutInputEndsOnTheFirstTickAfterTheLastCountdownStep) {
    GameRig rig;
    struct Shown {
        int32_t timeLeft;
        bool playing;
    };
    std::vector<Shown> pictures;
    rig.ports.OnRepaint = [&] { pictures.push_back({rig.game.TimeLeft(), rig.game.Playing()}); };

    rig.game.NewClick();
    EXPECT_EQ(CallKinds(rig.ports),
              (std::vector<P>{P::TimerOn, P::TimerOn, P::Cursor, P::Randomize, P::Repaint}));
    const int64_t ticks = rig.PlayToEnd();

    EXPECT_EQ(ticks, 1475);
    EXPECT_EQ(rig.game.TickCount(), 1475);
    EXPECT_EQ(rig.clock.Now(), 59000);
    EXPECT_EQ(rig.clock.Delivered(kScore), 59);
    EXPECT_EQ(rig.game.TimeLeft(), 0);
    EXPECT_EQ(rig.ports.Count(P::Random), 2 * 295);  // a row and a column per attempt
    ExpectOver(rig);

    // The ending tick paints first, so the last picture shows 0 seconds of
    // a game still running; the one before showed 1.
    ASSERT_EQ(pictures.size(), 1u + 1475u);
    EXPECT_EQ(pictures.back().timeLeft, 0);
    EXPECT_TRUE(pictures.back().playing);
    EXPECT_EQ(pictures[pictures.size() - 2].timeLeft, 1);
    const size_t lastPaint = LastCallOf(rig.ports, P::Repaint);
    EXPECT_EQ(CallKinds(rig.ports, lastPaint),
              (std::vector<P>{P::Repaint, P::TimerOff, P::TimerOff, P::Cursor, P::IsNewRecord,
                              P::PlainBoard}));
    EXPECT_FALSE(rig.clock.DeliverNext());
}

TEST(GameClock, NewGameWhileRunningRestartsTheGameButKeepsTheRunningPeriods) {
    GameRig rig;
    rig.game.NewClick();
    rig.Wait(1500);
    rig.game.FormMouseDown(TMouseButton::mbLeft, 0, 0);
    ASSERT_EQ(rig.game.TimeLeft(), 58);
    ASSERT_EQ(rig.game.TickCount(), 37);

    rig.game.NewClick();
    EXPECT_EQ(rig.game.TimeLeft(), 59);
    EXPECT_EQ(rig.game.TickCount(), 0);
    EXPECT_EQ(rig.game.HitCount(), 0);
    EXPECT_EQ(Frames(rig.game), std::vector<int32_t>(9, 0));
    // New Game does not touch the mallet.
    EXPECT_EQ(rig.game.MalletState(), 1);
    EXPECT_EQ(rig.clock.NextDue(kRat), 1520);
    EXPECT_EQ(rig.clock.NextDue(kScore), 2000);

    // The first countdown step of the new game comes after half a second.
    rig.Wait(499);
    EXPECT_EQ(rig.game.TimeLeft(), 59);
    EXPECT_EQ(rig.game.TickCount(), 12);
    rig.Wait(1);
    EXPECT_EQ(rig.game.TimeLeft(), 58);
    EXPECT_EQ(rig.game.TickCount(), 13);
}

TEST(GameClock, NewGameFromPausedStartsBothPeriodsAfresh) {
    GameRig rig;
    rig.game.NewClick();
    rig.Wait(1500);
    rig.game.cmPauseOrResumeClick();
    rig.Wait(200);

    rig.game.NewClick();
    EXPECT_TRUE(rig.game.Playing());
    EXPECT_FALSE(rig.game.Paused());
    EXPECT_EQ(rig.game.Cursor(), TCursor::crNone);
    EXPECT_EQ(rig.clock.NextDue(kRat), 1740);
    EXPECT_EQ(rig.clock.NextDue(kScore), 2700);
}

TEST(GameClock, PauseAndResumeFreezeTheGameAndRestartBothPeriods) {
    GameRig rig;
    rig.game.NewClick();
    rig.Wait(1500);
    ASSERT_EQ(rig.game.TimeLeft(), 58);
    rig.ports.ClearCalls();

    rig.game.cmPauseOrResumeClick();
    EXPECT_TRUE(rig.game.Playing());
    EXPECT_TRUE(rig.game.Paused());
    EXPECT_EQ(rig.game.Cursor(), TCursor::crDefault);
    EXPECT_FALSE(rig.game.RatTimerEnabled());
    EXPECT_FALSE(rig.game.ScoreTimerEnabled());
    ASSERT_EQ(CallKinds(rig.ports), (std::vector<P>{P::TimerOff, P::TimerOff, P::Cursor}));
    EXPECT_EQ(rig.ports.Calls()[0].Timer, kScore);
    EXPECT_EQ(rig.ports.Calls()[1].Timer, kRat);

    const auto frozen = Visible(rig.game);
    rig.Wait(10000);
    EXPECT_EQ(Visible(rig.game), frozen);

    rig.ports.ClearCalls();
    rig.game.cmPauseOrResumeClick();  // at 11500
    ASSERT_EQ(CallKinds(rig.ports), (std::vector<P>{P::TimerOn, P::TimerOn, P::Cursor}));
    EXPECT_EQ(rig.ports.Calls()[0].Timer, kScore);
    EXPECT_EQ(rig.ports.Calls()[1].Timer, kRat);
    EXPECT_FALSE(rig.game.Paused());
    EXPECT_EQ(rig.game.Cursor(), TCursor::crNone);

    // The half second run before the pause is lost.
    rig.Wait(999);
    EXPECT_EQ(rig.game.TimeLeft(), 58);
    EXPECT_EQ(rig.game.TickCount(), 37 + 24);
    rig.Wait(1);
    EXPECT_EQ(rig.game.TimeLeft(), 57);
    EXPECT_EQ(rig.game.TickCount(), 37 + 25);
}

TEST(GameClock, PauseToggleWhileIdleOrOverChangesNothing) {
    for (const bool over : {false, true}) {
        SCOPED_TRACE(over ? "over" : "idle");
        GameRig rig;
        if (over) {
            rig.game.NewClick();
            rig.PlayToEnd();
        }
        const auto before = Visible(rig.game);
        rig.ports.ClearCalls();

        rig.game.cmPauseOrResumeClick();
        EXPECT_EQ(Visible(rig.game), before);
        EXPECT_TRUE(rig.ports.Calls().empty());
    }
}

TEST(GameClock, TheRecordStepRunsAfterTheGameIsOverAndBeforeThePlainBoard) {
    for (const bool newRecord : {false, true}) {
        SCOPED_TRACE(newRecord ? "new record" : "no record");
        GameRig rig;
        rig.ports.NewRecord = newRecord;
        // The leaderboard pauses around its window; with the game over
        // already, neither toggle may start a timer again.
        rig.ports.OnEnterNewRecord = [&] {
            ExpectOver(rig);
            rig.game.cmPauseOrResumeClick();
            rig.game.cmPauseOrResumeClick();
        };
        rig.ports.OnIsNewRecord = [&] { ExpectOver(rig); };
        rig.game.NewClick();
        rig.PlayToEnd();

        const std::vector<P> withRecord{P::IsNewRecord, P::EnterNewRecord, P::PlainBoard};
        const std::vector<P> without{P::IsNewRecord, P::PlainBoard};
        EXPECT_EQ(CallKinds(rig.ports, LastCallOf(rig.ports, P::IsNewRecord)),
                  newRecord ? withRecord : without);
        ExpectOver(rig);
    }
}

TEST(GameClock, AFailingRecordStepPassesOutWithTheGameOverAndNoPlainBoard) {
    for (const bool inEnter : {false, true}) {
        SCOPED_TRACE(inEnter ? "EnterNewRecord throws" : "IsNewRecord throws");
        GameRig rig;
        rig.ports.NewRecord = true;
        const auto fail = [] { throw std::runtime_error("score file not written"); };
        (inEnter ? rig.ports.OnEnterNewRecord : rig.ports.OnIsNewRecord) = fail;
        rig.game.NewClick();

        EXPECT_THROW(rig.PlayToEnd(), std::runtime_error);
        ExpectOver(rig);
        EXPECT_EQ(rig.game.TimeLeft(), 0);
        EXPECT_EQ(rig.ports.Count(P::PlainBoard), 0);
        EXPECT_FALSE(rig.clock.DeliverNext());

        // Nothing is left half done: the next game starts normally.
        rig.game.NewClick();
        EXPECT_TRUE(rig.game.Playing());
        EXPECT_TRUE(rig.Ticks(1));
    }
}

TEST(GameClock, RatsStayFrozenAfterAGameUntilTheNextNewGame) {
    GameRig rig;
    // Every attempt picks the back left burrow; it is free every third one,
    // including the last, on tick 1475.
    for (int attempt = 0; attempt < 295; ++attempt) {
        rig.ports.ScriptSpawns({{0, 0}});
    }
    rig.game.NewClick();
    rig.PlayToEnd();
    EXPECT_EQ(Frames(rig.game), (std::vector<int32_t>{11, 0, 0, 0, 0, 0, 0, 0, 0}));

    rig.Wait(60000);
    rig.game.FormMouseDown(TMouseButton::mbLeft, 215, 90);
    EXPECT_EQ(Frames(rig.game)[0], 11);
    EXPECT_EQ(rig.game.HitCount(), 0);

    rig.game.NewClick();
    EXPECT_EQ(Frames(rig.game), std::vector<int32_t>(9, 0));
}

}  // namespace
}  // namespace burrowbop::testkit
