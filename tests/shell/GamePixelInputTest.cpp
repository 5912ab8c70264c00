// On a scaled screen a window receives mouse positions in fractions of a
// game pixel; the widgets must see the game pixel under the pointer, not the
// nearest one.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "GamePixelInput.h"

namespace {

struct Recorder : QWidget {
    using QWidget::QWidget;
    QString name;
    QStringList* log = nullptr;
    void mousePressEvent(QMouseEvent* e) override { Record("press", e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Record("release", e); }
    void mouseMoveEvent(QMouseEvent* e) override { Record("move", e); }
    void Record(const char* what, QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        const QPoint g = e->globalPosition().toPoint();
        *log << QStringLiteral("%1 %2 %3,%4 global %5,%6")
                    .arg(name, what).arg(p.x()).arg(p.y()).arg(g.x()).arg(g.y());
    }
};

// A 60 x 40 window at (100, 50) with a 20 x 20 control at (10, 10).
struct Scene {
    QStringList log;
    Recorder window;
    Recorder control{&window};
    Scene() {
        window.name = "window";
        control.name = "control";
        window.log = control.log = &log;
        window.setGeometry(100, 50, 60, 40);
        control.setGeometry(10, 10, 20, 20);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void Send(QEvent::Type type, QPointF local, Qt::MouseButtons buttons) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, local, local, local + QPointF(100, 50), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(window.windowHandle(), &e);
    }
};

}  // namespace

TEST(GamePixelInput, PressesLandOnTheGamePixelUnderThePointer) {
    struct Case {
        QPointF at;  // in the window, as a scaled screen reports it
        QString expected;
    } cases[] = {
        // The right half of the control's last column is still the control.
        {{29.5, 15.5}, "control press 19,5 global 129,65"},
        {{10.0, 10.0}, "control press 0,0 global 110,60"},
        {{10.5, 29.5}, "control press 0,19 global 110,79"},
        // The right half of the pixel left of the control is not the control.
        {{9.5, 12.0}, "window press 9,12 global 109,62"},
        {{30.0, 12.0}, "window press 30,12 global 130,62"},
    };
    TGamePixelInput filter(QCoreApplication::instance());
    for (const Case& c : cases) {
        Scene scene;
        scene.Send(QEvent::MouseButtonPress, c.at, Qt::LeftButton);
        scene.Send(QEvent::MouseButtonRelease, c.at, Qt::NoButton);
        ASSERT_FALSE(scene.log.isEmpty()) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(scene.log.first().toStdString(), c.expected.toStdString()) << c.at.x() << "," << c.at.y();
    }
}

TEST(GamePixelInput, MovesAndReleaseOfAGrabbedPressKeepWholePixelsOutsideToo) {
    TGamePixelInput filter(QCoreApplication::instance());
    Scene scene;
    scene.Send(QEvent::MouseButtonPress, {12.5, 12.5}, Qt::LeftButton);
    scene.Send(QEvent::MouseMove, {-0.5, 35.5}, Qt::LeftButton);
    scene.Send(QEvent::MouseButtonRelease, {-0.5, 35.5}, Qt::NoButton);
    // The press grabbed the mouse for the control: it gets everything, and
    // half a pixel left of the window is pixel -1, not 0.
    EXPECT_EQ(scene.log.join(" / ").toStdString(), (QStringList{"control press 2,2 global 112,62",
                                      "control move -11,25 global 99,85",
                                      "control release -11,25 global 99,85"}.join(" / ").toStdString()));
}
