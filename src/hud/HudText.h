#pragma once

#include "hud/DisplayText.h"

// A line of the HUD: drawn while a run goes on, on the farm and in the shop, and hidden on
// the title and game-over screens.
class HudText : public DisplayText
{
public:
    int draw() override;
};
