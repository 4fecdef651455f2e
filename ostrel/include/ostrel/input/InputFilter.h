#pragma once

#include "ostrel/input/InputRecord.h"

namespace ostrel
{

// Sees every input before the game does and may hold it back or add its own: a recorder
// or a replayer of a run. Installed with InputManager::setFilter().
class InputFilter
{
public:
    virtual ~InputFilter() = default;

    // Called once each frame of the loop, paused or not, before that frame's input is read;
    // may deliver input of its own through InputManager::deliver().
    virtual void beginFrame() = 0;
    // A live input read from the window; true to deliver it to the game.
    virtual bool admit(const InputRecord& input) = 0;
};

} // namespace ostrel
