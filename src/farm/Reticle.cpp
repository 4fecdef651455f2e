#include "farm/Reticle.h"

#include "events/EventModifierChange.h"
#include "events/EventNewDay.h"

#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/world/utility.h>

Reticle::Reticle() : m_modifier(NONE)
{
    setType("Reticle");
    setSolidness(ostrel::SPECTRAL);
    setAltitude(ostrel::MAX_ALTITUDE);
}

int Reticle::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == ostrel::MSE_EVENT)
    {
        const auto* mouse = dynamic_cast<const ostrel::EventMouse*>(event);
        if (mouse->getMouseAction() == ostrel::MOVED)
        {
            setPosition(mouse->getMousePosition());
            return 1;
        }
        return 0;
    }
    if (event->getType() == MODIFIER_CHANGE_EVENT)
    {
        m_modifier = dynamic_cast<const EventModifierChange*>(event)->getModifierType();
        return 1;
    }
    if (event->getType() == NEW_DAY_EVENT)
    {
        // A modifier still held when a day begins is lost.
        m_modifier = NONE;
    }
    return 0;
}

int Reticle::draw()
{
    ostrel::Color color = ostrel::WHITE;
    if (m_modifier == WATERING_CAN)
    {
        color = ostrel::CYAN;
    }
    else if (m_modifier == FERTILIZER)
    {
        color = ostrel::RED;
    }
    // In the cell under the pointer, the one every click and hover is tested against.
    return ostrel::DisplayManager::getInstance().drawCh(ostrel::cellOf(getPosition()), '+', color);
}
