#include "pests/Fly.h"

#include "farm/Plot.h"
#include "shop/UpgradeManager.h"

#include <algorithm>

Fly::Fly()
{
    setType("Fly");
    setSpeed(0.3f);
    setJitter(15);
    setMaxHealth(2);
    Fly::assignDelay();
    setSprites("pest_fly", "pest_fly_damaged");
}

void Fly::assignDelay()
{
    const int nets = UpgradeManager::getInstance().getPurchaseCount("Bug Net");
    setDelay(std::max(MIN_PEST_DELAY, 500 + 250 * nets - 25 * getDay()));
}

void Fly::damagePlot(Plot* plot)
{
    plot->flyDamage();
    Pest::damagePlot(plot);
}

void Fly::takeDamage()
{
    if (UpgradeManager::getInstance().hasUpgrade("Bug Spray"))
    {
        --health();
    }
    Pest::takeDamage();
}
