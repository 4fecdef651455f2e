#include "ostrel/world/EventCollision.h"

namespace ostrel
{

EventCollision::EventCollision()
{
    setType(COLLISION_EVENT);
}

EventCollision::EventCollision(Object* object1, Object* object2, Vector position)
    : m_position(position), m_object1(object1), m_object2(object2)
{
    setType(COLLISION_EVENT);
}

} // namespace ostrel
