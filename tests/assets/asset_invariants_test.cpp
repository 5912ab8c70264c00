// What the picture code and the windows rely on in the committed files:
// sizes and formats, sprite and mask agreeing pixel for pixel, pictures at
// the frame rectangles, holes under the rats, the fixed colours and the
// sound's format.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "AssetFiles.h"
#include "BoardLayout.h"
#include "Playfield.h"

namespace {

using burrowbop::RgbBitmap;
using burrowbop::SheetRect;

constexpr uint32_t kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu;

std::string Res(const std::string& file) { return std::string(BURROWBOP_ASSET_DIR) + "/res/" + file; }

const RgbBitmap& Sprite() {
    static const RgbBitmap b = assettest::ReadBmp(Res("SPRITE.bmp")).Picture;
    return b;
}
const RgbBitmap& Mask() {
    static const RgbBitmap b = assettest::ReadBmp(Res("MASK.bmp")).Picture;
    return b;
}
bool IsPicture(int x, int y) { return Mask().At(x, y) == kBlack; }

uint32_t Rgb(int r, int g, int b) { return 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }

int Brightness(uint32_t c) { return std::max({int(c >> 16 & 0xFF), int(c >> 8 & 0xFF), int(c & 0xFF)}); }

SheetRect FrameRect(int f) {
    const auto& r = burrowbop::kRatFrameTable[size_t(f)];
    return {r.SrcX, r.SrcY, r.Width, r.Height};
}

std::vector<SheetRect> AllRects() {
    std::vector<SheetRect> all(burrowbop::kMalletPoses.begin(), burrowbop::kMalletPoses.end());
    for (int f = 1; f <= 14; ++f) all.push_back(FrameRect(f));
    return all;
}

bool Inside(const SheetRect& r, int x, int y) {
    return x >= r.X && x < r.X + r.Width && y >= r.Y && y < r.Y + r.Height;
}

// A row of a rectangle that another rectangle also covers belongs to both
// frames, so it must stay empty; the picture's edge is the row next to it.
bool Shared(const SheetRect& r, int y) {
    int covering = 0;
    for (const SheetRect& o : AllRects()) {
        if (o.X < r.X + r.Width && r.X < o.X + o.Width && y >= o.Y && y < o.Y + o.Height) ++covering;
    }
    return covering > 1;
}

int LowestOwnRow(const SheetRect& r) {
    int y = std::min(r.Y + r.Height, burrowbop::kSheetHeight) - 1;
    while (Shared(r, y)) --y;
    return y;
}

bool RowHasPicture(const SheetRect& r, int y) {
    for (int x = r.X; x < r.X + r.Width; ++x) {
        if (IsPicture(x, y)) return true;
    }
    return false;
}

TEST(AssetFiles, BitmapsHaveTheirSizesAndPaletteDepths) {
    const struct {
        const char* Name;
        int W, H, Bits;
    } table[] = {
        {"BACKGROUND", 437, 284, 8}, {"SPRITE", 275, 179, 8}, {"MASK", 275, 179, 8}, {"CONTROL1", 300, 100, 8},
        {"HIGHSCORE", 240, 320, 8}, {"ABOUT", 320, 180, 8}, {"OKUP", 60, 25, 8}, {"OKDOWN", 60, 25, 8},
        {"MINUP", 12, 12, 8}, {"MINDOWN", 12, 12, 4}, {"MENU", 12, 12, 8},
        {"LEDDIGITS", 160, 21, 8}, {"SCOREDIGITS", 160, 21, 8},
    };
    for (const auto& e : table) {
        const auto bmp = assettest::ReadBmp(Res(std::string(e.Name) + ".bmp"));
        EXPECT_EQ(bmp.Picture.Width, e.W) << e.Name;
        EXPECT_EQ(bmp.Picture.Height, e.H) << e.Name;
        EXPECT_EQ(bmp.BitsPerPixel, e.Bits) << e.Name;
    }
    for (const char* button : {"NEW", "PAUSE", "CLOSE", "HIGHSCORE", "ABOUT"}) {
        for (const char* look : {"UP", "OVER", "DOWN"}) {
            const auto bmp = assettest::ReadBmp(Res(std::string(button) + look + ".bmp"));
            EXPECT_EQ(bmp.Picture.Width, 30) << button << look;
            EXPECT_EQ(bmp.Picture.Height, 25) << button << look;
            EXPECT_EQ(bmp.BitsPerPixel, 8) << button << look;
        }
    }
}

TEST(AssetFiles, IconsHoldSixteenColourImagesOfTheirSizes) {
    const auto tray = assettest::ReadIconDirectory(Res("TRAYICON.ico"));
    ASSERT_EQ(tray.size(), 2u);
    EXPECT_EQ(tray[0].Width, 32);
    EXPECT_EQ(tray[1].Width, 16);
    const auto main = assettest::ReadIconDirectory(Res("MAINICON.ico"));
    ASSERT_EQ(main.size(), 1u);
    EXPECT_EQ(main[0].Width, 32);
    for (const auto& e : {tray[0], tray[1], main[0]}) {
        EXPECT_EQ(e.Width, e.Height);
        EXPECT_EQ(e.ColourCount, 16);
        EXPECT_EQ(e.BitsPerPixel, 4);
    }
    const auto about = assettest::ReadPngHeader(Res("ABOUTICON.png"));
    EXPECT_EQ(about.Width, 32);
    EXPECT_EQ(about.Height, 32);
    EXPECT_EQ(about.ColourType, 6);  // RGBA
}

TEST(SpriteAndMask, AgreePixelForPixel) {
    ASSERT_EQ(Sprite().Width, Mask().Width);
    ASSERT_EQ(Sprite().Height, Mask().Height);
    for (size_t i = 0; i < Mask().Pixels.size(); ++i) {
        const uint32_t m = Mask().Pixels[i], s = Sprite().Pixels[i];
        ASSERT_TRUE(m == kBlack || m == kWhite) << "mask pixel " << i << " is grey";
        // Black in the sprite means "no picture"; a picture is never black.
        ASSERT_EQ(m == kWhite, s == kBlack) << "pixel " << i;
    }
    // So the playfield can be composed through the one-sheet cutout.
    EXPECT_EQ(MakeCutout(Sprite(), Mask()).Width, Sprite().Width);
}

TEST(SpriteAndMask, PicturesLieOnlyInsideTheFrameAndPoseRectangles) {
    for (int y = 0; y < Mask().Height; ++y) {
        for (int x = 0; x < Mask().Width; ++x) {
            if (!IsPicture(x, y)) continue;
            const auto rects = AllRects();
            const bool owned = std::any_of(rects.begin(), rects.end(), [&](const SheetRect& r) { return Inside(r, x, y); });
            ASSERT_TRUE(owned) << "stray picture pixel at " << x << ", " << y;
        }
    }
    // Rows that two rectangles share show in both frames, so they stay empty.
    for (const SheetRect& r : AllRects()) {
        for (int y = r.Y; y < std::min(r.Y + r.Height, burrowbop::kSheetHeight); ++y) {
            if (Shared(r, y)) {
                EXPECT_FALSE(RowHasPicture(r, y)) << "shared row " << y;
            }
        }
    }
}

TEST(SpriteAndMask, RisingFramesStandOnTheHoleLineAndGrowUpwards) {
    int previousTop = 1000;
    for (int f = 12; f >= 1; --f) {
        const SheetRect r = FrameRect(f);
        EXPECT_TRUE(RowHasPicture(r, LowestOwnRow(r))) << "frame " << f << " does not reach the hole line";
        int top = r.Y;
        while (!RowHasPicture(r, top)) ++top;
        const int topAboveBurrow = top - r.Y + burrowbop::kRatFrameTable[size_t(f)].OffsetY;
        EXPECT_LE(topAboveBurrow, previousTop) << "frame " << f << " is lower than the frame before it";
        previousTop = topAboveBurrow;
    }
    EXPECT_LE(previousTop, 3);  // frame 1: the ears near the top of the rectangle
}

TEST(SpriteAndMask, LookingFramesShareOneOutlineAndDifferInTheEyes) {
    auto picture = [](int f, bool maskOnly) {
        const SheetRect r = FrameRect(f);
        std::vector<uint32_t> px;
        for (int y = r.Y + 1; y < r.Y + r.Height - 1; ++y) {
            for (int x = r.X; x < r.X + r.Width; ++x) px.push_back(maskOnly ? Mask().At(x, y) : Sprite().At(x, y));
        }
        return px;
    };
    std::set<std::vector<uint32_t>> looks;
    for (int f = 6; f <= 10; ++f) {
        EXPECT_EQ(picture(f, true), picture(6, true)) << "frame " << f << " has another outline";
        looks.insert(picture(f, false));
    }
    EXPECT_EQ(looks.size(), 5u);
}

TEST(SpriteAndMask, StruckFramesHoldPictures) {
    for (int f : {13, 14}) {
        const SheetRect r = FrameRect(f);
        int count = 0;
        for (int y = r.Y; y < r.Y + r.Height; ++y) {
            for (int x = r.X; x < r.X + r.Width; ++x) count += IsPicture(x, y);
        }
        EXPECT_GT(count, r.Width * r.Height / 4) << "frame " << f;
    }
}

TEST(SpriteAndMask, TheMalletFaceIsAtThePointerInEveryPose) {
    for (size_t pose = 0; pose < 3; ++pose) {
        const SheetRect r = burrowbop::kMalletPoses[pose];
        const int lift = pose == 1 ? burrowbop::kLoweredPoseLift : 0;
        const int x = r.X + burrowbop::kMalletPointerOffsetX, y = r.Y + burrowbop::kMalletPointerOffsetY + lift;
        EXPECT_TRUE(IsPicture(x, y)) << "pose " << pose;
        EXPECT_TRUE(RowHasPicture(r, r.Y + r.Height / 2)) << "pose " << pose;
    }
    // The striking pose's rectangle runs past the sheet; its picture ends by row 176.
    const SheetRect striking = burrowbop::kMalletPoses[2];
    for (int y = 177; y < burrowbop::kSheetHeight; ++y) EXPECT_FALSE(RowHasPicture(striking, y)) << y;
}

TEST(Board, EveryRatsBottomLineLiesInsideADarkHole) {
    const RgbBitmap board = assettest::ReadBmp(Res("BACKGROUND.bmp")).Picture;
    for (const auto& row : burrowbop::kBurrowPositions) {
        for (const auto& b : row) {
            // The rising frames' bottom row spans X + 2 .. X + 57 at Y + 55.
            for (int x = b.X + 8; x <= b.X + 50; ++x) {
                EXPECT_LT(Brightness(board.At(x, b.Y + 55)), 100) << "burrow " << b.X << ", " << b.Y << " at x " << x;
            }
            // Above the hole's back rim lies the board, not the hole.
            EXPECT_GT(Brightness(board.At(b.X + 29, b.Y + 30)), 120) << "burrow " << b.X << ", " << b.Y;
        }
    }
}

TEST(Board, TheCornersOutsideTheRoundedWindowAreRed) {
    const RgbBitmap board = assettest::ReadBmp(Res("BACKGROUND.bmp")).Picture;
    for (auto [x, y] : {std::pair{0, 0}, {436, 0}, {0, 283}, {436, 283}, {8, 8}, {428, 275}}) {
        const uint32_t c = board.At(x, y);
        EXPECT_GT(int(c >> 16 & 0xFF), 150) << x << ", " << y;
        EXPECT_LT(int(c >> 8 & 0xFF), 80) << x << ", " << y;
    }
}

TEST(FlatColours, AboutIsOneColour) {
    const RgbBitmap about = assettest::ReadBmp(Res("ABOUT.bmp")).Picture;
    for (uint32_t c : about.Pixels) ASSERT_EQ(c, Rgb(34, 40, 55));
}

std::set<uint32_t> ColoursOf(const RgbBitmap& b, int x0, int w) {
    std::set<uint32_t> s;
    for (int y = 0; y < b.Height; ++y) {
        for (int x = x0; x < x0 + w; ++x) s.insert(b.At(x, y));
    }
    return s;
}

TEST(Digits, LedDigitsLightTheirSegmentsInBlueAndLeaveTheRestTeal) {
    const RgbBitmap led = assettest::ReadBmp(Res("LEDDIGITS.bmp")).Picture;
    const uint32_t lit = Rgb(81, 198, 255), unlit = Rgb(56, 89, 107);
    for (int d = 0; d < 10; ++d) {
        const auto colours = ColoursOf(led, d * 16, 16);
        EXPECT_TRUE(colours.count(lit)) << d;
        EXPECT_TRUE(colours.count(kWhite)) << d;  // the centre lines
        EXPECT_EQ(led.At(d * 16, 0), kBlack) << d;
        // An 8 lights every segment; every other digit shows unlit ones.
        EXPECT_EQ(colours.count(unlit) > 0, d != 8) << d;
    }
}

TEST(Digits, ScoreDigitsAreNearWhiteOnTilesShadedFromBlackToGrey) {
    const RgbBitmap score = assettest::ReadBmp(Res("SCOREDIGITS.bmp")).Picture;
    for (int d = 0; d < 10; ++d) {
        EXPECT_TRUE(ColoursOf(score, d * 16, 16).count(Rgb(239, 239, 239))) << d;
        EXPECT_LT(Brightness(score.At(d * 16, 0)), 20) << d;
        EXPECT_GT(Brightness(score.At(d * 16, 20)), 90) << d;
    }
}

TEST(Panel, DigitsSitOnDarkWindowsInsideTheLightDisplay) {
    const RgbBitmap panel = assettest::ReadBmp(Res("CONTROL1.bmp")).Picture;
    for (int x0 : {88, 208}) {
        for (int y = 36; y <= 56; ++y) {
            for (int x = x0; x < x0 + 32; ++x) ASSERT_LT(Brightness(panel.At(x, y)), 40) << x << ", " << y;
        }
        // A light frame round each dark window.
        EXPECT_GT(Brightness(panel.At(x0 - 5, 46)), 200) << "frame of the box at " << x0;
        EXPECT_GT(Brightness(panel.At(x0 + 36, 46)), 200) << "frame of the box at " << x0;
    }
    EXPECT_GT(Brightness(panel.At(160, 46)), 180);  // the display between the boxes
    const RgbBitmap newUp = assettest::ReadBmp(Res("NEWUP.bmp")).Picture;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(panel.At(25 + 55 * i, 98), newUp.At(0, 24)) << "button " << i;
}

TEST(HitSound, IsShortEightBitMonoPcmThatEndsInSilence) {
    const auto wav = assettest::ReadWav(Res("HIT.wav"));
    EXPECT_EQ(wav.Format, 1);
    EXPECT_EQ(wav.Channels, 1);
    EXPECT_EQ(wav.Bits, 8);
    EXPECT_EQ(wav.Rate, 22050);
    ASSERT_EQ(wav.Samples.size(), 4057u);
    const auto [lo, hi] = std::minmax_element(wav.Samples.begin(), wav.Samples.end());
    EXPECT_GT(*hi - *lo, 160);  // loud
    EXPECT_GT(*lo, 0);          // never clipped
    EXPECT_LT(*hi, 255);
    for (size_t i = wav.Samples.size() - 20; i < wav.Samples.size(); ++i) EXPECT_NEAR(wav.Samples[i], 128, 2);
}

}  // namespace
