#pragma once

#include "hud/DisplayText.h"

// A short text that rises a quarter of a cell a step and removes itself after 15 steps.
// Its creator sets the text and the position.
class FloatingText : public DisplayText
{
public:
    FloatingText();

    void step();
    int eventHandler(const ostrel::Event* event) override;

private:
    int m_steps_left;
};
