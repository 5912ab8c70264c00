// The game engine: the one owner of a game's state, driven only by events
// (timer ticks, mouse input, commands). It never reads a clock and never
// draws; it reaches the outside through GamePorts.
#pragma once

#include <cstdint>

#include "GamePorts.h"
#include "GameTypes.h"

namespace burrowbop {

class Game {
public:
    // Program-start values: idle, 59 seconds, score 0, burrows empty.
    explicit Game(GamePorts& ports);

    // The engine's part of the playfield's creation: flags cleared,
    // burrows reset, raised mallet, RatTimer off, 59 seconds, score 0.
    void StartUp();

    // Commands and timer events, as the playfield window's handlers.
    void NewClick();
    void RatTimerTimer();
    void ScoreTimerTimer();
    void cmPauseOrResumeClick();

    // Mouse over the playfield, in playfield (back buffer) coordinates.
    void FormMouseMove(int x, int y);
    void FormMouseDown(TMouseButton button, int x, int y);
    void FormMouseUp(TMouseButton button, int x, int y);

    // Readers of the state.
    int32_t TickCount() const;
    bool Playing() const;
    bool Paused() const;
    int32_t TimeLeft() const;
    int32_t HitCount() const;
    uint8_t MalletState() const;
    int32_t MalletX() const;
    int32_t MalletY() const;
    bool RatTimerEnabled() const;
    bool ScoreTimerEnabled() const;
    TCursor Cursor() const;
    const TBurrows& Burrows() const;
    const TRatFrames& RatFrames() const;

private:
    void SwitchTimer(TGameTimer timer, bool enabled);
    void SetCursor(TCursor cursor);
    void StepAllBurrows();
    void EndGame();
    bool InputHandled() const;  // a game runs: not idle, paused or over

    GamePorts& ports_;

    // The game state of one playfield (Game.cpp).
    int32_t tickCount_ = 0;
    bool playing_ = false;
    bool paused_ = false;
    int32_t timeLeft_ = 0;
    int32_t hitCount_ = 0;
    uint8_t malletState_ = 0;
    int32_t malletX_ = 0;
    int32_t malletY_ = 0;
    bool ratTimerEnabled_ = false;
    bool scoreTimerEnabled_ = false;
    TCursor cursor_ = TCursor::crDefault;
    TBurrows burrows_{};
    TRatFrames ratFrames_{};
};

}  // namespace burrowbop
