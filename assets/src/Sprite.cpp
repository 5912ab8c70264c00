// SPRITE: the mallet poses in the left column and the rat frames at their
// rectangles. Where two rectangles share a row, that row stays empty, so no
// frame shows a sliver of its neighbour.
#include <algorithm>

#include "Art.h"
#include "BoardLayout.h"
#include "Mallet.h"
#include "Rat.h"

namespace art {
namespace {

using namespace assetgen;
using burrowbop::kMalletPoses;
using burrowbop::kRatFrameTable;
using burrowbop::SheetRect;

// How far right of its burrow's X the rat's middle is.
constexpr double kRatMiddle = 28.5;
// The rows above the hole line that lie in the burrow's shadow.
constexpr int kShadowRows = 6;

std::vector<SheetRect> AllRects() {
    std::vector<SheetRect> all(kMalletPoses.begin(), kMalletPoses.end());
    for (int f = 1; f <= 14; ++f) {
        const auto& r = kRatFrameTable[size_t(f)];
        all.push_back({r.SrcX, r.SrcY, r.Width, r.Height});
    }
    return all;
}

bool SharesRow(const SheetRect& r, int row) {
    for (const SheetRect& o : AllRects()) {
        if (o.X == r.X && o.Y == r.Y && o.Width == r.Width && o.Height == r.Height) continue;
        const bool xs = o.X < r.X + r.Width && r.X < o.X + o.Width;
        if (xs && row >= o.Y && row < o.Y + o.Height) return true;
    }
    return false;
}

// The rows of a rectangle that belong to it alone.
SheetRect OwnRows(const SheetRect& r) {
    int top = r.Y, bottom = std::min(r.Y + r.Height, burrowbop::kSheetHeight);
    while (top < bottom && SharesRow(r, top)) ++top;
    while (bottom > top && SharesRow(r, bottom - 1)) --bottom;
    return {r.X, top, r.Width, bottom - top};
}

SheetRect FrameRect(int f) {
    const auto& r = kRatFrameTable[size_t(f)];
    return {r.SrcX, r.SrcY, r.Width, r.Height};
}

Vec BurrowOrigin(int f) {
    const auto& r = kRatFrameTable[size_t(f)];
    return {double(r.SrcX - r.OffsetX), double(r.SrcY - r.OffsetY)};
}

void ClipTo(Canvas& c, const SheetRect& r) { c.PushClip({Rect(r.X, r.Y, r.Width, r.Height)}); }

// The lowest rows of a rising rat darken towards the hole line.
void BurrowShadow(Canvas& c, int f, const SheetRect& own) {
    const double line = BurrowOrigin(f).Y + 56;
    c.PushClipToDrawn();
    for (int k = 0; k < kShadowRows; ++k) {
        const double y = line - kShadowRows + k;
        c.Fill(Rect(own.X, y, own.Width, 1), Paint(RgbOf(70, 30, 40), 0.10 + 0.09 * k));
    }
    c.PopClip();
}

void RisingFrame(Canvas& c, int f, double top, Gaze gaze) {
    const SheetRect own = OwnRows(FrameRect(f));
    ClipTo(c, own);
    DrawRisingRat(c, {BurrowOrigin(f).X + kRatMiddle, top}, gaze);
    BurrowShadow(c, f, own);
    c.PopClip();
}

void RatFrames(Canvas& c) {
    // Frames 6 to 10 look round at one height; the lowest top any of them
    // can have keeps their ears still while the eyes move.
    const Gaze looks[5] = {{0, 0.1}, {-1, 0.1}, {1, 0.1}, {0, -1}, {0, 1}};
    double lookTop = 0;
    for (int f = 6; f <= 10; ++f) lookTop = std::max(lookTop, double(OwnRows(FrameRect(f)).Y) - BurrowOrigin(f).Y);
    for (int f = 1; f <= 12; ++f) {
        const bool looking = f >= 6 && f <= 10;
        const double top = looking ? BurrowOrigin(f).Y + lookTop : OwnRows(FrameRect(f)).Y;
        RisingFrame(c, f, top, looking ? looks[f - 6] : Gaze{0, 0.15});
    }
    ClipTo(c, OwnRows(FrameRect(13)));
    const Vec o13 = BurrowOrigin(13);
    DrawStruckRat(c, o13 + Vec{kRatMiddle + 1.5, 54});
    DrawStar(c, o13 + Vec{8, 40}, 4.2, 10);
    DrawStar(c, o13 + Vec{51, 38.5}, 3.6, -15);
    c.PopClip();
    ClipTo(c, OwnRows(FrameRect(14)));
    const Vec o14 = BurrowOrigin(14);
    DrawFlatRat(c, o14 + Vec{kRatMiddle + 2.5, 50});
    DrawStar(c, o14 + Vec{22, 39}, 3.2, 0);
    DrawStar(c, o14 + Vec{41, 38.5}, 2.8, 20);
    c.PopClip();
}

void MalletPoses(Canvas& c) {
    const double tilt[3] = {14, 6, 0};
    const int motion[3] = {0, 1, 2};
    for (int pose = 0; pose < 3; ++pose) {
        const SheetRect own = OwnRows(kMalletPoses[size_t(pose)]);
        const double faceY = kMalletPoses[size_t(pose)].Y + burrowbop::kMalletPointerOffsetY +
                             (pose == 1 ? burrowbop::kLoweredPoseLift : 0);
        ClipTo(c, own);
        DrawMalletPose(c, {double(burrowbop::kMalletPointerOffsetX), faceY}, tilt[pose], motion[pose]);
        c.PopClip();
    }
}

}  // namespace

Image SpriteSheet() {
    Canvas c(burrowbop::kSheetWidth, burrowbop::kSheetHeight);
    MalletPoses(c);
    RatFrames(c);
    return c.Resolve();
}

}  // namespace art
