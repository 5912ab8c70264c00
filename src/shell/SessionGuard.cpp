#include "SessionGuard.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a descriptor; the event loop reads it.
int signalPipe[2] = {-1, -1};
std::function<void()> exitSave;

void OnUnixSignal(int) {
    const char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(signalPipe[0], &byte, 1);
}

void SaveAtExit() {
    if (exitSave) exitSave();
}

}  // namespace

TSessionGuard::TSessionGuard(std::function<void()> closeProgram, std::function<void()> saveNow,
                             QObject* parent)
    : QObject(parent), closeProgram_(std::move(closeProgram)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &TSessionGuard::OnSignal);
        struct sigaction action {};
        action.sa_handler = OnUnixSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
    }
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [saveNow](QSessionManager&) { saveNow(); }, Qt::DirectConnection);
    static bool registered = false;
    exitSave = saveNow;
    if (!registered) registered = std::atexit(SaveAtExit) == 0;
}

TSessionGuard::~TSessionGuard() {
    exitSave = nullptr;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, SIG_DFL);
    delete notifier_;
    for (int& fd : signalPipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

void TSessionGuard::OnSignal() {
    char byte;
    [[maybe_unused]] ssize_t got = ::read(signalPipe[1], &byte, 1);
    closeProgram_();
}
