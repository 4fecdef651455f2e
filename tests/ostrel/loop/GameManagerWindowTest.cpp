#include "Probe.h"
#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/core/EventStep.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/WorldManager.h>

#include <functional>
#include <regex>

using namespace ostrel;
using testing_support::TestDir;

TEST(GameManager, StartsEveryManager)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir;
    GameManager& game = GameManager::getInstance();
    game.setFrontEnd("window");
    ASSERT_EQ(game.startUp(), 0);
    EXPECT_TRUE(game.isStarted());
    EXPECT_TRUE(LogManager::getInstance().isStarted());
    EXPECT_TRUE(WorldManager::getInstance().isStarted());
    EXPECT_TRUE(DisplayManager::getInstance().isStarted());
    EXPECT_TRUE(InputManager::getInstance().isStarted());
    EXPECT_TRUE(ResourceManager::getInstance().isStarted());
    EXPECT_EQ(game.getFrameTime(), 33);

    game.shutDown();
    EXPECT_TRUE(game.getGameOver());
    EXPECT_FALSE(LogManager::getInstance().isStarted());
    EXPECT_FALSE(DisplayManager::getInstance().isStarted());
    EXPECT_EQ(DisplayManager::getInstance().getWindow(), nullptr);
    EXPECT_FALSE(ResourceManager::getInstance().isStarted());
    // SFML's own lines (the graphics driver's complaints) aside.
    const std::regex sfml_lines("SFML: [^\n]*\n");
    EXPECT_EQ(std::regex_replace(dir.read("ostrel.log"), sfml_lines, ""), "LogManager started\n")
        << "the game manager itself logs nothing";
}

TEST(GameManager, TriesEveryManagerWhenTheLogCannotOpen)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::EMPTY);
    std::filesystem::create_directory("ostrel.log");
    GameManager& game = GameManager::getInstance();
    game.setFrontEnd("window");
    EXPECT_EQ(game.startUp(), -1);
    EXPECT_FALSE(LogManager::getInstance().isStarted());
    EXPECT_TRUE(WorldManager::getInstance().isStarted());
    EXPECT_NE(DisplayManager::getInstance().getWindow(), nullptr) << "the display was tried";
    EXPECT_FALSE(DisplayManager::getInstance().isStarted()) << "no font here";
    EXPECT_FALSE(InputManager::getInstance().isStarted());
    EXPECT_FALSE(ResourceManager::getInstance().isStarted());
    game.shutDown();
}
