#include "pests/Crow.h"

#include "farm/Plot.h"
#include "shop/UpgradeManager.h"

#include <algorithm>

Crow::Crow()
{
    setType("Crow");
    setSpeed(0.2f);
    setJitter(200);
    setMaxHealth(3);
    Crow::assignDelay();
    setSprites("pest_crow", "pest_crow_damaged");
}

void Crow::assignDelay()
{
    const int scarecrows = UpgradeManager::getInstance().getPurchaseCount("Scarecrow");
    setDelay(std::max(MIN_PEST_DELAY, 700 + 350 * scarecrows - 25 * getDay()));
}

void Crow::damagePlot(Plot* plot)
{
    plot->crowDamage();
    Pest::damagePlot(plot);
}
