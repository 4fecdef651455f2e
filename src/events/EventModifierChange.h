#pragma once

#include "farm/PlotModifierType.h"

#include <ostrel/core/Event.h>

const std::string MODIFIER_CHANGE_EVENT = "modifier_change";

// The modifier the player holds has changed.
class EventModifierChange : public ostrel::Event
{
public:
    EventModifierChange();

    void setModifierType(PlotModifierType type) { m_plot_modifier_type = type; }
    PlotModifierType getModifierType() const { return m_plot_modifier_type; }

private:
    PlotModifierType m_plot_modifier_type = NONE;
};
