#include "shop/ShopDisplay.h"

#include "assets/Sounds.h"
#include "events/EventDescription.h"
#include "run/MoneyManager.h"
#include "shop/UpgradeManager.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/world/WorldManager.h>
#include <ostrel/world/utility.h>

#include <utility>

namespace
{

// The cells of a line of text drawn centred on `centre`.
ostrel::Box lineBox(const std::string& text, ostrel::Vector centre)
{
    const auto half = static_cast<float>(text.size() / 2);
    return ostrel::Box(ostrel::Vector(centre.getX() - half, centre.getY()), static_cast<float>(text.size()), 1.0f);
}

} // namespace

ShopDisplay::ShopDisplay(Upgrade upgrade) : m_purchased(false), m_hovered(false), m_price(0), m_click_delay(60)
{
    setType("ShopDisplay");
    // The name is data, never a format.
    ostrel::LogManager::getInstance().writeLog("%s", upgrade.m_name.c_str());
    setWidth(10);
    setHeight(6);
    m_upgrade = std::move(upgrade);
    m_price = UpgradeManager::getInstance().getUpgradePrice(m_upgrade);
    setSprite(m_upgrade.m_sprite);
    // The hit box is the whole card, not the icon.
    setBox(ostrel::Box(ostrel::Vector(-5, -3), 10, 6));
}

int ShopDisplay::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == ostrel::MSE_EVENT)
    {
        const auto* mouse = dynamic_cast<const ostrel::EventMouse*>(event);
        const bool inside = covers(mouse->getMousePosition());
        if (inside && mouse->getMouseAction() == ostrel::CLICKED && m_click_delay == 0)
        {
            tryPurchase();
        }
        else if (inside != m_hovered)
        {
            updateHover(inside);
        }
        return 1;
    }
    if (event->getType() == ostrel::STEP_EVENT && m_click_delay > 0)
    {
        --m_click_delay;
        return 1;
    }
    return 0;
}

void ShopDisplay::updateHover(bool hovered)
{
    m_hovered = hovered;
    EventDescription description(hovered ? m_upgrade.m_description : "", hovered ? quotaWarning() : "", this);
    ostrel::WorldManager::getInstance().onEvent(&description);
}

std::string ShopDisplay::quotaWarning() const
{
    const MoneyManager& money = MoneyManager::getInstance();
    const int left = money.getMoney() - m_price;
    if (m_purchased || left < 0 || left >= money.getQuota())
    {
        return "";
    }
    return "Buying this leaves $" + std::to_string(left) + ", less than the next quota of $" +
           std::to_string(money.getQuota()) + ".";
}

bool ShopDisplay::covers(ostrel::Vector position) const
{
    const ostrel::Vector at = getPosition();
    return ostrel::boxCoversCell(ostrel::getWorldBox(this), position) ||
           ostrel::boxCoversCell(lineBox(m_upgrade.m_name, ostrel::Vector(at.getX(), at.getY() - 4)), position) ||
           ostrel::boxCoversCell(lineBox(priceText(), ostrel::Vector(at.getX(), at.getY() + 3)), position);
}

std::string ShopDisplay::priceText() const
{
    return m_purchased ? "Purchased" : "$" + std::to_string(m_price);
}

void ShopDisplay::tryPurchase()
{
    if (m_purchased)
    {
        return;
    }
    const bool affordable = MoneyManager::getInstance().canAfford(m_price);
    m_purchased = UpgradeManager::getInstance().attemptPurchaseUpgrade(m_upgrade.m_name);
    playSound(m_purchased ? "shop_success" : "shop_fail");
    if (m_purchased && m_hovered)
    {
        updateHover(true);
    }
    if (!affordable)
    {
        EventDescription description("Not enough money", "", this);
        ostrel::WorldManager::getInstance().onEvent(&description);
    }
}

int ShopDisplay::draw()
{
    DisplayBox::draw();
    Object::draw();
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    const ostrel::Vector position = getPosition();
    display.drawString(ostrel::Vector(position.getX(), position.getY() - 4), m_upgrade.m_name, ostrel::CENTER_JUSTIFIED,
                       ostrel::WHITE);
    const bool affordable = m_purchased || MoneyManager::getInstance().canAfford(m_price);
    display.drawString(ostrel::Vector(position.getX(), position.getY() + 3), priceText(), ostrel::CENTER_JUSTIFIED,
                       affordable ? ostrel::WHITE : ostrel::RED);
    if (m_upgrade.m_repeatable)
    {
        const int level = UpgradeManager::getInstance().getPurchaseCount(m_upgrade.m_name);
        display.drawString(ostrel::Vector(position.getX(), position.getY() + 4), "Level " + std::to_string(level),
                           ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    }
    return 0;
}
