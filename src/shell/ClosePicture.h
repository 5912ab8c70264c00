// The Close picture of the About and leaderboard windows and the keys that
// stand for it. A left press shows the pressed picture; a left release over
// the picture clicks the window's hidden OK button first and shows the raised
// picture after, so the window always opens again with the raised picture.
#pragma once

#include <QObject>
#include <QPixmap>

#include "PictureControl.h"

class QAbstractButton;
class QDialog;
class QKeyEvent;

class TClosePicture : public TPictureControl {
    Q_OBJECT
public:
    TClosePicture(const QPixmap& up, const QPixmap& down, QAbstractButton* okButton,
                  QWidget* parent);

    // Escape, Enter and Return on `watched` act like a left click on the
    // picture: pressed picture on the key press, raised picture and the OK
    // button on the release. A release whose press went elsewhere (the Enter
    // that confirmed the name dialog) does nothing.
    void TakeKeysOf(QObject* watched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(const QKeyEvent* key, bool press);

    QPixmap up_;
    QPixmap down_;
    QAbstractButton* okButton_;
    int keyHeld_ = 0;  // the closing key whose press was seen, 0 when none
};

// A hidden push button "OK" whose click ends the modal showing with result 1.
QAbstractButton* MakeHiddenOkButton(QDialog* dialog);
