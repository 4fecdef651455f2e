#pragma once

#include <string>

namespace ostrel
{

class Event;

// Base of every manager: a type name, a started flag and event delivery to the world.
class Manager
{
public:
    Manager();
    virtual ~Manager();

    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;

    void setType(std::string type);
    std::string getType() const;

    // Derived managers do their own start-up first and call this only on success.
    // Returns 0 on success, -1 on failure.
    virtual int startUp();
    // Derived managers release their resources first, then call this.
    virtual void shutDown();
    bool isStarted() const;

    // Hands the event to every object in the world, in world order, on a copy of the
    // object list taken now. Returns how many handlers reported the event handled.
    int onEvent(const Event* event) const;

    // What onEvent() hands events to. The world sets it when it is made, so that managers
    // below the world need not know it; until then events reach nobody.
    using Broadcast = int (*)(const Event* event);
    static void setBroadcast(Broadcast broadcast);

private:
    std::string m_type;
    bool m_is_started;
};

} // namespace ostrel
