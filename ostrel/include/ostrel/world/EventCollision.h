#pragma once

#include "ostrel/core/Event.h"
#include "ostrel/math/Vector.h"

namespace ostrel
{

class Object;

const std::string COLLISION_EVENT = "ostrel::collision";

// A moving object (object 1) would overlap another (object 2) at `position`.
// The pointers are valid during delivery only.
class EventCollision : public Event
{
public:
    EventCollision();
    EventCollision(Object* object1, Object* object2, Vector position);

    void setObject1(Object* object) { m_object1 = object; }
    Object* getObject1() const { return m_object1; }
    void setObject2(Object* object) { m_object2 = object; }
    Object* getObject2() const { return m_object2; }
    void setPosition(Vector position) { m_position = position; }
    Vector getPosition() const { return m_position; }

private:
    Vector m_position;
    Object* m_object1 = nullptr;
    Object* m_object2 = nullptr;
};

} // namespace ostrel
