#include "Probe.h"

#include <gtest/gtest.h>
#include <ostrel/world/EventOut.h>
#include <ostrel/world/WorldManager.h>

using namespace ostrel;

class WorldManagerTest : public testing::Test
{
protected:
    void SetUp() override { world.startUp(); }
    void TearDown() override { world.shutDown(); }

    // A solid probe with a 2 x 2 box centred on its position.
    static Probe* probeAt(Vector position, Solidness solidness = HARD)
    {
        Probe* probe = new Probe;
        probe->setPosition(position);
        probe->setBox(Box(Vector(-1, -1), 2, 2));
        probe->setSolidness(solidness);
        return probe;
    }

    WorldManager& world = WorldManager::getInstance();
};

TEST_F(WorldManagerTest, TwoHardObjectsTouchingBlockEachOther)
{
    Probe* mover = probeAt(Vector(10, 10));
    Probe* wall = probeAt(Vector(14, 10));
    EXPECT_EQ(world.moveObject(mover, Vector(12, 10)), -1);
    EXPECT_EQ(mover->getPosition(), Vector(10, 10));
    ASSERT_EQ(mover->count(COLLISION_EVENT), 1);
    ASSERT_EQ(wall->count(COLLISION_EVENT), 1);
    EXPECT_EQ(mover->partners[0], wall);
    EXPECT_EQ(wall->partners[0], mover);
}

TEST_F(WorldManagerTest, MoverReceivesTheCollisionBeforeThePartner)
{
    std::vector<Object*> order;
    Probe* mover = probeAt(Vector(10, 10));
    Probe* other = probeAt(Vector(12, 10));
    mover->on_event = [&](const Event*) { order.push_back(mover); };
    other->on_event = [&](const Event*) { order.push_back(other); };
    world.moveObject(mover, Vector(11, 10));
    EXPECT_EQ(order, (std::vector<Object*>{mover, other}));
}

TEST_F(WorldManagerTest, SoftPartnersCollideWithoutBlocking)
{
    Probe* mover = probeAt(Vector(10, 10));
    Probe* soft = probeAt(Vector(12, 10), SOFT);
    EXPECT_EQ(world.moveObject(mover, Vector(11, 10)), 0);
    EXPECT_EQ(mover->getPosition(), Vector(11, 10));
    EXPECT_EQ(mover->count(COLLISION_EVENT), 1);
    EXPECT_EQ(soft->count(COLLISION_EVENT), 1);
}

TEST_F(WorldManagerTest, SpectralObjectsTakeNoPartInCollisions)
{
    Probe* ghost = probeAt(Vector(10, 10), SPECTRAL);
    Probe* wall = probeAt(Vector(12, 10));
    EXPECT_EQ(world.moveObject(ghost, Vector(12, 10)), 0);
    EXPECT_TRUE(ghost->events.empty());
    EXPECT_TRUE(wall->events.empty());

    Probe* mover = probeAt(Vector(30, 10));
    EXPECT_EQ(world.moveObject(mover, Vector(12, 12)), -1) << "blocked by the wall, not the ghost";
    ASSERT_EQ(mover->partners.size(), 1u);
    EXPECT_EQ(mover->partners[0], wall);
    EXPECT_EQ(ghost->count(COLLISION_EVENT), 0);
}

TEST_F(WorldManagerTest, BlockingIsDecidedAfterTheHandlersRan)
{
    Probe* mover = probeAt(Vector(10, 10));
    probeAt(Vector(12, 10));
    mover->on_event = [&](const Event*) { mover->setSolidness(SOFT); };
    EXPECT_EQ(world.moveObject(mover, Vector(11, 10)), 0);
    EXPECT_EQ(mover->getPosition(), Vector(11, 10));
}

TEST_F(WorldManagerTest, EveryPartnerHearsOfABlockedMove)
{
    Probe* mover = probeAt(Vector(10, 10));
    Probe* soft1 = probeAt(Vector(12, 9), SOFT);
    Probe* hard = probeAt(Vector(12, 10));
    Probe* soft2 = probeAt(Vector(12, 11), SOFT);
    EXPECT_EQ(world.moveObject(mover, Vector(11, 10)), -1);
    EXPECT_EQ(mover->partners, (std::vector<Object*>{soft1, hard, soft2}));
    EXPECT_EQ(soft1->count(COLLISION_EVENT), 1);
    EXPECT_EQ(hard->count(COLLISION_EVENT), 1);
    EXPECT_EQ(soft2->count(COLLISION_EVENT), 1);
}

TEST_F(WorldManagerTest, MovingOutsideSendsAnOutEventOnEveryStep)
{
    Probe* runner = probeAt(Vector(80, 10), SPECTRAL);
    runner->setVelocity(Vector(1, 0));
    world.update();
    EXPECT_EQ(runner->getPosition(), Vector(81, 10));
    EXPECT_EQ(runner->count(OUT_EVENT), 1);
    world.update();
    EXPECT_EQ(runner->count(OUT_EVENT), 2);

    runner->setVelocity(Vector(0, 0));
    world.update();
    EXPECT_EQ(runner->count(OUT_EVENT), 2) << "standing still outside sends nothing";

    Probe* edge = probeAt(Vector(79.5f, 10), SPECTRAL);
    edge->setVelocity(Vector(0.5f, 0));
    world.update();
    EXPECT_EQ(edge->getPosition(), Vector(80, 10));
    EXPECT_EQ(edge->count(OUT_EVENT), 0);
}

TEST_F(WorldManagerTest, ObjectsStandingStillNeverCollide)
{
    Probe* a = probeAt(Vector(10, 10));
    Probe* b = probeAt(Vector(10, 10));
    world.update();
    EXPECT_TRUE(a->events.empty());
    EXPECT_TRUE(b->events.empty());
}

TEST_F(WorldManagerTest, MarkedObjectsAreDeletedOnceAtTheEndOfTheUpdate)
{
    Probe* doomed = probeAt(Vector(5, 5), SPECTRAL);
    doomed->setVelocity(Vector(1, 0));
    EXPECT_EQ(world.markForDelete(doomed), 0);
    EXPECT_EQ(world.markForDelete(doomed), 0);
    EXPECT_EQ(world.getAllObjects().getCount(), 1) << "still in the world until the update";
    world.update();
    EXPECT_TRUE(world.getAllObjects().isEmpty());
    world.update(); // a second delete of the same object would crash here
}

TEST_F(WorldManagerTest, ObjectsCreatedDuringTheUpdateMoveInIt)
{
    Probe* spawner = probeAt(Vector(40, 10), SPECTRAL);
    Probe* child = nullptr;
    spawner->on_event = [&](const Event*)
    {
        if (!child)
        {
            child = probeAt(Vector(20, 10), SPECTRAL);
            child->setVelocity(Vector(0, 1));
        }
    };
    spawner->setVelocity(Vector(0, 20)); // out of the world: its out event spawns the child
    world.update();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->getPosition(), Vector(20, 11));
}

TEST_F(WorldManagerTest, AnObjectMarkedByADestructorGoesInTheSamePass)
{
    struct Chain : Object
    {
        Object* next = nullptr;
        ~Chain() override
        {
            if (next)
            {
                WorldManager::getInstance().markForDelete(next);
            }
        }
    };
    Chain* first = new Chain;
    first->next = new Chain;
    world.markForDelete(first);
    world.update();
    EXPECT_TRUE(world.getAllObjects().isEmpty());
}

TEST_F(WorldManagerTest, DrawsByAltitudeThenWorldOrder)
{
    std::vector<Probe*> drawn;
    Probe* probes[4];
    const int altitudes[4] = {3, 0, 4, 0};
    for (int i = 0; i < 4; ++i)
    {
        probes[i] = new Probe;
        probes[i]->setAltitude(altitudes[i]);
        probes[i]->draw_log = &drawn;
    }
    world.draw();
    EXPECT_EQ(drawn, (std::vector<Probe*>{probes[1], probes[3], probes[0], probes[2]}));
}

TEST_F(WorldManagerTest, FindsObjectsByType)
{
    Probe* a = new Probe;
    a->setType("Crow");
    new Probe;
    Probe* c = new Probe;
    c->setType("Crow");
    const ObjectList crows = world.objectsOfType("Crow");
    ASSERT_EQ(crows.getCount(), 2);
    EXPECT_EQ(crows[0], a);
    EXPECT_EQ(crows[1], c);
    EXPECT_TRUE(world.objectsOfType("Fly").isEmpty());
}

TEST_F(WorldManagerTest, AFullWorldLeavesNewObjectsOut)
{
    std::vector<Object*> objects;
    for (int i = 0; i < MAX_OBJECTS; ++i)
    {
        objects.push_back(new Object);
    }
    Object* extra = new Object;
    EXPECT_EQ(world.getAllObjects().getCount(), MAX_OBJECTS);
    EXPECT_EQ(world.removeObject(extra), -1);
    // Marked, it is still deleted at the end of the update, and its removal fails quietly.
    world.markForDelete(extra);
    world.update();
    EXPECT_EQ(world.getAllObjects().getCount(), MAX_OBJECTS);
}

TEST_F(WorldManagerTest, ShutDownDeletesEveryObject)
{
    int destroyed = 0;
    struct Counted : Object
    {
        int* counter;
        explicit Counted(int* c) : counter(c) {}
        ~Counted() override { ++*counter; }
    };
    new Counted(&destroyed);
    new Counted(&destroyed);
    world.shutDown();
    EXPECT_EQ(destroyed, 2);
    EXPECT_TRUE(world.getAllObjects().isEmpty());
}
