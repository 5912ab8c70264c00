// The shell's commands through the real windows: the menu's captions and
// the pause item's flag in every game state (the stale flag included), Hide
// and Show, the About command's two toggles, and a new record that reaches
// the leaderboard.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "BoardLayout.h"
#include "ClosePicture.h"
#include "DialogTestSupport.h"
#include "MnemonicLabel.h"
#include "Program.h"
#include "TAboutBox.h"
#include "TCtrlForm.h"
#include "THighScoreForm.h"

using dialogtest::WhenModal;

namespace {

enum class State { Idle, Running, Paused };

const char* StateName(State s) {
    switch (s) {
        case State::Idle: return "idle";
        case State::Running: return "running";
        case State::Paused: return "paused";
    }
    return "?";
}

State StateOf(const burrowbop::Game& game) {
    if (!game.Playing()) return State::Idle;
    return game.Paused() ? State::Paused : State::Running;
}

// One program in a directory of its own, its score file there.
struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<TProgram> program;

    explicit Fixture(const QByteArray& scoreFile = {}) {
        const QString path = dir.filePath("rat.ini");
        if (!scoreFile.isEmpty()) {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(scoreFile);
        }
        TMainFormOptions options;
        options.ScoreFilePath = path.toStdString();
        program = std::make_unique<TProgram>(options);
        main().show();
    }
    ~Fixture() {
        for (QWidget* popup = QApplication::activePopupWidget(); popup;
             popup = QApplication::activePopupWidget())
            popup->close();
    }

    TMainForm& main() { return *program->MainForm; }
    TCtrlForm& panel() { return *program->CtrlForm; }
    TRatMenu& menu() { return main().RatMenu; }
    const burrowbop::Game& game() { return main().GameState(); }

    // Opens the menu as the panel's menu picture does and closes it again.
    void OpenMenu() {
        QTest::mouseClick(&panel().MenuImage, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(menu().Menu()->isVisible());
        menu().Menu()->hide();
    }
    // Opens the menu and chooses `item` in it.
    void Choose(TMenuItem& item) {
        QTest::mouseClick(&panel().MenuImage, Qt::LeftButton, {}, QPoint(5, 5));
        ChooseInOpenMenu(item);
    }
    void ChooseInOpenMenu(TMenuItem& item) {
        QMenu* shown = menu().Menu();
        QAction* action = menu().ActionOf(item);
        QVERIFY(action && action->isEnabled());
        const QPoint at = shown->actionGeometry(action).center();
        QTest::mouseMove(shown, at);
        QTest::mouseClick(shown, Qt::LeftButton, {}, at);
    }
    void ClickPanelButton(int tag) {
        QTest::mouseClick(panel().Buttons[tag], Qt::LeftButton, {}, QPoint(10, 10));
    }
    // Reaches a state by the menu, so the pause item is enabled afterwards.
    void Reach(State state) {
        if (state == State::Idle) return;
        Choose(menu().cmNewGame);
        if (state == State::Paused) Choose(menu().cmPauseOrResume);
        QCOMPARE(StateOf(game()), state);
    }
    // Ticks until a rat is rising and hits it; false when none comes.
    bool HitOneRat() {
        for (int tick = 0; tick < 400; ++tick) {
            emit main().RatTimer.OnTimer();
            const burrowbop::TBurrows& burrows = game().Burrows();
            for (const auto& row : burrows)
                for (const burrowbop::TBurrow& burrow : row)
                    if (burrow.Frame >= 1 && burrow.Frame <= 12) {
                        // Inside the target of every rising frame.
                        const QPoint at(burrow.X + 28, burrow.Y + 50);
                        const int before = game().HitCount();
                        QTest::mousePress(&main(), Qt::LeftButton, {}, at);
                        QTest::mouseRelease(&main(), Qt::LeftButton, {}, at);
                        if (game().HitCount() == before + 1) return true;
                    }
        }
        return false;
    }
    // Takes the seconds off; the next game tick then finds no time left.
    void RunOutTheClock() {
        for (int second = 0; second < 60 && game().TimeLeft() > 0; ++second)
            emit main().ScoreTimer.OnTimer();
        emit main().RatTimer.OnTimer();
    }
};

QByteArray ScoreFileOf(const QList<std::tuple<QByteArray, QByteArray, QByteArray>>& rows) {
    QByteArray text;
    for (int i = 0; i < rows.size(); ++i) {
        const auto& [name, date, score] = rows[i];
        text += "[" + QByteArray::number(i) + "]\r\nName=" + name + "\r\nDate=" + date +
                "\r\nScore=" + score + "\r\n";
    }
    return text;
}

}  // namespace

class MainFormCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void menuCaptionsFollowEveryState_data();
    void menuCaptionsFollowEveryState();
    void pauseItemStaysStaleAfterNewGameFromThePanel();
    void hideAndShowByState_data();
    void hideAndShowByState();
    void aboutTogglesThePauseAroundItsShowing_data();
    void aboutTogglesThePauseAroundItsShowing();
    void aboutFromThePanelWithAStaleItemLeavesTheGameRunning();
    void aboutTogglesNothingWhenTheGameEndsBehindIt();
    void newRecordGoesBelowEqualScoresWithItsNameCut();
    void menuStillWorksOverAModalWindowAndLeaderboardsNeverNest();
};

void MainFormCommandsTest::menuCaptionsFollowEveryState_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("ended");  // a game was played to its end first
    QTest::addColumn<QString>("pauseCaption");
    QTest::addColumn<bool>("pauseEnabled");
    QTest::newRow("no game yet") << int(State::Idle) << false << "暂停" << false;
    QTest::newRow("running") << int(State::Running) << false << "暂停" << true;
    QTest::newRow("paused") << int(State::Paused) << false << "恢复" << true;
    QTest::newRow("after a game") << int(State::Idle) << true << "暂停" << false;
}

void MainFormCommandsTest::menuCaptionsFollowEveryState() {
    QFETCH(int, state);
    QFETCH(bool, ended);
    QFETCH(QString, pauseCaption);
    QFETCH(bool, pauseEnabled);
    Fixture f;
    // Before any opening: the start captions, all enabled.
    QCOMPARE(f.menu().cmPauseOrResume.Caption(), QString("暂停(&P)"));
    QVERIFY(f.menu().cmPauseOrResume.Enabled());
    if (ended) {
        f.Choose(f.menu().cmNewGame);
        f.RunOutTheClock();
        QVERIFY(!f.game().Playing());
    }
    f.Reach(State(state));
    f.OpenMenu();
    QCOMPARE(f.menu().ActionOf(f.menu().cmHide)->text(), QString("隐藏(&i)"));
    QCOMPARE(f.menu().ActionOf(f.menu().cmPauseOrResume)->text(), pauseCaption);
    QCOMPARE(f.menu().ActionOf(f.menu().cmPauseOrResume)->isEnabled(), pauseEnabled);
    QCOMPARE(f.menu().cmPauseOrResume.Enabled(), pauseEnabled);
    // The panel opens the menu just below and right of its menu picture.
    QCOMPARE(f.menu().Menu()->pos(), f.panel().pos() + QPoint(14, 14));
}

void MainFormCommandsTest::pauseItemStaysStaleAfterNewGameFromThePanel() {
    Fixture f;
    f.OpenMenu();  // no game: the pause item is disabled now
    f.ClickPanelButton(0);  // New
    QCOMPARE(StateOf(f.game()), State::Running);
    QVERIFY(!f.menu().cmPauseOrResume.Enabled());
    f.ClickPanelButton(1);  // Pause does nothing while the flag is stale
    QCOMPARE(StateOf(f.game()), State::Running);
    // The minimise picture hides both windows without pausing.
    QTest::mouseClick(&f.panel().MinImage, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!f.main().isVisible());
    QCOMPARE(StateOf(f.game()), State::Running);
    f.main().show();
    f.OpenMenu();  // the next opening mends it
    QVERIFY(f.menu().cmPauseOrResume.Enabled());
    f.ClickPanelButton(1);
    QCOMPARE(StateOf(f.game()), State::Paused);
}

void MainFormCommandsTest::hideAndShowByState_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("whileHidden");
    QTest::newRow("idle") << int(State::Idle) << int(State::Idle);
    QTest::newRow("running pauses") << int(State::Running) << int(State::Paused);
    QTest::newRow("paused resumes") << int(State::Paused) << int(State::Running);
}

void MainFormCommandsTest::hideAndShowByState() {
    QFETCH(int, before);
    QFETCH(int, whileHidden);
    Fixture f;
    f.Reach(State(before));
    f.Choose(f.menu().cmHide);
    QVERIFY(!f.main().isVisible());
    QVERIFY(!f.panel().isVisible());
    QCOMPARE(StateOf(f.game()), State(whileHidden));
    // From the tray: the menu now offers Show.
    f.menu().PopupAt(QPoint(300, 300));
    QCOMPARE(f.menu().ActionOf(f.menu().cmHide)->text(), QString("显示(&S)"));
    f.menu().Menu()->hide();
    f.Choose(f.menu().cmHide);
    QVERIFY(f.main().isVisible());
    QVERIFY(f.panel().isVisible());
    QCOMPARE(f.panel().pos(), f.main().pos() + QPoint(69, -100));
    // Showing changes no game state: a game paused by hiding stays paused.
    QCOMPARE(StateOf(f.game()), State(whileHidden));
}

void MainFormCommandsTest::aboutTogglesThePauseAroundItsShowing_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("whileShown");
    QTest::newRow("idle") << int(State::Idle) << int(State::Idle);
    QTest::newRow("running") << int(State::Running) << int(State::Paused);
    QTest::newRow("paused") << int(State::Paused) << int(State::Running);
}

void MainFormCommandsTest::aboutTogglesThePauseAroundItsShowing() {
    QFETCH(int, before);
    QFETCH(int, whileShown);
    Fixture f;
    f.Reach(State(before));
    QString seen = "not shown";
    WhenModal([&](QWidget* modal) {
        seen = modal == f.program->AboutBox.get() ? StateName(StateOf(f.game())) : "other window";
        auto* close = modal->findChild<TClosePicture*>("CloseImage");
        QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(5, 5));
    });
    f.Choose(f.menu().cmAbout);
    QTRY_VERIFY(!f.program->AboutBox->isVisible());
    QCOMPARE(seen, QString(StateName(State(whileShown))));
    QCOMPARE(StateOf(f.game()), State(before));
}

void MainFormCommandsTest::aboutFromThePanelWithAStaleItemLeavesTheGameRunning() {
    Fixture f;
    f.OpenMenu();  // disabled while no game
    f.ClickPanelButton(0);
    QString seen;
    WhenModal([&](QWidget* modal) {
        seen = StateName(StateOf(f.game()));
        static_cast<QDialog*>(modal)->done(1);
    });
    f.ClickPanelButton(4);  // About
    QCOMPARE(seen, QString("running"));
    QCOMPARE(StateOf(f.game()), State::Running);
}

void MainFormCommandsTest::aboutTogglesNothingWhenTheGameEndsBehindIt() {
    Fixture f;
    f.Reach(State::Paused);
    bool resumedBehind = false;
    WhenModal([&](QWidget* modal) {
        resumedBehind = StateOf(f.game()) == State::Running;
        f.RunOutTheClock();  // no hits: no record, the game just ends
        static_cast<QDialog*>(modal)->done(1);
    });
    f.Choose(f.menu().cmAbout);
    QVERIFY(resumedBehind);
    QCOMPARE(StateOf(f.game()), State::Idle);
    QVERIFY(!f.main().RatTimer.Enabled());
    QVERIFY(!f.main().ScoreTimer.Enabled());
}

void MainFormCommandsTest::newRecordGoesBelowEqualScoresWithItsNameCut() {
    Fixture f(ScoreFileOf({{"alpha", "2026/01/01", "3"},
                           {"bravo", "2026/01/02", "2"},
                           {"charlie", "2026/01/03", "2"},
                           {"delta", "2026/01/04", "1"}}));
    f.Reach(State::Running);
    QVERIFY(f.HitOneRat());
    QVERIFY(f.HitOneRat());
    QStringList names;
    QStringList scores;
    QList<QPoint> places;
    bool askedOnce = false;
    WhenModal([&](QWidget* dialog) {
        askedOnce = true;
        auto* edit = dialog->findChild<QLineEdit*>();
        edit->insert("张三李四王五");  // 12 bytes: four characters fit
        QTest::keyClick(edit, Qt::Key_Return);
        WhenModal([&](QWidget* board) {
            auto* form = qobject_cast<THighScoreForm*>(board);
            QVERIFY(form);
            for (int row = 0; row < 10; ++row) {
                names << form->DisplayLabels()[row * 3]->Caption();
                scores << form->DisplayLabels()[row * 3 + 2]->Caption();
                places << form->DisplayLabels()[row * 3]->pos();
            }
            auto* close = form->findChild<TClosePicture*>("CloseImage");
            QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(5, 5));
        });
    });
    f.RunOutTheClock();
    QVERIFY(askedOnce);
    QCOMPARE(names, QStringList({"alpha", "bravo", "charlie", "张三李四", "delta", "--------",
                                 "--------", "--------", "--------", "--------"}));
    QCOMPARE(scores, QStringList({"3", "2", "2", "2", "1", "--", "--", "--", "--", "--"}));
    QCOMPARE(places[3], QPoint(36, 110));
    QVERIFY(!f.program->HighScoreForm->isVisible());
    QVERIFY(f.program->HighScoreForm->findChildren<TMnemonicLabel*>().isEmpty());
}

void MainFormCommandsTest::menuStillWorksOverAModalWindowAndLeaderboardsNeverNest() {
    Fixture f;
    THighScoreForm& board = *f.program->HighScoreForm;
    QStringList seen;
    WhenModal([&](QWidget* about) {
        // The panel takes no input now; the menu opened from the tray does.
        QTest::mouseClick(&f.panel().MenuImage, Qt::LeftButton, {}, QPoint(5, 5));
        seen << (f.menu().Menu()->isVisible() ? "panel menu opened" : "panel blocked");
        WhenModal([&](QWidget* shown) {
            seen << (shown == &board ? "leaderboard over About" : "other window");
            f.menu().PopupAt(QPoint(200, 200));  // the tray's menu again
            f.ChooseInOpenMenu(f.menu().cmHighscore);
            seen << (board.IsShowing() && board.isVisible() ? "still shown" : "gone");
            seen << QString::number(board.findChildren<TMnemonicLabel*>().size());
            QTest::mouseClick(board.findChild<TClosePicture*>("CloseImage"), Qt::LeftButton, {},
                              QPoint(5, 5));
        });
        f.menu().PopupAt(QPoint(200, 200));
        f.ChooseInOpenMenu(f.menu().cmHighscore);
        seen << (about->isVisible() ? "About still open" : "About gone");
        QTest::mouseClick(about->findChild<TClosePicture*>("CloseImage"), Qt::LeftButton, {},
                          QPoint(5, 5));
    });
    f.Choose(f.menu().cmAbout);
    QCOMPARE(seen, QStringList({"panel blocked", "leaderboard over About", "still shown", "30",
                                "About still open"}));
    QVERIFY(!board.IsShowing());
}

QTEST_MAIN(MainFormCommandsTest)
#include "tst_main_form_commands.moc"
