#include "Mallet.h"

#include <cmath>

#include "Art.h"

namespace art {
namespace {

using namespace assetgen;

constexpr double kPi = 3.14159265358979323846;
const Rgb kWood = RgbOf(204, 146, 84);
const Rgb kWoodShade = RgbOf(160, 104, 56);
const Rgb kWoodLight = RgbOf(232, 186, 122);
const Rgb kBand = RgbOf(112, 66, 34);
const Rgb kHandle = RgbOf(222, 176, 112);
const Rgb kGlove = RgbOf(250, 250, 246);
const Rgb kGloveShade = RgbOf(204, 208, 216);

constexpr double kHeadLength = 30;  // along the barrel's axis
constexpr double kHeadRadius = 13;
constexpr double kHandleLength = 46;

Vec Along(Vec p, Vec dir, double d) { return p + dir * d; }

// The barrel seen from the side: a rounded box along `axis`.
void Head(Canvas& c, Vec face, Vec axis, Vec side) {
    const Vec top = Along(face, axis, kHeadLength);
    auto barrel = [&](double t0, double t1, double bulge) {
        const Vec a = Along(face, axis, t0), b = Along(face, axis, t1);
        const double r0 = kHeadRadius, r1 = kHeadRadius;
        const Vec mid = (a + b) * 0.5;
        return BezierLoop({a + side * r0, mid + side * (r0 + bulge), mid + side * (r1 + bulge), b + side * r1,
                           b, b, b - side * r1,
                           b - side * r1, mid - side * (r1 + bulge), mid - side * (r0 + bulge), a - side * r0,
                           a, a, a + side * r0});
    };
    const Contour body = barrel(0, kHeadLength, 1.2);
    c.Fill(Stroke(body, 2.0, true), Paint(kInk));
    c.Fill(body, Paint(kWoodShade));
    c.PushClip({body});
    c.Fill(Transformed(body, side * -3.0), Paint(kWood));
    c.Fill(Transformed(barrel(3, kHeadLength - 3, 0), side * -7.5, 0, {}, 1, 1), Paint(kWoodLight));
    // Two darker bands round the barrel.
    for (double t : {6.0, kHeadLength - 6.0}) {
        const Vec p = Along(face, axis, t);
        c.Line({p + side * 15.0, p - side * 15.0}, 3.4, Paint(kBand));
    }
    c.PopClip();
    // End grain on the top end: rings on a light oval.
    const double ang = std::atan2(side.Y, side.X) * 180 / kPi;
    const Contour end = Ellipse(top, kHeadRadius, 3.6, ang);
    c.Fill(Stroke(end, 1.6, true), Paint(kInk));
    c.Fill(end, Paint(RgbOf(236, 200, 146)));
    c.Outline(Ellipse(top, kHeadRadius * 0.62, 2.1, ang), 0.7, RgbOf(176, 124, 70));
    c.Outline(Ellipse(top, kHeadRadius * 0.28, 0.9, ang), 0.7, RgbOf(176, 124, 70));
    // The striking face at the bottom end.
    const Contour strike = Ellipse(face, kHeadRadius, 3.6, ang);
    c.Fill(Stroke(strike, 1.6, true), Paint(kInk));
    c.Fill(strike, Paint(kWoodShade));
}

void Handle(Canvas& c, Vec from, Vec dir, Vec up) {
    const Vec to = Along(from, dir, kHandleLength);
    const Contour stick{from + up * 2.6, to + up * 2.9, to - up * 2.9, from - up * 2.6};
    c.Fill(Stroke(stick, 2.0, true), Paint(kInk));
    c.Fill(stick, Paint(kHandle));
    c.Line({from + up * 1.4, to + up * 1.6}, 1.2, Paint(RgbOf(240, 206, 150)));
    c.Line({from - up * 1.6, to - up * 1.8}, 1.0, Paint(RgbOf(170, 120, 66)));
}

// A white cartoon glove round the handle: fingers wrapped round it, the
// thumb over it, and a flared cuff.
void Glove(Canvas& c, Vec grip, Vec dir, Vec up) {
    auto at = [&](double a, double b) { return grip + dir * a + up * b; };
    const double ang = std::atan2(dir.Y, dir.X) * 180 / kPi;
    auto lit = [&](const Shape& s) {
        for (const Contour& k : s) c.Fill(Stroke(k, 2.0, true), Paint(kInk));
        c.Fill(s, Paint(kGloveShade));
        c.PushClip(s);
        Shape l;
        for (const Contour& k : s) l.push_back(Transformed(k, {-1.2, -1.6}));
        c.Fill(l, Paint(kGlove));
        c.PopClip();
    };
    const Contour cuff{at(6, 8.5), at(17, 11.5), at(17, -11.5), at(6, -8.5)};
    lit({cuff});
    c.Line({at(9.5, 8.6), at(9.5, -8.6)}, 0.8, Paint(RgbOf(170, 176, 190)));
    c.Line({at(13, 9.6), at(13, -9.6)}, 0.8, Paint(RgbOf(170, 176, 190)));
    lit({Ellipse(at(0, 0), 9.5, 8.5, ang)});
    // Four fingers curled round the front of the handle.
    for (int k = 0; k < 4; ++k) lit({Ellipse(at(-6.3 + 3.9 * k, -4.2), 2.6, 3.6, ang)});
    lit({Ellipse(at(-4, 4.6), 6.5, 3.0, ang - 8)});  // the thumb over the handle
}

}  // namespace

void DrawMalletPose(Canvas& c, Vec face, double tiltDeg, int motion) {
    const double t = tiltDeg * kPi / 180;
    const Vec dir{std::cos(t), std::sin(t)};  // along the handle, to the hand
    const Vec axis{dir.Y, -dir.X};            // from the face up the barrel
    const Vec side = dir;
    const Vec mid = Along(face, axis, kHeadLength / 2);
    const Vec handleStart = Along(mid, dir, kHeadRadius - 1);
    Handle(c, handleStart, dir, axis);
    Head(c, face, axis, side);
    Glove(c, Along(handleStart, dir, kHandleLength - 15), dir, axis);
    // Speed lines above the head, where it comes from.
    const int lines = motion * 2 + 1;
    for (int k = 0; motion > 0 && k < lines; ++k) {
        const double off = -9 + k * (18.0 / (lines - 1));
        const Vec a = Along(Along(face, axis, kHeadLength + 3.5), side, off);
        const Vec b = Along(a, axis, 3 + 2.5 * (k % 2) + motion);
        c.Line({a, b}, 2.6, Paint(kInk));
        c.Line({a, b}, 1.2, Paint(RgbOf(250, 250, 244)));
    }
}

}  // namespace art
