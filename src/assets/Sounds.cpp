#include "assets/Sounds.h"

#include <ostrel/resources/ResourceManager.h>

void playSound(const std::string& label)
{
    if (ostrel::Sound* sound = ostrel::ResourceManager::getInstance().getSound(label))
    {
        sound->play(false);
    }
}

void playMusic(const std::string& label)
{
    if (ostrel::Music* music = ostrel::ResourceManager::getInstance().getMusic(label))
    {
        music->play(true);
    }
}

void stopMusic(const std::string& label)
{
    if (ostrel::Music* music = ostrel::ResourceManager::getInstance().getMusic(label))
    {
        music->stop();
    }
}
