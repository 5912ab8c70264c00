// The command menu's captions and enabled flags, choosing its items, and
// the tray icon's activation codes.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include "TRatMenu.h"
#include "TrayIcon.h"

class RatMenuTrayTest : public QObject {
    Q_OBJECT
private slots:
    void startCaptionsAreChineseAndAllEnabled();
    void refreshFollowsTheGameState_data();
    void refreshFollowsTheGameState();
    void pauseFlagStaysAsTheLastOpeningLeftIt();
    void popupRefreshesBeforeShowingAtThePoint();
    void choosingAnItemClicksIt_data();
    void choosingAnItemClicksIt();
    void disabledItemIgnoresEveryClick();
    void trayCodesComeOnlyFromDoubleClickAndRightPress_data();
    void trayCodesComeOnlyFromDoubleClickAndRightPress();
    void trayIconSendsItsCodes();
};

void RatMenuTrayTest::startCaptionsAreChineseAndAllEnabled() {
    TRatMenu menu;
    menu.ApplyCaptions();
    const QList<QAction*> actions = menu.Menu()->actions();
    QCOMPARE(actions.size(), 7);
    const QStringList expected{"新游戏(&N)", "暂停(&P)", "隐藏(&i)", "排行榜(&H)",
                               "退出(&Q)", "", "关于(&A)"};
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->text(), expected[i]);
        QCOMPARE(actions[i]->isSeparator(), i == 5);
        QVERIFY(actions[i]->isEnabled());
    }
    for (TMenuItem* item : {&menu.cmNewGame, &menu.cmPauseOrResume, &menu.cmHide,
                            &menu.cmHighscore, &menu.cmQuit, &menu.cmAbout})
        QVERIFY(item->Enabled());
    QCOMPARE(menu.cmPauseOrResume.Caption(), QString("暂停(&P)"));
    QCOMPARE(menu.ActionOf(menu.cmAbout), actions[6]);
}

void RatMenuTrayTest::refreshFollowsTheGameState_data() {
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<QString>("hideCaption");
    QTest::addColumn<QString>("pauseCaption");
    QTest::addColumn<bool>("pauseEnabled");
    QTest::newRow("no game, shown") << true << false << false << "隐藏(&i)" << "暂停" << false;
    QTest::newRow("running, shown") << true << true << false << "隐藏(&i)" << "暂停" << true;
    QTest::newRow("paused, shown") << true << true << true << "隐藏(&i)" << "恢复" << true;
    QTest::newRow("no game, hidden") << false << false << false << "显示(&S)" << "暂停" << false;
    QTest::newRow("running, hidden") << false << true << false << "显示(&S)" << "暂停" << true;
    QTest::newRow("paused, hidden") << false << true << true << "显示(&S)" << "恢复" << true;
}

void RatMenuTrayTest::refreshFollowsTheGameState() {
    QFETCH(bool, visible);
    QFETCH(bool, playing);
    QFETCH(bool, paused);
    QFETCH(QString, hideCaption);
    QFETCH(QString, pauseCaption);
    QFETCH(bool, pauseEnabled);
    TRatMenu menu;
    menu.ApplyCaptions();
    connect(&menu, &TRatMenu::Popup, &menu, [&] { menu.Refresh(visible, playing, paused); });
    menu.PopupAt(QPoint(50, 50));
    QCOMPARE(menu.cmHide.Caption(), hideCaption);
    QCOMPARE(menu.cmPauseOrResume.Caption(), pauseCaption);
    QCOMPARE(menu.cmPauseOrResume.Enabled(), pauseEnabled);
    QCOMPARE(menu.ActionOf(menu.cmHide)->text(), hideCaption);
    QCOMPARE(menu.ActionOf(menu.cmPauseOrResume)->text(), pauseCaption);
    QCOMPARE(menu.ActionOf(menu.cmPauseOrResume)->isEnabled(), pauseEnabled);
    // Nothing else changes at an opening.
    QCOMPARE(menu.ActionOf(menu.cmNewGame)->text(), QString("新游戏(&N)"));
    QVERIFY(menu.ActionOf(menu.cmNewGame)->isEnabled());
    menu.Menu()->hide();
}

void RatMenuTrayTest::pauseFlagStaysAsTheLastOpeningLeftIt() {
    TRatMenu menu;
    menu.ApplyCaptions();
    QSignalSpy pauses(&menu.cmPauseOrResume, &TMenuItem::OnClick);
    bool playing = false;
    connect(&menu, &TRatMenu::Popup, &menu, [&] { menu.Refresh(true, playing, false); });
    menu.cmPauseOrResume.Click();  // enabled before any opening
    QCOMPARE(pauses.size(), 1);
    menu.PopupAt(QPoint(10, 10));  // no game: disabled
    menu.Menu()->hide();
    playing = true;  // a game started from the panel
    menu.cmPauseOrResume.Click();
    QCOMPARE(pauses.size(), 1);
    QVERIFY(!menu.cmPauseOrResume.Enabled());
    menu.PopupAt(QPoint(10, 10));  // the next opening mends it
    menu.Menu()->hide();
    menu.cmPauseOrResume.Click();
    QCOMPARE(pauses.size(), 2);
}

void RatMenuTrayTest::popupRefreshesBeforeShowingAtThePoint() {
    TRatMenu menu;
    menu.ApplyCaptions();
    bool visibleAtPopup = true;
    connect(&menu, &TRatMenu::Popup, &menu, [&] {
        visibleAtPopup = menu.Menu()->isVisible();
        menu.Refresh(false, false, false);
    });
    menu.PopupAt(QPoint(120, 80));
    QVERIFY(!visibleAtPopup);
    QVERIFY(menu.Menu()->isVisible());
    QCOMPARE(menu.Menu()->pos(), QPoint(120, 80));
    QCOMPARE(menu.ActionOf(menu.cmHide)->text(), QString("显示(&S)"));
    menu.Menu()->hide();
}

void RatMenuTrayTest::choosingAnItemClicksIt_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("button");
    QTest::newRow("new game, left") << 0 << int(Qt::LeftButton);
    QTest::newRow("hide, right") << 2 << int(Qt::RightButton);
    QTest::newRow("about, left") << 6 << int(Qt::LeftButton);
}

void RatMenuTrayTest::choosingAnItemClicksIt() {
    QFETCH(int, position);
    QFETCH(int, button);
    TRatMenu menu;
    menu.ApplyCaptions();
    TMenuItem* items[] = {&menu.cmNewGame, &menu.cmPauseOrResume, &menu.cmHide,
                          &menu.cmHighscore, &menu.cmQuit, &menu.N1, &menu.cmAbout};
    QStringList clicked;
    for (TMenuItem* item : items)
        connect(item, &TMenuItem::OnClick, this, [&clicked, item] { clicked << item->Caption(); });
    menu.PopupAt(QPoint(30, 30));
    QVERIFY(QTest::qWaitForWindowExposed(menu.Menu()));
    QMenu* shown = menu.Menu();
    const QPoint at = shown->actionGeometry(shown->actions()[position]).center();
    QTest::mouseMove(shown, at);
    QTest::mouseClick(shown, Qt::MouseButton(button), {}, at);
    QCOMPARE(clicked, QStringList{items[position]->Caption()});
    QTRY_VERIFY(!shown->isVisible());
}

void RatMenuTrayTest::disabledItemIgnoresEveryClick() {
    TRatMenu menu;
    menu.ApplyCaptions();
    QSignalSpy pauses(&menu.cmPauseOrResume, &TMenuItem::OnClick);
    connect(&menu, &TRatMenu::Popup, &menu, [&] { menu.Refresh(true, false, false); });
    menu.PopupAt(QPoint(30, 30));
    QVERIFY(QTest::qWaitForWindowExposed(menu.Menu()));
    QAction* pause = menu.ActionOf(menu.cmPauseOrResume);
    const QPoint at = menu.Menu()->actionGeometry(pause).center();
    QTest::mouseClick(menu.Menu(), Qt::LeftButton, {}, at);
    pause->trigger();
    menu.cmPauseOrResume.Click();
    QCOMPARE(pauses.size(), 0);
    menu.Menu()->hide();
}

void RatMenuTrayTest::trayCodesComeOnlyFromDoubleClickAndRightPress_data() {
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("code");
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << kTrayLeftDoubleClick;
    QTest::newRow("right press") << int(QSystemTrayIcon::Context) << kTrayRightButtonDown;
    QTest::newRow("single left click") << int(QSystemTrayIcon::Trigger) << kTrayIgnored;
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << kTrayIgnored;
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << kTrayIgnored;
}

void RatMenuTrayTest::trayCodesComeOnlyFromDoubleClickAndRightPress() {
    QFETCH(int, reason);
    QFETCH(int, code);
    QCOMPARE(TrayCodeFor(QSystemTrayIcon::ActivationReason(reason)), code);
}

void RatMenuTrayTest::trayIconSendsItsCodes() {
    TTrayIcon tray;
    QSignalSpy codes(&tray, &TTrayIcon::WMTrayIcon);
    QPixmap picture(16, 16);
    picture.fill(Qt::yellow);
    tray.Add(QIcon(picture), "敲洞乐");
    QVERIFY(tray.IsAdded());
    auto* icon = tray.findChild<QSystemTrayIcon*>();
    QVERIFY(icon);
    QVERIFY(!icon->contextMenu());
    QCOMPARE(icon->toolTip(), QString("敲洞乐"));
    // A double click arrives as Trigger then DoubleClick; only the second counts.
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick,
                        QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Context})
        emit icon->activated(reason);
    QCOMPARE(codes.size(), 2);
    QCOMPARE(codes[0][0].toInt(), kTrayLeftDoubleClick);
    QCOMPARE(codes[1][0].toInt(), kTrayRightButtonDown);
    tray.Remove();
    QVERIFY(!tray.IsAdded());
    QVERIFY(!tray.findChild<QSystemTrayIcon*>());
}

QTEST_MAIN(RatMenuTrayTest)
#include "tst_rat_menu_tray.moc"
