#include "run/RemoveObjects.h"

#include <ostrel/world/Object.h>
#include <ostrel/world/WorldManager.h>

void removeObjectsOfTypes(std::initializer_list<const char*> types)
{
    ostrel::WorldManager& world = ostrel::WorldManager::getInstance();
    const ostrel::ObjectList objects = world.getAllObjects();
    for (int i = 0; i < objects.getCount(); ++i)
    {
        for (const char* type : types)
        {
            if (objects[i]->getType() == type)
            {
                world.markForDelete(objects[i]);
            }
        }
    }
}
