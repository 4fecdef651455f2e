// Starts the engine, plays a sound and a music track, and quits with exit(0) from inside
// an event handler, the way the game quits. Run by ExitTest in a folder holding the font,
// "beep.wav" and "tune.mp3".
#include "GlDriver.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/Object.h>

#include <cstdlib>

namespace
{

class Quitter : public ostrel::Object
{
public:
    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() == ostrel::STEP_EVENT &&
            dynamic_cast<const ostrel::EventStep*>(event)->getStepCount() == 5)
        {
            ostrel::LogManager::getInstance().writeLog("quitting");
            std::exit(0);
        }
        return 0;
    }
};

} // namespace

int main()
{
    testing_support::keepGlDriverLoaded();
    ostrel::LogManager::getInstance().setFlush(true);
    if (ostrel::GameManager::getInstance().startUp() != 0)
    {
        ostrel::GameManager::getInstance().shutDown();
        return 2;
    }
    ostrel::ResourceManager& resources = ostrel::ResourceManager::getInstance();
    if (resources.loadSound("beep.wav", "beep") != 0 || resources.loadMusic("tune.mp3", "tune") != 0)
    {
        return 3;
    }
    resources.getSound("beep")->play(true);
    resources.getMusic("tune")->play(true);
    new Quitter;
    ostrel::GameManager::getInstance().run();
    return 4;
}
