#include "farm/FloatingText.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/world/WorldManager.h>

FloatingText::FloatingText() : m_steps_left(15)
{
    setType("FloatingText");
    setVelocity(ostrel::Vector(0, -0.25f));
}

void FloatingText::step()
{
    if (--m_steps_left <= 0)
    {
        ostrel::WorldManager::getInstance().markForDelete(this);
    }
}

int FloatingText::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == ostrel::STEP_EVENT)
    {
        step();
        return 1;
    }
    return 0;
}
