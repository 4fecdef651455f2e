#pragma once

#include "hud/HudText.h"

// The HUD's day number, top left.
class DayText : private HudText
{
public:
    DayText();

    void update(int day);
    // Takes "new_day_event".
    int eventHandler(const ostrel::Event* event) override;
};
