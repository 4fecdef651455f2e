#include "shop/ShopLayout.h"

#include "hud/DisplayText.h"
#include "run/RemoveObjects.h"
#include "shop/ShopDescription.h"
#include "shop/ShopDisplay.h"
#include "shop/ShopHint.h"
#include "shop/UpgradeManager.h"

#include <ostrel/world/Object.h>

#include <string>
#include <vector>

namespace
{

DisplayText* makeShopText(const std::string& text, ostrel::Vector position)
{
    DisplayText* shop_text = new DisplayText(text, position, true);
    shop_text->setType("ShopObject");
    return shop_text;
}

} // namespace

void openShop()
{
    UpgradeManager& upgrades = UpgradeManager::getInstance();
    upgrades.updateUpgradeShop();

    makeShopText("SHOP", ostrel::Vector(50, 5));
    makeShopText("Press SPACE to close the shop.", ostrel::Vector(50, 20));
    ostrel::Object* pumpkin = new ostrel::Object;
    pumpkin->setType("ShopObject");
    pumpkin->setSprite("pumpkin");
    pumpkin->setPosition(ostrel::Vector(15, 12));

    const std::vector<Upgrade> offers = upgrades.getShopSelection(3);
    for (std::size_t i = 0; i < offers.size() && i < 3; ++i)
    {
        ShopDisplay* card = new ShopDisplay(offers[i]);
        card->setPosition(ostrel::Vector(static_cast<float>(xPos[i]), static_cast<float>(yPos[i])));
    }
    const ostrel::Vector description_row(50, 18);
    ShopDescription* description = new ShopDescription;
    description->setPosition(description_row);
    new ShopHint(description_row);
}

void closeShop()
{
    removeObjectsOfTypes({"ShopDisplay", "ShopDescription", "ShopHint", "ShopObject"});
}
