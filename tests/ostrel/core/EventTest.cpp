#include <gtest/gtest.h>
#include <ostrel/core/EventStep.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/world/EventCollision.h>
#include <ostrel/world/EventOut.h>

using namespace ostrel;

TEST(Event, DefaultsCarryTheUndefinedValues)
{
    EXPECT_EQ(Event().getType(), "ostrel::undefined");

    const EventKeyboard keyboard;
    EXPECT_EQ(keyboard.getType(), "ostrel::keyboard");
    EXPECT_EQ(keyboard.getKey(), -1);
    EXPECT_EQ(keyboard.getKeyboardAction(), -1);

    const EventMouse mouse;
    EXPECT_EQ(mouse.getType(), "ostrel::mouse");
    EXPECT_EQ(mouse.getMouseAction(), -1);
    EXPECT_EQ(mouse.getMouseButton(), -1);
    EXPECT_EQ(mouse.getMousePosition(), Vector(0, 0));

    const EventCollision collision;
    EXPECT_EQ(collision.getType(), "ostrel::collision");
    EXPECT_EQ(collision.getObject1(), nullptr);
    EXPECT_EQ(collision.getObject2(), nullptr);
    EXPECT_EQ(collision.getPosition(), Vector(0, 0));

    EXPECT_EQ(EventOut().getType(), "ostrel::out");
    EXPECT_EQ(EventStep().getStepCount(), 0);
    EXPECT_EQ(EventStep(5).getStepCount(), 5);
    EXPECT_EQ(EventStep(5).getType(), "ostrel::step");
}

TEST(Event, CollisionConstructorTakesObjectsThenPosition)
{
    Object* first = reinterpret_cast<Object*>(0x10);
    Object* second = reinterpret_cast<Object*>(0x20);
    const EventCollision collision(first, second, Vector(3, 4));
    EXPECT_EQ(collision.getObject1(), first);
    EXPECT_EQ(collision.getObject2(), second);
    EXPECT_EQ(collision.getPosition(), Vector(3, 4));
}
