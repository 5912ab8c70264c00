// The mallet and the mouse: the hit test, what a press scores and shows,
// and the mallet's pose across pauses and games.
#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "CallLog.h"
#include "GameRig.h"
#include "HitTest.h"

namespace burrowbop::testkit {
namespace {

using P = PortCall;
using B = TMouseButton;

// A game with one rat spawned on tick 5 in burrow (row, column), standing in
// the gap after tick `tick`.
struct OneRat : GameRig {
    explicit OneRat(int row = 1, int column = 1, int tick = 5) {
        ports.ScriptSpawns({{row, column}, {row, column}});
        game.NewClick();
        Ticks(tick);
        ToMidGap();
        ports.ClearCalls();
    }
};

struct PointCase {
    int x;
    int y;
    bool hit;
    const char* where;
};

// Frame 11 in burrow (1, 1) at (189, 90): frame rectangle from (191, 119),
// 53 by 27; its target leaves out 10 pixels at each side.
const PointCase kFrameElevenPoints[] = {
    {202, 120, true, "just inside the top left corner"},
    {233, 145, true, "just inside the bottom right corner"},
    {217, 132, true, "the middle"},
    {201, 132, false, "on the left edge"},
    {234, 132, false, "on the right edge"},
    {217, 119, false, "on the top edge"},
    {217, 146, false, "on the bottom edge"},
    {195, 132, false, "in the left strip, inside the frame"},
    {240, 132, false, "in the right strip, inside the frame"},
    {217, 150, false, "below the frame"},
};

TEST(HitTarget, FrameElevenAtTheMiddleBurrowIsHitOnlyStrictlyInside) {
    const TRatFrame frame11{158, 18, 53, 27, 2, 29};
    EXPECT_EQ(HitTarget(189, 90, frame11), (OpenRect{201, 119, 234, 146}));
    for (const PointCase& c : kFrameElevenPoints) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(HitTarget(189, 90, frame11).Contains(c.x, c.y), c.hit);

        // The same press in a game, on a rat just risen to frame 11: it can
        // be hit before it is first drawn.
        OneRat rig;
        ASSERT_EQ(rig.game.Burrows()[1][1].Frame, 11);
        rig.game.FormMouseDown(B::mbLeft, c.x, c.y);
        EXPECT_EQ(rig.game.HitCount(), c.hit ? 1 : 0);
        EXPECT_EQ(rig.game.Burrows()[1][1].Frame, c.hit ? 13 : 11);
        EXPECT_EQ(rig.game.MalletState(), c.hit ? 2 : 1);
    }
}

TEST(HitTarget, OnlyRisingFramesCanBeHit) {
    GameRig rig;
    TBurrow burrow{189, 90, 0, 0};
    for (int32_t frame = 0; frame <= 15; ++frame) {
        burrow.Frame = frame;
        const OpenRect target = HitTarget(burrow.X, burrow.Y, rig.game.RatFrames()[frame]);
        const int x = (target.Left + target.Right) / 2;
        const int y = (target.Top + target.Bottom) / 2;
        EXPECT_EQ(RatHitAt(burrow, rig.game.RatFrames(), x, y), frame >= 1 && frame <= 12)
            << frame;
    }
}

TEST(HitTarget, APointCanLieInTwoRatsOfNeighbouringRows) {
    GameRig rig;
    const TRatFrames& frames = rig.game.RatFrames();
    const TBurrow back{187, 48, 1, 1};     // row 0, column 0
    const TBurrow middle{189, 90, 1, 1};   // row 1, column 1
    EXPECT_TRUE(RatHitAt(back, frames, 220, 100));
    EXPECT_TRUE(RatHitAt(middle, frames, 220, 100));
}

TEST(MousePress, OnePressHitsEveryRatUnderItAndPlaysTheSoundForEach) {
    GameRig rig;
    // The middle rat comes on tick 5, the back one on tick 10; after tick 15
    // the middle one is out in frame 1 and reaches up over the back one, in
    // frame 6.
    rig.ports.ScriptSpawns({{1, 1}, {0, 0}});
    rig.game.NewClick();
    rig.Ticks(15);
    ASSERT_EQ(rig.game.Burrows()[1][1].Frame, 1);
    ASSERT_EQ(rig.game.Burrows()[0][0].Frame, 6);
    rig.ToMidGap();
    rig.ports.ClearCalls();

    rig.game.FormMouseDown(B::mbLeft, 220, 100);
    EXPECT_EQ(rig.game.HitCount(), 2);
    EXPECT_EQ(rig.game.Burrows()[0][0].Frame, 13);
    EXPECT_EQ(rig.game.Burrows()[1][1].Frame, 13);
    // Both sounds start before the one repaint that shows both struck.
    EXPECT_EQ(CallKinds(rig.ports), (std::vector<P>{P::HitSound, P::HitSound, P::Repaint}));
}

TEST(MousePress, EveryButtonScoresButOnlyTheLeftMovesTheMalletAndSounds) {
    struct Case {
        B button;
        bool onRat;
        uint8_t mallet;
        int sounds;
    };
    const Case cases[] = {
        {B::mbLeft, true, 2, 1},   {B::mbLeft, false, 1, 0},   {B::mbRight, true, 0, 0},
        {B::mbRight, false, 0, 0}, {B::mbMiddle, true, 0, 0}, {B::mbMiddle, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.button) << (c.onRat ? " on" : " off"));
        OneRat rig;
        rig.game.FormMouseDown(c.button, c.onRat ? 217 : 100, c.onRat ? 132 : 250);
        EXPECT_EQ(rig.game.HitCount(), c.onRat ? 1 : 0);
        EXPECT_EQ(rig.game.MalletState(), c.mallet);
        EXPECT_EQ(rig.ports.Count(P::HitSound), c.sounds);
        EXPECT_EQ(rig.ports.Count(P::Repaint), 1);
    }
}

TEST(MousePress, AStruckRatCannotBeHitAgain) {
    OneRat rig;
    rig.game.FormMouseDown(B::mbLeft, 217, 132);
    rig.game.FormMouseUp(B::mbLeft, 217, 132);
    rig.game.FormMouseDown(B::mbLeft, 217, 132);  // frame 13 now
    rig.Ticks(5);                                  // frame 14 after tick 10
    ASSERT_EQ(rig.game.Burrows()[1][1].Frame, 14);
    rig.game.FormMouseDown(B::mbRight, 217, 140);
    EXPECT_EQ(rig.game.HitCount(), 1);
    EXPECT_EQ(rig.ports.Count(P::HitSound), 1);
}

TEST(MouseRelease, OnlyTheLeftButtonRaisesTheMalletButEveryReleaseRepaints) {
    OneRat rig;
    rig.game.FormMouseDown(B::mbLeft, 217, 132);
    ASSERT_EQ(rig.game.MalletState(), 2);
    rig.game.FormMouseUp(B::mbRight, 217, 132);
    rig.game.FormMouseUp(B::mbMiddle, 217, 132);
    EXPECT_EQ(rig.game.MalletState(), 2);
    rig.game.FormMouseUp(B::mbLeft, 217, 132);
    EXPECT_EQ(rig.game.MalletState(), 0);
    EXPECT_EQ(rig.ports.Count(P::Repaint), 4);
}

TEST(MouseInput, PressAndReleaseAreIgnoredUnlessRunningButMovesAreAlwaysTracked) {
    for (const std::string_view state : {"idle", "paused", "over"}) {
        SCOPED_TRACE(state);
        std::unique_ptr<GameRig> rig;
        if (state == "idle") {
            rig = std::make_unique<GameRig>();
        } else {
            rig = std::make_unique<OneRat>();
            if (state == "paused") {
                rig->game.cmPauseOrResumeClick();
            } else {
                rig->PlayToEnd();
            }
        }
        Game& game = rig->game;
        const auto frames = Frames(game);
        const int32_t score = game.HitCount();
        rig->ports.ClearCalls();

        game.FormMouseDown(B::mbLeft, 217, 132);
        game.FormMouseUp(B::mbLeft, 217, 132);
        game.FormMouseDown(B::mbRight, 217, 132);
        EXPECT_TRUE(rig->ports.Calls().empty());
        EXPECT_EQ(game.HitCount(), score);
        EXPECT_EQ(game.MalletState(), 0);
        EXPECT_EQ(Frames(game), frames);

        game.FormMouseMove(5, 300);
        EXPECT_EQ(game.MalletX(), -10);
        EXPECT_EQ(game.MalletY(), 260);
        EXPECT_EQ(CallKinds(rig->ports), (std::vector<P>{P::ResetBtnImages}));
    }
}

TEST(MalletPose, ALeftButtonHeldAcrossAPauseOrTheEndStaysLoweredIntoTheNextRunningGame) {
    for (const bool ends : {false, true}) {
        SCOPED_TRACE(ends ? "game ends" : "game pauses");
        OneRat rig;
        rig.game.FormMouseDown(B::mbLeft, 100, 250);  // lowered, hits nothing
        if (ends) {
            rig.PlayToEnd();
        } else {
            rig.game.cmPauseOrResumeClick();
        }
        rig.game.FormMouseUp(B::mbLeft, 100, 250);  // lost
        EXPECT_EQ(rig.game.MalletState(), 1);

        if (ends) {
            rig.game.NewClick();
        } else {
            rig.game.cmPauseOrResumeClick();
        }
        rig.Ticks(3);
        EXPECT_EQ(rig.game.MalletState(), 1);
        rig.game.FormMouseUp(B::mbLeft, 100, 250);
        EXPECT_EQ(rig.game.MalletState(), 0);
    }
}

}  // namespace
}  // namespace burrowbop::testkit
