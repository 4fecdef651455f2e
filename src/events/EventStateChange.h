#pragma once

#include <ostrel/core/Event.h>

const std::string STATE_CHANGE_EVENT = "state_change";

// The screen switched between farm (true) and shop (false).
class EventStateChange : public ostrel::Event
{
public:
    EventStateChange();

    void setFarm(bool farm) { m_farm = farm; }
    bool getFarm() const { return m_farm; }

private:
    bool m_farm = false;
};
