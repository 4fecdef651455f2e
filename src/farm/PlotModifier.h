#pragma once

#include "farm/FarmObject.h"
#include "farm/PlotModifierType.h"

// A watering can or a bag of fertilizer that turns up at a random spot of the field after a
// random delay. A click picks it up when the player holds nothing; it then comes back later
// somewhere else. The fertilizer takes part only once "Fertilizer" is owned.
class PlotModifier : public FarmObject
{
public:
    explicit PlotModifier(PlotModifierType type);

    // Moves the pickup to a random cell of the field.
    void setRandomPos();

    int eventHandler(const ostrel::Event* event) override;
    int draw() override;

    PlotModifierType getModifierType() const { return m_modifier_type; }
    bool isAvailable() const { return m_available; }
    // Whether the last mouse event was in a cell the object draws in, where a click acts.
    bool isHovered() const { return m_hovered; }
    int getRespawnDelay() const { return m_respawn_delay; }

private:
    void pickUp();

    PlotModifierType m_modifier_type;
    bool m_hovered;
    bool m_available;
    int m_respawn_delay;
    bool m_modifier_held;
};
