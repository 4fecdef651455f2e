#pragma once

#include "DisplayBox.h"
#include "Upgrade.h"

// A shop card: a 10 x 6 frame with the upgrade's icon, its name above and its price below.
// A click buys it (after the first 60 steps, and once only); hovering shows its description.
class ShopDisplay : public DisplayBox
{
public:
    explicit ShopDisplay(Upgrade upgrade);

    int eventHandler(const ostrel::Event* event) override;
    int draw() override;

    // Remembers whether the mouse is over the card and tells the description line.
    void updateHover(bool hovered);
    void tryPurchase();

    bool isPurchased() const { return m_purchased; }
    int getPrice() const { return m_price; }

private:
    Upgrade m_upgrade;
    bool m_purchased;
    bool m_hovered;
    int m_price;
    int m_click_delay;
};
