#include "events/EventDescription.h"

#include <utility>

EventDescription::EventDescription()
{
    setType(DESCRIPTION_EVENT);
}

EventDescription::EventDescription(std::string description, std::string warning)
    : m_description(std::move(description)), m_warning(std::move(warning))
{
    setType(DESCRIPTION_EVENT);
}

void EventDescription::setDescription(std::string description)
{
    m_description = std::move(description);
}
