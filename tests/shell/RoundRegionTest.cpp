#include <gtest/gtest.h>

#include "RoundRegion.h"

namespace {

// The playfield's shape: CreateRoundRectRgn(0, 0, 437, 284, 128, 128).
const TRoundRect kPlayfield{0, 0, 437, 284, 128, 128};

struct PointCase {
    int x, y;
    bool inside;
};

}  // namespace

TEST(RoundRegion, PlayfieldCornersFollowTheSystemShape) {
    // The system's rounded region leaves out the last column and row, and its
    // corners are quarter circles of radius 64 around (64, 64) and the
    // mirrored centres (371, 64), (64, 218), (371, 218).
    const PointCase cases[] = {
        {0, 0, false},     {436, 283, false}, {436, 142, false}, {218, 283, false},
        {435, 142, true},  {218, 282, true},  {0, 142, true},    {218, 0, true},
        {50, 0, false},    {60, 0, true},     {385, 0, false},   {375, 0, true},
        {16, 16, false},   {21, 21, true},    {419, 16, false},  {414, 21, true},
        {16, 266, false},  {21, 261, true},   {419, 266, false}, {414, 261, true},
        {0, 30, false},    {0, 70, true},     {435, 30, false},  {435, 252, false},
        {64, 64, true},    {1, 63, true},     {63, 1, true},     {8, 8, false},
    };
    for (const PointCase& c : cases)
        EXPECT_EQ(RoundRectContains(kPlayfield, c.x, c.y), c.inside) << "(" << c.x << ", " << c.y << ")";
}

TEST(RoundRegion, ShapeIsSymmetricAndTheRegionMatchesTheRows) {
    const QRegion region = RoundRectRegion(kPlayfield);
    for (int y = -1; y <= 284; ++y) {
        for (int x = -1; x <= 437; ++x) {
            const bool inside = RoundRectContains(kPlayfield, x, y);
            ASSERT_EQ(region.contains(QPoint(x, y)), inside) << "(" << x << ", " << y << ")";
            if (x >= 0 && x <= 435 && y >= 0 && y <= 282) {
                ASSERT_EQ(inside, RoundRectContains(kPlayfield, 435 - x, y));
                ASSERT_EQ(inside, RoundRectContains(kPlayfield, x, 282 - y));
            }
        }
    }
}

TEST(RoundRegion, SmallOrOversizedEllipses) {
    // Ellipses under two pixels give the plain rectangle (less its last
    // column and row); oversized ones are cut to the rectangle's size.
    const TRoundRect square{0, 0, 10, 8, 1, 1};
    EXPECT_TRUE(RoundRectContains(square, 0, 0));
    EXPECT_TRUE(RoundRectContains(square, 8, 6));
    EXPECT_FALSE(RoundRectContains(square, 9, 0));
    EXPECT_FALSE(RoundRectContains(square, 0, 7));
    const TRoundRect oval{0, 0, 101, 51, 500, 500};
    EXPECT_TRUE(RoundRectContains(oval, 50, 25));
    EXPECT_TRUE(RoundRectContains(oval, 0, 25));
    EXPECT_FALSE(RoundRectContains(oval, 5, 5));
    EXPECT_TRUE(RoundRectRows({5, 5, 5, 9, 4, 4}).empty());
}
