#pragma once

#include "ostrel/input/InputRecord.h"

namespace ostrel
{

// Where the input manager reads live input from: the front end that presents the game.
class InputSource
{
public:
    virtual ~InputSource() = default;

    // Takes the next pending input into `input`; false when none is pending. Input the game
    // is not told of (a window's own business) is handled here and never returned.
    virtual bool pollInput(InputRecord& input) = 0;
    // Whether a key held down repeats its press; the input manager turns this off.
    virtual void setKeyRepeatEnabled(bool enabled) { (void)enabled; }
};

} // namespace ostrel
