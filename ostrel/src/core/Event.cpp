#include "ostrel/core/Event.h"

#include <utility>

namespace ostrel
{

Event::Event() : m_event_type(UNDEFINED_EVENT) {}

Event::~Event() = default;

void Event::setType(std::string type)
{
    m_event_type = std::move(type);
}

std::string Event::getType() const
{
    return m_event_type;
}

} // namespace ostrel
