// The leaderboard window: layout, the thirty labels of a display, the close
// picture and its keys, and a second display while one is shown.
#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTest>

#include "ClosePicture.h"
#include "Cp936Text.h"
#include "DialogTestSupport.h"
#include "MnemonicLabel.h"
#include "THighScoreForm.h"

using burrowbop::THighScoreEntry;
using burrowbop::THighScores;
using dialogtest::MakeBitmaps;
using dialogtest::SamePicture;
using dialogtest::WhenModal;

namespace {

THighScores TableOfPlaceholders() {
    THighScores table;
    for (THighScoreEntry& entry : table) {
        entry.Name.Assign("--------");
        entry.Date.Assign("----/--/--");
        entry.Score.Assign("--");
    }
    return table;
}

THighScores NumberedTable() {
    THighScores table;
    for (int i = 0; i < 10; ++i) {
        table[i].Name.Assign("name" + std::to_string(i));
        table[i].Date.Assign("2026/12/" + std::to_string(10 + i));
        table[i].Score.Assign(std::to_string(90 - i));
    }
    return table;
}

QImage Render(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

class HighScoreFormTest : public QObject {
    Q_OBJECT
private slots:
    void layoutFollowsTheBitmaps_data();
    void layoutFollowsTheBitmaps();
    void displayShowsThirtyLabelsAtTheirPlacesAndFreesThem();
    void labelsUseTheWindowsFontAtEightPoints();
    void closePictureClosesOnlyOnALeftClickInside();
    void escapeOrEnterClosesButAStrayReleaseDoesNot();
    void secondDisplayBringsTheShownOneToTheFront();
    void ampersandMarksTheNextCharacter();
    void fieldTextsDropALoneLeadByte_data();
    void fieldTextsDropALoneLeadByte();
};

void HighScoreFormTest::layoutFollowsTheBitmaps_data() {
    QTest::addColumn<QSize>("board");
    QTest::addColumn<QSize>("okUp");
    QTest::addColumn<QRect>("closePicture");
    QTest::newRow("the real pictures") << QSize(240, 320) << QSize(60, 25) << QRect(90, 270, 60, 25);
    // The picture is centred as if 60 wide, whatever the bitmap's width.
    QTest::newRow("odd sizes") << QSize(241, 300) << QSize(80, 30) << QRect(90, 250, 80, 30);
}

void HighScoreFormTest::layoutFollowsTheBitmaps() {
    QFETCH(QSize, board);
    QFETCH(QSize, okUp);
    QFETCH(QRect, closePicture);
    TSharedBitmaps bitmaps = MakeBitmaps();
    bitmaps.HighScoreBitmap = QPixmap(board);
    bitmaps.HighScoreBitmap.fill(Qt::cyan);
    bitmaps.OkUpBitmap = QPixmap(okUp);
    bitmaps.OkUpBitmap.fill(Qt::blue);
    THighScoreForm form(bitmaps);
    QCOMPARE(form.size(), board);
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    auto* close = form.findChild<TClosePicture*>("CloseImage");
    QVERIFY(close);
    QCOMPARE(close->geometry(), closePicture);
    QVERIFY(SamePicture(close->Picture(), bitmaps.OkUpBitmap));
    auto* image = form.findChild<QLabel*>("ScoreImage");
    QVERIFY(image);
    QCOMPARE(image->geometry(), QRect(QPoint(0, 0), board));
}

void HighScoreFormTest::displayShowsThirtyLabelsAtTheirPlacesAndFreesThem() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    THighScoreForm form(bitmaps);
    const THighScores table = NumberedTable();
    bool checked = false;
    WhenModal([&](QWidget* modal) {
        QCOMPARE(modal, &form);
        QVERIFY(form.IsShowing());
        const QList<TMnemonicLabel*> labels = form.findChildren<TMnemonicLabel*>();
        QCOMPARE(labels.size(), 30);
        QCOMPARE(form.DisplayLabels().size(), 30);
        for (int row = 0; row < 10; ++row) {
            const QString texts[3] = {QString::fromStdString(table[row].Name.Str()),
                                      QString::fromStdString(table[row].Date.Str()),
                                      QString::fromStdString(table[row].Score.Str())};
            for (int column = 0; column < 3; ++column) {
                TMnemonicLabel* label = form.DisplayLabels()[row * 3 + column];
                QCOMPARE(label->pos(), QPoint(36 + 80 * column, 50 + 20 * row));
                QCOMPARE(label->Caption(), texts[column]);
                QVERIFY(label->isVisible());
                QVERIFY(!label->autoFillBackground());
                QCOMPARE(label->size(), label->sizeHint());
            }
        }
        checked = true;
        form.findChild<QAbstractButton*>("OKButton")->click();
    });
    QCOMPARE(form.ShowTable(table), 1);
    QVERIFY(checked);
    QVERIFY(!form.IsShowing());
    QVERIFY(!form.isVisible());
    QVERIFY(form.findChildren<TMnemonicLabel*>().isEmpty());
    QVERIFY(form.DisplayLabels().isEmpty());
}

void HighScoreFormTest::labelsUseTheWindowsFontAtEightPoints() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    THighScoreForm form(bitmaps);
    WhenModal([&](QWidget*) {
        for (TMnemonicLabel* label : form.DisplayLabels()) {
            QCOMPARE(label->font().pointSize(), 8);
            QCOMPARE(label->font().families(), form.font().families());
            QCOMPARE(label->palette().color(QPalette::WindowText),
                     form.palette().color(QPalette::WindowText));
        }
        form.done(1);
    });
    form.ShowTable(TableOfPlaceholders());
}

void HighScoreFormTest::closePictureClosesOnlyOnALeftClickInside() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    THighScoreForm form(bitmaps);
    auto* close = form.findChild<TClosePicture*>("CloseImage");
    QStringList seen;
    WhenModal([&](QWidget*) {
        QTest::mousePress(close, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(close, Qt::RightButton, {}, QPoint(5, 5));
        seen << (SamePicture(close->Picture(), bitmaps.OkUpBitmap) ? "right: up" : "right: changed");
        QTest::mousePress(close, Qt::LeftButton, {}, QPoint(5, 5));
        seen << (SamePicture(close->Picture(), bitmaps.OkDownBitmap) ? "held: down" : "held: other");
        QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(-20, 5));
        seen << (SamePicture(close->Picture(), bitmaps.OkUpBitmap) ? "outside: up" : "outside: other");
        seen << (form.isVisible() ? "still open" : "closed");
        QTest::mousePress(close, Qt::LeftButton, {}, QPoint(30, 12));
        QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(30, 12));
    });
    QCOMPARE(form.ShowTable(TableOfPlaceholders()), 1);
    QCOMPARE(seen, QStringList({"right: up", "held: down", "outside: up", "still open"}));
    QVERIFY(SamePicture(close->Picture(), bitmaps.OkUpBitmap));
}

void HighScoreFormTest::escapeOrEnterClosesButAStrayReleaseDoesNot() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    THighScoreForm form(bitmaps);
    auto* close = form.findChild<TClosePicture*>("CloseImage");
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        bool strayIgnored = false;
        bool downWhileHeld = false;
        WhenModal([&](QWidget*) {
            // The release of the Enter that confirmed the name dialog.
            QTest::keyRelease(&form, Qt::Key_Return);
            strayIgnored = form.isVisible();
            QTest::keyPress(&form, key);
            downWhileHeld = form.isVisible() && SamePicture(close->Picture(), bitmaps.OkDownBitmap);
            QTest::keyRelease(&form, key);
        });
        QCOMPARE(form.ShowTable(TableOfPlaceholders()), 1);
        QVERIFY(strayIgnored);
        QVERIFY(downWhileHeld);
        QVERIFY(SamePicture(close->Picture(), bitmaps.OkUpBitmap));
    }
}

void HighScoreFormTest::secondDisplayBringsTheShownOneToTheFront() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    THighScoreForm form(bitmaps);
    THighScores later = TableOfPlaceholders();
    later[0].Name.Assign("newcomer");
    later[0].Score.Assign("7");
    int nestedResult = -1;
    QString topName;
    int labelCount = 0;
    WhenModal([&](QWidget*) {
        nestedResult = form.ShowTable(later);  // must return at once
        topName = form.DisplayLabels()[0]->Caption();
        labelCount = form.findChildren<TMnemonicLabel*>().size();
        form.done(1);
    });
    QCOMPARE(form.ShowTable(TableOfPlaceholders()), 1);
    QCOMPARE(nestedResult, 0);
    QCOMPARE(topName, QString("newcomer"));
    QCOMPARE(labelCount, 30);
    QVERIFY(form.findChildren<TMnemonicLabel*>().isEmpty());
}

void HighScoreFormTest::ampersandMarksTheNextCharacter() {
    // "&&" draws exactly what a plain "&" draws; "&x" is x underlined, as wide as x.
    QWidget parent;
    parent.resize(200, 40);
    parent.setFont(QFont(parent.font().family(), 12));
    TMnemonicLabel doubled(&parent);
    doubled.SetCaption("A&&B");
    QImage expected(doubled.size(), QImage::Format_RGB32);
    expected.fill(parent.palette().color(QPalette::Window));
    {
        QPainter painter(&expected);
        painter.setFont(doubled.font());
        painter.setPen(parent.palette().color(QPalette::WindowText));
        painter.drawText(expected.rect(), Qt::AlignLeft | Qt::AlignTop, "A&B");
    }
    QCOMPARE(doubled.size(), QFontMetrics(doubled.font()).size(0, "A&B"));
    QCOMPARE(Render(&doubled), expected);

    TMnemonicLabel marked(&parent);
    marked.SetCaption("&x");
    TMnemonicLabel plain(&parent);
    plain.SetCaption("x");
    QCOMPARE(marked.size().width(), plain.size().width());
    QVERIFY(Render(&marked) != Render(&plain));
}

void HighScoreFormTest::fieldTextsDropALoneLeadByte_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole characters") << QByteArray("\xD8\xFD\xC3\xFB") << QString("佚名");
    QTest::newRow("cut inside the second") << QByteArray("\xD8\xFD\xC3") << QString("佚");
    QTest::newRow("ascii then a lone lead") << QByteArray("abcdefg\xC3") << QString("abcdefg");
    // 0x81 is both a lead and a trail byte: the pair is a character, the last one is alone.
    QTest::newRow("trail in the lead range") << QByteArray("\x81\x81\x81")
                                             << QString::fromUtf8("\xE4\xBA\x96");
    QTest::newRow("plain ascii") << QByteArray("--") << QString("--");
    QTest::newRow("empty") << QByteArray() << QString();
}

void HighScoreFormTest::fieldTextsDropALoneLeadByte() {
    QFETCH(QByteArray, field);
    QFETCH(QString, shown);
    QCOMPARE(QStringFromCp936Field(std::string_view(field.constData(), field.size())), shown);
}

QTEST_MAIN(HighScoreFormTest)
#include "tst_highscore_form.moc"
