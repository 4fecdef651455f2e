#pragma once

#include "Object.h"

// The title picture in the middle of the screen, with the lounge music looping; right after
// a lost run with money held, the game-over picture shows for 90 steps first. SPACE removes
// it (the day keeper starts the run on the same key press).
class TitleScreen : private ostrel::Object
{
public:
    TitleScreen();

    // Always returns 0: the same key press must reach the day keeper too.
    int eventHandler(const ostrel::Event* event) override;

private:
    int m_countdown;
};
