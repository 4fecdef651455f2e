#pragma once

#include "hud/HudText.h"

// The HUD's money and quota, top centre, as "$money / $quota", refreshed every step; red
// during a farm day while the money is below the quota.
class MoneyText : private HudText
{
public:
    MoneyText();

    void update(int money, int quota);
    int eventHandler(const ostrel::Event* event) override;
};
