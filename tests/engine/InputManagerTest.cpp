#include "DisplayManager.h"
#include "InputManager.h"
#include "TestDir.h"
#include "WaitUntil.h"
#include "WorldManager.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace ostrel;
using testing_support::TestDir;

TEST(InputConversion, KeysFollowTheEnginesTable)
{
    using SfKey = sf::Keyboard::Key;
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::Space), Keyboard::SPACE);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::Q), Keyboard::Q);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::A), 31);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::Z), 56);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::F1), 19);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::F12), 30);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::Num1), 57);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::Num9), 65);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::Num0), 66);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::Enter), Keyboard::ENTER);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::Hyphen), Keyboard::HYPHEN);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(SfKey::RShift), Keyboard::RIGHT_SHIFT);
    EXPECT_EQ(convertSfKeyboardKeyToOstrel(static_cast<SfKey>(54)), Keyboard::GRAVE);
    for (const SfKey unmapped : {SfKey::Numpad0, SfKey::Numpad9, SfKey::F13, SfKey::F15, SfKey::Backspace,
                                 SfKey::Delete, SfKey::LAlt, SfKey::Menu, SfKey::Unknown})
    {
        EXPECT_EQ(convertSfKeyboardKeyToOstrel(unmapped), Keyboard::UNDEFINED_KEY) << static_cast<int>(unmapped);
    }
}

TEST(InputConversion, ExtraButtonsAreUndefined)
{
    using SfButton = sf::Mouse::Button;
    EXPECT_EQ(convertSfMouseButtonToOstrel(SfButton::Left), Mouse::LEFT);
    EXPECT_EQ(convertSfMouseButtonToOstrel(SfButton::Right), Mouse::RIGHT);
    EXPECT_EQ(convertSfMouseButtonToOstrel(SfButton::Middle), Mouse::MIDDLE);
    EXPECT_EQ(convertSfMouseButtonToOstrel(static_cast<SfButton>(3)), Mouse::UNDEFINED_MOUSE_BUTTON);
    EXPECT_EQ(convertSfMouseButtonToOstrel(static_cast<SfButton>(4)), Mouse::UNDEFINED_MOUSE_BUTTON);
}

TEST(InputStart, NeedsAStartedDisplay)
{
    EXPECT_EQ(InputManager::getInstance().startUp(), -1);
    EXPECT_FALSE(InputManager::getInstance().isStarted());
    InputManager::getInstance().getInput(); // polls nothing, must not crash
    InputManager::getInstance().shutDown();
}

class InputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!testing_support::haveDisplay())
        {
            GTEST_SKIP() << "no display";
        }
        ASSERT_EQ(DisplayManager::getInstance().startUp(), 0);
        ASSERT_EQ(InputManager::getInstance().startUp(), 0);
        WorldManager::getInstance().startUp();
    }

    void TearDown() override
    {
        WorldManager::getInstance().shutDown();
        InputManager::getInstance().shutDown();
        DisplayManager::getInstance().shutDown();
    }

    sf::RenderWindow& window() { return *DisplayManager::getInstance().getWindow(); }

    TestDir dir;
};

TEST_F(InputTest, MousePixelsBecomeCellsWithoutRounding)
{
    EXPECT_EQ(windowPixelsToSpaces(window(), 640, 384), Vector(50, 12));
    EXPECT_EQ(windowPixelsToSpaces(window(), 13, 33), Vector(1.015625f, 1.03125f));
}

TEST_F(InputTest, AResizedWindowStillMapsClicksToTheCellsDrawnThere)
{
#if SFML_VERSION_MAJOR >= 3
    window().setSize({2048u, 1536u});
#else
    window().setSize(sf::Vector2u(2048, 1536));
#endif
    // Let the resize arrive: the view keeps the 1024 x 768 drawing stretched over the window.
    testing_support::waitUntil(std::chrono::seconds(30),
                               [&]
                               {
                                   InputManager::getInstance().getInput();
                                   return window().getSize().x == 2048u;
                               });
    ASSERT_EQ(window().getSize().x, 2048u);
    EXPECT_EQ(windowPixelsToSpaces(window(), 1280, 768), Vector(50, 12));
    EXPECT_EQ(windowPixelsToSpaces(window(), 0, 0), Vector(0, 0));
}
