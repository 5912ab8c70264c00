#include "MnemonicLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace {
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
}

TMnemonicLabel::TMnemonicLabel(QWidget* parent) : QWidget(parent) {
    // The picture beneath shows through: nothing but the text is drawn.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TMnemonicLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    resize(sizeHint());
    update();
}

QSize TMnemonicLabel::sizeHint() const {
    return fontMetrics().size(kTextFlags, caption_);
}

void TMnemonicLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, rect(), kTextFlags, palette(), isEnabled(), caption_,
                          QPalette::WindowText);
}

void TMnemonicLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) resize(sizeHint());
    QWidget::changeEvent(event);
}
