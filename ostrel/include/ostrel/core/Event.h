#pragma once

#include <string>

namespace ostrel
{

const std::string UNDEFINED_EVENT = "ostrel::undefined";

// Base of every event. Receivers compare getType() with the type-string constants and
// only then cast to the class that the string names.
class Event
{
public:
    Event();
    virtual ~Event();

    void setType(std::string type);
    std::string getType() const;

private:
    std::string m_event_type;
};

} // namespace ostrel
