#include <gtest/gtest.h>
#include <ostrel/math/Box.h>
#include <ostrel/math/Vector.h>
#include <ostrel/world/utility.h>

using namespace ostrel;

TEST(Box, IntersectsAtSharedEdgesOnly)
{
    EXPECT_TRUE(boxIntersectsBox(Box(Vector(0, 0), 2, 2), Box(Vector(2, 0), 2, 2)));
    EXPECT_FALSE(boxIntersectsBox(Box(Vector(0, 0), 2, 2), Box(Vector(2.01f, 0), 2, 2)));
    // Either order, and a corner touch counts.
    EXPECT_TRUE(boxIntersectsBox(Box(Vector(2, 2), 2, 2), Box(Vector(0, 0), 2, 2)));
    // A zero-sized box intersects a box containing its corner.
    EXPECT_TRUE(boxIntersectsBox(Box(Vector(1, 1), 0, 0), Box(Vector(0, 0), 2, 2)));
    EXPECT_FALSE(boxIntersectsBox(Box(Vector(0, 0), 2, 2), Box(Vector(0, 3), 2, 2)));
}

TEST(Box, ContainsPositionWithEveryBoundIncluded)
{
    const Box point(Vector(5, 5), 0, 0);
    EXPECT_TRUE(boxContainsPosition(point, Vector(5, 5)));
    EXPECT_FALSE(boxContainsPosition(point, Vector(5, 5.001f)));

    const Box box(Vector(10, 3), 4, 2);
    EXPECT_TRUE(boxContainsPosition(box, Vector(14, 5)));
    EXPECT_TRUE(boxContainsPosition(box, Vector(10, 3)));
    EXPECT_FALSE(boxContainsPosition(box, Vector(14.5f, 5)));
    EXPECT_FALSE(boxContainsPosition(box, Vector(9.9f, 4)));
}
