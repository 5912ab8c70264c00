#include "Rat.h"

#include <cmath>

#include "Art.h"

namespace art {
namespace {

using namespace assetgen;

const Rgb kInnerEar = RgbOf(250, 204, 210);
const Rgb kHighlight = RgbOf(252, 206, 212);
const Rgb kSnout = RgbOf(248, 186, 194);
const Rgb kNose = RgbOf(196, 84, 108);
const Rgb kWhite = RgbOf(252, 252, 250);
const Rgb kPupil = RgbOf(36, 24, 30);
const Rgb kMouth = RgbOf(110, 36, 48);
constexpr double kOutline = 2.0;  // centred on the edge, so 1 pixel shows

// A part of the rat: outline, base tone, then the lit side clipped to it.
void Blob(Canvas& c, const Shape& s, Rgb base, Rgb shade, Vec lightOffset) {
    for (const Contour& k : s) c.Fill(Stroke(k, kOutline, true), Paint(kInk));
    c.Fill(s, Paint(shade));
    c.PushClip(s);
    Shape lit;
    for (const Contour& k : s) lit.push_back(Transformed(k, lightOffset));
    c.Fill(lit, Paint(base));
    c.PopClip();
}

void Eye(Canvas& c, Vec centre, double rx, double ry, Vec pupil, double pupilR) {
    const Contour white = Ellipse(centre, rx, ry);
    c.Fill(Stroke(white, 1.5, true), Paint(kInk));
    c.Fill(white, Paint(kWhite));
    c.PushClip({white});
    c.Fill(Ellipse(centre + pupil, pupilR, pupilR * 1.15), Paint(kPupil));
    c.Fill(Ellipse(centre + pupil + Vec{-pupilR * 0.4, -pupilR * 0.5}, pupilR * 0.38, pupilR * 0.38),
           Paint(kWhite));
    c.PopClip();
}

void Whiskers(Canvas& c, Vec o, double spread) {
    for (int side = -1; side <= 1; side += 2) {
        for (int k = -1; k <= 1; ++k) {
            const Vec from = o + Vec{side * 8.0, 34 + k * 1.6};
            const Vec to = o + Vec{side * spread, 32.5 + k * 4.2};
            c.Line({from, to}, 0.75, Paint(RgbOf(92, 56, 62)));
        }
    }
}

}  // namespace

void DrawStar(Canvas& c, Vec centre, double r, double rot) {
    Contour star;
    for (int i = 0; i < 10; ++i) {
        const double a = (rot - 90 + 36.0 * i) * 3.14159265358979 / 180;
        const double rr = i % 2 == 0 ? r : r * 0.45;
        star.push_back(centre + Vec{std::cos(a) * rr, std::sin(a) * rr});
    }
    c.Fill(Stroke(star, 1.4, true), Paint(RgbOf(120, 70, 10)));
    c.Fill(star, Paint(RgbOf(255, 218, 60)));
}

void DrawRisingRat(Canvas& c, Vec o, Gaze gaze) {
    // Neck first, so the head sits on top of it.
    const Contour neck = BezierLoop({o + Vec{-12, 36}, o + Vec{-4, 35}, o + Vec{4, 35}, o + Vec{12, 36},
                                     o + Vec{13, 46}, o + Vec{17, 52}, o + Vec{19, 64},
                                     o + Vec{6, 65}, o + Vec{-6, 65}, o + Vec{-19, 64},
                                     o + Vec{-17, 52}, o + Vec{-13, 46}, o + Vec{-12, 36}});
    Blob(c, {neck}, kRatPink, kRatShade, {-4, 0});
    c.PushClip({neck});
    c.Fill(Ellipse(o + Vec{-1, 56}, 9.5, 9), Paint(RgbOf(248, 198, 206)));  // pale chest
    c.PopClip();
    // Big round ears, slightly tilted outwards.
    for (int side = -1; side <= 1; side += 2) {
        const Vec ec = o + Vec{side * 15.0, 10.6};
        Blob(c, {Ellipse(ec, 10.0, 9.9, side * 10)}, kRatPink, kRatShade, {-1.5, -1.5});
        c.Fill(Ellipse(ec + Vec{side * 0.8, 0.2}, 6.2, 6.0, side * 10), Paint(kInnerEar));
        c.Fill(Ellipse(ec + Vec{side * 1.6, 1.6}, 4.0, 3.6, side * 10), Paint(RgbOf(236, 160, 172)));
    }
    // Head with full cheeks.
    const Shape head{Ellipse(o + Vec{0, 27}, 18.5, 16), Ellipse(o + Vec{-9.5, 33.5}, 11.5, 9.5),
                     Ellipse(o + Vec{9.5, 33.5}, 11.5, 9.5)};
    Blob(c, head, kRatPink, kRatShade, {-3, -3});
    c.Fill(Ellipse(o + Vec{-8, 17}, 5, 3, -25), Paint(kHighlight));
    // Snout, nose, mouth and teeth.
    c.Fill(Ellipse(o + Vec{0, 35}, 9.5, 6.8), Paint(kSnout));
    c.Line(BezierCurve(o + Vec{-5, 37}, o + Vec{-3, 39.5}, o + Vec{-1, 39}, o + Vec{0, 36.5}), 0.9, Paint(kMouth));
    c.Line(BezierCurve(o + Vec{5, 37}, o + Vec{3, 39.5}, o + Vec{1, 39}, o + Vec{0, 36.5}), 0.9, Paint(kMouth));
    for (int side = -1; side <= 1; side += 2) {
        const Contour tooth = Rect(side < 0 ? -2.6 : 0.1, 0, 2.5, 4.2);
        const Contour t = Transformed(tooth, o + Vec{0, 38.6});
        c.Fill(Stroke(t, 0.9, true), Paint(kInk));
        c.Fill(t, Paint(kWhite));
    }
    c.Line({o + Vec{0, 33}, o + Vec{0, 36.5}}, 0.8, Paint(kMouth));
    c.Fill(Stroke(Ellipse(o + Vec{0, 30.5}, 4.2, 3.0), 1.2, true), Paint(kInk));
    c.Fill(Ellipse(o + Vec{0, 30.5}, 4.2, 3.0), Paint(kNose));
    c.Fill(Ellipse(o + Vec{-1.4, 29.6}, 1.5, 0.9), Paint(RgbOf(236, 150, 168)));
    Whiskers(c, o, 25);
    // Eyes looking where the gaze says.
    const Vec pupil{gaze.X * 2.0, gaze.Y * 2.2};
    Eye(c, o + Vec{-7.4, 22}, 4.6, 5.4, pupil, 2.5);
    Eye(c, o + Vec{7.4, 22}, 4.6, 5.4, pupil, 2.5);
}

void DrawStruckRat(Canvas& c, Vec m) {
    // Ears flattened out to the sides.
    for (int side = -1; side <= 1; side += 2) {
        const Vec ec = m + Vec{side * 21.0, -2};
        Blob(c, {Ellipse(ec, 9.5, 5.4, side * -12)}, kRatPink, kRatShade, {-1, -1.2});
        c.Fill(Ellipse(ec + Vec{side * 1.2, 0.3}, 5.8, 2.8, side * -12), Paint(kInnerEar));
    }
    // Head squashed wide and low.
    const Shape head{Ellipse(m, 20.5, 12.5), Ellipse(m + Vec{-9, 4.5}, 12, 8), Ellipse(m + Vec{9, 4.5}, 12, 8)};
    Blob(c, head, kRatPink, kRatShade, {-2.5, -2.5});
    // Eyes wide open, tiny pupils.
    Eye(c, m + Vec{-7.5, -3.5}, 5.2, 5.2, {0, 0}, 1.4);
    Eye(c, m + Vec{7.5, -3.5}, 5.2, 5.2, {0, 0}, 1.4);
    // Mouth wide open with the two teeth.
    const Contour mouth = Ellipse(m + Vec{0, 7.5}, 5.5, 4.4);
    c.Fill(Stroke(mouth, 1.3, true), Paint(kInk));
    c.Fill(mouth, Paint(kMouth));
    c.Fill(Ellipse(m + Vec{0, 10}, 3.2, 1.6), Paint(RgbOf(220, 96, 110)));
    c.Fill(Rect(m.X - 2.4, m.Y + 3.2, 2.2, 2.8), Paint(kWhite));
    c.Fill(Rect(m.X + 0.2, m.Y + 3.2, 2.2, 2.8), Paint(kWhite));
    c.Fill(Stroke(Ellipse(m + Vec{0, 2}, 3.4, 2.4), 1.1, true), Paint(kInk));
    c.Fill(Ellipse(m + Vec{0, 2}, 3.4, 2.4), Paint(kNose));
    // A bump rises on the head.
    c.Fill(Stroke(Ellipse(m + Vec{3, -12.5}, 4, 2.6), 1.2, true), Paint(kInk));
    c.Fill(Ellipse(m + Vec{3, -12.5}, 4, 2.6), Paint(RgbOf(232, 120, 136)));
}

void DrawFlatRat(Canvas& c, Vec m) {
    for (int side = -1; side <= 1; side += 2) {
        const Vec ec = m + Vec{side * 24.5, 0.5};
        Blob(c, {Ellipse(ec, 6.8, 3.6, side * -6)}, kRatPink, kRatShade, {-1, -1});
        c.Fill(Ellipse(ec + Vec{side * 0.8, 0}, 4.0, 1.7, side * -6), Paint(kInnerEar));
    }
    const Shape pancake{Ellipse(m, 24, 8)};
    Blob(c, pancake, kRatPink, kRatShade, {-2, -2});
    // Crosses for eyes, a flat nose, a wavy mouth.
    for (int side = -1; side <= 1; side += 2) {
        const Vec e = m + Vec{side * 8.5, -2};
        c.Line({e + Vec{-2.4, -2}, e + Vec{2.4, 2}}, 1.3, Paint(kInk));
        c.Line({e + Vec{-2.4, 2}, e + Vec{2.4, -2}}, 1.3, Paint(kInk));
    }
    c.Fill(Ellipse(m + Vec{0, 0.6}, 3.4, 1.8), Paint(kNose));
    std::vector<Vec> mouth;
    for (int k = 0; k <= 12; ++k) mouth.push_back(m + Vec{-5 + k * 10.0 / 12, 4 + 0.8 * std::sin(k * 1.6)});
    c.Line(mouth, 0.9, Paint(kMouth));
}

}  // namespace art
