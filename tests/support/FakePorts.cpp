#include "FakePorts.h"

#include <stdexcept>

namespace burrowbop::testkit {

FakePorts::FakePorts(VirtualClock& clock) : clock_(clock) {}

void FakePorts::Record(PortCall call) { calls_.push_back({call, clock_.Now()}); }

void FakePorts::SetTimerEnabled(TGameTimer timer, bool enabled) {
    Record(enabled ? PortCall::TimerOn : PortCall::TimerOff);
    calls_.back().Timer = timer;
    clock_.SetEnabled(timer, enabled);
}

void FakePorts::SetPlayfieldCursor(TCursor cursor) {
    Record(PortCall::Cursor);
    calls_.back().Cursor = cursor;
}

void FakePorts::Repaint() {
    Record(PortCall::Repaint);
    if (OnRepaint) {
        OnRepaint();
    }
}

void FakePorts::DrawPlainBoard() { Record(PortCall::PlainBoard); }
void FakePorts::PlayHitSound() { Record(PortCall::HitSound); }
void FakePorts::ResetBtnImages() { Record(PortCall::ResetBtnImages); }

bool FakePorts::IsNewRecord() {
    Record(PortCall::IsNewRecord);
    if (OnIsNewRecord) {
        OnIsNewRecord();
    }
    return NewRecord;
}

void FakePorts::EnterNewRecord() {
    Record(PortCall::EnterNewRecord);
    if (OnEnterNewRecord) {
        OnEnterNewRecord();
    }
}

void FakePorts::Randomize() { Record(PortCall::Randomize); }

int FakePorts::Random(int range) {
    int value = 0;
    if (!script_.empty()) {
        value = script_.front();
        script_.pop_front();
        if (value < 0 || value >= range) {
            throw std::out_of_range("FakePorts: scripted random number out of range");
        }
    } else {
        value = std::uniform_int_distribution<int>(0, range - 1)(fallback_);
    }
    Record(PortCall::Random);
    calls_.back().Value = value;
    return value;
}

void FakePorts::ScriptRandom(std::initializer_list<int> values) {
    script_.insert(script_.end(), values.begin(), values.end());
}

void FakePorts::ScriptSpawns(std::initializer_list<std::pair<int, int>> burrows) {
    for (const auto& [row, column] : burrows) {
        script_.push_back(row);
        script_.push_back(column);
    }
}

int FakePorts::Count(PortCall call) const {
    int count = 0;
    for (const PortCallRecord& record : calls_) {
        count += record.Call == call ? 1 : 0;
    }
    return count;
}

}  // namespace burrowbop::testkit
