// The game's state and its clockwork: New Game, the tick, the countdown,
// the pause toggle and the end of a game.
#include "Game.h"

#include "Burrows.h"
#include "Mallet.h"

namespace burrowbop {

namespace {
constexpr int32_t kGameSeconds = 59;
}  // namespace

Game::Game(GamePorts& ports) : ports_(ports), timeLeft_(kGameSeconds) {
    // The tables are usable (and empty) before the playfield is created.
    ResetBurrows(burrows_, ratFrames_);
}

void Game::StartUp() {
    playing_ = false;
    paused_ = false;
    ResetBurrows(burrows_, ratFrames_);
    malletState_ = kMalletRaised;
    // No tick may come before the first New Game.
    SwitchTimer(TGameTimer::RatTimer, false);
    timeLeft_ = kGameSeconds;
    hitCount_ = 0;
}

void Game::NewClick() {
    timeLeft_ = kGameSeconds;
    // Timers already on keep their running periods.
    SwitchTimer(TGameTimer::RatTimer, true);
    SwitchTimer(TGameTimer::ScoreTimer, true);
    playing_ = true;
    paused_ = false;
    SetCursor(TCursor::crNone);
    tickCount_ = 0;
    hitCount_ = 0;
    ResetBurrows(burrows_, ratFrames_);
    // Seeded before the first spawn of this game can draw.
    ports_.Randomize();
    ports_.Repaint();
}

void Game::RatTimerTimer() {
    ++tickCount_;
    // The picture shows the burrows as the previous tick left them.
    ports_.Repaint();
    SpawnRat(burrows_, tickCount_, ports_);
    StepAllBurrows();
    if (timeLeft_ > 0) {
        return;
    }
    EndGame();
}

void Game::ScoreTimerTimer() {
    // The panel shows the new value at the next tick's repaint.
    --timeLeft_;
}

void Game::cmPauseOrResumeClick() {
    if (!playing_) {
        return;
    }
    if (!paused_) {
        SwitchTimer(TGameTimer::ScoreTimer, false);
        SwitchTimer(TGameTimer::RatTimer, false);
        paused_ = true;
        SetCursor(TCursor::crDefault);
    } else {
        // Both periods start afresh: the part of a second run before the
        // pause is lost.
        SwitchTimer(TGameTimer::ScoreTimer, true);
        SwitchTimer(TGameTimer::RatTimer, true);
        paused_ = false;
        SetCursor(TCursor::crNone);
    }
}

void Game::StepAllBurrows() {
    for (int row = 0; row < kBurrowRows; ++row) {
        for (int column = 0; column < kBurrowColumns; ++column) {
            StepBurrow(burrows_, row, column, tickCount_);
        }
    }
}

void Game::EndGame() {
    SwitchTimer(TGameTimer::RatTimer, false);
    SwitchTimer(TGameTimer::ScoreTimer, false);
    SetCursor(TCursor::crDefault);
    playing_ = false;
    paused_ = false;
    // The game is over before the record step, which runs modal dialogs and
    // may throw; a throw skips only the plain board below. The burrows keep
    // their last frames until the next New Game.
    if (ports_.IsNewRecord()) {
        ports_.EnterNewRecord();
    }
    ports_.DrawPlainBoard();
}

void Game::SwitchTimer(TGameTimer timer, bool enabled) {
    (timer == TGameTimer::RatTimer ? ratTimerEnabled_ : scoreTimerEnabled_) = enabled;
    ports_.SetTimerEnabled(timer, enabled);
}

void Game::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    ports_.SetPlayfieldCursor(cursor);
}

bool Game::InputHandled() const { return playing_ && !paused_; }

int32_t Game::TickCount() const { return tickCount_; }
bool Game::Playing() const { return playing_; }
bool Game::Paused() const { return paused_; }
int32_t Game::TimeLeft() const { return timeLeft_; }
int32_t Game::HitCount() const { return hitCount_; }
uint8_t Game::MalletState() const { return malletState_; }
int32_t Game::MalletX() const { return malletX_; }
int32_t Game::MalletY() const { return malletY_; }
bool Game::RatTimerEnabled() const { return ratTimerEnabled_; }
bool Game::ScoreTimerEnabled() const { return scoreTimerEnabled_; }
TCursor Game::Cursor() const { return cursor_; }
const TBurrows& Game::Burrows() const { return burrows_; }
const TRatFrames& Game::RatFrames() const { return ratFrames_; }

}  // namespace burrowbop
