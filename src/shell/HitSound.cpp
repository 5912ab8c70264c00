#include "HitSound.h"

#include <QSoundEffect>
#include <QUrl>

THitSound::THitSound(QObject* parent) : QObject(parent), effect_(new QSoundEffect(this)) {
    // QSoundEffect needs the qrc: URL form; ":/HIT.wav" gives status Error.
    effect_->setSource(QUrl(QStringLiteral("qrc:/HIT.wav")));
}

void THitSound::Play() {
    ++starts_;
    effect_->stop();
    effect_->play();
}
