#include "PictureControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

TPictureControl::TPictureControl(QWidget* parent) : QWidget(parent) {
    // Moves without a button held must reach the control too (hover pictures).
    setMouseTracking(true);
}

void TPictureControl::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TPictureControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void TPictureControl::mousePressEvent(QMouseEvent* event) {
    // Qt grabs the mouse for the pressed widget, which is the capture we need.
    if (event->button() == Qt::LeftButton) clickPending_ = true;
    emit MouseDown(event->button(), event->position().toPoint());
}

void TPictureControl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press whose release never clicks.
    if (event->button() == Qt::LeftButton) clickPending_ = false;
    emit MouseDown(event->button(), event->position().toPoint());
}

void TPictureControl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    if (button == Qt::LeftButton) {
        const bool clicks = clickPending_ && rect().contains(position);
        clickPending_ = false;
        if (clicks) {
            // The click may close or hide the window; stop if it took us along.
            QPointer<TPictureControl> self(this);
            emit Click();
            if (!self) return;
        }
    }
    emit MouseUp(button, position);
}

void TPictureControl::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->position().toPoint());
}
