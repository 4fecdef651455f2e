#include "hud/PauseBox.h"

#include "run/DayKeeper.h"
#include "run/PlayedRun.h"

#include <ostrel/core/LogManager.h>
#include <ostrel/frontend/FrontEnds.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventFocus.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/input/EventPicture.h>
#include <ostrel/loop/GameManager.h>

namespace
{

const int BOX_WIDTH = 36;
const int BOX_HEIGHT = 7;

} // namespace

PauseBox::PauseBox()
{
    setType("PauseBox");
    setSolidness(ostrel::SPECTRAL);
    setAltitude(ostrel::MAX_ALTITUDE);
    setWidth(BOX_WIDTH);
    setHeight(BOX_HEIGHT);
    // Half a cell down, so that the box's odd height starts on a whole row.
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    setPosition(ostrel::Vector(static_cast<float>(display.getHorizontal()) / 2.0f,
                               static_cast<float>(display.getVertical()) / 2.0f + 0.5f));
}

int PauseBox::eventHandler(const ostrel::Event* event)
{
    const bool paused = ostrel::GameManager::getInstance().isPaused();
    if (event->getType() == ostrel::KEYBOARD_EVENT)
    {
        const auto* keyboard = dynamic_cast<const ostrel::EventKeyboard*>(event);
        const ostrel::Keyboard::Key key = keyboard->getKey();
        if (keyboard->getKeyboardAction() == ostrel::KEY_PRESSED &&
            (key == ostrel::Keyboard::P || key == ostrel::Keyboard::ESCAPE) && (paused || dayInProgress()))
        {
            setPaused(!paused);
            return 1;
        }
    }
    else if (event->getType() == ostrel::FOCUS_EVENT)
    {
        if (!dynamic_cast<const ostrel::EventFocus*>(event)->isFocused() && !paused && dayInProgress())
        {
            setPaused(true);
            return 1;
        }
    }
    else if (event->getType() == ostrel::PICTURE_EVENT)
    {
        return holdForPicture(dynamic_cast<const ostrel::EventPicture*>(event)->isShown(), paused);
    }
    return 0;
}

int PauseBox::holdForPicture(bool shown, bool paused)
{
    // The day goes on once the picture is back only if it was the picture that paused it.
    if (!shown && !paused && dayInProgress())
    {
        m_held_for_picture = true;
        setPaused(true);
        return 1;
    }
    if (shown && m_held_for_picture)
    {
        m_held_for_picture = false;
        if (paused)
        {
            setPaused(false);
        }
        return 1;
    }
    return 0;
}

void PauseBox::setPaused(bool paused)
{
    ostrel::GameManager::getInstance().setPaused(paused);
    ostrel::LogManager::getInstance().writeLog(paused ? "Paused." : "Going on.");
}

int PauseBox::draw()
{
    // A replay that has ended holds its last frame paused, as it was, without the box.
    if (!ostrel::GameManager::getInstance().isPaused() || replayHasEnded())
    {
        return 0;
    }
    DisplayBox::draw();
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    const ostrel::Vector centre = getPosition();
    const float top = centre.getY() - BOX_HEIGHT / 2.0f;
    display.drawString(ostrel::Vector(centre.getX(), top + 2), "Paused", ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    display.drawString(ostrel::Vector(centre.getX(), top + 4),
                       ostrel::programCanQuit() ? "P or Esc to go on, Q to quit"
                                                : "P or Esc to go on, Q to end the run",
                       ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    return 0;
}
