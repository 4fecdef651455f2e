// The smallest Ostrel game: a greeting in the middle of the grid. Q, Escape or the window's
// close button quits.
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventClose.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/loop/StepLimit.h>
#include <ostrel/world/Object.h>

namespace
{

// Draws two lines of text and ends the game on Q, Escape or a close request.
class Greeting : public ostrel::Object
{
public:
    Greeting()
    {
        setType("Greeting");
        setSolidness(ostrel::SPECTRAL); // only text: it takes no part in collisions
    }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() == ostrel::CLOSE_EVENT)
        {
            ostrel::GameManager::getInstance().setGameOver();
            return 1;
        }
        if (event->getType() == ostrel::KEYBOARD_EVENT)
        {
            const auto* key = static_cast<const ostrel::EventKeyboard*>(event);
            if (key->getKeyboardAction() == ostrel::KEY_PRESSED &&
                (key->getKey() == ostrel::Keyboard::Q || key->getKey() == ostrel::Keyboard::ESCAPE))
            {
                ostrel::GameManager::getInstance().setGameOver();
            }
            return 1;
        }
        return 0;
    }

    // Called every frame; an object without a sprite draws nothing unless it does so here.
    int draw() override
    {
        const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
        display.drawString(ostrel::Vector(40, 11), "Hello, Ostrel!", ostrel::CENTER_JUSTIFIED, ostrel::YELLOW);
        display.drawString(ostrel::Vector(40, 13), "Q quits", ostrel::CENTER_JUSTIFIED, ostrel::CYAN);
        return 0;
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
    if (game.startUp() != 0) // log, world, display, input and resources
    {
        game.shutDown();
        return 1;
    }
    new Greeting; // the world owns it from here on
    if (steps > 0)
    {
        new ostrel::StepLimit(steps);
    }
    game.run();      // frames until something sets the game over
    game.shutDown(); // deletes every object still in the world, closes the window
    return 0;
}
