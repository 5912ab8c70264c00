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
const Rgb kBand = RgbOf(126, 76, 40);
const Rgb kHandle = RgbOf(222, 176, 112);
const Rgb kGlove = RgbOf(250, 250, 246);
const Rgb kGloveShade = RgbOf(204, 208, 216);

constexpr double kHeadLength = 26;  // along the barrel's axis
constexpr double kHeadRadius = 12;
constexpr double kHandleLength = 52;

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
        c.Line({p + side * 14.0, p - side * 14.0}, 2.6, Paint(kBand));
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

// A white cartoon glove round the handle, knuckles on top, with a cuff.
void Glove(Canvas& c, Vec grip, Vec dir, Vec up) {
    auto at = [&](double a, double b) { return grip + dir * a + up * b; };
    const Shape fist{Ellipse(at(0, 0.5), 10.5, 8.5, std::atan2(dir.Y, dir.X) * 180 / kPi),
                     Ellipse(at(-4, 5), 5.5, 4.8), Ellipse(at(3, 6), 5.5, 4.8)};
    for (const Contour& k : fist) c.Fill(Stroke(k, 2.0, true), Paint(kInk));
    c.Fill(fist, Paint(kGloveShade));
    c.PushClip(fist);
    Shape lit;
    for (const Contour& k : fist) lit.push_back(Transformed(k, {-1.5, -2}));
    c.Fill(lit, Paint(kGlove));
    c.PopClip();
    // Finger creases and the thumb over the handle.
    for (double a : {-4.0, 0.5, 5.0}) c.Line({at(a, 3.5), at(a + 0.4, -4)}, 0.8, Paint(RgbOf(150, 156, 170)));
    const Contour thumb = Ellipse(at(-6.5, -3.5), 5.5, 3.2, std::atan2(dir.Y, dir.X) * 180 / kPi + 20);
    c.Fill(Stroke(thumb, 1.6, true), Paint(kInk));
    c.Fill(thumb, Paint(kGlove));
    const Contour cuff{at(8, 9), at(17, 10), at(17, -9), at(8, -8)};
    c.Fill(Stroke(cuff, 2.0, true), Paint(kInk));
    c.Fill(cuff, Paint(kGloveShade));
    c.Line({at(11, 8), at(11, -7)}, 0.8, Paint(RgbOf(150, 156, 170)));
    c.Line({at(14, 8.5), at(14, -7.5)}, 0.8, Paint(RgbOf(150, 156, 170)));
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
    // Speed lines behind the head, in the direction it comes from.
    for (int k = 0; k < motion * 2; ++k) {
        const double off = -8 + k * (16.0 / std::max(1, motion * 2 - 1));
        const Vec a = Along(Along(face, axis, kHeadLength + 4), side, off);
        const Vec b = Along(a, axis, 4 + 2 * (k % 2));
        c.Line({a, b}, 1.4, Paint(RgbOf(244, 244, 240)));
    }
}

}  // namespace art
