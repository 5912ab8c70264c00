// Small helpers for the window tests of the dialogs and the menu.
#pragma once

#include <QApplication>
#include <QDialog>
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

// The dialog that a modal showing runs now: the shown dialog that has the
// keyboard (offscreen, the last window shown is the active one).
inline QDialog* ShownModalDialog() {
    if (auto* active = qobject_cast<QDialog*>(QApplication::activeWindow()))
        if (active->isVisible()) return active;
    return nullptr;
}

// Closes `dialog` if this showing of it is still open after `ms`: a dialog
// that its test could not close ends, and the test fails on what it saw,
// instead of hanging.
inline void CloseIfStillShown(QDialog* dialog, int ms = 5000) {
    auto* watch = new QObject(dialog);
    QObject::connect(dialog, &QDialog::finished, watch, &QObject::deleteLater);
    QTimer::singleShot(ms, watch, [dialog, watch] {
        qWarning("a dialog was still open; closing it");
        dialog->reject();
        watch->deleteLater();
    });
}

// Runs `action` on the modal dialog once it is shown; gives up after about
// five seconds so that a broken dialog fails the test instead of hanging it.
inline void WhenModal(std::function<void(QWidget*)> action, int triesLeft = 500) {
    QTimer::singleShot(10, qApp, [action = std::move(action), triesLeft]() mutable {
        QDialog* modal = ShownModalDialog();
        if (modal) {
            CloseIfStillShown(modal);
            action(modal);
        } else if (triesLeft > 0) {
            WhenModal(std::move(action), triesLeft - 1);
        }
    });
}

}  // namespace dialogtest
