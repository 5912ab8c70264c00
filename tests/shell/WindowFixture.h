// The four windows of the program, created as the program creates them but
// with the score file in a scratch directory, and mouse input sent through
// the windows so that Qt's grab and double-click logic take part.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

#include "ErrorBox.h"
#include "Program.h"
#include "TCtrlForm.h"
#include "TMainForm.h"

// Processes events until `condition` holds or `timeoutMs` has passed.
template <class Condition>
bool WaitFor(Condition condition, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(5);
    }
    return true;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousBox = ReplaceErrorBox([this](QWidget*, const QString& text) { errors << text; });
        Start(ScorePath());
    }
    void TearDown() override {
        program.reset();
        ReplaceErrorBox(previousBox);
    }
    void Start(const QString& scorePath) {
        program.reset();
        program = std::make_unique<TProgram>(TMainFormOptions{scorePath.toStdString()});
        Main().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Main()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Panel()));
    }
    QString ScorePath() const { return dir.filePath("rat.ini"); }
    TMainForm& Main() { return *program->MainForm; }
    TCtrlForm& Panel() { return *program->CtrlForm; }
    QWindow* PanelWindow() { return Panel().windowHandle(); }
    QWindow* MainWindow() { return Main().windowHandle(); }
    // The centre of a panel control, in panel coordinates.
    QPoint CentreOf(const QWidget& control) { return control.geometry().center(); }

    QTemporaryDir dir;
    std::unique_ptr<TProgram> program;
    QStringList errors;
    TErrorBoxFunction previousBox;
};
