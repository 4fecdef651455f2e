#include "ostrel/audio/Volume.h"

#include <SFML/Audio/Listener.hpp>

#include <algorithm>

namespace ostrel
{

void setMasterVolume(float volume)
{
    sf::Listener::setGlobalVolume(std::clamp(volume, 0.0f, 100.0f));
}

float getMasterVolume()
{
    return sf::Listener::getGlobalVolume();
}

} // namespace ostrel
