#include "screens/PictureScreen.h"

#include "assets/Sounds.h"

#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/world/WorldManager.h>

PictureScreen::PictureScreen(const std::string& sprite)
{
    setSprite(sprite);
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    setPosition(ostrel::Vector(static_cast<float>(display.getHorizontal()) / 2.0f,
                               static_cast<float>(display.getVertical()) / 2.0f));
    setSolidness(ostrel::SPECTRAL);
    setAltitude(3);
    playMusic("lounge");
}

int PictureScreen::eventHandler(const ostrel::Event* event)
{
    if (event->getType() != ostrel::KEYBOARD_EVENT)
    {
        return 0;
    }
    const auto* keyboard = dynamic_cast<const ostrel::EventKeyboard*>(event);
    if (keyboard->getKeyboardAction() == ostrel::KEY_PRESSED && keyboard->getKey() == ostrel::Keyboard::SPACE)
    {
        ostrel::WorldManager::getInstance().markForDelete(this);
        stopMusic("lounge");
    }
    return 0;
}
