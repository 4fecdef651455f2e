#pragma once

#include "Event.h"

const std::string DESCRIPTION_EVENT = "description_event";

// A shop card wants its description shown ("" clears the line).
class EventDescription : public ostrel::Event
{
public:
    EventDescription();
    explicit EventDescription(std::string description);

    void setDescription(std::string description);
    std::string getDescription() const { return m_description; }

private:
    std::string m_description;
};
