#include "ostrel/input/EventClose.h"

namespace ostrel
{

EventClose::EventClose()
{
    setType(CLOSE_EVENT);
}

} // namespace ostrel
