#include "run/FieldRandom.h"

#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/system/Random.h>

ostrel::Random& fieldRandom()
{
    static ostrel::Random random;
    return random;
}

ostrel::Vector randomFieldCell()
{
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    const int y = fieldRandom().nextInt(display.getVertical() - 12) + 8;
    const int x = fieldRandom().nextInt(display.getHorizontal() - 8) + 4;
    return ostrel::Vector(static_cast<float>(x), static_cast<float>(y));
}
