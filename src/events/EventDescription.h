#pragma once

#include <ostrel/core/Event.h>

const std::string DESCRIPTION_EVENT = "description_event";

namespace ostrel
{
class Object;
} // namespace ostrel

// A shop card wants its description shown ("" clears the line), with a warning under it
// ("" for none). The card that sends it is its source: only the source of the text shown may
// clear it.
class EventDescription : public ostrel::Event
{
public:
    EventDescription();
    explicit EventDescription(std::string description, std::string warning = "",
                              const ostrel::Object* source = nullptr);

    void setDescription(std::string description);
    std::string getDescription() const { return m_description; }
    std::string getWarning() const { return m_warning; }
    // Compared only, never followed.
    const ostrel::Object* getSource() const { return m_source; }

private:
    std::string m_description;
    std::string m_warning;
    const ostrel::Object* m_source = nullptr;
};
