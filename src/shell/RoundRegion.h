// The rounded window shape: a rectangle whose four corners are cut by
// quarter ellipses, as the playfield's region CreateRoundRectRgn(left, top,
// right, bottom, ellipseWidth, ellipseHeight) covers it, pixel for pixel.
#pragma once

#include <QRegion>
#include <vector>

// One row of the shape: pixels Left .. Right-1 of row Y are inside.
struct TRegionRow {
    int Y;
    int Left;
    int Right;
    friend bool operator==(const TRegionRow&, const TRegionRow&) = default;
};

struct TRoundRect {
    int Left, Top, Right, Bottom;
    int EllipseWidth, EllipseHeight;
};

// The rows of the shape, top to bottom. Like the system's rounded regions,
// it covers the rectangle without its last column and last row.
std::vector<TRegionRow> RoundRectRows(const TRoundRect& shape);
bool RoundRectContains(const TRoundRect& shape, int x, int y);
QRegion RoundRectRegion(const TRoundRect& shape);
