#pragma once

#include "farm/PlotModifierType.h"

#include <ostrel/world/Object.h>

// The game's mouse cursor: a "+" in the cell under the pointer, coloured by the modifier held
// (cyan for the watering can, red for fertilizer, white for nothing).
class Reticle : public ostrel::Object
{
public:
    Reticle();

    // Takes mouse movements and modifier changes.
    int eventHandler(const ostrel::Event* event) override;
    int draw() override;

    PlotModifierType getModifier() const { return m_modifier; }

private:
    PlotModifierType m_modifier;
};
