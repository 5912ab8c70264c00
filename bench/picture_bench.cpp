// Composing a full playfield frame (board, three rising rats, two struck
// rats, the mallet) against a plain copy of the board into the back buffer,
// with the game's own sheets. Report: ComposeFullFrame / CopyBackground.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "AssetFiles.h"
#include "BoardLayout.h"
#include "Playfield.h"

namespace {

using namespace burrowbop;

RgbBitmap Load(const char* name) {
    return assettest::ReadBmp(std::string(BURROWBOP_ASSET_DIR) + "/res/" + name + ".bmp").Picture;
}

struct Fixture {
    RgbBitmap Background = Load("BACKGROUND");
    RgbBitmap Sprite = Load("SPRITE");
    RgbBitmap Mask = Load("MASK");
    RgbBitmap Cutout = MakeCutout(Sprite, Mask);
    RgbBitmap Buffer{kBoardWidth, kBoardHeight};
    TBurrows Burrows{};
    Fixture() {
        const int frames[3][3] = {{3, 0, 13}, {0, 1, 0}, {5, 14, 0}};  // three rising, two struck
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) {
                Burrows[size_t(r)][size_t(c)] = {kBurrowPositions[size_t(r)][size_t(c)].X,
                                                  kBurrowPositions[size_t(r)][size_t(c)].Y, frames[r][c], 1};
            }
        }
    }
};

void CopyBackground(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        std::copy(f.Background.Pixels.begin(), f.Background.Pixels.end(), f.Buffer.Pixels.begin());
        benchmark::DoNotOptimize(f.Buffer.Pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyBackground);

// The striking mallet over the middle burrow.
void Compose(benchmark::State& state, bool withCutout) {
    Fixture f;
    const PlayfieldSheets sheets{&f.Background, &f.Sprite, &f.Mask, withCutout ? &f.Cutout : nullptr};
    const PlayfieldScene scene{&f.Burrows, &kRatFrameTable, true, 2, 203, 90};
    for (auto _ : state) {
        ComposePlayfield(f.Buffer, sheets, scene);
        benchmark::DoNotOptimize(f.Buffer.Pixels.data());
        benchmark::ClobberMemory();
    }
}
void ComposeFullFrame(benchmark::State& state) { Compose(state, true); }
BENCHMARK(ComposeFullFrame);
// Without the cutout: every rectangle through both sheets.
void ComposeFullFrameTwoSheets(benchmark::State& state) { Compose(state, false); }
BENCHMARK(ComposeFullFrameTwoSheets);

}  // namespace

BENCHMARK_MAIN();
