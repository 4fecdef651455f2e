#pragma once

#include <ostrel/core/Event.h>

const std::string DESCRIPTION_EVENT = "description_event";

// A shop card wants its description shown ("" clears the line), with a warning under it
// ("" for none).
class EventDescription : public ostrel::Event
{
public:
    EventDescription();
    explicit EventDescription(std::string description, std::string warning = "");

    void setDescription(std::string description);
    std::string getDescription() const { return m_description; }
    std::string getWarning() const { return m_warning; }

private:
    std::string m_description;
    std::string m_warning;
};
