#include "ostrel/input/EventFocus.h"

namespace ostrel
{

EventFocus::EventFocus(bool focused) : m_focused(focused)
{
    setType(FOCUS_EVENT);
}

} // namespace ostrel
