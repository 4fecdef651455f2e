#include "hud/HeldText.h"

#include "events/EventModifierChange.h"
#include "events/EventNewDay.h"

#include <ostrel/graphics/DisplayManager.h>

HeldText::HeldText()
{
    setType("HeldText");
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    setPosition(ostrel::Vector(static_cast<float>(display.getHorizontal()) / 2.0f,
                               static_cast<float>(display.getVertical()) - 2.0f));
}

void HeldText::update(PlotModifierType held)
{
    switch (held)
    {
        case WATERING_CAN:
            setText("Holding a watering can: click a plot to water it.");
            break;
        case FERTILIZER:
            setText("Holding fertilizer: click a plot to fertilize it.");
            break;
        case NONE:
        default:
            setText("");
            break;
    }
}

int HeldText::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == MODIFIER_CHANGE_EVENT)
    {
        update(dynamic_cast<const EventModifierChange*>(event)->getModifierType());
        return 1;
    }
    if (event->getType() == NEW_DAY_EVENT)
    {
        update(NONE);
    }
    return 0;
}
