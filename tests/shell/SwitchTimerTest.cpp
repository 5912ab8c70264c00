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
