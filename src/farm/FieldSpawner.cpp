#include "farm/FieldSpawner.h"

#include "farm/Plot.h"
#include "farm/PlotModifier.h"
#include "pests/Crow.h"
#include "pests/Fly.h"
#include "run/RemoveObjects.h"
#include "shop/UpgradeManager.h"

#include <ostrel/world/WorldManager.h>

namespace
{

const int PLOTS_AT_START = 10;

} // namespace

void spawnField()
{
    for (int i = 0; i < PLOTS_AT_START; ++i)
    {
        new Plot;
    }
    new PlotModifier(WATERING_CAN);
    new PlotModifier(FERTILIZER);
    new Crow;
    new Fly;
}

void readyFieldForNextDay()
{
    const ostrel::ObjectList plots = ostrel::WorldManager::getInstance().objectsOfType("Plot");
    for (int i = 0; i < plots.getCount(); ++i)
    {
        dynamic_cast<Plot*>(plots[i])->reset();
    }
    // One batch of three new plots per return to the farm while "Field Work" batches are due.
    if (3 * UpgradeManager::getInstance().getPurchaseCount("Field Work") + 9 >= plots.getCount())
    {
        for (int i = 0; i < 3; ++i)
        {
            new Plot;
        }
    }
}

void clearField()
{
    removeObjectsOfTypes({"Plot", "PlotModifier", "Crow", "Fly"});
}
