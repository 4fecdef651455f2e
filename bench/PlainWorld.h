#pragma once

#include <ostrel/math/Vector.h>
#include <ostrel/world/ObjectList.h>

namespace reference
{

// The world update as first written, with its plain collision search: every move tests every
// object in the world. Kept as the reference the broad phase must match event for event; the
// frame benchmark times it. It works on the world manager's objects and keeps its own list of
// objects marked for deletion, so handlers under test mark through it.
class PlainWorld
{
public:
    // Moves every object of the world by its velocity in world order, then deletes the
    // objects marked here.
    void update();
    int moveObject(ostrel::Object* object, ostrel::Vector where);
    int markForDelete(ostrel::Object* object);

private:
    int move(ostrel::Object* object, ostrel::Vector where);
    ostrel::ObjectList getCollisions(const ostrel::Object* object, ostrel::Vector where);
    // The world's list as it is now. Only handlers change it, so a copy serves until one runs.
    const ostrel::ObjectList& objects();

    ostrel::ObjectList m_objects;
    bool m_stale = true;
    ostrel::ObjectList m_marked;
};

} // namespace reference
