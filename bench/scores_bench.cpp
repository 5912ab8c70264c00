// Loading and saving the score file grow linearly with its size: load and
// save of generated files of 1 MiB and 10 MiB, whose ten table sections lie
// among many unknown ones. Prints the ratio 10 MiB / 1 MiB of each; linear
// growth gives about 10.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "HighScoreTable.h"

namespace {

namespace fs = std::filesystem;
constexpr std::size_t kMiB = 1 << 20;

std::string GeneratedFile(std::size_t bytes) {
    std::string text = "; generated\r\n";
    const std::size_t tableEvery = bytes / 10;
    int next = 0;
    for (int unknown = 0; text.size() < bytes; ++unknown) {
        if (next < 10 && text.size() >= next * tableEvery) {
            text += "[" + std::to_string(next) + "]\r\nName=Player" + std::to_string(next) +
                    "\r\nDate=2025/06/07\r\nScore=" + std::to_string(90 - next) + "\r\n";
            ++next;
        }
        text += "[Other" + std::to_string(unknown) + "]\r\nColour=blue\r\nVolume = 7\r\n; note\r\n\r\n";
    }
    return text;
}

std::string FileOfSize(std::size_t mebibytes) {
    static const fs::path dir = [] {
        std::string pattern = (fs::temp_directory_path() / "burrowbop-bench-XXXXXX").string();
        return fs::path(mkdtemp(pattern.data()));
    }();
    fs::path path = dir / ("rat-" + std::to_string(mebibytes) + ".ini");
    if (!fs::exists(path)) std::ofstream(path, std::ios::binary) << GeneratedFile(mebibytes * kMiB);
    return path.string();
}

void BM_Load(benchmark::State& state) {
    std::string path = FileOfSize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        burrowbop::ScoreFile file(path);
        burrowbop::HighScoreTable table;
        table.LoadHighScores(file);
        benchmark::DoNotOptimize(table.HighScores);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(path)));
}

void BM_Save(benchmark::State& state) {
    std::string path = FileOfSize(static_cast<std::size_t>(state.range(0)));
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        burrowbop::ScoreFile file(path);
        burrowbop::HighScoreTable table;
        table.LoadHighScores(file);
        table.HighScores[5].Name.Assign(++round % 2 ? "Odd" : "Even");  // a real change each time
        state.ResumeTiming();
        table.SaveHighScores(file);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(path)));
}

BENCHMARK(BM_Load)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// Collects the time per iteration of each run to print the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* name : {"BM_Load", "BM_Save"}) {
        auto small = reporter.times.find(std::string(name) + "/1");
        auto large = reporter.times.find(std::string(name) + "/10");
        if (small != reporter.times.end() && large != reporter.times.end())
            std::printf("%s 10 MiB / 1 MiB: %.2f (linear growth gives about 10)\n", name, large->second / small->second);
    }
    std::error_code ignored;
    fs::remove_all(fs::path(FileOfSize(1)).parent_path(), ignored);
    benchmark::Shutdown();
}
