// The backgrounds of the About and leaderboard windows and their Close
// pictures.
#include <string>

#include "Art.h"
#include "Font.h"

namespace art {
namespace {

using namespace assetgen;

void Cloud(Canvas& c, Vec at, double s, double opacity) {
    const Shape puff{Ellipse(at, 24 * s, 8 * s), Ellipse(at + Vec{-10 * s, -3 * s}, 11 * s, 8 * s),
                     Ellipse(at + Vec{7 * s, -6 * s}, 13 * s, 10 * s)};
    c.Fill(puff, Paint(RgbOf(255, 255, 255), opacity));
}

}  // namespace

Image HighScoreBackdrop() {
    Canvas c(240, 320);
    c.FillAll(Paint(LinearGradient({0, 0}, RgbOf(150, 200, 240), {0, 320}, RgbOf(222, 240, 252), 8)));
    // Clouds at the top and bottom; the middle stays calm for the table.
    Cloud(c, {40, 58}, 1.0, 0.8);
    Cloud(c, {196, 40}, 1.2, 0.8);
    Cloud(c, {60, 290}, 1.4, 0.7);
    Cloud(c, {190, 276}, 1.0, 0.7);
    Cloud(c, {150, 150}, 1.6, 0.18);
    Cloud(c, {70, 210}, 1.3, 0.15);
    const std::string title = "Top 10";
    const double cell = 3, w = TextWidth(title, cell), x = (240 - w) / 2;
    c.Fill(TextShape(title, {x + 1.5, 13.5}, cell, 0.2), Paint(RgbOf(255, 255, 255)));
    c.Fill(TextShape(title, {x, 12}, cell, 0.2), Paint(RgbOf(20, 44, 120)));
    return c.Resolve();
}

Image AboutBackdrop() {
    Canvas c(320, 180);
    c.FillAll(Paint(RgbOf(34, 40, 55)));
    return c.Resolve();
}

Image CloseButton(bool pressed) {
    Canvas c(60, 25);
    c.FillAll(Paint(RgbOf(34, 40, 55)));  // the About window's colour around the corners
    c.Fill(RoundRect(0.5, 0.5, 59, 24, 7), Paint(RgbOf(10, 18, 50)));
    c.Fill(RoundRect(1.5, 1.5, 57, 22, 6), Paint(LinearGradient({0, 2}, RgbOf(48, 78, 170), {0, 23}, RgbOf(22, 40, 110), 4)));
    c.Fill(RoundRect(3, 2.5, 54, 8, 4), Paint(RgbOf(255, 255, 255), 0.12));
    const std::string word = "Close";
    const double cell = 1.4, w = TextWidth(word, cell);
    const Vec at{(60 - w) / 2 + (pressed ? 0.7 : 0), 7.5 + (pressed ? 0.7 : 0)};
    c.Fill(TextShape(word, at + Vec{0.7, 0.7}, cell), Paint(RgbOf(8, 14, 40)));
    c.Fill(TextShape(word, at, cell), Paint(pressed ? RgbOf(255, 224, 40) : RgbOf(255, 255, 255)));
    return c.Resolve();
}

}  // namespace art
