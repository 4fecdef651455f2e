#include "ostrel/input/EventMouse.h"

namespace ostrel
{

EventMouse::EventMouse()
{
    setType(MSE_EVENT);
}

} // namespace ostrel
