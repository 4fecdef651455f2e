#include "HudText.h"

#include "DayKeeper.h"

int HudText::draw()
{
    return runInProgress() ? DisplayText::draw() : 0;
}
