#include "hud/DayText.h"

#include "events/EventNewDay.h"

DayText::DayText()
{
    setType("DayText");
    setPosition(ostrel::Vector(8, 1));
    setBorder(true);
    setText("Day 1");
}

void DayText::update(int day)
{
    setText("Day " + std::to_string(day));
}

int DayText::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == NEW_DAY_EVENT)
    {
        update(dynamic_cast<const EventNewDay*>(event)->getDay());
        return 1;
    }
    return 0;
}
