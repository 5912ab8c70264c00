// A GamePorts for tests: records every call in order, runs the timers on a
// VirtualClock and draws random numbers from a script.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <random>
#include <vector>

#include "GamePorts.h"
#include "VirtualClock.h"

namespace burrowbop::testkit {

enum class PortCall {
    TimerOn,
    TimerOff,
    Cursor,
    Repaint,
    PlainBoard,
    HitSound,
    ResetBtnImages,
    IsNewRecord,
    EnterNewRecord,
    Randomize,
    Random,
};

struct PortCallRecord {
    PortCall Call;
    int64_t AtMs = 0;                          // virtual time of the call
    TGameTimer Timer = TGameTimer::RatTimer;   // TimerOn, TimerOff
    TCursor Cursor = TCursor::crDefault;       // Cursor
    int Value = 0;                             // Random: the number given
};

class FakePorts : public GamePorts {
public:
    explicit FakePorts(VirtualClock& clock);

    void SetTimerEnabled(TGameTimer timer, bool enabled) override;
    void SetPlayfieldCursor(TCursor cursor) override;
    void Repaint() override;
    void DrawPlainBoard() override;
    void PlayHitSound() override;
    void ResetBtnImages() override;
    bool IsNewRecord() override;
    void EnterNewRecord() override;
    void Randomize() override;
    int Random(int range) override;

    // Random answers these numbers first, in order (each must lie in the
    // range asked for), then falls back to a fixed-seed generator.
    void ScriptRandom(std::initializer_list<int> values);
    // Script the spawn pick (row, column) of the next attempts.
    void ScriptSpawns(std::initializer_list<std::pair<int, int>> burrows);

    const std::vector<PortCallRecord>& Calls() const { return calls_; }
    int Count(PortCall call) const;
    void ClearCalls() { calls_.clear(); }

    // What the record step answers, and hooks run inside the calls (a hook
    // may throw, as the real record step can).
    bool NewRecord = false;
    std::function<void()> OnRepaint;
    std::function<void()> OnIsNewRecord;
    std::function<void()> OnEnterNewRecord;

private:
    void Record(PortCall call);

    VirtualClock& clock_;
    std::vector<PortCallRecord> calls_;
    std::deque<int> script_;
    std::mt19937 fallback_{20240611u};
};

}  // namespace burrowbop::testkit
