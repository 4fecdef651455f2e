#include "ostrel/core/Manager.h"

#include <utility>

namespace ostrel
{

namespace
{

Manager::Broadcast g_broadcast = nullptr;

} // namespace

Manager::Manager() : m_type("Manager"), m_is_started(false) {}

Manager::~Manager()
{
    Manager::shutDown();
}

void Manager::setType(std::string type)
{
    m_type = std::move(type);
}

std::string Manager::getType() const
{
    return m_type;
}

int Manager::startUp()
{
    m_is_started = true;
    return 0;
}

void Manager::shutDown()
{
    m_is_started = false;
}

bool Manager::isStarted() const
{
    return m_is_started;
}

int Manager::onEvent(const Event* event) const
{
    return g_broadcast != nullptr ? g_broadcast(event) : 0;
}

void Manager::setBroadcast(Broadcast broadcast)
{
    g_broadcast = broadcast;
}

} // namespace ostrel
