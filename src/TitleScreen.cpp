#include "TitleScreen.h"

#include "DisplayManager.h"
#include "EventKeyboard.h"
#include "EventStep.h"
#include "MoneyManager.h"
#include "Sounds.h"
#include "WorldManager.h"

TitleScreen::TitleScreen() : m_countdown(0)
{
    // The day keeper creates the screen before it clears the money of a lost run.
    if (MoneyManager::getInstance().getMoney() != 0)
    {
        setSprite("text_gameover");
        m_countdown = 90;
    }
    else
    {
        setSprite("text_title");
    }
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    setPosition(ostrel::Vector(static_cast<float>(display.getHorizontal()) / 2.0f,
                               static_cast<float>(display.getVertical()) / 2.0f));
    setSolidness(ostrel::SPECTRAL);
    setAltitude(3);
    playMusic("lounge");
}

int TitleScreen::eventHandler(const ostrel::Event* event)
{
    if (m_countdown > 0 && event->getType() == ostrel::STEP_EVENT)
    {
        if (--m_countdown == 0)
        {
            setSprite("text_title");
        }
        return 0;
    }
    if (event->getType() == ostrel::KEYBOARD_EVENT)
    {
        const auto* keyboard = dynamic_cast<const ostrel::EventKeyboard*>(event);
        if (keyboard->getKeyboardAction() == ostrel::KEY_PRESSED && keyboard->getKey() == ostrel::Keyboard::SPACE)
        {
            ostrel::WorldManager::getInstance().markForDelete(this);
            stopMusic("lounge");
        }
    }
    return 0;
}
