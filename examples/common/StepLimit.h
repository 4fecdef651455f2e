#pragma once

#include <ostrel/world/Object.h>

// Ends the game once the world has taken a number of steps: the build's tests run every
// example so, without anyone at the keyboard.
class StepLimit : public ostrel::Object
{
public:
    explicit StepLimit(int steps);

    int eventHandler(const ostrel::Event* event) override;

private:
    int m_steps;
};

// The N of "--steps N" on an example's command line (1 to 1000000), or 0 without arguments;
// -1, with a message on stderr, for anything else.
int stepsFromArguments(int argc, char* argv[]);
