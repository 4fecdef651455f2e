#include "frontend/InkGrid.h"

#include <gtest/gtest.h>

using ostrel::InkGrid;

namespace
{
// The overlaps of a rectangle, as left, top, right, bottom quadruples.
std::vector<std::vector<float>> overlaps(InkGrid& grid, InkGrid::Rect rect)
{
    std::vector<std::vector<float>> result;
    for (const InkGrid::Rect& overlap : grid.overlaps(rect))
    {
        result.push_back({overlap.left, overlap.top, overlap.right, overlap.bottom});
    }
    return result;
}
using Overlaps = std::vector<std::vector<float>>;
} // namespace

TEST(InkGrid, GivesTheSharedPartOfEachMarkedRectangle)
{
    InkGrid grid(1024, 768);
    EXPECT_TRUE(overlaps(grid, {0, 0, 1024, 768}).empty()) << "nothing drawn yet";
    grid.mark({100, 100, 110.5f, 130});
    EXPECT_EQ(overlaps(grid, {110, 120, 122, 152}), (Overlaps{{110, 120, 110.5f, 130}})) << "a sliver";
    EXPECT_TRUE(overlaps(grid, {110.5f, 100, 123, 132}).empty()) << "touching along an edge shares no pixel";
    EXPECT_TRUE(overlaps(grid, {100, 130, 110, 162}).empty());
    EXPECT_EQ(overlaps(grid, {90, 90, 200, 200}), (Overlaps{{100, 100, 110.5f, 130}})) << "all of it";
    grid.mark({105, 90, 120, 110});
    EXPECT_EQ(overlaps(grid, {104, 105, 108, 120}), (Overlaps{{104, 105, 108, 120}, {105, 105, 108, 110}}))
        << "one part per rectangle, in the order marked";
    grid.clear();
    EXPECT_TRUE(overlaps(grid, {90, 90, 200, 200}).empty());
}

TEST(InkGrid, RectanglesAcrossTilesAndOffTheWindow)
{
    InkGrid grid(1024, 768);
    grid.mark({-20, 700, 40, 800});
    EXPECT_EQ(overlaps(grid, {-5, 760, 5, 790}), (Overlaps{{-5, 760, 5, 790}})) << "beyond the window's edge";
    EXPECT_EQ(overlaps(grid, {35, 650, 60, 710}), (Overlaps{{35, 700, 40, 710}})) << "met in two tiles, given once";
    EXPECT_TRUE(overlaps(grid, {41, 650, 60, 710}).empty());
}
