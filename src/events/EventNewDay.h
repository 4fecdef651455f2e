#pragma once

#include <ostrel/core/Event.h>

const std::string NEW_DAY_EVENT = "new_day_event";

// A new farm day has begun; day 1 is the first of a run.
class EventNewDay : public ostrel::Event
{
public:
    EventNewDay();
    explicit EventNewDay(int day);

    void setDay(int day) { m_day = day; }
    int getDay() const { return m_day; }

private:
    int m_day = 0;
};
