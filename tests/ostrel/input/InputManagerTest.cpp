#include "FrontEndChoice.h"
#include "TestDir.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>
#include <ostrel/frontend/WindowFrontEnd.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/world/WorldManager.h>

#include <chrono>
#include <cmath>

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
        testing_support::useWindow();
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

TEST_F(InputTest, MousePixelsBecomeFractionalCells)
{
    EXPECT_EQ(testing_support::windowFrontEnd().windowPixelsToSpaces(640, 384), Vector(50, 12));
    EXPECT_EQ(testing_support::windowFrontEnd().windowPixelsToSpaces(13, 33), Vector(1.015625f, 1.03125f));
}

TEST_F(InputTest, AResizedWindowStillMapsClicksToTheCellsDrawnThere)
{
    struct Case
    {
        unsigned width, height;
        float scale;
        sf::Vector2f offset;
    };
    // Doubled, then pillarboxed and letterboxed: the grid keeps its shape, centred.
    for (const Case& c : {Case{2048, 1536, 2.0f, {0, 0}}, Case{1600, 768, 1.0f, {288, 0}},
                          Case{1200, 500, 500.0f / 768.0f, {std::floor((1200 - 1024 * 500.0f / 768.0f) / 2), 0}}})
    {
        const sf::Vector2u size(c.width, c.height);
        window().setSize(size);
        // Let the resize arrive.
        testing_support::waitUntil(std::chrono::seconds(30),
                                   [&]
                                   {
                                       InputManager::getInstance().getInput();
                                       return window().getSize() == size;
                                   });
        ASSERT_EQ(window().getSize(), size);
        testing_support::windowFrontEnd().refreshLayout();
        EXPECT_FLOAT_EQ(testing_support::windowFrontEnd().getScale(), c.scale) << c.width << "x" << c.height;
        EXPECT_EQ(testing_support::windowFrontEnd().getOffset(), c.offset) << c.width << "x" << c.height;
        const auto at = [&c](float x, float y)
        {
            return testing_support::windowFrontEnd().windowPixelsToSpaces(static_cast<int>(c.offset.x + c.scale * x),
                                                                          static_cast<int>(c.offset.y + c.scale * y));
        };
        EXPECT_EQ(at(0, 0), Vector(0, 0));
        if (c.scale >= 1.0f)
        {
            EXPECT_EQ(at(640, 384), Vector(50, 12));
        }
    }
}
