#include "Probe.h"
#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/core/EventStep.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/frontend/HeadlessFrontEnd.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/WorldManager.h>

#include <cstdlib>
#include <functional>
#if OSTREL_WITH_SFML
#include <SFML/Graphics/Image.hpp>
#endif

using namespace ostrel;
using testing_support::TestDir;

TEST(GameLoop, SleepsForWhatIsLeftOfTheFrame)
{
    EXPECT_EQ(frameSleepTime(10000, 33), 23);
    EXPECT_LE(frameSleepTime(33000, 33), 0) << "a full frame only yields";
    EXPECT_LE(frameSleepTime(50000, 33), 0) << "an overrun is not made up for";
    EXPECT_EQ(frameSleepTime(999, 33), 33) << "loop time is truncated to whole milliseconds";
    EXPECT_EQ(frameSleepTime(32999, 33), 1);
}

TEST(GameLoop, StepsAreNumberedFromZeroAndTheLastFrameCompletes)
{
    TestDir dir;
    GameManager& game = GameManager::getInstance();
    WorldManager::getInstance().startUp();
    std::vector<int> steps;
    std::vector<Probe*> drawn;
    Probe* probe = new Probe;
    probe->draw_log = &drawn;
    probe->on_event = [&](const Event* event)
    {
        if (event->getType() == STEP_EVENT)
        {
            steps.push_back(dynamic_cast<const EventStep*>(event)->getStepCount());
            if (steps.size() == 5)
            {
                game.setGameOver(true);
            }
        }
    };
    Probe* mover = new Probe;
    mover->setSolidness(SPECTRAL);
    mover->setVelocity(Vector(1, 0));

    game.run();
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(game.getStepCount(), 5);
    EXPECT_EQ(drawn.size(), 5u) << "the frame that ended the game was still drawn";
    EXPECT_EQ(mover->getPosition(), Vector(5, 0)) << "and its world update still ran";
    WorldManager::getInstance().shutDown();
}

// Paused frames read input and draw, but send no step and move nothing; they still count
// as frames. A pause set during a frame holds from the next one.
TEST(GameLoop, APauseHoldsStepsAndMovementButNotDrawing)
{
    struct Drawer : Probe
    {
        std::function<void()> on_draw;
        int draw() override
        {
            on_draw();
            return 0;
        }
    };
    TestDir dir;
    GameManager& game = GameManager::getInstance();
    WorldManager::getInstance().startUp();
    std::vector<int> steps;
    int drawn = 0;
    Drawer* drawer = new Drawer;
    drawer->setSolidness(SPECTRAL);
    drawer->setVelocity(Vector(1, 0));
    drawer->on_event = [&](const Event* event)
    {
        if (event->getType() == STEP_EVENT)
        {
            steps.push_back(dynamic_cast<const EventStep*>(event)->getStepCount());
            game.setPaused(steps.size() == 3);
        }
    };
    drawer->on_draw = [&]()
    {
        ++drawn;
        if (drawn == 10)
        {
            game.setPaused(false);
        }
        game.setGameOver(drawn == 12);
    };

    const int frames_before = game.getFrameCount();
    const int steps_before = game.getStepCount();
    game.setGameOver(false);
    game.run();
    EXPECT_EQ(steps.size(), 5u) << "frames 4 to 10 were paused";
    EXPECT_EQ(game.getStepCount() - steps_before, 5);
    EXPECT_EQ(game.getFrameCount() - frames_before, 12);
    EXPECT_EQ(drawer->getPosition(), Vector(5, 0)) << "moved in the frame the pause began, not after";
    EXPECT_FALSE(game.isPaused());
    WorldManager::getInstance().shutDown();
}

TEST(GameLoop, OnEventCountsTheObjectsThatHandledIt)
{
    WorldManager::getInstance().startUp();
    const EventStep step;
    EXPECT_EQ(GameManager::getInstance().onEvent(&step), 0);
    new Probe(1);
    new Probe(0);
    new Probe(1);
    new Probe(0);
    new Probe(1);
    EXPECT_EQ(GameManager::getInstance().onEvent(&step), 3);
    EXPECT_EQ(WorldManager::getInstance().onEvent(&step), 3) << "any manager delivers alike";
    WorldManager::getInstance().shutDown();
}

TEST(GameLoop, DeliveryUsesTheListAsItWasWhenItStarted)
{
    WorldManager& world = WorldManager::getInstance();
    world.startUp();
    Probe* first = new Probe;
    Probe* created = nullptr;
    first->on_event = [&](const Event*)
    {
        if (!created)
        {
            created = new Probe;
            world.markForDelete(first);
        }
    };
    Probe* second = new Probe;
    const EventStep step;
    world.onEvent(&step);
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->events.empty()) << "created during delivery";
    EXPECT_EQ(second->events.size(), 1u);
    world.onEvent(&step);
    EXPECT_EQ(first->events.size(), 2u) << "marked objects still receive events";
    world.shutDown();
}

TEST(GameManager, ShutDownEndsTheGameEvenWhenNotRunning)
{
    GameManager& game = GameManager::getInstance();
    game.setGameOver(false);
    game.shutDown();
    EXPECT_TRUE(game.getGameOver());
    EXPECT_FALSE(game.isStarted());
}

// The game's default, then OSTREL_FRONT_END, then the player's choice, each over the last; a
// name the engine does not have fails start-up and says so in the log.
TEST(GameManager, ChoosesTheFrontEndByPrecedence)
{
    struct Case
    {
        const char* game;
        const char* variable;
        const char* player;
        const char* chosen;
    };
    GameManager& game = GameManager::getInstance();
    for (const Case& c : {Case{"headless", "", "", "headless"}, Case{"window", "headless", "", "headless"},
                          Case{"window", "nowhere", "headless", "headless"}, Case{"headless", "", "window", "window"}})
    {
        game.setFrontEnd(c.game);
        setenv("OSTREL_FRONT_END", c.variable, 1);
        game.setPlayerFrontEnd(c.player);
        EXPECT_EQ(game.chosenFrontEnd(), c.chosen) << c.game << " / " << c.variable << " / " << c.player;
    }
    game.setPlayerFrontEnd("");

    TestDir dir;
    setenv("OSTREL_FRONT_END", "teletype", 1);
    EXPECT_EQ(game.startUp(), -1);
    game.shutDown();
    EXPECT_NE(dir.read("ostrel.log").find("no front end called \"teletype\""), std::string::npos);
    unsetenv("OSTREL_FRONT_END");
}

// Headless, the loop runs with no display: frames fill the grid and a queued key arrives on
// the next frame, through the input filter.
TEST(GameManager, RunsFramesHeadlessWithQueuedInput)
{
    TestDir dir;
    GameManager& game = GameManager::getInstance();
    game.setFrontEnd("headless");
    ASSERT_EQ(game.startUp(), 0);
    Probe* probe = new Probe;
    int keys = 0;
    probe->on_event = [&keys](const Event* event) { keys += event->getType() == KEYBOARD_EVENT; };
    ASSERT_NE(dynamic_cast<HeadlessFrontEnd*>(DisplayManager::getInstance().getFrontEnd()), nullptr);
    InputRecord space;
    space.key = Keyboard::SPACE;
    InputManager::getInstance().queueInput(space);
    EXPECT_EQ(keys, 0) << "queued, not delivered";
    game.runFrame();
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(DisplayManager::getInstance().drawCh(Vector(2, 3), 'h', GREEN), 0);
    EXPECT_EQ(DisplayManager::getInstance().swapBuffers(), 0);
    EXPECT_EQ(DisplayManager::getInstance().shownCell(2, 3).ch, 'h');
#if OSTREL_WITH_SFML
    EXPECT_EQ(DisplayManager::getInstance().getWindow(), nullptr);
    EXPECT_EQ(DisplayManager::getInstance().capture().getSize().x, 0u);
#endif
    game.shutDown();
    game.setFrontEnd("window");
}
