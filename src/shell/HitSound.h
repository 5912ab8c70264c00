// The hit sound, played from the embedded wave without blocking; starting it
// while it plays cuts it off and starts it from the beginning.
#pragma once

#include <QObject>

class QSoundEffect;

class THitSound : public QObject {
    Q_OBJECT
public:
    explicit THitSound(QObject* parent = nullptr);
    void Play();
    // How often Play has been called, for the window tests.
    int Starts() const { return starts_; }

private:
    QSoundEffect* effect_;
    int starts_ = 0;
};
