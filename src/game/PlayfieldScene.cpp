// The playfield scene read from the game's public state.
#include "Game.h"
#include "Playfield.h"

namespace burrowbop {

PlayfieldScene SceneOf(const Game& game) {
    PlayfieldScene scene;
    scene.Burrows = &game.Burrows();
    scene.RatFrames = &game.RatFrames();
    scene.MalletShown = game.RatTimerEnabled();  // the mallet shows only while a game runs
    scene.MalletState = game.MalletState();
    scene.MalletX = game.MalletX();
    scene.MalletY = game.MalletY();
    return scene;
}

}  // namespace burrowbop
