#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include "SwitchTimer.h"

TEST(SwitchTimer, SwitchingOnARunningTimerKeepsItsPeriod) {
    TSwitchTimer timer(1000);
    timer.SetEnabled(true);
    QThread::msleep(60);
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    // A restart would put the next event a whole period away again.
    EXPECT_LE(timer.RemainingMs(), 945);
}

TEST(SwitchTimer, SwitchingOnAStoppedTimerStartsAFullPeriod) {
    TSwitchTimer timer(1000);
    timer.SetEnabled(true);
    QThread::msleep(60);
    timer.SetEnabled(false);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
    timer.SetEnabled(true);
    EXPECT_GE(timer.RemainingMs(), 990);
}

TEST(SwitchTimer, DeliversEventsOnlyWhileOn) {
    TSwitchTimer timer(1);
    int events = 0;
    QObject::connect(&timer, &TSwitchTimer::OnTimer, [&] { ++events; });
    timer.SetEnabled(true);
    QElapsedTimer clock;
    clock.start();
    while (events < 3 && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(events, 3);
    timer.SetEnabled(false);
    const int stoppedAt = events;
    clock.restart();
    while (clock.elapsed() < 30) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(events, stoppedAt);
}

TEST(SwitchTimer, IsPrecise) {
    // Coarse timers may fire up to 5% early, which would shorten the game.
    TSwitchTimer timer(40);
    QElapsedTimer clock;
    int events = 0;
    qint64 earliest = 1 << 30;
    qint64 last = 0;
    QObject::connect(&timer, &TSwitchTimer::OnTimer, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (events > 0) earliest = std::min(earliest, now - last);
        last = now;
        ++events;
    });
    clock.start();
    timer.SetEnabled(true);
    while (events < 6 && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_GE(events, 6);
    // Periods are measured between deliveries; a late one may shorten the next
    // a little, but a precise timer is never scheduled early.
    EXPECT_GE(earliest, 30'000'000);
}
