#include "ostrel/world/EventOut.h"

namespace ostrel
{

EventOut::EventOut()
{
    setType(OUT_EVENT);
}

} // namespace ostrel
