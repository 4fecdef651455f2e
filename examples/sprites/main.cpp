// A sprite loaded from a sprite file, animated, following the mouse pointer. A left click
// freezes or restarts the animation; the game pauses while its window is out of focus.
// Q quits.
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventFocus.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/loop/StepLimit.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/system/ExecutableFolder.h>
#include <ostrel/world/Object.h>

namespace
{

// [guide:saucer]
class Saucer : public ostrel::Object
{
public:
    Saucer()
    {
        setType("Saucer");
        setSprite("saucer"); // the sprite's size becomes the object's box
        setPosition(ostrel::Vector(40, 12));
    }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() == ostrel::MSE_EVENT)
        {
            const auto* mouse = static_cast<const ostrel::EventMouse*>(event);
            if (mouse->getMouseAction() == ostrel::MOVED)
            {
                setPosition(mouse->getMousePosition()); // in cells, fractions included
            }
            else if (mouse->getMouseAction() == ostrel::CLICKED && mouse->getMouseButton() == ostrel::Mouse::LEFT)
            {
                toggleFrozen();
            }
            return 1;
        }
        if (event->getType() == ostrel::FOCUS_EVENT)
        {
            const auto* focus = static_cast<const ostrel::EventFocus*>(event);
            ostrel::GameManager::getInstance().setPaused(!focus->isFocused());
            return 1;
        }
        return 0;
    }

private:
    // An animation's slowdown count of -1 holds it on its current frame.
    void toggleFrozen()
    {
        ostrel::Animation animation = getAnimation();
        animation.setSlowdownCount(animation.getSlowdownCount() == -1 ? 0 : -1);
        setAnimation(animation);
    }
};
// [guide:end]

// Writes the help line and quits on Q.
class Help : public ostrel::Object
{
public:
    Help() { setSolidness(ostrel::SPECTRAL); }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() != ostrel::KEYBOARD_EVENT)
        {
            return 0;
        }
        const auto* key = static_cast<const ostrel::EventKeyboard*>(event);
        if (key->getKeyboardAction() == ostrel::KEY_PRESSED && key->getKey() == ostrel::Keyboard::Q)
        {
            ostrel::GameManager::getInstance().setGameOver();
        }
        return 1;
    }

    int draw() override
    {
        return ostrel::DisplayManager::getInstance().drawString(ostrel::Vector(40, 23),
                                                                "move the mouse, click to freeze, Q quits",
                                                                ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    const int steps = ostrel::stepsFromArguments(argc, argv);
    if (steps < 0)
    {
        return 2;
    }
    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        game.shutDown();
        return 1;
    }
    // [guide:data]
    // The saucer's file lies beside the binary, which may be started from any folder.
    ostrel::ResourceManager::getInstance().setDataFolder(ostrel::executableFolder());
    // [guide:end]
    // [guide:load]
    // Sprites are loaded after start-up and before any object shows them. The log says why
    // a file was refused.
    if (ostrel::ResourceManager::getInstance().loadSprite("saucer.txt", "saucer") != 0)
    {
        ostrel::LogManager::getInstance().writeLog("Cannot go on without the saucer.");
        game.shutDown();
        return 1;
    }
    new Saucer;
    // [guide:end]
    new Help;
    if (steps > 0)
    {
        new ostrel::StepLimit(steps);
    }
    game.run();
    game.shutDown();
    return 0;
}
