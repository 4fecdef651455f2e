#pragma once

#include "ostrel/core/Event.h"

namespace ostrel
{

const std::string CLOSE_EVENT = "ostrel::close";

// Sent to every object when the player asks to close the window (its close button, say).
// The window stays open: whether to end the game is the game's choice, and a request no
// object acts on is ignored.
class EventClose : public Event
{
public:
    EventClose();
};

} // namespace ostrel
