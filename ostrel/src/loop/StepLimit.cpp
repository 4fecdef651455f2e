#include "ostrel/loop/StepLimit.h"

#include "ostrel/core/EventStep.h"
#include "ostrel/loop/GameManager.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace ostrel
{

StepLimit::StepLimit(int steps) : m_steps(steps)
{
    setType("StepLimit");
    setSolidness(SPECTRAL);
}

// [guide:step]
int StepLimit::eventHandler(const Event* event)
{
    if (event->getType() != STEP_EVENT)
    {
        return 0; // not handled: the base class ignores every event too
    }
    // Safe: an event of type STEP_EVENT is always an EventStep.
    const auto* step = static_cast<const EventStep*>(event);
    // Step counts start at 0, so this is the last of m_steps steps.
    if (step->getStepCount() + 1 >= m_steps)
    {
        GameManager::getInstance().setGameOver(); // the frame in progress completes
    }
    return 1;
}
// [guide:end]

int stepsFromArguments(int argc, char* argv[])
{
    if (argc == 1)
    {
        return 0;
    }
    char* end = nullptr;
    const long steps = argc == 3 && std::string(argv[1]) == "--steps" ? std::strtol(argv[2], &end, 10) : 0;
    if (end == nullptr || *end != '\0' || steps <= 0 || steps > 1000000)
    {
        std::cerr << "usage: " << argv[0] << " [--steps N]   (N from 1 to 1000000)\n";
        return -1;
    }
    return static_cast<int>(steps);
}

} // namespace ostrel
