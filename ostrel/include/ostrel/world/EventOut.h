#pragma once

#include "ostrel/core/Event.h"

namespace ostrel
{

const std::string OUT_EVENT = "ostrel::out";

// Sent to an object that has moved outside the world's bounds.
class EventOut : public Event
{
public:
    EventOut();
};

} // namespace ostrel
