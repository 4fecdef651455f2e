#include "shop/ShopHint.h"

#include "shop/ShopDescription.h"

#include <ostrel/world/WorldManager.h>

ShopHint::ShopHint(ostrel::Vector position) : DisplayText("Point at a card to see what it does.", position, false)
{
    setType("ShopHint");
}

int ShopHint::draw()
{
    const ostrel::ObjectList lines = ostrel::WorldManager::getInstance().objectsOfType("ShopDescription");
    for (int i = 0; i < lines.getCount(); ++i)
    {
        const auto* line = dynamic_cast<const ShopDescription*>(lines[i]);
        if (line && !line->getText().empty())
        {
            return 0;
        }
    }
    return DisplayText::draw();
}
