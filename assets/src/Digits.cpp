// The panel's two digit strips: seven-segment LED digits for the time and
// white numerals on shaded tiles for the score, ten 16 x 21 images each.
#include <array>

#include "Art.h"

namespace art {
namespace {

using namespace assetgen;

constexpr int kDigitW = 16, kDigitH = 21;
const Rgb kLit = RgbOf(81, 198, 255);
const Rgb kUnlit = RgbOf(56, 89, 107);
const Rgb kNumeral = RgbOf(239, 239, 239);

// Segments a (top), b (top right), c (bottom right), d (bottom), e (bottom
// left), f (top left), g (middle); bit 0 is a.
constexpr std::array<int, 10> kSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

struct Segment {
    Vec A, B;  // ends of its centre line
};

Segment SegmentLine(int s, double x0) {
    const double l = x0 + 3.5, r = x0 + 12.5, t = 2.5, m = 10.5, b = 18.5;
    switch (s) {
    case 0: return {{l + 1.2, t}, {r - 1.2, t}};
    case 1: return {{r, t + 1.2}, {r, m - 1.2}};
    case 2: return {{r, m + 1.2}, {r, b - 1.2}};
    case 3: return {{l + 1.2, b}, {r - 1.2, b}};
    case 4: return {{l, m + 1.2}, {l, b - 1.2}};
    case 5: return {{l, t + 1.2}, {l, m - 1.2}};
    default: return {{l + 1.2, m}, {r - 1.2, m}};
    }
}

// A six-sided segment along its centre line.
Contour SegmentShape(const Segment& s) {
    const double w = 1.5;
    const Vec d = s.B - s.A;
    const bool horizontal = d.Y == 0;
    const Vec n = horizontal ? Vec{0, w} : Vec{w, 0};
    const Vec t = horizontal ? Vec{w, 0} : Vec{0, w};
    return {s.A - t, s.A + n, s.B + n, s.B + t, s.B - n, s.A - n};
}

// Numerals as stroked lines on a 16 x 21 cell.
std::vector<std::vector<Vec>> Numeral(int d, double x) {
    auto p = [x](double a, double b) { return Vec{x + a, b}; };
    switch (d) {
    case 0: return {{p(8, 3.5), p(4.5, 5), p(4, 10.5), p(4.5, 16), p(8, 17.5), p(11.5, 16), p(12, 10.5), p(11.5, 5), p(8, 3.5)}};
    case 1: return {{p(5.5, 6), p(8.5, 3.5), p(8.5, 17.5)}, {p(5.5, 17.5), p(11.5, 17.5)}};
    case 2: return {BezierCurve(p(4.5, 6.5), p(5, 2.5), p(12, 2.5), p(11.5, 7)), {p(11.5, 7), p(4.5, 17.5), p(12, 17.5)}};
    case 3: return {BezierCurve(p(4.5, 5.5), p(6.5, 2.5), p(12, 3), p(11, 7.5)), {p(11, 7.5), p(7.5, 10)},
                    BezierCurve(p(7.5, 10), p(13, 10.5), p(12.5, 18.5), p(4.5, 16.5))};
    case 4: return {{p(10, 17.5), p(10, 3.5), p(4, 13), p(12.5, 13)}};
    case 5: return {{p(11.5, 3.5), p(5, 3.5), p(4.5, 9.5)}, BezierCurve(p(4.5, 9.5), p(13, 6.5), p(13.5, 19), p(4.5, 16.5))};
    case 6: return {BezierCurve(p(11, 3.5), p(3, 4), p(3, 17.5), p(8, 17.5)),
                    BezierCurve(p(8, 17.5), p(13, 17.5), p(13, 9.5), p(8, 9.5)), BezierCurve(p(8, 9.5), p(5.5, 9.5), p(4.5, 11), p(4.2, 12.5))};
    case 7: return {{p(4, 3.5), p(12, 3.5), p(7, 17.5)}};
    case 8: return {{p(8, 10), p(5, 8.5), p(5, 5), p(8, 3.5), p(11, 5), p(11, 8.5), p(8, 10), p(4.5, 12), p(4.5, 16), p(8, 17.5), p(11.5, 16), p(11.5, 12), p(8, 10)}};
    default: return {BezierCurve(p(5, 17.5), p(13, 17), p(13, 3.5), p(8, 3.5)),
                     BezierCurve(p(8, 3.5), p(3, 3.5), p(3, 11.5), p(8, 11.5)), BezierCurve(p(8, 11.5), p(10.5, 11.5), p(11.5, 10), p(11.8, 8.5))};
    }
}

}  // namespace

Image LedDigits() {
    Canvas c(kDigitW * 10, kDigitH);
    c.FillAll(Paint(RgbOf(0, 0, 0)));
    for (int d = 0; d < 10; ++d) {
        for (int s = 0; s < 7; ++s) {
            const Segment seg = SegmentLine(s, d * kDigitW);
            const bool lit = (kSegments[size_t(d)] >> s) & 1;
            c.Fill(SegmentShape(seg), Paint(lit ? kLit : kUnlit));
            // A bright centre line runs along every lit segment.
            if (lit) c.Line({seg.A, seg.B}, 1.0, Paint(RgbOf(255, 255, 255)));
        }
    }
    return c.Resolve();
}

Image ScoreDigits() {
    Canvas c(kDigitW * 10, kDigitH);
    for (int d = 0; d < 10; ++d) {
        const double x = d * kDigitW;
        c.Fill(Rect(x, 0, kDigitW, kDigitH), Paint(LinearGradient({0, 0}, RgbOf(0, 0, 0), {0, kDigitH}, RgbOf(128, 128, 128), 7)));
        c.Fill(Rect(x, 0, kDigitW, 1), Paint(RgbOf(0, 0, 0)));
        for (const auto& line : Numeral(d, x)) c.Line(line, 2.2, Paint(kNumeral));
    }
    return c.Resolve();
}

}  // namespace art
