#include "GamePixelInput.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <cmath>

QPointF GamePixel(const QPointF& point) {
    return {std::floor(point.x()), std::floor(point.y())};
}

TGamePixelInput::TGamePixelInput(QObject* parent) : QObject(parent) {
    if (parent) parent->installEventFilter(this);
}

namespace {

bool IsMouseEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

}  // namespace

bool TGamePixelInput::eventFilter(QObject* watched, QEvent* event) {
    // Only the window's copy of the event still has the fraction; the
    // widgets get it from there, already rounded.
    if (!IsMouseEvent(event->type()) || !watched->isWindowType()) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF local = GamePixel(mouse->position());
    const QPointF global = GamePixel(mouse->globalPosition());
    if (local == mouse->position() && global == mouse->globalPosition()) return false;
    QMouseEvent whole(mouse->type(), local, GamePixel(mouse->scenePosition()), global,
                      mouse->button(), mouse->buttons(), mouse->modifiers(),
                      mouse->pointingDevice());
    whole.setTimestamp(mouse->timestamp());
    QCoreApplication::sendEvent(watched, &whole);
    mouse->setAccepted(whole.isAccepted());
    return true;
}
