#pragma once

#include "hud/DisplayText.h"

// Says how to read the shop, in the description's row while that row is empty.
class ShopHint : public DisplayText
{
public:
    explicit ShopHint(ostrel::Vector position);

    // Draws only while no shop description shows a text.
    int draw() override;
};
