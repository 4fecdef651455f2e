#include "hud/QuotaMetText.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/world/WorldManager.h>

QuotaMetText::QuotaMetText() : m_steps_left(60)
{
    setSprite("text_passed");
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    // At the bottom, clear of the shop's cards and prices, centred under them as the shop's
    // captions are (column 50).
    setPosition(ostrel::Vector(50.0f, static_cast<float>(display.getVertical() - 4)));
    setSolidness(ostrel::SPECTRAL);
    setAltitude(3);
}

int QuotaMetText::eventHandler(const ostrel::Event* event)
{
    if (event->getType() != ostrel::STEP_EVENT)
    {
        return 0;
    }
    if (--m_steps_left == 0)
    {
        ostrel::WorldManager::getInstance().markForDelete(this);
    }
    return 1;
}
