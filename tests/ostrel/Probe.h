#pragma once

#include <ostrel/core/Event.h>
#include <ostrel/world/EventCollision.h>
#include <ostrel/world/Object.h>

#include <functional>
#include <string>
#include <vector>

// A test object that records every event it receives and every draw, and can run a
// callback from its handler.
class Probe : public ostrel::Object
{
public:
    explicit Probe(int handled_result = 0) : m_result(handled_result) {}

    int eventHandler(const ostrel::Event* event) override
    {
        events.push_back(event->getType());
        if (event->getType() == ostrel::COLLISION_EVENT)
        {
            const auto* collision = dynamic_cast<const ostrel::EventCollision*>(event);
            partners.push_back(collision->getObject1() == this ? collision->getObject2() : collision->getObject1());
        }
        if (on_event)
        {
            on_event(event);
        }
        return m_result;
    }

    int draw() override
    {
        if (draw_log)
        {
            draw_log->push_back(this);
        }
        return 0;
    }

    int count(const std::string& type) const
    {
        int n = 0;
        for (const std::string& seen : events)
        {
            n += seen == type;
        }
        return n;
    }

    std::vector<std::string> events;
    std::vector<ostrel::Object*> partners;
    std::function<void(const ostrel::Event*)> on_event;
    std::vector<Probe*>* draw_log = nullptr;

private:
    int m_result;
};
