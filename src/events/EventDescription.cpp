#include "events/EventDescription.h"

#include <utility>

EventDescription::EventDescription()
{
    setType(DESCRIPTION_EVENT);
}

EventDescription::EventDescription(std::string description, std::string warning, const ostrel::Object* source)
    : m_description(std::move(description)), m_warning(std::move(warning)), m_source(source)
{
    setType(DESCRIPTION_EVENT);
}

void EventDescription::setDescription(std::string description)
{
    m_description = std::move(description);
}
