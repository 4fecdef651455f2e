#pragma once

#include "DisplayBox.h"
#include "Upgrade.h"

#include <string>

// A shop card: a 10 x 6 frame with the upgrade's icon, its name above and its price below.
// A click in any cell the card draws buys it (after the first 60 steps, and once only); hovering shows its description.
class ShopDisplay : public DisplayBox
{
public:
    explicit ShopDisplay(Upgrade upgrade);

    int eventHandler(const ostrel::Event* event) override;
    int draw() override;

    // Remembers whether the mouse is over the card and tells the description line.
    void updateHover(bool hovered);
    void tryPurchase();

    // Whether the cell holding `position` is one the card draws in: frame, icon, name or price.
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
