#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/Object.h>
#include <ostrel/world/WorldManager.h>

using namespace ostrel;
using testing_support::TestDir;

class ObjectTest : public testing::Test
{
protected:
    void SetUp() override { WorldManager::getInstance().startUp(); }
    void TearDown() override { WorldManager::getInstance().shutDown(); }
};

TEST_F(ObjectTest, NewObjectHasTheDefaultsAndIsInTheWorld)
{
    Object* object = new Object;
    EXPECT_EQ(object->getType(), "Object");
    EXPECT_EQ(object->getPosition(), Vector(0, 0));
    EXPECT_EQ(object->getAltitude(), 2);
    EXPECT_EQ(object->getSpeed(), 0.0f);
    EXPECT_EQ(object->getDirection(), Vector(0, 0));
    EXPECT_EQ(object->getSolidness(), HARD);
    EXPECT_EQ(object->getBox().getCorner(), Vector(-0.5f, -0.5f));
    EXPECT_EQ(object->getBox().getHorizontal(), 1.0f);
    EXPECT_EQ(object->getBox().getVertical(), 1.0f);
    const ObjectList all = WorldManager::getInstance().getAllObjects();
    ASSERT_EQ(all.getCount(), 1);
    EXPECT_EQ(all[0], object);
    EXPECT_EQ(object->draw(), -1);
}

TEST_F(ObjectTest, DestructionTakesTheObjectOutOfTheWorld)
{
    Object* object = new Object;
    delete object;
    EXPECT_TRUE(WorldManager::getInstance().getAllObjects().isEmpty());
}

TEST_F(ObjectTest, RejectsOutOfRangeAltitudeAndSolidness)
{
    Object* object = new Object;
    EXPECT_EQ(object->setAltitude(5), -1);
    EXPECT_EQ(object->setAltitude(-1), -1);
    EXPECT_EQ(object->getAltitude(), 2);
    EXPECT_EQ(object->setAltitude(0), 0);
    EXPECT_EQ(object->setAltitude(4), 0);
    EXPECT_EQ(object->getAltitude(), 4);

    EXPECT_EQ(object->setSolidness(SOFT), 0);
    EXPECT_EQ(object->setSolidness(static_cast<Solidness>(3)), -1);
    EXPECT_EQ(object->getSolidness(), SOFT);
    EXPECT_TRUE(object->isSolid());
    object->setSolidness(SPECTRAL);
    EXPECT_FALSE(object->isSolid());
}

TEST_F(ObjectTest, VelocityIsADirectionAndASpeed)
{
    Object* object = new Object;
    object->setVelocity(Vector(3, 4));
    EXPECT_FLOAT_EQ(object->getSpeed(), 5);
    EXPECT_FLOAT_EQ(object->getDirection().getX(), 0.6f);
    EXPECT_FLOAT_EQ(object->getDirection().getY(), 0.8f);
    EXPECT_FLOAT_EQ(object->getVelocity().getX(), 3);
    EXPECT_FLOAT_EQ(object->getVelocity().getY(), 4);
    object->setPosition(Vector(10, 10));
    EXPECT_FLOAT_EQ(object->predictPosition().getX(), 13);
    EXPECT_FLOAT_EQ(object->predictPosition().getY(), 14);

    object->setDirection(Vector(0, 2));
    object->setSpeed(0.5f);
    EXPECT_EQ(object->getVelocity(), Vector(0, 0.5f));

    object->setSpeed(-1);
    EXPECT_EQ(object->getVelocity(), Vector(0, -1));
}

TEST_F(ObjectTest, SpriteGivesTheBoxAndAMissingOneChangesNothing)
{
    TestDir dir;
    LogManager::getInstance().startUp();
    ResourceManager& resources = ResourceManager::getInstance();
    resources.startUp();
    dir.write("wide.txt", "1\n5\n3\n1\nred\nabcde\nfghij\nklmno\n");
    ASSERT_EQ(resources.loadSprite("wide.txt", "wide"), 0);

    Object* object = new Object;
    EXPECT_EQ(object->setSprite("not loaded"), -1);
    EXPECT_EQ(object->getBox().getHorizontal(), 1.0f);
    EXPECT_EQ(object->getAnimation().getSprite(), nullptr);

    EXPECT_EQ(object->setSprite("wide"), 0);
    EXPECT_EQ(object->getBox().getCorner(), Vector(-2.5f, -1.5f));
    EXPECT_EQ(object->getBox().getHorizontal(), 5.0f);
    EXPECT_EQ(object->getBox().getVertical(), 3.0f);

    EXPECT_EQ(object->setSprite("not loaded"), -1);
    EXPECT_EQ(object->getAnimation().getSprite(), resources.getSprite("wide"));

    WorldManager::getInstance().shutDown();
    resources.shutDown();
    LogManager::getInstance().shutDown();
}
