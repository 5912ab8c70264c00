// CONTROL1, the panel buttons, the minimise and menu pictures.
#include <cmath>
#include <string>

#include "Art.h"
#include "Font.h"

namespace art {
namespace {

using namespace assetgen;

constexpr int kPanelWidth = 300, kPanelHeight = 100;
constexpr int kTitleRows = 15;
constexpr int kButtonRowTop = 75;
// The LED digits' boxes: two 16 x 21 digits at each of these corners.
constexpr int kTimeDigitsX = 88, kScoreDigitsX = 208, kDigitsY = 36;
const Rgb kMetal = RgbOf(150, 156, 164);
const Rgb kMetalLight = RgbOf(206, 212, 220);
const Rgb kMetalDark = RgbOf(84, 88, 96);
const Rgb kDisplay = RgbOf(176, 232, 236);
const Rgb kLabel = RgbOf(24, 72, 96);

void Bevel(Canvas& c, double x, double y, double w, double h, Rgb light, Rgb dark) {
    c.Fill(Rect(x, y, w, 1), Paint(light));
    c.Fill(Rect(x, y, 1, h), Paint(light));
    c.Fill(Rect(x, y + h - 1, w, 1), Paint(dark));
    c.Fill(Rect(x + w - 1, y, 1, h), Paint(dark));
}

void TitleStrip(Canvas& c) {
    c.Fill(Rect(0, 0, kPanelWidth, kTitleRows), Paint(LinearGradient({0, 0}, RgbOf(112, 118, 128), {0, 15}, RgbOf(70, 74, 82), 4)));
    const std::string title = "BURROWBOP";
    const double cell = 1, w = TextWidth(title, cell), x = std::round((kPanelWidth - w) / 2);
    c.Fill(TextShape(title, {x + 1, 5}, cell), Paint(RgbOf(30, 32, 36)));
    c.Fill(TextShape(title, {x, 4}, cell), Paint(RgbOf(255, 226, 110)));
    // Two thin lines, one each side of the name.
    for (double y : {6.0, 9.0}) {
        c.Fill(Rect(20, y, x - 28, 1), Paint(kMetalLight));
        c.Fill(Rect(x + w + 8, y, kPanelWidth - 20 - (x + w + 8), 1), Paint(kMetalLight));
    }
    c.Fill(Rect(0, kTitleRows - 1, kPanelWidth, 1), Paint(RgbOf(40, 42, 48)));
}

void DigitBox(Canvas& c, int digitsX, const std::string& label) {
    const double x = digitsX - 4, y = kDigitsY - 4, w = 32 + 8, h = 21 + 8;
    c.Fill(RoundRect(x - 2, y - 2, w + 4, h + 4, 4), Paint(RgbOf(70, 110, 120)));
    c.Fill(RoundRect(x - 1, y - 1, w + 2, h + 2, 3), Paint(RgbOf(230, 250, 252)));
    c.Fill(Rect(x, y, w, h), Paint(RgbOf(20, 24, 28)));
    c.Fill(Rect(digitsX, kDigitsY, 32, 21), Paint(RgbOf(0, 0, 0)));
    const double tw = TextWidth(label, 1);
    c.Fill(TextShape(label, {x - 8 - tw, kDigitsY + 7}, 1), Paint(kLabel));
}

void Screw(Canvas& c, Vec at) {
    c.Fill(Ellipse(at + Vec{0.4, 0.4}, 2.4, 2.4), Paint(RgbOf(70, 74, 82)));
    c.Fill(Ellipse(at, 2.2, 2.2), Paint(LinearGradient(at - Vec{2, 2}, kMetalLight, at + Vec{2, 2}, kMetalDark, 3)));
    c.Line({at + Vec{-1.4, 1.4}, at + Vec{1.4, -1.4}}, 0.8, Paint(RgbOf(60, 64, 72)));
}

}  // namespace

Image Panel() {
    Canvas c(kPanelWidth, kPanelHeight);
    c.FillAll(Paint(LinearGradient({0, kTitleRows}, Shade(kMetal, 1.12), {0, kButtonRowTop}, Shade(kMetal, 0.9), 5)));
    TitleStrip(c);
    // The display between the title strip and the buttons.
    c.Fill(Rect(4, kTitleRows + 3, kPanelWidth - 8, kButtonRowTop - kTitleRows - 6), Paint(kDisplay));
    Bevel(c, 4, kTitleRows + 3, kPanelWidth - 8, kButtonRowTop - kTitleRows - 6, kMetalDark, RgbOf(236, 246, 248));
    Bevel(c, 0, kTitleRows, kPanelWidth, kButtonRowTop - kTitleRows, kMetalLight, kMetalDark);
    DigitBox(c, kTimeDigitsX, "TIME");
    DigitBox(c, kScoreDigitsX, "SCORE");
    for (double x : {9.5, kPanelWidth - 9.5}) {
        for (double y : {kTitleRows + 8.5, kButtonRowTop - 8.5}) Screw(c, {x, y});
    }
    // Bottom rows under the five buttons.
    c.Fill(Rect(0, kButtonRowTop, kPanelWidth, kPanelHeight - kButtonRowTop), Paint(kPanelDark));
    c.Fill(Rect(0, kButtonRowTop, kPanelWidth, 1), Paint(RgbOf(28, 30, 34)));
    return c.Resolve();
}

Image PanelButton(int glyph, ButtonLook look) {
    Canvas c(30, 25);
    c.FillAll(Paint(kPanelDark));
    const Rgb teal = RgbOf(40, 116, 120), green = RgbOf(70, 236, 96);
    const Vec shift = look == ButtonLook::Down ? Vec{1, 1} : Vec{0, 0};
    auto glyphShape = [&](Vec d) -> Shape {
        const Vec m = Vec{15, 12.5} + shift + d;
        switch (glyph) {
        case 0: return {Polygon({m + Vec{-5, -7}, m + Vec{7, 0}, m + Vec{-5, 7}})};
        case 1: return {Rect(m.X - 6, m.Y - 7, 4.5, 14), Rect(m.X + 1.5, m.Y - 7, 4.5, 14)};
        case 2: {
            Shape s = Stroke({m + Vec{-6, -6}, m + Vec{6, 6}}, 3.4);
            Shape t = Stroke({m + Vec{-6, 6}, m + Vec{6, -6}}, 3.4);
            s.insert(s.end(), t.begin(), t.end());
            return s;
        }
        case 3: return {RoundRect(m.X - 2, m.Y - 8, 4, 11, 1.6), Ellipse(m + Vec{0, 6}, 2.2, 2.2)};
        default: {
            Shape s = Stroke(BezierCurve(m + Vec{-4.5, -3.5}, m + Vec{-4.5, -9.5}, m + Vec{5.5, -9.5}, m + Vec{4.5, -3.5}), 3.2);
            Shape t = Stroke(BezierCurve(m + Vec{4.5, -3.5}, m + Vec{3.5, -0.5}, m + Vec{0, -1}, m + Vec{0, 2.5}), 3.2);
            s.insert(s.end(), t.begin(), t.end());
            s.push_back(Ellipse(m + Vec{0, 7}, 2.1, 2.1));
            return s;
        }
        }
    };
    if (look == ButtonLook::Over) {
        // Bevelled: a dark shadow down right, a light edge up left.
        c.Fill(glyphShape({1.2, 1.2}), Paint(RgbOf(16, 70, 30)));
        c.Fill(glyphShape({-0.6, -0.6}), Paint(RgbOf(190, 255, 200)));
    }
    c.Fill(glyphShape({0, 0}), Paint(look == ButtonLook::Up ? teal : green));
    return c.Resolve();
}

Image MinButton(bool pressed) {
    Canvas c(12, 12);
    c.FillAll(Paint(kPanelDark));
    if (pressed) {
        Bevel(c, 0, 0, 12, 12, RgbOf(20, 22, 26), RgbOf(110, 114, 122));
    } else {
        Bevel(c, 0, 0, 12, 12, RgbOf(130, 134, 142), RgbOf(20, 22, 26));
    }
    const Vec d = pressed ? Vec{0.5, 0.5} : Vec{0, 0};
    const Contour tri = Polygon({Vec{2.5, 3.5} + d, Vec{9.5, 3.5} + d, Vec{6, 8.5} + d});
    if (!pressed) c.Fill(Transformed(tri, {0.7, 0.7}), Paint(RgbOf(90, 60, 0)));
    c.Fill(tri, Paint(pressed ? RgbOf(220, 180, 30) : RgbOf(255, 220, 40)));
    return c.Resolve();
}

Image MenuPicture() {
    Canvas c(12, 12);
    c.FillAll(Paint(RgbOf(96, 102, 112)));
    const Rgb pink = kRatPink;
    for (int s = -1; s <= 1; s += 2) {
        c.Fill(Ellipse({6 + s * 3.4, 3.6}, 2.5, 2.5), Paint(kInk));
        c.Fill(Ellipse({6 + s * 3.4, 3.6}, 1.8, 1.8), Paint(pink));
        c.Fill(Ellipse({6 + s * 3.4, 3.8}, 0.9, 0.9), Paint(RgbOf(250, 210, 214)));
    }
    c.Fill(Ellipse({6, 7}, 4.4, 4.0), Paint(kInk));
    c.Fill(Ellipse({6, 7}, 3.7, 3.3), Paint(pink));
    c.Fill(Ellipse({4.5, 6.2}, 0.8, 0.9), Paint(kInk));
    c.Fill(Ellipse({7.5, 6.2}, 0.8, 0.9), Paint(kInk));
    c.Fill(Ellipse({6, 8.6}, 1.1, 0.8), Paint(RgbOf(190, 70, 96)));
    return c.Resolve();
}

}  // namespace art
