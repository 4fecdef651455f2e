#pragma once

#include "farm/PlotModifierType.h"
#include "hud/HudText.h"

// The HUD's line at the bottom that says in words what the player holds and what a click on
// a plot will do with it; empty when nothing is held.
class HeldText : private HudText
{
public:
    HeldText();

    // Takes modifier changes; a new day drops what was held, as it does for the reticle.
    int eventHandler(const ostrel::Event* event) override;

private:
    void update(PlotModifierType held);
};
