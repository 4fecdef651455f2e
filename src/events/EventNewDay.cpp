#include "events/EventNewDay.h"

EventNewDay::EventNewDay()
{
    setType(NEW_DAY_EVENT);
}

EventNewDay::EventNewDay(int day) : m_day(day)
{
    setType(NEW_DAY_EVENT);
}
