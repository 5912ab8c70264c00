// A small anti-aliased rasteriser for the asset generator: shapes are filled
// hard on a grid four times finer than the picture, then averaged down.
// Deterministic floating-point code only, so every machine draws the same.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace assetgen {

struct Rgb {
    double R = 0, G = 0, B = 0;  // 0..255
};
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Shade(Rgb c, double factor);  // factor < 1 darkens, > 1 lightens
constexpr Rgb RgbOf(int r, int g, int b) { return {double(r), double(g), double(b)}; }

struct Vec {
    double X = 0, Y = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.X + b.X, a.Y + b.Y}; }
inline Vec operator-(Vec a, Vec b) { return {a.X - b.X, a.Y - b.Y}; }
inline Vec operator*(Vec a, double s) { return {a.X * s, a.Y * s}; }

using Contour = std::vector<Vec>;
using Shape = std::vector<Contour>;  // filled with the nonzero rule

// Colour as a function of the picture position (in picture pixels).
using ColourFn = std::function<Rgb(double x, double y)>;

struct Paint {
    ColourFn Colour;
    double Opacity = 1.0;
    Paint(Rgb c, double opacity = 1.0);
    Paint(ColourFn f, double opacity = 1.0);
};

// Gradients, optionally in a few flat steps (steps 0 = smooth).
ColourFn LinearGradient(Vec from, Rgb a, Vec to, Rgb b, int steps = 0);
ColourFn RadialGradient(Vec centre, double radius, Rgb inner, Rgb outer, int steps = 0);

// Shape builders. Angles in degrees; all contours wind the same way so that
// several of them in one Shape fill their union.
Contour Ellipse(Vec centre, double rx, double ry, double rotationDeg = 0);
Contour Rect(double x, double y, double w, double h);
Contour RoundRect(double x, double y, double w, double h, double r);
Contour Polygon(std::initializer_list<Vec> points);
// A closed path of cubic Bézier segments: p0, c1, c2, p1, c1, c2, p2, ...
Contour BezierLoop(const std::vector<Vec>& points);
// An open cubic Bézier curve, flattened.
std::vector<Vec> BezierCurve(Vec p0, Vec c1, Vec c2, Vec p1);
// The outline of a polyline of the given width with round joins and caps.
Shape Stroke(const std::vector<Vec>& line, double width, bool closed = false);
// Transformations of contours.
Contour Transformed(const Contour& c, Vec translate, double rotationDeg = 0, Vec pivot = {},
                    double scaleX = 1, double scaleY = 1);
Shape Oriented(Shape s);  // every contour counter-clockwise

// An RGBA picture at its final size; colours are straight (not premultiplied).
struct Image {
    int Width = 0, Height = 0;
    std::vector<Rgb> Colour;
    std::vector<double> Coverage;  // 0..1
    Rgb At(int x, int y) const { return Colour[size_t(y) * Width + x]; }
    double CoverageAt(int x, int y) const { return Coverage[size_t(y) * Width + x]; }
};

class Canvas {
public:
    Canvas(int width, int height, int supersample = 4);
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(const Shape& shape, const Paint& paint);
    void Fill(const Contour& c, const Paint& paint) { Fill(Shape{c}, paint); }
    void FillAll(const Paint& paint);
    // Outline drawn centred on the contour.
    void Outline(const Contour& c, double width, Rgb colour);
    void Line(const std::vector<Vec>& line, double width, const Paint& paint);

    // Later fills only land inside the clip (intersected with any clip set).
    void PushClip(const Shape& shape);
    void PopClip();
    // Later fills land only where something has already been drawn.
    void PushClipToDrawn();

    Image Resolve() const;

    // Also keeps every fill as an SVG path (solid paints only, no clips), for
    // pictures that are wanted as scalable vector images too.
    void RecordSvg() { recordSvg_ = true; }
    std::string Svg(int displaySize) const;  // square, scaled to displaySize

private:
    struct Px {
        float R = 0, G = 0, B = 0, A = 0;
    };
    struct Box {
        int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;  // sub-pixels, end exclusive
    };
    std::vector<uint8_t> Rasterise(const Shape& shape, Box* box = nullptr) const;
    int width_, height_, ss_, hw_, hh_;
    std::vector<Px> px_;
    std::vector<std::vector<uint8_t>> clips_;
    bool recordSvg_ = false;
    std::string svgPaths_;
};

}  // namespace assetgen
