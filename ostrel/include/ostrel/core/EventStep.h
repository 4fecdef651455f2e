#pragma once

#include "ostrel/core/Event.h"

namespace ostrel
{

const std::string STEP_EVENT = "ostrel::step";

// Sent to every object once per frame; the count starts at 0 after start-up.
class EventStep : public Event
{
public:
    EventStep();
    explicit EventStep(int step_count);

    void setStepCount(int step_count) { m_step_count = step_count; }
    int getStepCount() const { return m_step_count; }

private:
    int m_step_count = 0;
};

} // namespace ostrel
