#include "PlainWorld.h"

#include <gtest/gtest.h>
#include <ostrel/world/EventCollision.h>
#include <ostrel/world/EventOut.h>
#include <ostrel/world/Object.h>
#include <ostrel/world/WorldManager.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace ostrel;

namespace
{

// One thing a run saw: an event an agent received, the result of a move a handler made, an
// agent's deletion, or an object's state at the end of a step. Floats are kept as bits so that
// NaN compares equal to itself.
struct Record
{
    char what; // 'c' collision, 'o' out, 'm' move, 'd' deleted, 's' state
    int id;
    int a;
    int b;
    std::uint32_t f[6];

    bool operator==(const Record& other) const
    {
        return what == other.what && id == other.id && a == other.a && b == other.b &&
               std::memcmp(f, other.f, sizeof f) == 0;
    }
};

std::uint32_t bits(float value)
{
    std::uint32_t result;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

float unbits(std::uint32_t value)
{
    float result;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

std::string describe(const Record& record)
{
    std::ostringstream out;
    out << record.what << " id " << record.id << " a " << record.a << " b " << record.b << " [";
    for (const std::uint32_t value : record.f)
    {
        out << ' ' << unbits(value);
    }
    out << " ]";
    return out.str();
}

std::uint64_t mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

// The run under way: the update and the marking its agents use, and what they saw.
struct Run
{
    bool plain;
    std::uint64_t seed;
    reference::PlainWorld plain_world;
    std::vector<Record> log;
    int next_id = 0;
    int depth = 0;

    void update() { plain ? plain_world.update() : WorldManager::getInstance().update(); }
    int move(Object* object, Vector where)
    {
        return plain ? plain_world.moveObject(object, where) : WorldManager::getInstance().moveObject(object, where);
    }
    void mark(Object* object)
    {
        plain ? plain_world.markForDelete(object) : WorldManager::getInstance().markForDelete(object);
    }
};

Run* run = nullptr;

// Positions on the quarter-cell lattice (where edges touch exactly), anywhere, and extreme.
Vector randomPosition(std::uint64_t r)
{
    static const float extremes[] = {std::numeric_limits<float>::quiet_NaN(),
                                     std::numeric_limits<float>::infinity(),
                                     -std::numeric_limits<float>::infinity(),
                                     1e30f,
                                     -1e30f,
                                     1e7f,
                                     -300.25f,
                                     400.0f};
    const auto coordinate = [&](std::uint64_t s, float low, float high)
    {
        const std::uint64_t kind = s % 20;
        const float unit = static_cast<float>((s >> 8) % 100000) / 100000.0f;
        if (kind == 0)
        {
            return extremes[(s >> 32) % 8];
        }
        const float value = low + unit * (high - low);
        return kind < 11 ? std::floor(value * 4.0f) / 4.0f : value;
    };
    return Vector(coordinate(mix(r), -6.0f, 86.0f), coordinate(mix(r + 1), -4.0f, 28.0f));
}

Box randomBox(std::uint64_t r)
{
    static const float sizes[] = {1.0f,  1.0f,
                                  1.0f,  0.0f,
                                  0.5f,  2.0f,
                                  3.75f, 12.0f,
                                  -1.5f, 1e9f,
                                  0.3f,  1.25f,
                                  40.0f, std::numeric_limits<float>::infinity(),
                                  2.5f,  0.125f,
                                  5.0f,  std::numeric_limits<float>::quiet_NaN(),
                                  6.0f,  1.0f};
    const float width = sizes[mix(r) % 20];
    const float height = sizes[mix(r + 1) % 20];
    const float offset = static_cast<float>(mix(r + 2) % 5) * -0.25f;
    return Box(Vector(offset, offset), width, height);
}

Vector randomVelocity(std::uint64_t r)
{
    static const float speeds[] = {0.0f, 0.25f, 0.5f, 1.0f, 0.3f, 1.7f, 0.25f, 0.1f};
    const float angle = static_cast<float>(mix(r) % 8) * 0.785398f + static_cast<float>(mix(r + 1) % 3) * 0.1f;
    return Vector(std::cos(angle) * speeds[mix(r + 2) % 8], std::sin(angle) * speeds[mix(r + 2) % 8]);
}

Solidness randomSolidness(std::uint64_t r)
{
    return static_cast<Solidness>(r % 3);
}

// An object that records what it hears and answers with what a game's handlers do: it
// changes its own or its partner's solidness, position, box or velocity, marks either for
// deletion, makes a move of its own, or creates a new object. Its choices follow from the
// run's seed and what it has heard so far, so both runs choose alike while they agree.
class Agent : public Object
{
public:
    Agent() : m_id(run->next_id++) {}
    ~Agent() override { run->log.push_back(Record{'d', m_id, 0, 0, {}}); }

    int id() const { return m_id; }

    static Agent* spawn(std::uint64_t r)
    {
        Agent* agent = new Agent;
        agent->setSolidness(randomSolidness(mix(r)));
        agent->setPosition(randomPosition(mix(r + 1)));
        agent->setVelocity(randomVelocity(mix(r + 2)));
        if (mix(r + 3) % 4 == 0)
        {
            agent->setBox(randomBox(mix(r + 4)));
        }
        return agent;
    }

    int eventHandler(const Event* event) override
    {
        const std::uint64_t r = mix(run->seed * 1000003u + static_cast<std::uint64_t>(m_id) * 7919u + m_heard++);
        if (event->getType() == COLLISION_EVENT)
        {
            const auto* collision = dynamic_cast<const EventCollision*>(event);
            const Vector where = collision->getPosition();
            const auto* first = dynamic_cast<const Agent*>(collision->getObject1());
            const auto* second = dynamic_cast<const Agent*>(collision->getObject2());
            run->log.push_back(Record{'c', m_id, first->id(), second->id(), {bits(where.getX()), bits(where.getY())}});
            Object* partner = collision->getObject1() == this ? collision->getObject2() : collision->getObject1();
            act(r, (r >> 40) % 2 ? partner : this);
        }
        else if (event->getType() == OUT_EVENT)
        {
            run->log.push_back(Record{'o', m_id, 0, 0, {bits(getPosition().getX()), bits(getPosition().getY())}});
            act(r, this);
        }
        return 0;
    }

private:
    void act(std::uint64_t r, Object* target)
    {
        const std::uint64_t choice = r % 100;
        const std::uint64_t next = mix(r);
        if (choice < 8)
        {
            target->setSolidness(randomSolidness(next));
        }
        else if (choice < 14)
        {
            run->mark(target);
        }
        else if (choice < 20)
        {
            target->setPosition(randomPosition(next));
        }
        else if (choice < 24)
        {
            target->setBox(randomBox(next));
        }
        else if (choice < 28)
        {
            target->setVelocity(randomVelocity(next));
        }
        else if (choice < 32 && run->depth < 2)
        {
            ++run->depth;
            const int result = run->move(this, randomPosition(next));
            --run->depth;
            run->log.push_back(Record{'m', m_id, result, 0, {}});
        }
        else if (choice < 35 && WorldManager::getInstance().getAllObjects().getCount() < MAX_OBJECTS - 1)
        {
            spawn(next);
        }
    }

private:
    int m_id;
    std::uint64_t m_heard = 0;
};

void recordWorld()
{
    const ObjectList objects = WorldManager::getInstance().getAllObjects();
    for (int i = 0; i < objects.getCount(); ++i)
    {
        const auto* agent = dynamic_cast<const Agent*>(objects[i]);
        const Box box = agent->getBox();
        run->log.push_back(
            Record{'s',
                   agent->id(),
                   agent->getSolidness(),
                   0,
                   {bits(agent->getPosition().getX()), bits(agent->getPosition().getY()), bits(box.getCorner().getX()),
                    bits(box.getCorner().getY()), bits(box.getHorizontal()), bits(box.getVertical())}});
    }
}

// Builds the seed's world and runs it for its steps with one search or the other.
std::vector<Record> play(std::uint64_t seed, bool plain, int objects, int steps)
{
    WorldManager& world = WorldManager::getInstance();
    world.startUp();
    Run current{plain, seed, {}, {}};
    run = &current;
    for (int i = 0; i < objects; ++i)
    {
        Agent::spawn(mix(seed * 7777u + static_cast<std::uint64_t>(i)));
    }
    for (int step = 0; step < steps; ++step)
    {
        current.update();
        recordWorld();
    }
    world.shutDown();
    run = nullptr;
    return current.log;
}

} // namespace

// Random worlds of hard, soft and spectral objects with fractional, inverted, huge and NaN
// positions and boxes, whose handlers soften, move, resize, mark and create objects: the
// broad phase must deliver exactly what the plain scan delivers, step after step.
TEST(BroadPhaseTest, MatchesThePlainScanEventForEvent)
{
    const int worlds = 120;
    int steps_compared = 0;
    std::size_t records = 0;
    std::map<char, std::size_t> kinds;
    for (std::uint64_t seed = 1; seed <= worlds; ++seed)
    {
        const int objects = seed % 30 == 0 ? 800 : static_cast<int>(2 + mix(seed) % 150);
        const int steps = seed % 30 == 0 ? 5 : 25;
        const std::vector<Record> expected = play(seed, true, objects, steps);
        const std::vector<Record> actual = play(seed, false, objects, steps);
        std::size_t i = 0;
        while (i < expected.size() && i < actual.size() && expected[i] == actual[i])
        {
            ++i;
        }
        ASSERT_EQ(i, expected.size()) << "world " << seed << " differs at record " << i << " of " << expected.size()
                                      << "\n plain: " << describe(expected[i]) << "\n broad: "
                                      << (i < actual.size() ? describe(actual[i]) : std::string("(nothing)"));
        ASSERT_EQ(actual.size(), expected.size()) << "world " << seed;
        for (const Record& record : expected)
        {
            ++kinds[record.what];
        }
        records += expected.size();
        steps_compared += steps;
    }
    EXPECT_GT(kinds['c'], 10000u) << "the worlds must collide often to prove anything";
    std::printf("compared %d worlds, %d steps, %zu records: %zu collision events, %zu out events, %zu handler moves, "
                "%zu deletions\n",
                worlds, steps_compared, records, kinds['c'], kinds['o'], kinds['m'], kinds['d']);
}

// An object listed twice is met twice, in the world's order, and keeps its place once one
// entry goes.
TEST(BroadPhaseTest, MeetsAnObjectListedTwiceAtEachOfItsPlaces)
{
    WorldManager& world = WorldManager::getInstance();
    world.startUp();
    Object* twice = new Object;
    Object* other = new Object;
    world.insertObject(twice);
    Object* mover = new Object;
    mover->setPosition(Vector(10, 10));

    ObjectList met = world.getCollisions(mover, Vector(0, 0));
    ASSERT_EQ(met.getCount(), 3);
    EXPECT_EQ(met[0], twice);
    EXPECT_EQ(met[1], other);
    EXPECT_EQ(met[2], twice);

    world.removeObject(twice);
    met = world.getCollisions(mover, Vector(0, 0));
    ASSERT_EQ(met.getCount(), 2);
    EXPECT_EQ(met[0], other);
    EXPECT_EQ(met[1], twice);
    world.shutDown();
}
