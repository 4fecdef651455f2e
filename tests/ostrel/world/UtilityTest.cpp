#include <gtest/gtest.h>
#include <ostrel/math/Box.h>
#include <ostrel/math/Vector.h>
#include <ostrel/world/Object.h>
#include <ostrel/world/WorldManager.h>
#include <ostrel/world/utility.h>

using namespace ostrel;

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
