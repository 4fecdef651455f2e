#include "EventDescription.h"

#include <utility>

EventDescription::EventDescription()
{
    setType(DESCRIPTION_EVENT);
}

EventDescription::EventDescription(std::string description) : m_description(std::move(description))
{
    setType(DESCRIPTION_EVENT);
}

void EventDescription::setDescription(std::string description)
{
    m_description = std::move(description);
}
