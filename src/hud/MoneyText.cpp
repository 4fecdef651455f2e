#include "hud/MoneyText.h"

#include "run/DayKeeper.h"
#include "run/MoneyManager.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/graphics/DisplayManager.h>

MoneyText::MoneyText()
{
    setType("MoneyText");
    setPosition(ostrel::Vector(static_cast<float>(ostrel::DisplayManager::getInstance().getHorizontal()) / 2.0f, 1));
    const MoneyManager& money = MoneyManager::getInstance();
    update(money.getMoney(), money.getQuota());
    setBorder(true);
}

void MoneyText::update(int money, int quota)
{
    setText("$" + std::to_string(money) + " / $" + std::to_string(quota));
    // Only a farm day can still be lost: in the shop the quota shown is the next day's.
    setColor(dayInProgress() && money < quota ? ostrel::RED : ostrel::WHITE);
}

int MoneyText::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == ostrel::STEP_EVENT)
    {
        const MoneyManager& money = MoneyManager::getInstance();
        update(money.getMoney(), money.getQuota());
        return 1;
    }
    return 0;
}
