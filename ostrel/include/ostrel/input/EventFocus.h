#pragma once

#include "ostrel/core/Event.h"

namespace ostrel
{

const std::string FOCUS_EVENT = "ostrel::focus";

// Sent when the game's window gains or loses the keyboard focus.
class EventFocus : public Event
{
public:
    explicit EventFocus(bool focused = true);

    bool isFocused() const { return m_focused; }

private:
    bool m_focused;
};

} // namespace ostrel
