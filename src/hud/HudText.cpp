#include "hud/HudText.h"

#include "run/DayKeeper.h"

int HudText::draw()
{
    return runInProgress() ? DisplayText::draw() : 0;
}
