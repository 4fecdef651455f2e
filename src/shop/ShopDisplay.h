#pragma once

#include "hud/DisplayBox.h"
#include "shop/Upgrade.h"

#include <string>

// A shop card: a 10 x 6 frame with the upgrade's icon, its name above and its price below, in
// red while the money does not cover it, and for an upgrade bought again and again the level
// owned under the price. A click in the frame, icon, name or price buys it (after the first
// 60 steps, and once only); hovering shows its description, and a warning when buying it
// would leave less money than the next day's quota.
class ShopDisplay : public DisplayBox
{
public:
    explicit ShopDisplay(Upgrade upgrade);

    int eventHandler(const ostrel::Event* event) override;
    int draw() override;

    // Remembers whether the mouse is over the card and tells the description line.
    void updateHover(bool hovered);
    // Buys the card; one the money does not cover says "Not enough money" instead.
    void tryPurchase();
    // What buying the card would leave, when that is less than the next day's quota; else "".
    std::string quotaWarning() const;

    // Whether the cell holding `position` is one the card takes clicks in: frame, icon, name or
    // price (not the level).
    bool covers(ostrel::Vector position) const;

    bool isPurchased() const { return m_purchased; }
    // Whether the last mouse event was in a cell the object draws in, where a click acts.
    bool isHovered() const { return m_hovered; }
    int getPrice() const { return m_price; }

private:
    std::string priceText() const;

    Upgrade m_upgrade;
    bool m_purchased;
    bool m_hovered;
    int m_price;
    int m_click_delay;
};
