#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace assetgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

double Clamp255(double v) { return std::clamp(v, 0.0, 255.0); }

double SignedArea(const Contour& c) {
    double a = 0;
    for (size_t i = 0; i < c.size(); ++i) {
        const Vec& p = c[i];
        const Vec& q = c[(i + 1) % c.size()];
        a += p.X * q.Y - q.X * p.Y;
    }
    return a / 2;
}

double Stepped(double t, int steps) {
    t = std::clamp(t, 0.0, 1.0);
    if (steps <= 1) return t;
    return std::min(std::floor(t * steps), double(steps - 1)) / (steps - 1);
}

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

void AppendSvgPath(std::string& out, const Shape& shape, const Paint& paint) {
    const Rgb c = paint.Colour(0, 0);
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", unsigned(std::lround(c.R)), unsigned(std::lround(c.G)),
                  unsigned(std::lround(c.B)));
    out += "<path fill=\"" + std::string(colour) + "\"";
    if (paint.Opacity < 1) out += " fill-opacity=\"" + Number(paint.Opacity) + "\"";
    out += " d=\"";
    for (const Contour& k : shape) {
        for (size_t i = 0; i < k.size(); ++i) out += (i ? " L" : "M") + Number(k[i].X) + " " + Number(k[i].Y);
        out += "Z";
    }
    out += "\"/>\n";
}

}  // namespace

std::string Canvas::Svg(int displaySize) const {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(displaySize) + "\" height=\"" +
           std::to_string(displaySize) + "\" viewBox=\"0 0 " + std::to_string(width_) + " " + std::to_string(height_) +
           "\">\n" + svgPaths_ + "</svg>\n";
}

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

Rgb Shade(Rgb c, double f) {
    if (f <= 1) return {c.R * f, c.G * f, c.B * f};
    const double t = f - 1;
    return Mix(c, RgbOf(255, 255, 255), std::min(t, 1.0));
}

Paint::Paint(Rgb c, double opacity) : Colour([c](double, double) { return c; }), Opacity(opacity) {}
Paint::Paint(ColourFn f, double opacity) : Colour(std::move(f)), Opacity(opacity) {}

ColourFn LinearGradient(Vec from, Rgb a, Vec to, Rgb b, int steps) {
    const Vec d = to - from;
    const double len2 = d.X * d.X + d.Y * d.Y;
    return [=](double x, double y) {
        const double t = ((x - from.X) * d.X + (y - from.Y) * d.Y) / len2;
        return Mix(a, b, Stepped(t, steps));
    };
}

ColourFn RadialGradient(Vec centre, double radius, Rgb inner, Rgb outer, int steps) {
    return [=](double x, double y) {
        const double t = std::hypot(x - centre.X, y - centre.Y) / radius;
        return Mix(inner, outer, Stepped(t, steps));
    };
}

Contour Ellipse(Vec c, double rx, double ry, double rot) {
    const int n = std::max(24, int(std::max(rx, ry) * 8));
    const double cr = std::cos(rot * kPi / 180), sr = std::sin(rot * kPi / 180);
    Contour out;
    for (int i = 0; i < n; ++i) {
        const double t = 2 * kPi * i / n;
        const double x = rx * std::cos(t), y = ry * std::sin(t);
        out.push_back({c.X + x * cr - y * sr, c.Y + x * sr + y * cr});
    }
    return out;
}

Contour Rect(double x, double y, double w, double h) {
    return {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
}

Contour RoundRect(double x, double y, double w, double h, double r) {
    Contour out;
    const int n = 12;
    const Vec corners[4] = {{x + w - r, y + r}, {x + w - r, y + h - r}, {x + r, y + h - r},
                            {x + r, y + r}};
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i <= n; ++i) {
            const double t = (-90 + 90 * k + 90.0 * i / n) * kPi / 180;
            out.push_back({corners[k].X + r * std::cos(t), corners[k].Y + r * std::sin(t)});
        }
    }
    return out;
}

Contour Polygon(std::initializer_list<Vec> points) { return Contour(points); }

std::vector<Vec> BezierCurve(Vec p0, Vec c1, Vec c2, Vec p1) {
    std::vector<Vec> out;
    const int n = 24;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n, u = 1 - t;
        out.push_back(p0 * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) +
                      p1 * (t * t * t));
    }
    return out;
}

Contour BezierLoop(const std::vector<Vec>& p) {
    Contour out;
    for (size_t i = 0; i + 3 < p.size(); i += 3) {
        auto seg = BezierCurve(p[i], p[i + 1], p[i + 2], p[i + 3]);
        out.insert(out.end(), seg.begin(), seg.end() - 1);
    }
    return out;
}

Shape Stroke(const std::vector<Vec>& line, double width, bool closed) {
    Shape s;
    const double r = width / 2;
    const size_t segs = closed ? line.size() : line.size() - 1;
    for (size_t i = 0; i < segs; ++i) {
        const Vec a = line[i], b = line[(i + 1) % line.size()];
        const Vec d = b - a;
        const double len = std::hypot(d.X, d.Y);
        if (len < 1e-9) continue;
        const Vec n{-d.Y / len * r, d.X / len * r};
        s.push_back({a + n, b + n, b - n, a - n});
    }
    for (const Vec& p : line) {
        Contour disc;
        for (int i = 0; i < 12; ++i) {
            const double t = 2 * kPi * i / 12;
            disc.push_back({p.X + r * std::cos(t), p.Y + r * std::sin(t)});
        }
        s.push_back(disc);
    }
    return Oriented(s);
}

Contour Transformed(const Contour& c, Vec t, double rot, Vec pivot, double sx, double sy) {
    const double cr = std::cos(rot * kPi / 180), sr = std::sin(rot * kPi / 180);
    Contour out;
    for (const Vec& p : c) {
        const double x = (p.X - pivot.X) * sx, y = (p.Y - pivot.Y) * sy;
        out.push_back({pivot.X + x * cr - y * sr + t.X, pivot.Y + x * sr + y * cr + t.Y});
    }
    return out;
}

Shape Oriented(Shape s) {
    for (Contour& c : s) {
        if (SignedArea(c) < 0) std::reverse(c.begin(), c.end());
    }
    return s;
}

Canvas::Canvas(int w, int h, int ss)
    : width_(w), height_(h), ss_(ss), hw_(w * ss), hh_(h * ss), px_(size_t(hw_) * hh_) {}

std::vector<uint8_t> Canvas::Rasterise(const Shape& shapeIn, Box* box) const {
    const Shape shape = Oriented(shapeIn);
    std::vector<uint8_t> cov(size_t(hw_) * hh_, 0);
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const Contour& c : shape) {
        for (const Vec& p : c) {
            minX = std::min(minX, p.X), maxX = std::max(maxX, p.X);
            minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
        }
    }
    Box b{std::clamp(int(std::floor(minX * ss_)) - 1, 0, hw_),
          std::clamp(int(std::floor(minY * ss_)) - 1, 0, hh_),
          std::clamp(int(std::ceil(maxX * ss_)) + 1, 0, hw_),
          std::clamp(int(std::ceil(maxY * ss_)) + 1, 0, hh_)};
    if (box) *box = b;
    struct Cross {
        double X;
        int Dir;
    };
    std::vector<Cross> xs;
    for (int j = b.Y0; j < b.Y1; ++j) {
        const double y = (j + 0.5) / ss_;
        xs.clear();
        for (const Contour& c : shape) {
            for (size_t i = 0; i < c.size(); ++i) {
                const Vec a = c[i], b = c[(i + 1) % c.size()];
                if ((a.Y <= y) == (b.Y <= y)) continue;
                const double x = a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y);
                xs.push_back({x, b.Y > a.Y ? 1 : -1});
            }
        }
        if (xs.empty()) continue;
        std::sort(xs.begin(), xs.end(), [](const Cross& p, const Cross& q) { return p.X < q.X; });
        int wind = 0;
        for (size_t k = 0; k + 1 < xs.size(); ++k) {
            wind += xs[k].Dir;
            if (wind == 0) continue;
            // Sub-pixel i is inside when its centre lies in [x0, x1).
            const int i0 = std::max(0, int(std::ceil(xs[k].X * ss_ - 0.5)));
            const int i1 = std::min(hw_, int(std::ceil(xs[k + 1].X * ss_ - 0.5)));
            for (int i = i0; i < i1; ++i) cov[size_t(j) * hw_ + i] = 1;
        }
    }
    return cov;
}

void Canvas::Fill(const Shape& shape, const Paint& paint) {
    if (recordSvg_) AppendSvgPath(svgPaths_, Oriented(shape), paint);
    Box b;
    const std::vector<uint8_t> cov = Rasterise(shape, &b);
    const float op = float(paint.Opacity);
    for (int j = b.Y0; j < b.Y1; ++j) {
        for (int i = b.X0; i < b.X1; ++i) {
            const size_t k = size_t(j) * hw_ + i;
            if (!cov[k]) continue;
            bool inside = true;
            for (const auto& clip : clips_) inside = inside && clip[k];
            if (!inside) continue;
            const Rgb c = paint.Colour((i + 0.5) / ss_, (j + 0.5) / ss_);
            Px& p = px_[k];
            // Paint goes over what is there; coverage only grows.
            const float a = p.A > 0 ? op : 1.0f;
            const float keep = p.A > 0 ? 1 - op : 0.0f;
            p.R = float(c.R) * a + p.R * keep;
            p.G = float(c.G) * a + p.G * keep;
            p.B = float(c.B) * a + p.B * keep;
            p.A = std::max(p.A, op);
        }
    }
}

void Canvas::FillAll(const Paint& paint) { Fill(Rect(-1, -1, width_ + 2, height_ + 2), paint); }

void Canvas::Outline(const Contour& c, double width, Rgb colour) {
    Fill(Stroke(c, width, true), Paint(colour));
}

void Canvas::Line(const std::vector<Vec>& line, double width, const Paint& paint) {
    Fill(Stroke(line, width, false), paint);
}

void Canvas::PushClip(const Shape& shape) { clips_.push_back(Rasterise(shape)); }

void Canvas::PushClipToDrawn() {
    std::vector<uint8_t> clip(px_.size());
    for (size_t k = 0; k < px_.size(); ++k) clip[k] = px_[k].A > 0;
    clips_.push_back(std::move(clip));
}

void Canvas::PopClip() { clips_.pop_back(); }

Image Canvas::Resolve() const {
    Image img;
    img.Width = width_;
    img.Height = height_;
    img.Colour.resize(size_t(width_) * height_);
    img.Coverage.resize(size_t(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < ss_; ++j) {
                for (int i = 0; i < ss_; ++i) {
                    const Px& p = px_[size_t(y * ss_ + j) * hw_ + x * ss_ + i];
                    r += p.R * p.A;
                    g += p.G * p.A;
                    b += p.B * p.A;
                    a += p.A;
                }
            }
            const size_t k = size_t(y) * width_ + x;
            // Straight colour: the shape's own colour at its edges, not a
            // blend with the empty background.
            img.Colour[k] = a > 0 ? Rgb{Clamp255(r / a), Clamp255(g / a), Clamp255(b / a)} : Rgb{};
            img.Coverage[k] = a / (ss_ * ss_);
        }
    }
    return img;
}

}  // namespace assetgen
