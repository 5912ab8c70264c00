// The program against plain Qt programs, side by side under one Xvfb:
//   start to the first playfield paint   vs a bare 437 x 284 window,
//   CPU time over ten seconds of a game  vs repainting a 437 x 284 image
//   (start-up excluded; it is measured      every 40 ms,
//   by the first comparison)
//   peak memory of that game             vs the bare window.
// Each is reported as a ratio (aim: under 1.5). Every measurement runs in a
// child process of this program (re-invoked with --child=KIND), so that
// start-up, CPU time and peak memory are each the process's own.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Program.h"

namespace {

constexpr int kGameSeconds = 10;
std::string self;  // this program's path, for the children

int64_t NowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// --- children ------------------------------------------------------------------

// Reports the time since `startNs` when `widget` has had its first paint, then
// ends the process at once.
struct FirstPaint : QObject {
    int64_t startNs;
    explicit FirstPaint(int64_t start) : startNs(start) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [this] {
                std::printf("%lld\n", static_cast<long long>(NowNs() - startNs));
                std::fflush(stdout);
                _exit(0);
            });
        return false;
    }
};

double CpuSecondsOfSelf() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec / 1e6;
}

// Measures the CPU time of the next ten seconds of the running program,
// start-up excluded, prints it in nanoseconds and ends the process.
void ReportCpuOfTheNextTenSeconds() {
    const double start = CpuSecondsOfSelf();
    QTimer::singleShot(kGameSeconds * 1000, [start] {
        std::printf("%lld\n", static_cast<long long>((CpuSecondsOfSelf() - start) * 1e9));
        std::fflush(stdout);
        _exit(0);
    });
}

class ImageWindow : public QWidget {
public:
    QImage image{437, 284, QImage::Format_RGB32};
    ImageWindow() {
        setFixedSize(image.size());
        image.fill(Qt::darkGreen);
    }
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image); }
};

int RunChild(const std::string& kind, int64_t startNs, int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    FirstPaint firstPaint(startNs);
    if (kind == "bare") {
        QWidget window;
        window.setFixedSize(437, 284);
        window.installEventFilter(&firstPaint);
        window.show();
        return app.exec();
    }
    if (kind == "repaint") {
        ImageWindow window;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &window, [&] { window.update(); });
        timer.start(40);
        window.show();
        QTimer::singleShot(0, [] { ReportCpuOfTheNextTenSeconds(); });
        return app.exec();
    }
    TProgram program(TMainFormOptions{dir.filePath("rat.ini").toStdString()});
    if (kind == "game-start") {
        program.MainForm->installEventFilter(&firstPaint);
    } else {
        QTimer::singleShot(0, [&] {
            program.MainForm->RatMenu.cmNewGame.Click();
            ReportCpuOfTheNextTenSeconds();
        });
    }
    program.MainForm->show();
    return app.exec();
}

// --- the driver ----------------------------------------------------------------

struct ChildResult {
    double reportedMs = 0;  // what the child printed
    double cpuSeconds = 0;
    double peakKiB = 0;
};

ChildResult RunChildProcess(const char* kind) {
    int out[2];
    if (pipe(out) != 0) std::abort();
    const int64_t start = NowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        close(out[0]);
        const std::string kindArg = std::string("--child=") + kind;
        const std::string startArg = std::to_string(start);
        execl(self.c_str(), self.c_str(), kindArg.c_str(), startArg.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    ChildResult result;
    result.reportedMs = text.empty() ? 0 : std::stod(text) / 1e6;
    result.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                        usage.ru_stime.tv_usec / 1e6;
    result.peakKiB = static_cast<double>(usage.ru_maxrss);
    return result;
}

void BM_StartToFirstPaint(benchmark::State& state) {
    double game = 0, bare = 0, gameKiB = 0, bareKiB = 0;
    for (auto _ : state) {
        const ChildResult b = RunChildProcess("bare");
        const ChildResult g = RunChildProcess("game-start");
        bare += b.reportedMs;
        game += g.reportedMs;
        bareKiB = std::max(bareKiB, b.peakKiB);
        gameKiB = std::max(gameKiB, g.peakKiB);
        state.SetIterationTime(g.reportedMs / 1000);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["game_ms"] = game / n;
    state.counters["bare_ms"] = bare / n;
    state.counters["ratio"] = game / bare;
    state.counters["start_peak_ratio"] = gameKiB / bareKiB;
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_TenSecondsOfAGame(benchmark::State& state) {
    for (auto _ : state) {
        const ChildResult base = RunChildProcess("repaint");
        const ChildResult game = RunChildProcess("game-run");
        const ChildResult bare = RunChildProcess("bare");
        // reportedMs carries the CPU time of the ten seconds, in ms.
        state.SetIterationTime(game.reportedMs / 1000);
        state.counters["game_cpu_s"] = game.reportedMs / 1000;
        state.counters["repaint_cpu_s"] = base.reportedMs / 1000;
        state.counters["cpu_ratio"] = game.reportedMs / base.reportedMs;
        // The whole processes, start-up included.
        state.counters["process_cpu_ratio"] = game.cpuSeconds / base.cpuSeconds;
        state.counters["game_peak_MiB"] = game.peakKiB / 1024;
        state.counters["bare_peak_MiB"] = bare.peakKiB / 1024;
        state.counters["peak_memory_ratio"] = game.peakKiB / bare.peakKiB;
    }
}
BENCHMARK(BM_TenSecondsOfAGame)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

// An X server of our own for the children, on a free display.
pid_t StartXvfb() {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string display;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') display += c;
    close(fds[0]);
    if (display.empty()) return -1;
    setenv("DISPLAY", (":" + display).c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    return pid;
}

}  // namespace

int main(int argc, char** argv) {
    self = argv[0];
    if (argc >= 3 && std::string(argv[1]).rfind("--child=", 0) == 0)
        return RunChild(std::string(argv[1]).substr(8), std::stoll(argv[2]), 1, argv);
    const pid_t xvfb = StartXvfb();
    if (xvfb < 0) {
        std::fprintf(stderr, "shell_bench: could not start Xvfb\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return 0;
}
