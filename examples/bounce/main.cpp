// The world at work: a ball bounces inside a box of HARD walls, through a SOFT gate that
// lights up and throws SPECTRAL sparks whenever the ball passes, and the sparks fly off the
// screen, where they delete themselves. Q quits.
#include <ostrel/core/EventStep.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/loop/StepLimit.h>
#include <ostrel/world/EventCollision.h>
#include <ostrel/world/EventOut.h>
#include <ostrel/world/Object.h>
#include <ostrel/world/WorldManager.h>

#include <string>

namespace
{

// [guide:event]
// A game's own event: a type string of its own, and whatever it carries.
const std::string PASS_EVENT = "bounce::pass";

class EventPass : public ostrel::Event
{
public:
    explicit EventPass(int passes) : m_passes(passes) { setType(PASS_EVENT); }

    int getPasses() const { return m_passes; }

private:
    int m_passes;
};
// [guide:end]

// A block of the box's wall: HARD, the default, so that nothing solid passes through it.
class Wall : public ostrel::Object
{
public:
    explicit Wall(ostrel::Vector position)
    {
        setType("Wall");
        setPosition(position);
    }

    int draw() override { return ostrel::DisplayManager::getInstance().drawCh(getPosition(), '#', ostrel::BLUE); }
};

// [guide:spark]
// Flies in a straight line, passing through everything, until it leaves the screen.
class Spark : public ostrel::Object
{
public:
    Spark(ostrel::Vector position, ostrel::Vector velocity)
    {
        setType("Spark");
        setSolidness(ostrel::SPECTRAL);
        setPosition(position);
        setVelocity(velocity); // cells per step, added to the position at every step
    }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() == ostrel::OUT_EVENT)
        {
            // Deleted at the end of this step's world update, never in the middle of it.
            ostrel::WorldManager::getInstance().markForDelete(this);
            return 1;
        }
        return 0;
    }

    int draw() override { return ostrel::DisplayManager::getInstance().drawCh(getPosition(), '*', ostrel::YELLOW); }
};
// [guide:end]

// [guide:ball]
// Moves diagonally and turns back along whichever axis a HARD object blocks.
class Ball : public ostrel::Object
{
public:
    Ball()
    {
        setType("Ball");
        setPosition(ostrel::Vector(20, 7));
        setVelocity(ostrel::Vector(0.5f, 0.125f));
        setAltitude(3); // drawn after the gate (altitude 2), so it passes in front of it
    }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() == ostrel::KEYBOARD_EVENT)
        {
            const auto* key = static_cast<const ostrel::EventKeyboard*>(event);
            if (key->getKeyboardAction() == ostrel::KEY_PRESSED && key->getKey() == ostrel::Keyboard::Q)
            {
                ostrel::GameManager::getInstance().setGameOver();
            }
            return 1;
        }
        if (event->getType() != ostrel::COLLISION_EVENT)
        {
            return 0;
        }
        // The ball is object 1 when it moved into the other, object 2 when the other moved.
        const auto* collision = static_cast<const ostrel::EventCollision*>(event);
        const ostrel::Object* other =
            collision->getObject1() == this ? collision->getObject2() : collision->getObject1();
        if (other->getSolidness() == ostrel::HARD)
        {
            bounce();
        }
        return 1;
    }

    int draw() override { return ostrel::DisplayManager::getInstance().drawCh(getPosition(), 'O', ostrel::WHITE); }

private:
    // Reverses each part of the velocity that alone would run into something. Asking the
    // world keeps this right when one step meets two walls, and so two collision events.
    void bounce()
    {
        const ostrel::WorldManager& world = ostrel::WorldManager::getInstance();
        ostrel::Vector velocity = getVelocity();
        const ostrel::Vector here = getPosition();
        if (!world.getCollisions(this, here + ostrel::Vector(velocity.getX(), 0)).isEmpty())
        {
            velocity.setX(-velocity.getX());
        }
        if (!world.getCollisions(this, here + ostrel::Vector(0, velocity.getY())).isEmpty())
        {
            velocity.setY(-velocity.getY());
        }
        setVelocity(velocity);
    }
};
// [guide:end]

// [guide:gate]
// A SOFT bar three cells tall: solid things pass through it, but it hears of each one.
class Gate : public ostrel::Object
{
public:
    Gate()
    {
        setType("Gate");
        setSolidness(ostrel::SOFT);
        setPosition(ostrel::Vector(40, 12));
        // Without a sprite the box is one cell; this one covers the three cells drawn below.
        setBox(ostrel::Box(ostrel::Vector(-0.5f, -1.5f), 1, 3));
    }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() == ostrel::COLLISION_EVENT)
        {
            // Sent at every step that the ball overlaps the gate: count only the first.
            if (m_touched_step != m_step - 1)
            {
                ++m_passes;
                new Spark(getPosition(), ostrel::Vector(0, -0.5f)); // objects may be made here
                new Spark(getPosition(), ostrel::Vector(0, 0.5f));
                const EventPass pass(m_passes);
                ostrel::WorldManager::getInstance().onEvent(&pass); // to every object, now
            }
            m_touched_step = m_step;
            return 1;
        }
        if (event->getType() == ostrel::STEP_EVENT)
        {
            ++m_step;
            return 1;
        }
        return 0;
    }

    int draw() override
    {
        const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
        const ostrel::Color color = m_touched_step == m_step ? ostrel::RED : ostrel::GREEN;
        for (int dy = -1; dy <= 1; ++dy)
        {
            display.drawCh(getPosition() + ostrel::Vector(0, static_cast<float>(dy)), '|', color);
        }
        return 0;
    }

private:
    int m_step = 0;
    int m_touched_step = -2;
    int m_passes = 0;
};
// [guide:end]

// [guide:scoreboard]
// Shows how often the ball has passed the gate, as the gate's events tell it.
class Scoreboard : public ostrel::Object
{
public:
    Scoreboard() { setSolidness(ostrel::SPECTRAL); }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() == PASS_EVENT)
        {
            m_passes = static_cast<const EventPass*>(event)->getPasses();
            return 1;
        }
        return 0;
    }

    int draw() override
    {
        return ostrel::DisplayManager::getInstance().drawString(
            ostrel::Vector(40, 22), "passes: " + std::to_string(m_passes), ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    }

private:
    int m_passes = 0;
};
// [guide:end]

// The walls around the rectangle from (left, top) to (right, bottom), one object a cell.
void buildBox(int left, int top, int right, int bottom)
{
    for (int x = left; x <= right; ++x)
    {
        new Wall(ostrel::Vector(static_cast<float>(x), static_cast<float>(top)));
        new Wall(ostrel::Vector(static_cast<float>(x), static_cast<float>(bottom)));
    }
    for (int y = top + 1; y < bottom; ++y)
    {
        new Wall(ostrel::Vector(static_cast<float>(left), static_cast<float>(y)));
        new Wall(ostrel::Vector(static_cast<float>(right), static_cast<float>(y)));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const int steps = ostrel::stepsFromArguments(argc, argv);
    if (steps < 0)
    {
        return 2;
    }
    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        game.shutDown();
        return 1;
    }
    buildBox(10, 4, 70, 20);
    new Gate;
    new Ball;
    new Scoreboard;
    if (steps > 0)
    {
        new ostrel::StepLimit(steps);
    }
    game.run();
    game.shutDown();
    return 0;
}
