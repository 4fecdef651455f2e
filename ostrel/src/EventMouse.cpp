#include "EventMouse.h"

namespace ostrel
{

EventMouse::EventMouse()
{
    setType(MSE_EVENT);
}

} // namespace ostrel
