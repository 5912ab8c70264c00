// Small helpers for the window tests of the dialogs and the menu.
#pragma once

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "SharedBitmaps.h"

namespace dialogtest {

// Plain pictures of the real sizes; each a colour of its own so that a test
// can tell which one a control shows.
inline TSharedBitmaps MakeBitmaps() {
    auto filled = [](int w, int h, QColor color) {
        QPixmap pixmap(w, h);
        pixmap.fill(color);
        return pixmap;
    };
    TSharedBitmaps bitmaps;
    bitmaps.AboutBitmap = filled(320, 180, QColor(40, 40, 60));
    bitmaps.HighScoreBitmap = filled(240, 320, QColor(170, 210, 240));
    bitmaps.OkUpBitmap = filled(60, 25, QColor(20, 30, 120));
    bitmaps.OkDownBitmap = filled(60, 25, QColor(200, 200, 0));
    return bitmaps;
}

inline bool SamePicture(const QPixmap& a, const QPixmap& b) {
    return a.toImage().convertToFormat(QImage::Format_RGB32) ==
           b.toImage().convertToFormat(QImage::Format_RGB32);
}

// Runs `action` on the active modal window once it is shown; gives up after
// about five seconds so that a broken dialog fails the test instead of
// hanging it.
inline void WhenModal(std::function<void(QWidget*)> action, int triesLeft = 500) {
    QTimer::singleShot(10, qApp, [action = std::move(action), triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            QPointer<QWidget> shown(modal);
            action(modal);
            // A failed check returns from `action` early: end the window so
            // that the test reports instead of waiting forever.
            if (QTest::currentTestFailed() && shown && shown->isVisible()) shown->close();
        } else if (triesLeft > 0) {
            WhenModal(std::move(action), triesLeft - 1);
        } else if (QWidget* stuck = QApplication::activeModalWidget()) {
            stuck->close();
        }
    });
}

}  // namespace dialogtest
