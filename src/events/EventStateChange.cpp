#include "events/EventStateChange.h"

EventStateChange::EventStateChange()
{
    setType(STATE_CHANGE_EVENT);
}
