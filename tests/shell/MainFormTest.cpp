// The playfield window: start-up, its picture, the commands it wires, the
// teardown and what happens when the score file cannot be written.
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "AppInfo.h"
#include "HighScores.h"
#include "RoundRegion.h"
#include "TAboutBox.h"
#include "THighScoreForm.h"
#include "WindowFixture.h"

namespace {

int SectionsIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    int sections = 0;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith('[')) ++sections;
    return sections;
}

// Counts the paints a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

TEST_F(WindowTest, StartsIdleCentredAndShaped) {
    TMainForm& m = Main();
    EXPECT_EQ(m.windowTitle(), QString::fromUtf8(appinfo::kChineseTitle));
    EXPECT_EQ(m.size(), QSize(437, 284));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(m.pos(), screen.topLeft() + QPoint((screen.width() - 437) / 2, (screen.height() - 284) / 2));
    EXPECT_EQ(m.Shape(), RoundRectRegion({0, 0, 437, 284, 128, 128}));
    EXPECT_TRUE(m.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(m.GameState().Playing());
    EXPECT_FALSE(m.RatTimer.Enabled());
    EXPECT_FALSE(m.ScoreTimer.Enabled());
    EXPECT_EQ(m.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowTest, BoardIsPlainUntilNewGameAndTheCursorHidesDuringPlay) {
    TMainForm& m = Main();
    EXPECT_EQ(m.grab().toImage().convertToFormat(QImage::Format_RGB32),
              m.Bitmaps.Background.toImage().convertToFormat(QImage::Format_RGB32));
    m.RatMenu.cmNewGame.Click();
    EXPECT_EQ(m.cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(m.RatTimer.Enabled());
    EXPECT_TRUE(m.ScoreTimer.Enabled());
    m.RatMenu.cmPauseOrResume.Click();
    EXPECT_EQ(m.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowTest, TeardownWritesTheFileAndNothingRunsAfterIt) {
    TMainForm& m = Main();
    m.RatMenu.cmNewGame.Click();
    ASSERT_TRUE(WaitFor([&] { return m.GameState().TickCount() >= 2; }));
    bool closed = false;
    QObject::connect(&m, &TMainForm::Closed, [&] { closed = true; });
    m.RatMenu.cmQuit.Click();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(m.TornDown());
    EXPECT_FALSE(m.isVisible());
    EXPECT_FALSE(Panel().isVisible());
    EXPECT_EQ(SectionsIn(ScorePath()), 10);
    EXPECT_TRUE(errors.isEmpty());

    PaintCounter counter;
    m.installEventFilter(&counter);
    const int ticks = m.GameState().TickCount();
    m.update();
    QTest::qWait(200);
    EXPECT_EQ(m.GameState().TickCount(), ticks);
    EXPECT_FALSE(m.RatTimer.Enabled());
    EXPECT_FALSE(m.ScoreTimer.Enabled());
    EXPECT_EQ(counter.paints, 0);
    m.removeEventFilter(&counter);
}

TEST_F(WindowTest, CloseButtonSetsQuittingAndItsReleaseChangesNothing) {
    TCtrlForm& p = Panel();
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.CloseBtnImage));
    EXPECT_TRUE(p.Quitting);
    EXPECT_TRUE(Main().TornDown());
    EXPECT_EQ(p.ButtonPicture(2), TCtrlForm::Down);
    EXPECT_TRUE(p.ButtonDown);
    EXPECT_EQ(SectionsIn(ScorePath()), 10);
}

TEST_F(WindowTest, ClosingThePanelClosesTheProgram) {
    Panel().close();
    EXPECT_TRUE(Main().TornDown());
    EXPECT_EQ(SectionsIn(ScorePath()), 10);
}

TEST_F(WindowTest, FailedSaveAtCloseKeepsTheProgramRunningUntilASaveSucceeds) {
    const QString missing = dir.filePath("gone");
    Start(missing + "/rat.ini");
    TCtrlForm& p = Panel();
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.CloseBtnImage));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Unable to write to ")) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].endsWith('.'));
    EXPECT_FALSE(Main().TornDown());
    EXPECT_TRUE(Main().isVisible());
    EXPECT_TRUE(p.isVisible());
    // The panel works on: the button came back up and new games start.
    EXPECT_FALSE(p.Quitting);
    EXPECT_EQ(p.ButtonPicture(2), TCtrlForm::Up);
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.NewBtnImage));
    EXPECT_TRUE(Main().GameState().Playing());

    ASSERT_TRUE(QDir().mkpath(missing));
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.CloseBtnImage));
    EXPECT_TRUE(Main().TornDown());
    EXPECT_EQ(SectionsIn(missing + "/rat.ini"), 10);
}

TEST_F(WindowTest, SessionEndSavesWithoutClosing) {
    Main().SaveForSessionEnd();
    EXPECT_EQ(SectionsIn(ScorePath()), 10);
    EXPECT_FALSE(Main().TornDown());
}

TEST_F(WindowTest, ErrorsOfAHandlerAreShownWithAFullStopAndEndIt) {
    bool finished = false;
    const bool ok = RunHandler(&Main(), [&] {
        throw burrowbop::ScoreError("'ab' is not a valid integer value");
        finished = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(finished);
    EXPECT_EQ(errors, QStringList{"'ab' is not a valid integer value."});
}

TEST_F(WindowTest, LeaderboardPausesAroundItselfAndIsNeverShownTwice) {
    TMainForm& m = Main();
    m.RatMenu.cmNewGame.Click();
    bool pausedWhileShown = false;
    bool nested = false;
    QTimer::singleShot(50, [&] {
        pausedWhileShown = m.GameState().Paused();
        // A second command while it is shown returns at once.
        QTimer::singleShot(0, [&] { program->HighScoreForm->accept(); });
        m.RatMenu.cmHighscore.Click();
        nested = !program->HighScoreForm->IsShowing();
    });
    m.RatMenu.cmHighscore.Click();
    EXPECT_TRUE(pausedWhileShown);
    EXPECT_FALSE(nested);
    EXPECT_FALSE(m.GameState().Paused());
    EXPECT_TRUE(m.RatTimer.Enabled());
}

TEST_F(WindowTest, AboutPausesAroundItself) {
    TMainForm& m = Main();
    m.RatMenu.cmNewGame.Click();
    bool pausedWhileShown = false;
    QTimer::singleShot(50, [&] {
        pausedWhileShown = m.GameState().Paused();
        program->AboutBox->accept();
    });
    m.RatMenu.cmAbout.Click();
    EXPECT_TRUE(pausedWhileShown);
    EXPECT_FALSE(m.GameState().Paused());
}

TEST_F(WindowTest, HideAndShowGoByTheHideItemsCaption) {
    TMainForm& m = Main();
    m.RatMenu.cmNewGame.Click();
    m.RatMenu.cmHide.SetCaption(QStringLiteral("隐藏(&i)"));
    m.RatMenu.cmHide.Click();
    EXPECT_FALSE(m.isVisible());
    EXPECT_FALSE(Panel().isVisible());
    EXPECT_TRUE(m.GameState().Paused());
    Panel().move(0, 0);
    m.RatMenu.cmHide.SetCaption(QStringLiteral("显示(&S)"));
    m.RatMenu.cmHide.Click();
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(Panel().isVisible());
    EXPECT_EQ(Panel().pos(), m.pos() + QPoint(69, -100));
    EXPECT_TRUE(m.GameState().Paused());
}
