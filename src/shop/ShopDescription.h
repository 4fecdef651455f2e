#pragma once

#include "hud/DisplayText.h"

// The shop's description line: shows the description of the card under the mouse, and any
// warning about buying it in red on the line below. Only the card that set the line clears it,
// so the card under the pointer wins whatever order the cards hear a move in.
class ShopDescription : public DisplayText
{
public:
    ShopDescription();

    // Takes "description_event".
    int eventHandler(const ostrel::Event* event) override;
    int draw() override;

    std::string getWarning() const { return m_warning; }

private:
    std::string m_warning;
    // The card whose text is shown; compared only, never followed.
    const ostrel::Object* m_source = nullptr;
};
