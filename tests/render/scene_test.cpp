// The scene the playfield is drawn from follows the game: the burrows and
// frames of the engine, and the mallet only while a game runs.
#include <gtest/gtest.h>

#include "Game.h"
#include "Playfield.h"

namespace {

using namespace burrowbop;

struct QuietPorts : GamePorts {
    void SetTimerEnabled(TGameTimer, bool) override {}
    void SetPlayfieldCursor(TCursor) override {}
    void Repaint() override {}
    void DrawPlainBoard() override {}
    void PlayHitSound() override {}
    void ResetBtnImages() override {}
    bool IsNewRecord() override { return false; }
    void EnterNewRecord() override {}
    void Randomize() override {}
    int Random(int) override { return 1; }
};

TEST(SceneOf, ShowsTheMalletOnlyWhileTheGameRuns) {
    QuietPorts ports;
    Game game(ports);
    game.StartUp();
    EXPECT_FALSE(SceneOf(game).MalletShown) << "idle";
    game.NewClick();
    game.FormMouseMove(120, 90);
    const PlayfieldScene running = SceneOf(game);
    EXPECT_TRUE(running.MalletShown);
    EXPECT_EQ(running.MalletX, game.MalletX());
    EXPECT_EQ(running.MalletY, game.MalletY());
    EXPECT_EQ(running.MalletState, game.MalletState());
    EXPECT_EQ(running.Burrows, &game.Burrows());
    EXPECT_EQ(running.RatFrames, &game.RatFrames());
    game.cmPauseOrResumeClick();
    EXPECT_FALSE(SceneOf(game).MalletShown) << "paused";
    game.cmPauseOrResumeClick();
    for (int s = 0; s < 59; ++s) game.ScoreTimerTimer();
    game.RatTimerTimer();
    EXPECT_FALSE(game.Playing());
    EXPECT_FALSE(SceneOf(game).MalletShown) << "over";
}

}  // namespace
