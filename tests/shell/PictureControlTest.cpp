// The picture control's mouse rules, driven through the window so that Qt's
// own mouse grab takes part.
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <ostream>

#include "PictureControl.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QStringList& list, std::ostream* out) { *out << list.join(", ").toStdString(); }
QT_END_NAMESPACE

namespace {

// Two controls side by side in one window; every signal is logged.
struct TwoControls {
    QWidget window;
    TPictureControl a{&window};
    TPictureControl b{&window};
    QStringList log;
    bool logMoves = false;  // QTest adds moves of its own before a press

    TwoControls() {
        window.resize(100, 40);
        a.setGeometry(0, 0, 30, 25);
        b.setGeometry(50, 0, 30, 25);
        Record(a, "A");
        Record(b, "B");
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void Record(TPictureControl& c, const QString& name) {
        QObject::connect(&c, &TPictureControl::MouseDown, [this, name](Qt::MouseButton button, QPoint) {
            log << name + (button == Qt::LeftButton ? " down" : " other down");
        });
        QObject::connect(&c, &TPictureControl::MouseUp, [this, name](Qt::MouseButton button, QPoint) {
            log << name + (button == Qt::LeftButton ? " up" : " other up");
        });
        QObject::connect(&c, &TPictureControl::MouseMove, [this, name](QPoint) {
            if (logMoves) log << name + " move";
        });
        QObject::connect(&c, &TPictureControl::Click, [this, name] { log << name + " click"; });
    }
    QWindow* Handle() { return window.windowHandle(); }
};

}  // namespace

TEST(PictureControl, ClickComesBeforeTheReleaseOnlyInside) {
    struct Case {
        QPoint release;
        QStringList expected;
    } cases[] = {
        {{10, 10}, {"A down", "A click", "A up"}},
        {{40, 10}, {"A down", "A up"}},
    };
    for (const Case& c : cases) {
        TwoControls w;
        QTest::mousePress(w.Handle(), Qt::LeftButton, {}, {10, 10});
        if (c.release != QPoint(10, 10)) QTest::mouseMove(w.Handle(), c.release);
        QTest::mouseRelease(w.Handle(), Qt::LeftButton, {}, c.release);
        EXPECT_EQ(w.log, c.expected);
    }
}

TEST(PictureControl, APressCapturesTheMouse) {
    // Held over B, the moves and the release still go to A; B sees nothing.
    TwoControls w;
    QTest::mousePress(w.Handle(), Qt::LeftButton, {}, {10, 10});
    w.logMoves = true;
    QTest::mouseMove(w.Handle(), {60, 10});
    QTest::mouseRelease(w.Handle(), Qt::LeftButton, {}, {60, 10});
    EXPECT_EQ(w.log, (QStringList{"A down", "A move", "A up"}));
}

TEST(PictureControl, OtherButtonsNeverClick) {
    TwoControls w;
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(w.Handle(), button, {}, {10, 10});
    }
    EXPECT_EQ(w.log, (QStringList{"A other down", "A other up", "A other down", "A other up"}));
}

TEST(PictureControl, SecondPressOfADoubleClickIsAPressWithoutClick) {
    TwoControls w;
    QTest::mouseDClick(w.Handle(), Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(w.log.count("A click"), 1) << w.log.join(", ").toStdString();
    EXPECT_EQ(w.log.count("A down"), 2);
    EXPECT_EQ(w.log.count("A up"), 2);
}

TEST(PictureControl, KeepsItsOwnCopyOfThePicture) {
    TPictureControl control;
    QPixmap picture(4, 4);
    picture.fill(Qt::red);
    control.SetPicture(picture);
    picture.fill(Qt::blue);
    EXPECT_EQ(control.Picture().toImage().pixelColor(0, 0), QColor(Qt::red));
}
