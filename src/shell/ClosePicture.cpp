#include "ClosePicture.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace {

bool IsClosingKey(int key) {
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TClosePicture::TClosePicture(const QPixmap& up, const QPixmap& down,
                             QAbstractButton* okButton, QWidget* parent)
    : TPictureControl(parent), up_(up), down_(down), okButton_(okButton) {
    resize(up.size());
    SetPicture(up_);
    connect(this, &TPictureControl::MouseDown, this, [this](Qt::MouseButton button, QPoint) {
        if (button == Qt::LeftButton) SetPicture(down_);
    });
    connect(this, &TPictureControl::MouseUp, this, [this](Qt::MouseButton button, QPoint) {
        if (button == Qt::LeftButton) SetPicture(up_);
    });
    connect(this, &TPictureControl::Click, okButton_, &QAbstractButton::click);
}

void TClosePicture::TakeKeysOf(QObject* watched) { watched->installEventFilter(this); }

bool TClosePicture::eventFilter(QObject* watched, QEvent* event) {
    // A key still held when the window went away must not close its next showing.
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
        keyHeld_ = 0;
    if (event->type() == QEvent::KeyPress)
        return HandleKey(static_cast<QKeyEvent*>(event), true);
    if (event->type() == QEvent::KeyRelease)
        return HandleKey(static_cast<QKeyEvent*>(event), false);
    return TPictureControl::eventFilter(watched, event);
}

bool TClosePicture::HandleKey(const QKeyEvent* key, bool press) {
    if (!IsClosingKey(key->key())) return false;
    if (key->isAutoRepeat()) return true;
    if (press) {
        keyHeld_ = key->key();
        SetPicture(down_);
    } else if (keyHeld_ == key->key()) {
        keyHeld_ = 0;
        SetPicture(up_);
        okButton_->click();
    }
    return true;
}

QAbstractButton* MakeHiddenOkButton(QDialog* dialog) {
    auto* button = new QPushButton(QStringLiteral("OK"), dialog);
    button->setObjectName(QStringLiteral("OKButton"));
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    QObject::connect(button, &QAbstractButton::clicked, dialog, [dialog] { dialog->done(1); });
    return button;
}
