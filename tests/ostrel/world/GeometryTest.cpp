#include <gtest/gtest.h>
#include <ostrel/world/Box.h>
#include <ostrel/world/Object.h>
#include <ostrel/world/Vector.h>
#include <ostrel/world/WorldManager.h>
#include <ostrel/world/utility.h>

#include <cmath>

using namespace ostrel;

TEST(Vector, NormalizeAndMagnitude)
{
    Vector v(3, 4);
    EXPECT_FLOAT_EQ(v.getMagnitude(), 5.0f);
    v.normalize();
    EXPECT_FLOAT_EQ(v.getX(), 0.6f);
    EXPECT_FLOAT_EQ(v.getY(), 0.8f);

    Vector zero;
    zero.normalize();
    EXPECT_EQ(zero, Vector(0, 0));
}

TEST(Vector, EqualityIsExact)
{
    EXPECT_EQ(Vector(1, 2), Vector(1, 2));
    EXPECT_NE(Vector(1, 2), Vector(1, 2.0001f));
    EXPECT_FALSE(Vector(NAN, 0) == Vector(NAN, 0));
    EXPECT_EQ(Vector(1, 2) + Vector(0.5f, -3), Vector(1.5f, -1));
}

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

TEST(Utility, PositionOutOfBoundsKeepsTheFarEdgesInside)
{
    EXPECT_FALSE(positionOutOfBounds(Vector(80, 24)));
    EXPECT_FALSE(positionOutOfBounds(Vector(0, 0)));
    EXPECT_TRUE(positionOutOfBounds(Vector(80.5f, 0)));
    EXPECT_TRUE(positionOutOfBounds(Vector(0, -0.1f)));
    EXPECT_TRUE(positionOutOfBounds(Vector(10, 24.01f)));
}

TEST(Utility, PositionsIntersectWithinOneCell)
{
    EXPECT_TRUE(positionsIntersect(Vector(1, 1), Vector(2, 2)));
    EXPECT_FALSE(positionsIntersect(Vector(1, 1), Vector(2.5f, 1)));
}

TEST(Utility, DiscardCRRemovesOneTrailingCarriageReturn)
{
    std::string crlf = "abc\r";
    discardCR(crlf);
    EXPECT_EQ(crlf, "abc");
    std::string plain = "abc";
    discardCR(plain);
    EXPECT_EQ(plain, "abc");
    std::string empty;
    discardCR(empty);
    EXPECT_EQ(empty, "");
    std::string twice = "a\r\r";
    discardCR(twice);
    EXPECT_EQ(twice, "a\r");
    std::string inner = "a\rb";
    discardCR(inner);
    EXPECT_EQ(inner, "a\rb");
}

TEST(Utility, WorldBoxFollowsThePosition)
{
    WorldManager::getInstance().startUp();
    Object* object = new Object;
    object->setPosition(Vector(10, 5));
    object->setBox(Box(Vector(-1, -1), 3, 3));
    const Box box = getWorldBox(object);
    EXPECT_EQ(box.getCorner(), Vector(9, 4));
    EXPECT_FLOAT_EQ(box.getHorizontal(), 3);
    EXPECT_FLOAT_EQ(box.getVertical(), 3);
    EXPECT_EQ(getWorldBox(object, Vector(0, 0)).getCorner(), Vector(-1, -1));
    WorldManager::getInstance().shutDown();
}
