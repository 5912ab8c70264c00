// The mallet and the mouse: the pointer moves the mallet, a press knocks
// down every rising rat under it.
#include "BoardLayout.h"
#include "Burrows.h"
#include "Game.h"
#include "HitTest.h"
#include "Mallet.h"

namespace burrowbop {

void Game::FormMouseMove(int x, int y) {
    // Tracked in every state, so the mallet is at the pointer when a game
    // runs again; it moves on screen at the next repaint.
    malletX_ = x - kMalletPointerOffsetX;
    malletY_ = y - kMalletPointerOffsetY;
    ports_.ResetBtnImages();
}

void Game::FormMouseDown(TMouseButton button, int x, int y) {
    if (!InputHandled()) {
        return;
    }
    const bool left = button == TMouseButton::mbLeft;
    if (left) {
        malletState_ = kMalletLowered;
    }
    // No stop at the first hit: one press takes every rat it covers.
    for (auto& row : burrows_) {
        for (TBurrow& burrow : row) {
            if (!RatHitAt(burrow, ratFrames_, x, y)) {
                continue;
            }
            StrikeRat(burrow);
            ++hitCount_;
            if (left) {
                malletState_ = kMalletStriking;
                ports_.PlayHitSound();
            }
        }
    }
    // Frame 13 shows at once, not at the next tick.
    ports_.Repaint();
}

void Game::FormMouseUp(TMouseButton button, int /*x*/, int /*y*/) {
    // A release while not running is lost, so a mallet lowered when the
    // game paused or ended stays lowered into the next running game.
    if (!InputHandled()) {
        return;
    }
    if (button == TMouseButton::mbLeft) {
        malletState_ = kMalletRaised;
    }
    ports_.Repaint();
}

}  // namespace burrowbop
