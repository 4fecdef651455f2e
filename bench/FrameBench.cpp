// Frame-time figures of the engine, under a real (or virtual) X display:
//  - a full 80 x 24 screen of drawCh plus swapBuffers,
//  - one world update of 1000 moving solid objects,
//  - the game loop's step period with an otherwise empty world.
// Run it from a folder holding "ostrel-font.ttf".
#include "DisplayManager.h"
#include "EventStep.h"
#include "GameManager.h"
#include "LogManager.h"
#include "Object.h"
#include "Timing.h"
#include "WorldManager.h"

#include <chrono>
#include <cstdlib>

namespace
{

using Clock = std::chrono::steady_clock;
const int FRAMES = 300;

void benchFullScreen()
{
    ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    Timings timings;
    for (int frame = 0; frame < FRAMES; ++frame)
    {
        const Clock::time_point start = Clock::now();
        for (int row = 0; row < 24; ++row)
        {
            for (int col = 0; col < 80; ++col)
            {
                const char ch = static_cast<char>(33 + (row * 80 + col + frame) % 94);
                display.drawCh(ostrel::Vector(static_cast<float>(col), static_cast<float>(row)), ch,
                               static_cast<ostrel::Color>((col + row) % 8));
            }
        }
        display.swapBuffers();
        timings.add(millisecondsBetween(start, Clock::now()));
    }
    timings.print("full screen draw + swap", "frames");
}

void benchWorldUpdate()
{
    ostrel::WorldManager& world = ostrel::WorldManager::getInstance();
    std::srand(1);
    for (int i = 0; i < 1000; ++i)
    {
        ostrel::Object* object = new ostrel::Object;
        object->setSolidness(i % 2 ? ostrel::HARD : ostrel::SOFT);
        object->setPosition(ostrel::Vector(static_cast<float>(std::rand() % 80), static_cast<float>(std::rand() % 24)));
        object->setVelocity(ostrel::Vector(static_cast<float>(std::rand() % 3 - 1) * 0.25f,
                                           static_cast<float>(std::rand() % 3 - 1) * 0.25f));
    }
    Timings timings;
    for (int frame = 0; frame < FRAMES; ++frame)
    {
        const Clock::time_point start = Clock::now();
        world.update();
        timings.add(millisecondsBetween(start, Clock::now()));
    }
    timings.print("world update, 1000 objects", "updates");
    world.shutDown();
    world.startUp();
}

// Notes when each step arrives and ends the game after the last.
class StepClock : public ostrel::Object
{
public:
    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() != ostrel::STEP_EVENT)
        {
            return 0;
        }
        const Clock::time_point now = Clock::now();
        if (m_steps > 0)
        {
            timings.add(millisecondsBetween(m_previous, now));
        }
        m_previous = now;
        if (++m_steps > FRAMES)
        {
            ostrel::GameManager::getInstance().setGameOver(true);
        }
        return 1;
    }

    Timings timings;

private:
    int m_steps = 0;
    Clock::time_point m_previous;
};

void benchLoop()
{
    StepClock* clock = new StepClock;
    clock->setSolidness(ostrel::SPECTRAL);
    ostrel::GameManager::getInstance().run();
    clock->timings.print("game loop step period", "steps");
}

} // namespace

int main()
{
    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        std::fprintf(stderr, "frame_bench: the engine did not start (is there a display and the font?)\n");
        game.shutDown();
        return 1;
    }
    benchFullScreen();
    benchWorldUpdate();
    benchLoop();
    game.shutDown();
    return 0;
}
