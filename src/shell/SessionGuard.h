// Saves the records when the program is ended from outside: SIGTERM, SIGINT
// and SIGHUP close the playfield as the Quit command does, the desktop
// session's end saves at once, and a process exit without a close (the X
// connection lost at logout) saves from an exit handler. The save callback
// decides whether anything is still unsaved, so the table is written once.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

class TSessionGuard : public QObject {
    Q_OBJECT
public:
    // `closeProgram` runs the normal close; `saveNow` writes the table if it
    // has not been written since it last changed.
    TSessionGuard(std::function<void()> closeProgram, std::function<void()> saveNow,
                  QObject* parent = nullptr);
    ~TSessionGuard() override;

private:
    void OnSignal();

    std::function<void()> closeProgram_;
    QSocketNotifier* notifier_ = nullptr;
};
