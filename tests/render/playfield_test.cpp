// The playfield picture: masked compositing clipped at every edge, the rat
// frames and mallet poses at their places, the order of the layers.
#include <gtest/gtest.h>

#include "BoardLayout.h"
#include "Playfield.h"

namespace {

using namespace burrowbop;

constexpr uint32_t kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBoard = 0xFF336699u;

// Sheets of the real size, empty: black sprite, white mask.
struct Sheets {
    RgbBitmap Background{kBoardWidth, kBoardHeight, kBoard};
    RgbBitmap Sprite{kSheetWidth, kSheetHeight, kBlack};
    RgbBitmap Mask{kSheetWidth, kSheetHeight, kWhite};
    PlayfieldSheets View() const { return {&Background, &Sprite, &Mask}; }
    void Picture(int x, int y, uint32_t colour) {
        Sprite.At(x, y) = colour;
        Mask.At(x, y) = kBlack;
    }
    void FillPicture(SheetRect r, uint32_t colour) {
        for (int y = r.Y; y < std::min(r.Y + r.Height, kSheetHeight); ++y) {
            for (int x = r.X; x < r.X + r.Width; ++x) Picture(x, y, colour);
        }
    }
};

// A 4 x 3 picture at (10, 10) with a hole at its second pixel, as frame 1.
TRatFrames SmallFrames() {
    TRatFrames f{};
    f[1] = {10, 10, 4, 3, 0, 0};
    return f;
}

uint32_t SmallPictureAt(int sx, int sy) {
    return (sx == 1 && sy == 0) ? 0 : 0xFF000000u | uint32_t(0x10 * (sx + 1)) << 16 | uint32_t(0x20 * (sy + 1));
}

Sheets SmallPictureSheets() {
    Sheets s;
    for (int sy = 0; sy < 3; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            if (SmallPictureAt(sx, sy)) s.Picture(10 + sx, 10 + sy, SmallPictureAt(sx, sy));
        }
    }
    return s;
}

TEST(MaskedCompositing, ClipsAtEveryEdgeOfTheBackBuffer) {
    const Sheets s = SmallPictureSheets();
    const TRatFrames frames = SmallFrames();
    const struct {
        const char* Where;
        int X, Y;
    } cases[] = {{"inside", 3, 2}, {"past the left", -2, 3}, {"past the right", 8, 3}, {"past the top", 3, -2},
                 {"past the bottom", 3, 6}, {"top left corner", -3, -2}, {"bottom right corner", 9, 7},
                 {"wholly outside", -4, 20}, {"wholly outside right", 10, 0}};
    for (const auto& c : cases) {
        RgbBitmap buffer(10, 8, kBoard);
        DrawRat(buffer, s.View(), frames, c.X, c.Y, 1);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x) {
                const int sx = x - c.X, sy = y - c.Y;
                const bool onPicture = sx >= 0 && sx < 4 && sy >= 0 && sy < 3 && SmallPictureAt(sx, sy);
                EXPECT_EQ(buffer.At(x, y), onPicture ? SmallPictureAt(sx, sy) : kBoard)
                    << c.Where << " at " << x << ", " << y;
            }
        }
    }
}

TEST(MaskedCompositing, AndsWithTheMaskThenXorsWithTheSprite) {
    Sheets s;
    // A white mask pixel under a coloured sprite pixel mixes the colours.
    s.Sprite.At(10, 10) = 0xFF0F0F0Fu;
    s.Mask.At(11, 10) = 0xFF00FF00u;
    s.Sprite.At(11, 10) = 0xFF000001u;
    TRatFrames f{};
    f[1] = {10, 10, 2, 1, 0, 0};
    RgbBitmap buffer(4, 1, 0xFF336699u);
    DrawRat(buffer, s.View(), f, 1, 0, 1);
    EXPECT_EQ(buffer.At(1, 0), 0xFF336699u ^ 0x000F0F0Fu);
    EXPECT_EQ(buffer.At(2, 0), 0xFF006601u);  // ((0x336699 & 0x00FF00) ^ 0x000001), opaque
    EXPECT_EQ(buffer.At(0, 0), 0xFF336699u);
}

TEST(DrawRat, FramesWithoutAPictureDrawNothing) {
    Sheets s;
    s.FillPicture({0, 0, kSheetWidth, kSheetHeight}, 0xFFFF0000u);
    for (int frame : {0, -1, 15, 16, 99}) {
        RgbBitmap buffer(kBoardWidth, kBoardHeight, kBoard);
        DrawRat(buffer, s.View(), kRatFrameTable, 100, 100, frame);
        EXPECT_EQ(buffer.Pixels, RgbBitmap(kBoardWidth, kBoardHeight, kBoard).Pixels) << "frame " << frame;
    }
}

TEST(DrawRat, PutsTheFramesPictureAtTheBurrowPlusItsOffset) {
    Sheets s;
    for (int f = 1; f <= 14; ++f) {
        const TRatFrame& r = kRatFrameTable[size_t(f)];
        s.Picture(r.SrcX + 1, r.SrcY + r.Height / 2, 0xFF000000u | uint32_t(f));
    }
    for (int f = 1; f <= 14; ++f) {
        const TRatFrame& r = kRatFrameTable[size_t(f)];
        RgbBitmap buffer(kBoardWidth, kBoardHeight, kBoard);
        DrawRat(buffer, s.View(), kRatFrameTable, 146, 126, f);
        EXPECT_EQ(buffer.At(146 + r.OffsetX + 1, 126 + r.OffsetY + r.Height / 2), 0xFF000000u | uint32_t(f))
            << "frame " << f;
    }
}

TEST(DrawMallet, ThePointerMarkLandsOnThePointerInEveryPose) {
    Sheets s;
    const uint32_t marks[3] = {0xFF0000AAu, 0xFF00AA00u, 0xFFAA0000u};
    for (int pose = 0; pose < 3; ++pose) {
        const SheetRect r = kMalletPoses[size_t(pose)];
        const int lift = pose == 1 ? kLoweredPoseLift : 0;
        s.Picture(r.X + kMalletPointerOffsetX, r.Y + kMalletPointerOffsetY + lift, marks[pose]);
    }
    const int pointerX = 200, pointerY = 150;
    for (uint8_t pose = 0; pose < 3; ++pose) {
        RgbBitmap buffer(kBoardWidth, kBoardHeight, kBoard);
        DrawMallet(buffer, s.View(), pose, pointerX - kMalletPointerOffsetX, pointerY - kMalletPointerOffsetY);
        EXPECT_EQ(buffer.At(pointerX, pointerY), marks[pose]) << "pose " << int(pose);
    }
}

TEST(DrawMallet, TheLoweredPoseIsDrawnSixPixelsHigher) {
    Sheets s;
    s.FillPicture(kMalletPoses[1], 0xFF00AA00u);
    RgbBitmap buffer(kBoardWidth, kBoardHeight, kBoard);
    DrawMallet(buffer, s.View(), 1, 100, 100);
    EXPECT_EQ(buffer.At(100, 94), 0xFF00AA00u);   // the pose's top row
    EXPECT_EQ(buffer.At(100, 93), kBoard);
    EXPECT_EQ(buffer.At(100, 157), 0xFF00AA00u);  // its bottom row, 64 rows down
    EXPECT_EQ(buffer.At(100, 158), kBoard);
}

TEST(DrawMallet, TheStrikingPosesRowsPastTheSheetAddNothing) {
    Sheets s;
    s.FillPicture(kMalletPoses[2], 0xFFAA0000u);  // fills up to the sheet's last row
    RgbBitmap buffer(kBoardWidth, kBoardHeight, kBoard);
    DrawMallet(buffer, s.View(), 2, 100, 100);
    const int sheetRows = kSheetHeight - kMalletPoses[2].Y;  // 61 of the 64 rows exist
    EXPECT_EQ(buffer.At(100, 100 + sheetRows - 1), 0xFFAA0000u);
    for (int y = 100 + sheetRows; y < 100 + kMalletPoses[2].Height + 2; ++y) EXPECT_EQ(buffer.At(100, y), kBoard) << y;
}

TEST(DrawMallet, NearEveryEdgeThePartOutsideIsClippedAndOtherStatesDrawNothing) {
    Sheets s;
    for (const SheetRect& r : kMalletPoses) s.FillPicture(r, 0xFF777777u);
    const struct {
        int X, Y;
    } corners[] = {{-80, -40}, {420, -40}, {-80, 260}, {420, 260}};
    for (uint8_t pose = 0; pose < 3; ++pose) {
        for (const auto& c : corners) {
            RgbBitmap buffer(kBoardWidth, kBoardHeight, kBoard);
            DrawMallet(buffer, s.View(), pose, c.X, c.Y);
            const int lift = pose == 1 ? kLoweredPoseLift : 0;
            const SheetRect r = kMalletPoses[pose];
            const int rows = std::min(r.Height, kSheetHeight - r.Y);
            int expected = 0;
            for (int y = c.Y - lift; y < c.Y - lift + rows; ++y) {
                for (int x = c.X; x < c.X + r.Width; ++x) expected += x >= 0 && y >= 0 && x < kBoardWidth && y < kBoardHeight;
            }
            EXPECT_EQ(std::count(buffer.Pixels.begin(), buffer.Pixels.end(), 0xFF777777u), expected)
                << "pose " << int(pose) << " at " << c.X << ", " << c.Y;
        }
    }
    RgbBitmap buffer(kBoardWidth, kBoardHeight, kBoard);
    DrawMallet(buffer, s.View(), 3, 100, 100);
    DrawMallet(buffer, s.View(), 255, 100, 100);
    EXPECT_EQ(std::count(buffer.Pixels.begin(), buffer.Pixels.end(), kBoard), long(buffer.Pixels.size()));
}

TBurrows EmptyBurrows() {
    TBurrows b{};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) b[size_t(r)][size_t(c)] = {kBurrowPositions[size_t(r)][size_t(c)].X, kBurrowPositions[size_t(r)][size_t(c)].Y, 0, 0};
    }
    return b;
}

TEST(ComposePlayfield, TheFrontRowCoversTheBackRow) {
    Sheets s;
    TRatFrames frames{};
    frames[1] = {0, 0, 20, 20, 0, 0};
    frames[2] = {30, 0, 20, 20, 0, 0};
    s.FillPicture({0, 0, 20, 20}, 0xFF111111u);
    s.FillPicture({30, 0, 20, 20}, 0xFF222222u);
    TBurrows burrows = EmptyBurrows();
    // Back row frame 1 and front row frame 2 overlap by ten pixels; the
    // middle row's burrow under both stays empty.
    burrows[0][0] = {100, 100, 2, 1};
    burrows[2][2] = {110, 110, 1, 1};
    RgbBitmap buffer(kBoardWidth, kBoardHeight);
    ComposePlayfield(buffer, s.View(), {&burrows, &frames, false, 0, 0, 0});
    EXPECT_EQ(buffer.At(105, 105), 0xFF222222u);  // back rat alone
    EXPECT_EQ(buffer.At(115, 115), 0xFF111111u);  // the front rat over the back one
    EXPECT_EQ(buffer.At(125, 125), 0xFF111111u);
    EXPECT_EQ(buffer.At(99, 99), kBoard);
}

TEST(ComposePlayfield, ShowsTheMalletOnlyWhileTheGameRunsAndStartsFromTheBoardEachTime) {
    Sheets s;
    s.FillPicture(kMalletPoses[0], 0xFF777777u);
    s.FillPicture({kRatFrameTable[5].SrcX, kRatFrameTable[5].SrcY, kRatFrameTable[5].Width, kRatFrameTable[5].Height}, 0xFF555555u);
    TBurrows burrows = EmptyBurrows();
    burrows[1][1].Frame = 5;
    RgbBitmap buffer(kBoardWidth, kBoardHeight);
    // Idle, paused and over all leave RatTimer off: rats, no mallet.
    ComposePlayfield(buffer, s.View(), {&burrows, &kRatFrameTable, false, 0, 10, 10});
    EXPECT_EQ(std::count(buffer.Pixels.begin(), buffer.Pixels.end(), 0xFF777777u), 0);
    EXPECT_EQ(std::count(buffer.Pixels.begin(), buffer.Pixels.end(), 0xFF555555u), 56 * 34);
    ComposePlayfield(buffer, s.View(), {&burrows, &kRatFrameTable, true, 0, 10, 10});
    EXPECT_EQ(std::count(buffer.Pixels.begin(), buffer.Pixels.end(), 0xFF777777u), 97 * 54);
    // The next picture holds nothing of the one before.
    const TBurrows empty = EmptyBurrows();
    ComposePlayfield(buffer, s.View(), {&empty, &kRatFrameTable, false, 0, 10, 10});
    EXPECT_EQ(buffer.Pixels, s.Background.Pixels);
}

}  // namespace

namespace {

using namespace burrowbop;

// Real-sized sheets with pictures in every frame and pose rectangle.
void CleanSheets(RgbBitmap& sprite, RgbBitmap& mask) {
    uint32_t seed = 11;
    for (size_t i = 0; i < sprite.Pixels.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        const bool picture = (seed >> 30) != 0;
        sprite.Pixels[i] = picture ? 0xFF000000u | ((seed >> 4) & 0xFFFFFFu) | 0x010101u : 0xFF000000u;
        mask.Pixels[i] = picture ? 0xFF000000u : 0xFFFFFFFFu;
    }
}

TEST(Cutout, GivesTheSamePictureAsTheMaskAndSprite) {
    RgbBitmap background(kBoardWidth, kBoardHeight), sprite(kSheetWidth, kSheetHeight), mask(kSheetWidth, kSheetHeight);
    for (size_t i = 0; i < background.Pixels.size(); ++i) background.Pixels[i] = 0xFF000000u | uint32_t(i * 2654435761u >> 8);
    CleanSheets(sprite, mask);
    const RgbBitmap cutout = MakeCutout(sprite, mask);
    ASSERT_EQ(cutout.Width, kSheetWidth);
    TBurrows burrows{};
    // Rats in every frame, some past the buffer's edges, and every mallet pose.
    const int places[9][2] = {{187, 48}, {-30, 10}, {420, 66}, {127, 250}, {189, -40}, {262, 98}, {75, 116}, {146, 126}, {222, 134}};
    for (int frame = 1; frame <= 14; ++frame) {
        for (int k = 0; k < 9; ++k) burrows[size_t(k / 3)][size_t(k % 3)] = {places[k][0], places[k][1], (frame + k) % 15, 1};
        for (uint8_t pose = 0; pose < 4; ++pose) {
            const PlayfieldScene scene{&burrows, &kRatFrameTable, true, pose, frame * 31 - 60, frame * 23 - 50};
            RgbBitmap plain(kBoardWidth, kBoardHeight), fast(kBoardWidth, kBoardHeight);
            ComposePlayfield(plain, {&background, &sprite, &mask, nullptr}, scene);
            ComposePlayfield(fast, {&background, &sprite, &mask, &cutout}, scene);
            ASSERT_EQ(plain.Pixels, fast.Pixels) << "frame " << frame << " pose " << int(pose);
        }
    }
}

TEST(Cutout, IsRefusedForSheetsOnlyAndThenXorCanCompose) {
    const struct {
        const char* What;
        uint32_t Sprite, Mask;
    } mixes[] = {{"grey mask", 0xFF000000u, 0xFF808080u}, {"colour under a white mask", 0xFF102030u, 0xFFFFFFFFu}};
    for (const auto& m : mixes) {
        RgbBitmap sprite(4, 4, 0xFF000000u), mask(4, 4, 0xFFFFFFFFu);
        sprite.At(2, 1) = m.Sprite;
        mask.At(2, 1) = m.Mask;
        EXPECT_EQ(MakeCutout(sprite, mask).Width, 0) << m.What;
    }
}

}  // namespace
