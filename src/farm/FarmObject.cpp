#include "farm/FarmObject.h"

#include "events/EventStateChange.h"

#include <ostrel/loop/GameManager.h>

FarmObject::FarmObject() : m_active(true) {}

int FarmObject::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == STATE_CHANGE_EVENT)
    {
        m_active = dynamic_cast<const EventStateChange*>(event)->getFarm();
        return 1;
    }
    return 0;
}

bool FarmObject::takesClicks()
{
    return !ostrel::GameManager::getInstance().isPaused();
}

int FarmObject::draw()
{
    if (!m_active)
    {
        return 1;
    }
    return Object::draw();
}
