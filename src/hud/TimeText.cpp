#include "hud/TimeText.h"

#include "run/DayKeeper.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/world/WorldManager.h>

namespace
{

const int LAST_SECONDS = 10;

} // namespace

TimeText::TimeText()
{
    setType("TimeText");
    setPosition(ostrel::Vector(static_cast<float>(ostrel::DisplayManager::getInstance().getHorizontal()) - 8.0f, 1));
    setBorder(true);
}

void TimeText::update()
{
    const ostrel::ObjectList keepers = ostrel::WorldManager::getInstance().objectsOfType("DayKeeper");
    if (keepers.isEmpty())
    {
        return;
    }
    const auto* keeper = dynamic_cast<const DayKeeper*>(keepers[0]);
    if (!keeper)
    {
        return;
    }
    // Whole seconds, rounded up, at 30 steps a second; red for the day's last ten.
    const int seconds = (keeper->getTicksLeft() + 29) / 30;
    setText(std::to_string(seconds));
    setColor(keeper->isDayActive() && seconds <= LAST_SECONDS ? ostrel::RED : ostrel::WHITE);
}

int TimeText::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == ostrel::STEP_EVENT)
    {
        update();
        return 1;
    }
    return 0;
}
