#include "events/EventModifierChange.h"

EventModifierChange::EventModifierChange()
{
    setType(MODIFIER_CHANGE_EVENT);
}
