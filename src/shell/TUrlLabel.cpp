#include "TUrlLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>

TUrlLabel::TUrlLabel(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void TUrlLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    resize(sizeHint());
    update();
}

QSize TUrlLabel::sizeHint() const { return fontMetrics().size(Qt::TextSingleLine, caption_); }

void TUrlLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont underlined = font();
    underlined.setUnderline(true);  // whatever font the window gives it
    painter.setFont(underlined);
    painter.setPen(TextColor());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

void TUrlLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool clicked = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (!clicked || !QDesktopServices::openUrl(url_)) return;
    visited_ = true;
    update();
    emit Opened();
}
