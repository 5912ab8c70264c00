// The icons: the tray's cat face and smiley, the grey rat of the program's
// icon, and the rat standing on its hind legs for the About window. All are
// drawn on a 32-unit grid and scaled, on a transparent ground.
#include <cmath>

#include "Art.h"

namespace art {
namespace {

using namespace assetgen;

// Shapes on the 32-unit grid, scaled to the icon's size.
struct Grid {
    double S;
    Vec P(double x, double y) const { return {x * S, y * S}; }
    Contour E(double x, double y, double rx, double ry, double rot = 0) const { return Ellipse(P(x, y), rx * S, ry * S, rot); }
    double L(double v) const { return v * S; }
};

void Outlined(Canvas& c, const Shape& s, Rgb fill, double width) {
    for (const Contour& k : s) c.Fill(Stroke(k, width, true), Paint(kInk));
    c.Fill(s, Paint(fill));
}

}  // namespace

Image CatFace(int size) {
    Canvas c(size, size);
    const Grid g{size / 32.0};
    const Rgb fur = RgbOf(240, 150, 50), light = RgbOf(255, 230, 190);
    const double w = std::max(1.2, g.L(1.6));
    Outlined(c, {Polygon({g.P(4, 16), g.P(5, 2), g.P(14, 9)}), Polygon({g.P(28, 16), g.P(27, 2), g.P(18, 9)})}, fur, w);
    c.Fill(Polygon({g.P(6.5, 12), g.P(7, 5.5), g.P(11.5, 9.5)}), Paint(RgbOf(250, 170, 180)));
    c.Fill(Polygon({g.P(25.5, 12), g.P(25, 5.5), g.P(20.5, 9.5)}), Paint(RgbOf(250, 170, 180)));
    Outlined(c, {g.E(16, 18, 13, 11.5)}, fur, w);
    c.Fill(g.E(16, 23, 7, 5), Paint(light));
    for (int s = -1; s <= 1; s += 2) {
        c.Fill(g.E(16 + s * 5.5, 16, 2.6, 3.2), Paint(RgbOf(250, 214, 60)));
        c.Fill(g.E(16 + s * 5.5, 16, 0.9, 2.6), Paint(kInk));
        for (int k = -1; k <= 1; ++k) c.Line({g.P(16 + s * 6, 22 + k * 1.2), g.P(16 + s * 15, 21 + k * 2.5)}, g.L(0.8), Paint(kInk));
    }
    c.Fill(Polygon({g.P(14, 20), g.P(18, 20), g.P(16, 22.5)}), Paint(RgbOf(220, 90, 110)));
    c.Line({g.P(16, 22.5), g.P(16, 24)}, g.L(1.3), Paint(kInk));
    c.Line(BezierCurve(g.P(16, 24), g.P(15.5, 26.5), g.P(12.5, 26.5), g.P(12, 24.5)), g.L(1.3), Paint(kInk));
    c.Line(BezierCurve(g.P(16, 24), g.P(16.5, 26.5), g.P(19.5, 26.5), g.P(20, 24.5)), g.L(1.3), Paint(kInk));
    return c.Resolve();
}

Image SmileyFace(int size) {
    Canvas c(size, size);
    const Grid g{size / 32.0};
    Outlined(c, {g.E(16, 16, 14, 14)}, RgbOf(255, 214, 40), g.L(4));
    c.Fill(g.E(11, 12, 2.4, 4), Paint(kInk));
    c.Fill(g.E(21, 12, 2.4, 4), Paint(kInk));
    c.Line(BezierCurve(g.P(8, 19), g.P(11, 26.5), g.P(21, 26.5), g.P(24, 19)), g.L(3.6), Paint(kInk));
    return c.Resolve();
}

namespace {

void DrawGreyRat(Canvas& c, int size) {
    const Grid g{size / 32.0};
    const Rgb fur = RgbOf(150, 154, 162), shade = RgbOf(112, 116, 126), pink = RgbOf(244, 170, 182);
    const double w = std::max(1.0, g.L(1.4));
    // Tail, body, head, ears: a rat sitting sideways, looking at us.
    c.Line(BezierCurve(g.P(22, 27), g.P(31, 28), g.P(31, 20), g.P(27, 16)), std::max(1.6, g.L(2.6)), Paint(kInk));
    c.Line(BezierCurve(g.P(22, 27), g.P(31, 28), g.P(31, 20), g.P(27, 16)), std::max(0.8, g.L(1.3)), Paint(pink));
    Outlined(c, {g.E(17, 22, 9, 7.5)}, fur, w);
    c.Fill(g.E(19, 24, 6, 4), Paint(shade));
    Outlined(c, {g.E(6.5, 6.5, 4.5, 4.5), g.E(17.5, 6.5, 4.5, 4.5)}, fur, w);
    c.Fill(g.E(6.5, 6.8, 2.6, 2.6), Paint(pink));
    c.Fill(g.E(17.5, 6.8, 2.6, 2.6), Paint(pink));
    Outlined(c, {g.E(12, 14, 8.5, 7.5)}, fur, w);
    c.Fill(g.E(12, 19, 4.5, 3), Paint(RgbOf(196, 200, 206)));
    c.Fill(g.E(8.8, 12.5, 1.8, 2.2), Paint(RgbOf(255, 255, 255)));
    c.Fill(g.E(15.2, 12.5, 1.8, 2.2), Paint(RgbOf(255, 255, 255)));
    c.Fill(g.E(9, 13, 1.0, 1.3), Paint(kInk));
    c.Fill(g.E(15, 13, 1.0, 1.3), Paint(kInk));
    c.Fill(g.E(12, 17.5, 1.6, 1.2), Paint(RgbOf(200, 80, 104)));
    for (int s = -1; s <= 1; s += 2) {
        c.Line({g.P(12 + s * 2.5, 18.5), g.P(12 + s * 8, 17.5)}, g.L(0.5), Paint(kInk));
        c.Line({g.P(12 + s * 2.5, 19.2), g.P(12 + s * 8, 20)}, g.L(0.5), Paint(kInk));
    }
    c.Fill(g.E(11.5, 27.5, 2.5, 1.5), Paint(pink));
    c.Fill(g.E(19.5, 28.5, 2.5, 1.5), Paint(pink));
}

}  // namespace

Image GreyRat(int size) {
    Canvas c(size, size);
    DrawGreyRat(c, size);
    return c.Resolve();
}

std::string GreyRatSvg(int size) {
    // Drawn on the 32-unit grid, so curves get as many points as they need.
    Canvas c(32, 32, 1);
    c.RecordSvg();
    DrawGreyRat(c, 32);
    return c.Svg(size);
}

Image StandingRat(int size) {
    Canvas c(size, size);
    const Grid g{size / 32.0};
    const Rgb fur = kRatPink, shade = kRatShade, pale = RgbOf(250, 214, 220);
    const double w = std::max(1.0, g.L(1.3));
    c.Line(BezierCurve(g.P(20, 29), g.P(28, 31), g.P(31, 24), g.P(28, 18)), g.L(2.4), Paint(kInk));
    c.Line(BezierCurve(g.P(20, 29), g.P(28, 31), g.P(31, 24), g.P(28, 18)), g.L(1.1), Paint(shade));
    // Hind legs with big feet, a pear-shaped body upright, paws held up.
    Outlined(c, {g.E(12.5, 29.5, 3.6, 1.8), g.E(20, 29.5, 3.6, 1.8)}, shade, w);
    Outlined(c, {BezierLoop({g.P(16, 12), g.P(21, 12), g.P(24, 22), g.P(22.5, 27), g.P(21, 30), g.P(11, 30),
                             g.P(9.5, 27), g.P(8, 22), g.P(11, 12), g.P(16, 12)})}, fur, w);
    c.Fill(g.E(16, 23.5, 4.2, 5.2), Paint(pale));
    Outlined(c, {g.E(11.5, 19, 1.7, 3.0, 35), g.E(20.5, 19, 1.7, 3.0, -35)}, fur, w);
    // Head: big round ears, a pointed snout with a dark nose and whiskers.
    Outlined(c, {g.E(9.5, 5.2, 4.2, 4.2), g.E(22.5, 5.2, 4.2, 4.2)}, fur, w);
    c.Fill(g.E(9.5, 5.4, 2.5, 2.5), Paint(pale));
    c.Fill(g.E(22.5, 5.4, 2.5, 2.5), Paint(pale));
    Outlined(c, {g.E(16, 10, 7, 5.6), g.E(16, 13.2, 3.8, 3.2)}, fur, w);
    c.Fill(g.E(13.3, 8.8, 1.5, 1.8), Paint(RgbOf(255, 255, 255)));
    c.Fill(g.E(18.7, 8.8, 1.5, 1.8), Paint(RgbOf(255, 255, 255)));
    c.Fill(g.E(13.5, 9.2, 0.8, 1.1), Paint(kInk));
    c.Fill(g.E(18.5, 9.2, 0.8, 1.1), Paint(kInk));
    c.Fill(g.E(16, 14.6, 1.4, 1.0), Paint(RgbOf(160, 60, 84)));
    for (int s = -1; s <= 1; s += 2) {
        c.Line({g.P(16 + s * 2.5, 14), g.P(16 + s * 7.5, 12.8)}, g.L(0.5), Paint(kInk));
        c.Line({g.P(16 + s * 2.5, 14.8), g.P(16 + s * 7.5, 15.6)}, g.L(0.5), Paint(kInk));
    }
    return c.Resolve();
}

}  // namespace art
