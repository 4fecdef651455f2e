#pragma once

#include "HudText.h"

// The HUD's seconds left in the day, top right, read from the day keeper every step.
class TimeText : private HudText
{
public:
    TimeText();

    void update();
    int eventHandler(const ostrel::Event* event) override;
};
