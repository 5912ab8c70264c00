// BACKGROUND: sky, meadow and the wooden board in perspective with its nine
// burrows, inside a red rounded frame.
#include <cmath>

#include "Art.h"
#include "BoardLayout.h"

namespace art {
namespace {

using namespace assetgen;
using burrowbop::kBoardHeight;
using burrowbop::kBoardWidth;
using burrowbop::kBurrowPositions;

constexpr double kFrameWidth = 5;
constexpr double kCornerRadius = 64;  // the window's rounded corners
// A rat's picture is centred this far right of its burrow's X; its bottom
// line is 56 below Y, a little in front of the hole's centre.
constexpr double kHoleDx = 28.5;
constexpr double kHoleDy = 51.5;

Vec HoleCentre(int row, int col) {
    const auto& p = kBurrowPositions[size_t(row)][size_t(col)];
    return {p.X + kHoleDx, p.Y + kHoleDy};
}

// Board coordinates: u across (columns), v from back to front (rows); hole
// (r, c) sits at u = c, v = r. Bilinear through the four corner holes.
Vec BoardPoint(double u, double v) {
    const double t = u / 2, s = v / 2;
    const Vec a = HoleCentre(0, 0), b = HoleCentre(0, 2), c = HoleCentre(2, 0), d = HoleCentre(2, 2);
    const Vec back = a + (b - a) * t, front = c + (d - c) * t;
    return back + (front - back) * s;
}

constexpr double kU0 = -0.62, kU1 = 2.62, kV0 = -0.66, kV1 = 2.62;
constexpr double kThickness = 9;

void DrawSky(Canvas& c) {
    c.FillAll(Paint(LinearGradient({0, 0}, RgbOf(92, 166, 236), {0, 78}, RgbOf(196, 228, 250), 7)));
    const Rgb cloud = RgbOf(255, 255, 255), cloudShade = RgbOf(222, 236, 248);
    const struct { double X, Y, S; } clouds[] = {{70, 28, 1.0}, {178, 16, 0.8}, {300, 30, 1.1}, {398, 14, 0.7}};
    for (const auto& k : clouds) {
        Shape puff{Ellipse({k.X, k.Y + 2}, 22 * k.S, 7 * k.S), Ellipse({k.X - 9 * k.S, k.Y}, 10 * k.S, 8 * k.S),
                   Ellipse({k.X + 6 * k.S, k.Y - 3 * k.S}, 12 * k.S, 10 * k.S)};
        c.Fill(Transformed(puff[0], {0, 2 * k.S}), Paint(cloudShade));
        c.Fill(puff, Paint(cloud));
    }
}

void DrawMeadow(Canvas& c) {
    // Far hills, then the meadow getting darker towards the front.
    c.Fill(BezierLoop({{-10, 70}, {60, 48}, {120, 52}, {180, 66}, {240, 54}, {330, 44}, {450, 64},
                       {450, 300}, {450, 300}, {-10, 300}, {-10, 70}}),
           Paint(RgbOf(120, 176, 92)));
    c.Fill(Rect(-10, 72, 460, 230), Paint(LinearGradient({0, 72}, RgbOf(128, 196, 78), {0, 284}, RgbOf(70, 150, 52), 6)));
    // Tufts of grass.
    uint32_t seed = 12345;
    auto rnd = [&seed] { seed = seed * 1103515245u + 12345u; return double((seed >> 8) & 0xFFFF) / 65535.0; };
    for (int i = 0; i < 90; ++i) {
        const double x = rnd() * 437, y = 80 + rnd() * 200, h = 3 + 3 * (y - 80) / 200;
        const Rgb g = Shade(RgbOf(60, 130, 44), 0.85 + 0.3 * rnd());
        c.Line({{x - 2, y}, {x - 3, y - h}}, 0.8, Paint(g));
        c.Line({{x, y}, {x, y - h * 1.2}}, 0.8, Paint(g));
        c.Line({{x + 2, y}, {x + 3, y - h}}, 0.8, Paint(g));
    }
}

void Bush(Canvas& c, Vec at, double size) {
    const Rgb leaf = RgbOf(64, 148, 58), dark = RgbOf(40, 110, 44), light = RgbOf(110, 190, 80);
    const Shape bush{Ellipse(at, 14 * size, 9 * size), Ellipse(at + Vec{-9 * size, -4 * size}, 9 * size, 8 * size),
                     Ellipse(at + Vec{7 * size, -7 * size}, 10 * size, 9 * size),
                     Ellipse(at + Vec{-1 * size, -11 * size}, 8 * size, 7 * size)};
    c.Fill(Ellipse(at + Vec{2, 8 * size}, 16 * size, 3.5 * size), Paint(RgbOf(40, 96, 34), 0.4));
    for (const Contour& k : bush) c.Fill(Stroke(k, 1.6, true), Paint(RgbOf(30, 70, 30)));
    c.Fill(bush, Paint(dark));
    c.PushClip(bush);
    Shape lit;
    for (const Contour& k : bush) lit.push_back(Transformed(k, {-2.5 * size, -2.5 * size}));
    c.Fill(lit, Paint(leaf));
    c.Fill(Ellipse(at + Vec{-5 * size, -12 * size}, 4 * size, 2.5 * size, -20), Paint(light));
    c.Fill(Ellipse(at + Vec{8 * size, -10 * size}, 3.5 * size, 2 * size, -20), Paint(light));
    c.PopClip();
}

void Flower(Canvas& c, Vec at, Rgb petal) {
    c.Line({at, at + Vec{0.4, 4}}, 0.8, Paint(RgbOf(50, 120, 40)));
    for (int k = 0; k < 5; ++k) {
        const double a = k * 1.2566;
        c.Fill(Ellipse(at + Vec{std::cos(a) * 1.6, std::sin(a) * 1.2}, 1.3, 1.1), Paint(petal));
    }
    c.Fill(Ellipse(at, 0.9, 0.9), Paint(RgbOf(250, 200, 40)));
}

bool OnBoard(Vec p);

// Trees on the far hills, bushes and flowers on the meadow round the board.
void DrawScenery(Canvas& c) {
    const struct { double X, Y, S; } trees[] = {{34, 66, 0.8}, {52, 63, 1.0}, {120, 60, 0.7}, {150, 64, 0.9},
                                              {330, 58, 0.8}, {350, 55, 1.0}, {405, 60, 0.8}};
    for (const auto& t : trees) {
        c.Fill(Rect(t.X - 0.8 * t.S, t.Y, 1.6 * t.S, 6 * t.S), Paint(RgbOf(100, 70, 40)));
        c.Fill(Ellipse({t.X, t.Y - 2 * t.S}, 6 * t.S, 7 * t.S), Paint(RgbOf(70, 140, 70)));
        c.Fill(Ellipse({t.X - 1.5 * t.S, t.Y - 4 * t.S}, 3 * t.S, 3 * t.S), Paint(RgbOf(100, 170, 90)));
    }
    uint32_t seed = 777;
    auto rnd = [&seed] { seed = seed * 1103515245u + 12345u; return double((seed >> 8) & 0xFFFF) / 65535.0; };
    const Rgb petals[3] = {RgbOf(255, 255, 255), RgbOf(255, 236, 90), RgbOf(250, 160, 200)};
    for (int i = 0; i < 60; ++i) {
        const Vec p{12 + rnd() * 413, 90 + rnd() * 182};
        const Rgb petal = petals[i % 3];
        if (OnBoard(p) || OnBoard(p + Vec{0, -14})) continue;
        Flower(c, p, petal);
    }
    Bush(c, {40, 118}, 0.9);
    Bush(c, {372, 236}, 1.3);
    Bush(c, {410, 190}, 0.8);
    Bush(c, {62, 256}, 1.1);
}

Contour BoardTop() {
    return {BoardPoint(kU0, kV0), BoardPoint(kU1, kV0), BoardPoint(kU1, kV1), BoardPoint(kU0, kV1)};
}

bool OnBoard(Vec p) {
    const Contour top = BoardTop();
    int wind = 0;
    for (size_t i = 0; i < top.size(); ++i) {
        const Vec a = top[i], b = top[(i + 1) % top.size()];
        if ((a.Y <= p.Y) != (b.Y <= p.Y) && p.X < a.X + (p.Y - a.Y) * (b.X - a.X) / (b.Y - a.Y)) ++wind;
    }
    return wind % 2 == 1;
}

void DrawBoardBody(Canvas& c) {
    const Vec bl = BoardPoint(kU0, kV1), br = BoardPoint(kU1, kV1), tr = BoardPoint(kU1, kV0);
    const Vec down{0, kThickness};
    // Soft shadow on the grass, then the two visible sides of the board.
    c.Fill(Transformed(Polygon({BoardPoint(kU0, kV0), tr, br, bl}), {5, 9}), Paint(RgbOf(40, 90, 30), 0.35));
    c.Fill(Polygon({bl, br, br + down, bl + down}), Paint(RgbOf(128, 80, 42)));
    c.Fill(Polygon({br, tr, tr + down, br + down}), Paint(RgbOf(104, 64, 34)));
    c.Line({bl + down, br + down, tr + down}, 1.2, Paint(kInk));
    c.Line({br, br + down}, 0.8, Paint(RgbOf(80, 48, 26)));
}

void DrawPlanks(Canvas& c) {
    const int planks = 9;
    const Rgb tones[3] = {RgbOf(206, 150, 90), RgbOf(196, 140, 82), RgbOf(214, 160, 98)};
    for (int i = 0; i < planks; ++i) {
        const double u0 = kU0 + (kU1 - kU0) * i / planks, u1 = kU0 + (kU1 - kU0) * (i + 1) / planks;
        const Contour plank{BoardPoint(u0, kV0), BoardPoint(u1, kV0), BoardPoint(u1, kV1), BoardPoint(u0, kV1)};
        // Light from the top left: the back of the board a little brighter.
        const Rgb base = tones[i % 3];
        c.Fill(plank, Paint(LinearGradient(BoardPoint(0, kV0), Shade(base, 1.06), BoardPoint(0, kV1), Shade(base, 0.94), 4)));
        // Grain: a few thin wavy lines along the plank.
        for (int g = 1; g <= 3; ++g) {
            const double u = u0 + (u1 - u0) * (g / 4.0);
            std::vector<Vec> line;
            for (int k = 0; k <= 24; ++k) {
                const double v = kV0 + (kV1 - kV0) * k / 24.0;
                const double wob = 0.03 * std::sin(v * 5.0 + i * 1.7 + g * 2.3);
                line.push_back(BoardPoint(u + wob, v));
            }
            c.Line(line, 0.55, Paint(Shade(base, 0.8), 0.7));
        }
        // A knot now and then.
        if (i % 3 == 1) {
            const Vec k = BoardPoint((u0 + u1) / 2, kV0 + 0.45 + 0.7 * (i % 2) + 0.2 * i);
            c.Fill(Ellipse(k, 2.6, 1.4, 10), Paint(Shade(base, 0.72)));
            c.Fill(Ellipse(k, 1.2, 0.6, 10), Paint(Shade(base, 0.55)));
        }
        c.Line({BoardPoint(u0, kV0), BoardPoint(u0, kV1)}, 1.1, Paint(RgbOf(118, 74, 40)));
    }
    // A bright bevel along the back edge and a dark line along the front.
    c.Line({BoardPoint(kU0, kV0), BoardPoint(kU1, kV0)}, 1.2, Paint(RgbOf(236, 196, 140)));
    c.Line({BoardPoint(kU0, kV1), BoardPoint(kU1, kV1), BoardPoint(kU1, kV0)}, 1.0, Paint(RgbOf(150, 98, 54)));
    c.Outline(BoardTop(), 1.2, kInk);
}

void DrawHole(Canvas& c, int row, int col) {
    const Vec h = HoleCentre(row, col);
    // Further back: a little smaller and flatter.
    const double rx = 31.5 + 1.3 * row, ry = 9.0 + 1.2 * row;
    const Rgb earth = RgbOf(150, 104, 62), earthLight = RgbOf(178, 132, 84);
    // Rim of dug-up earth, thicker at the front lip.
    const Contour rim = Ellipse(h + Vec{0, 1.8}, rx + 4.2, ry + 4.4);
    c.Fill(Transformed(rim, {1.5, 2.0}), Paint(RgbOf(90, 56, 30), 0.45));
    c.Fill(rim, Paint(LinearGradient(h - Vec{0, ry}, earthLight, h + Vec{0, ry + 6}, earth, 3)));
    c.Outline(rim, 0.9, RgbOf(96, 62, 34));
    // Crumbs of earth on the rim.
    for (int k = 0; k < 6; ++k) {
        const double a = 0.35 + k * 0.45;
        const Vec p = h + Vec{std::cos(a) * (rx + 1.6), 1.8 + std::sin(a) * (ry + 2.6)};
        c.Fill(Ellipse(p, 1.2, 0.8), Paint(RgbOf(112, 74, 42)));
    }
    // The hole: the far inner wall catches a little light, the depth is dark.
    const Contour hole = Ellipse(h, rx, ry);
    c.Fill(hole, Paint(RgbOf(74, 46, 28)));
    c.PushClip({hole});
    c.Fill(Ellipse(h + Vec{0, 3.2}, rx * 0.97, ry * 0.92), Paint(RgbOf(38, 24, 16)));
    c.Fill(Ellipse(h + Vec{0, 4.6}, rx * 0.85, ry * 0.75), Paint(RgbOf(20, 12, 9)));
    c.PopClip();
    c.Outline(hole, 1.1, RgbOf(34, 20, 14));
}

// Everything is red first; the picture inside the frame is drawn over it,
// so the corners beyond the window's rounded shape stay red too.
void DrawFrame(Canvas& c) { c.FillAll(Paint(RgbOf(196, 36, 40))); }

}  // namespace

Image Board() {
    Canvas c(kBoardWidth, kBoardHeight);
    DrawFrame(c);
    const double w = kBoardWidth, h = kBoardHeight;
    const Contour inner = RoundRect(kFrameWidth, kFrameWidth, w - 2 * kFrameWidth, h - 2 * kFrameWidth,
                                    kCornerRadius - kFrameWidth);
    c.PushClip({inner});
    DrawSky(c);
    DrawMeadow(c);
    DrawScenery(c);
    DrawBoardBody(c);
    DrawPlanks(c);
    for (int r = 0; r < 3; ++r) {
        for (int col = 0; col < 3; ++col) DrawHole(c, r, col);
    }
    c.PopClip();
    // Bevel of the frame: a light line outside, a dark line inside.
    c.Outline(RoundRect(1.5, 1.5, w - 3, h - 3, kCornerRadius - 1.5), 1.0, RgbOf(232, 96, 92));
    c.Outline(inner, 1.2, RgbOf(110, 16, 20));
    return c.Resolve();
}

}  // namespace art
