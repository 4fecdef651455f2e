#pragma once

#include "hud/HudText.h"

// The HUD's seconds left in the day, top right, read from the day keeper every step; red in
// the day's last ten seconds.
class TimeText : private HudText
{
public:
    TimeText();

    void update();
    int eventHandler(const ostrel::Event* event) override;
};
