#include "ostrel/world/WorldManager.h"

#include "ostrel/world/EventCollision.h"
#include "ostrel/world/EventOut.h"
#include "ostrel/world/Object.h"
#include "ostrel/world/utility.h"

namespace ostrel
{

namespace
{

// Hands an event to every object, on a copy of the list: handlers may create or delete
// objects while the event is delivered.
int broadcastToObjects(const Event* event)
{
    const ObjectList objects = WorldManager::getInstance().getAllObjects();
    int handled = 0;
    for (int i = 0; i < objects.getCount(); ++i)
    {
        if (objects[i]->eventHandler(event) != 0)
        {
            ++handled;
        }
    }
    return handled;
}

} // namespace

WorldManager::WorldManager()
{
    setType("WorldManager");
    Manager::setBroadcast(&broadcastToObjects);
}

WorldManager::~WorldManager() = default;

WorldManager& WorldManager::getInstance()
{
    static WorldManager single;
    return single;
}

int WorldManager::startUp()
{
    m_all_objects.clear();
    m_marked_objects.clear();
    m_grid.clear();
    return Manager::startUp();
}

void WorldManager::shutDown()
{
    // Each destructor takes its object out of the live list, so walk a copy.
    const ObjectList objects = m_all_objects;
    for (int i = 0; i < objects.getCount(); ++i)
    {
        if (Object* object = objects[i])
        {
            delete object;
        }
    }
    m_all_objects.clear();
    m_marked_objects.clear();
    m_grid.clear();
    Manager::shutDown();
}

int WorldManager::insertObject(Object* object)
{
    if (m_all_objects.insert(object) != 0)
    {
        return -1;
    }
    m_grid.insert(object);
    return 0;
}

int WorldManager::removeObject(Object* object)
{
    if (m_all_objects.remove(object) != 0)
    {
        return -1;
    }
    if (m_grid.remove(object))
    {
        // The object's remaining entry now comes later in the world than its first did.
        m_grid.renumber(m_all_objects);
    }
    return 0;
}

ObjectList WorldManager::getAllObjects() const
{
    return m_all_objects;
}

ObjectList WorldManager::objectsOfType(std::string type) const
{
    ObjectList result;
    for (int i = 0; i < m_all_objects.getCount(); ++i)
    {
        if (m_all_objects[i]->getType() == type)
        {
            result.insert(m_all_objects[i]);
        }
    }
    return result;
}

void WorldManager::update()
{
    // The live list is walked and its count read afresh on every pass: objects created by
    // a handler move in this same update.
    for (int i = 0; i < m_all_objects.getCount(); ++i)
    {
        Object* object = m_all_objects[i];
        const Vector new_position = object->predictPosition();
        if (new_position != object->getPosition())
        {
            moveObject(object, new_position);
        }
    }

    // A destructor may mark further objects; they are deleted in this same pass.
    for (int i = 0; i < m_marked_objects.getCount(); ++i)
    {
        if (Object* object = m_marked_objects[i])
        {
            delete object;
        }
    }
    m_marked_objects.clear();
}

void WorldManager::draw()
{
    for (int altitude = 0; altitude <= MAX_ALTITUDE; ++altitude)
    {
        for (int i = 0; i < m_all_objects.getCount(); ++i)
        {
            Object* object = m_all_objects[i];
            if (object->getAltitude() == altitude)
            {
                object->draw();
            }
        }
    }
}

int WorldManager::markForDelete(Object* object)
{
    for (int i = 0; i < m_marked_objects.getCount(); ++i)
    {
        if (m_marked_objects[i] == object)
        {
            return 0;
        }
    }
    return m_marked_objects.insert(object);
}

ObjectList WorldManager::getCollisions(const Object* object, Vector where) const
{
    const Box box = getWorldBox(object, where);
    const auto collides = [&](const Object* other)
    { return other != object && other->isSolid() && boxIntersectsBox(getWorldBox(other), box); };
    ObjectList collisions;
    if (m_grid.hasDuplicates())
    {
        for (int i = 0; i < m_all_objects.getCount(); ++i)
        {
            if (collides(m_all_objects[i]))
            {
                collisions.insert(m_all_objects[i]);
            }
        }
        return collisions;
    }
    for (Object* other : m_grid.candidates(box))
    {
        if (collides(other))
        {
            collisions.insert(other);
        }
    }
    return collisions;
}

int WorldManager::moveObject(Object* object, Vector where)
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
                object->eventHandler(&collision);
                other->eventHandler(&collision);
                // Read after the handlers ran: a handler may soften either partner.
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
        object->eventHandler(&out);
    }
    return 0;
}

void WorldManager::objectChanged(const Object* object)
{
    m_grid.update(object);
}

} // namespace ostrel
