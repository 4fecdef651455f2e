#include "ostrel/core/Manager.h"

#include "ostrel/world/Object.h"
#include "ostrel/world/ObjectList.h"
#include "ostrel/world/WorldManager.h"

#include <utility>

namespace ostrel
{

Manager::Manager() : m_type("Manager"), m_is_started(false) {}

Manager::~Manager()
{
    Manager::shutDown();
}

void Manager::setType(std::string type)
{
    m_type = std::move(type);
}

std::string Manager::getType() const
{
    return m_type;
}

int Manager::startUp()
{
    m_is_started = true;
    return 0;
}

void Manager::shutDown()
{
    m_is_started = false;
}

bool Manager::isStarted() const
{
    return m_is_started;
}

int Manager::onEvent(const Event* event) const
{
    // A copy: handlers may create or delete objects while the event is delivered.
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

} // namespace ostrel
