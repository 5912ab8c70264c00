#include "SwitchTimer.h"

TSwitchTimer::TSwitchTimer(int intervalMs, QObject* parent) : QObject(parent) {
    // A precise timer never fires early, so a game lasts its full 59 seconds.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &TSwitchTimer::OnTimer);
}

void TSwitchTimer::SetEnabled(bool enabled) {
    if (enabled == timer_.isActive()) return;
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}
