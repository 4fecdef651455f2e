#pragma once

#include "ostrel/core/Manager.h"
#include "ostrel/math/Vector.h"
#include "ostrel/world/CollisionGrid.h"
#include "ostrel/world/ObjectList.h"

#include <string>

namespace ostrel
{

class Object;

// Holds every game object: moves them each frame, sends collision and out events, deletes
// the ones marked for deletion, and draws them by altitude.
class WorldManager : public Manager
{
public:
    static WorldManager& getInstance();
    ~WorldManager() override;

    // Empties both lists without deleting anything; cannot fail.
    int startUp() override;
    // Deletes every object in the world and empties both lists.
    void shutDown() override;

    // -1 when the world is full.
    int insertObject(Object* object);
    // -1 when the object is not in the world.
    int removeObject(Object* object);
    ObjectList getAllObjects() const;
    ObjectList objectsOfType(std::string type) const;

    // Moves every object by its velocity in world order, then deletes the marked objects.
    void update();
    // Draws every object, altitude 0 first and MAX_ALTITUDE last, world order within one.
    void draw();

    // Lists the object for deletion at the end of the next update; marking twice lists it
    // once. -1 when the marked list is full.
    int markForDelete(Object* object);

    // The solid objects that `object` would overlap at `where`, in world order.
    ObjectList getCollisions(const Object* object, Vector where) const;
    // Moves the object to `where` unless two HARD objects block each other: 0 moved,
    // -1 blocked. Both partners of every collision receive the event, blocked or not.
    int moveObject(Object* object, Vector where);

private:
    // Object's setters report every change of position, box or solidness.
    friend class Object;

    WorldManager();

    void objectChanged(const Object* object);

    ObjectList m_all_objects;
    ObjectList m_marked_objects;
    // The solid objects by where they are, so that a collision search looks only nearby.
    CollisionGrid m_grid;
};

} // namespace ostrel
