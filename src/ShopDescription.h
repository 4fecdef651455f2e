#pragma once

#include "DisplayText.h"

// The shop's description line: shows the description of the card under the mouse.
class ShopDescription : public DisplayText
{
public:
    ShopDescription();

    // Takes "description_event".
    int eventHandler(const ostrel::Event* event) override;
};
