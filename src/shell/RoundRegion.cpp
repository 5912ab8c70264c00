#include "RoundRegion.h"

#include <algorithm>
#include <cmath>

namespace {

// The rectangle the corner ellipses are fitted into: the system's rounded
// regions leave out the right column and the bottom row.
struct Box {
    int left, top, right, bottom;  // right and bottom excluded
    int ellipseWidth, ellipseHeight;
};

Box BoxOf(const TRoundRect& s) {
    Box b{std::min(s.Left, s.Right), std::min(s.Top, s.Bottom),
          std::max(s.Left, s.Right) - 1, std::max(s.Top, s.Bottom) - 1, 0, 0};
    b.ellipseWidth = std::min(b.right - b.left, std::abs(s.EllipseWidth));
    b.ellipseHeight = std::min(b.bottom - b.top, std::abs(s.EllipseHeight));
    return b;
}

// How many pixels of row `row` (0 = the box's top row) lie left of the
// shape: a pixel is inside when its centre is inside the corner ellipse.
int Inset(const Box& b, int row) {
    const double a = b.ellipseWidth / 2.0;
    const double rb = b.ellipseHeight / 2.0;
    const int height = b.bottom - b.top;
    const int fromEdge = std::min(row, height - 1 - row);
    const double centreY = fromEdge + 0.5;
    if (centreY >= rb) return 0;
    const double dy = (rb - centreY) / rb;
    const double dx = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    return std::max(0, static_cast<int>(std::ceil(a - dx - 0.5)));
}

}  // namespace

std::vector<TRegionRow> RoundRectRows(const TRoundRect& shape) {
    const Box b = BoxOf(shape);
    std::vector<TRegionRow> rows;
    if (b.right <= b.left || b.bottom <= b.top) return rows;
    const bool square = b.ellipseWidth < 2 || b.ellipseHeight < 2;
    for (int y = b.top; y < b.bottom; ++y) {
        const int inset = square ? 0 : Inset(b, y - b.top);
        const int left = b.left + inset;
        const int right = b.right - inset;
        if (left < right) rows.push_back({y, left, right});
    }
    return rows;
}

bool RoundRectContains(const TRoundRect& shape, int x, int y) {
    for (const TRegionRow& row : RoundRectRows(shape))
        if (row.Y == y) return row.Left <= x && x < row.Right;
    return false;
}

QRegion RoundRectRegion(const TRoundRect& shape) {
    // Runs of equal rows become one rectangle, so the straight middle of the
    // shape is a single band.
    QRegion region;
    const std::vector<TRegionRow> rows = RoundRectRows(shape);
    for (size_t i = 0; i < rows.size();) {
        size_t j = i + 1;
        while (j < rows.size() && rows[j].Left == rows[i].Left && rows[j].Right == rows[i].Right) ++j;
        region += QRect(rows[i].Left, rows[i].Y, rows[i].Right - rows[i].Left, static_cast<int>(j - i));
        i = j;
    }
    return region;
}
