#pragma once

#include "ostrel/world/Object.h"

namespace ostrel
{

// Ends the game once the world has taken a number of steps: for a run without anyone at the
// keyboard, such as a test of a whole game or the examples' "--steps N".
class StepLimit : public Object
{
public:
    explicit StepLimit(int steps);

    int eventHandler(const Event* event) override;

private:
    int m_steps;
};

// The N of "--steps N" on a program's command line (1 to 1000000), or 0 without arguments;
// -1, with a message on stderr, for anything else.
int stepsFromArguments(int argc, char* argv[]);

} // namespace ostrel
