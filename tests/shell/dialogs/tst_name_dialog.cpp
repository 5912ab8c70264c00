// The new-record name dialog: its texts, the selected default, the answers
// of OK, Cancel and closing, and the code page 936 form of the name.
#include <QDate>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "DialogTestSupport.h"
#include "NameDialog.h"

using dialogtest::WhenModal;

class NameDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsItsTextsWithTheDefaultSelected();
    void answerIsTheTypedNameOrTheDefault_data();
    void answerIsTheTypedNameOrTheDefault();
    void dateFollowsTheLocalesShortFormat_data();
    void dateFollowsTheLocalesShortFormat();
};

void NameDialogTest::showsItsTextsWithTheDefaultSelected() {
    QStringList seen;
    QLineEdit playfield;  // another window of the program
    playfield.show();
    bool modal = false;
    bool centred = false;
    WhenModal([&](QWidget* dialog) {
        // Input to the other windows goes nowhere while the dialog is shown.
        QTest::keyClicks(&playfield, "abc");
        QTest::mouseClick(&playfield, Qt::LeftButton);
        modal = playfield.text().isEmpty();
        const QRect screen = dialog->screen()->geometry();
        // Within the few pixels of a window frame, whose size is unknown
        // before the window is mapped.
        centred = (dialog->geometry().center() - screen.center()).manhattanLength() <= 8;
        seen << dialog->windowTitle();
        for (QLabel* label : dialog->findChildren<QLabel*>()) seen << label->text();
        auto* edit = dialog->findChild<QLineEdit*>();
        seen << edit->text() << edit->selectedText();
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        for (QAbstractButton* button : buttons->buttons()) seen << button->text();
        static_cast<QDialog*>(dialog)->reject();
    });
    AskRecordName(nullptr);
    QVERIFY(modal);
    QTest::keyClicks(&playfield, "abc");
    QCOMPARE(playfield.text(), QString("abc"));
    QVERIFY(centred);
    seen.sort();
    QStringList expected{"您创造了一个新的记录", "请输入您的大名", "佚名", "佚名", "OK", "Cancel"};
    expected.sort();
    QCOMPARE(seen, expected);
}

void NameDialogTest::answerIsTheTypedNameOrTheDefault_data() {
    QTest::addColumn<QString>("typed");  // replaces the selected default
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QByteArray>("answer");
    const QByteArray defaultName("\xD8\xFD\xC3\xFB");  // 佚名
    QTest::newRow("OK with a name") << "Bob" << "ok" << QByteArray("Bob");
    QTest::newRow("Enter with a name") << "Ann" << "enter" << QByteArray("Ann");
    QTest::newRow("OK on the default") << QString() << "ok" << defaultName;
    QTest::newRow("OK on an empty line") << "<clear>" << "ok" << QByteArray();
    QTest::newRow("Cancel") << "Bob" << "cancel" << defaultName;
    QTest::newRow("Escape") << "Bob" << "escape" << defaultName;
    QTest::newRow("closed") << "Bob" << "close" << defaultName;
    // The cut to eight bytes belongs to the table, not to the dialog.
    QTest::newRow("Chinese, uncut") << "张三李四王五" << "ok"
                                    << QByteArray("\xD5\xC5\xC8\xFD\xC0\xEE\xCB\xC4\xCD\xF5\xCE\xE5");
    QTest::newRow("no code page form") << "Jo😀한" << "ok" << QByteArray("Jo??");
}

void NameDialogTest::answerIsTheTypedNameOrTheDefault() {
    QFETCH(QString, typed);
    QFETCH(QString, ending);
    QFETCH(QByteArray, answer);
    WhenModal([&](QWidget* widget) {
        auto* dialog = static_cast<QDialog*>(widget);
        auto* edit = dialog->findChild<QLineEdit*>();
        if (typed == "<clear>")
            edit->clear();
        else if (!typed.isEmpty())
            edit->insert(typed);  // as typing does, replaces the selection
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (ending == "ok")
            buttons->button(QDialogButtonBox::Ok)->click();
        else if (ending == "cancel")
            buttons->button(QDialogButtonBox::Cancel)->click();
        else if (ending == "enter")
            QTest::keyClick(edit, Qt::Key_Return);
        else if (ending == "escape")
            QTest::keyClick(edit, Qt::Key_Escape);
        else
            dialog->close();
    });
    const std::string name = AskRecordName(nullptr);
    QCOMPARE(QByteArray::fromStdString(name), answer);
}

void NameDialogTest::dateFollowsTheLocalesShortFormat_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("Chinese") << "zh_CN" << "2026/12/1";
    QTest::newRow("German") << "de_DE" << "01.12.26";
    QTest::newRow("US") << "en_US" << "12/1/26";
    // No regional settings: the shape of the placeholder, not "1 Dec 2026".
    QTest::newRow("C") << "C" << "2026/12/01";
}

void NameDialogTest::dateFollowsTheLocalesShortFormat() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(ShortDateText(QLocale(locale), QDate(2026, 12, 1)), text);
}

QTEST_MAIN(NameDialogTest)
#include "tst_name_dialog.moc"
