// The engine's only way out: everything it asks of the program around it.
// The shell implements this with Qt; the tests fake it.
#pragma once

#include "GameTypes.h"

namespace burrowbop {

class GamePorts {
public:
    virtual ~GamePorts() = default;

    // Switch a timer on or off. Switching on a timer that is off starts a
    // fresh full period; switching to the state it already has changes
    // nothing, and a running period goes on.
    virtual void SetTimerEnabled(TGameTimer timer, bool enabled) = 0;
    // The playfield's mouse cursor.
    virtual void SetPlayfieldCursor(TCursor cursor) = 0;
    // Compose the playfield and show it (the playfield's paint).
    virtual void Repaint() = 0;
    // End of a game: the bare board straight onto the window.
    virtual void DrawPlainBoard() = 0;
    // Start the hit sound; starting it while it plays restarts it.
    virtual void PlayHitSound() = 0;
    // The panel shows its five buttons in their Up pictures.
    virtual void ResetBtnImages() = 0;
    // End-of-game record step. Either may throw; the engine lets it pass.
    virtual bool IsNewRecord() = 0;
    virtual void EnterNewRecord() = 0;
    // Random source: seeded from the clock at New Game, then uniform
    // integers 0 .. range-1.
    virtual void Randomize() = 0;
    virtual int Random(int range) = 0;
};

}  // namespace burrowbop
