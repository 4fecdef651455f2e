#include "PlainWorld.h"

#include <ostrel/world/EventCollision.h>
#include <ostrel/world/EventOut.h>
#include <ostrel/world/Object.h>
#include <ostrel/world/WorldManager.h>
#include <ostrel/world/utility.h>

namespace reference
{

using namespace ostrel;

void PlainWorld::update()
{
    m_stale = true;
    for (int i = 0; i < objects().getCount(); ++i)
    {
        Object* object = objects()[i];
        const Vector new_position = object->predictPosition();
        if (new_position != object->getPosition())
        {
            move(object, new_position);
        }
    }

    for (int i = 0; i < m_marked.getCount(); ++i)
    {
        if (Object* object = m_marked[i])
        {
            delete object;
        }
    }
    m_marked.clear();
    m_stale = true;
}

int PlainWorld::moveObject(Object* object, Vector where)
{
    m_stale = true;
    return move(object, where);
}

int PlainWorld::move(Object* object, Vector where)
{
    if (object->isSolid())
    {
        const ObjectList collisions = getCollisions(object, where);
        if (!collisions.isEmpty())
        {
            bool move_allowed = true;
            for (int i = 0; i < collisions.getCount(); ++i)
            {
                Object* other = collisions[i];
                const EventCollision collision(object, other, where);
                m_stale = true;
                object->eventHandler(&collision);
                other->eventHandler(&collision);
                if (object->getSolidness() == HARD && other->getSolidness() == HARD)
                {
                    move_allowed = false;
                }
            }
            if (!move_allowed)
            {
                return -1;
            }
        }
    }

    object->setPosition(where);
    if (positionOutOfBounds(where))
    {
        const EventOut out;
        m_stale = true;
        object->eventHandler(&out);
    }
    return 0;
}

ObjectList PlainWorld::getCollisions(const Object* object, Vector where)
{
    const Box box = getWorldBox(object, where);
    const ObjectList& all = objects();
    ObjectList collisions;
    for (int i = 0; i < all.getCount(); ++i)
    {
        Object* other = all[i];
        if (other != object && other->isSolid() && boxIntersectsBox(getWorldBox(other), box))
        {
            collisions.insert(other);
        }
    }
    return collisions;
}

int PlainWorld::markForDelete(Object* object)
{
    for (int i = 0; i < m_marked.getCount(); ++i)
    {
        if (m_marked[i] == object)
        {
            return 0;
        }
    }
    return m_marked.insert(object);
}

const ObjectList& PlainWorld::objects()
{
    if (m_stale)
    {
        m_objects = WorldManager::getInstance().getAllObjects();
        m_stale = false;
    }
    return m_objects;
}

} // namespace reference
