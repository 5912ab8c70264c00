// A periodic timer with on/off semantics: switching on a timer that is off
// starts a fresh full period, switching it to the state it already has
// changes nothing (a running period goes on), and a timer that is off
// delivers no events. QTimer::start() on a running timer would restart its
// period, so every switch goes through here.
#pragma once

#include <QObject>
#include <QTimer>

class TSwitchTimer : public QObject {
    Q_OBJECT
public:
    explicit TSwitchTimer(int intervalMs, QObject* parent = nullptr);

    void SetEnabled(bool enabled);
    bool Enabled() const { return timer_.isActive(); }
    int Interval() const { return timer_.interval(); }
    // Milliseconds until the next event, -1 while off.
    int RemainingMs() const { return timer_.remainingTime(); }

signals:
    void OnTimer();

private:
    QTimer timer_;
};
