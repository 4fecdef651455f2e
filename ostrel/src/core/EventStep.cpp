#include "ostrel/core/EventStep.h"

namespace ostrel
{

EventStep::EventStep()
{
    setType(STEP_EVENT);
}

EventStep::EventStep(int step_count) : m_step_count(step_count)
{
    setType(STEP_EVENT);
}

} // namespace ostrel
