#include "FrontEndChoice.h"
#include "Probe.h"
#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/input/EventText.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/world/WorldManager.h>

using namespace ostrel;

namespace
{

InputRecord record(InputKind kind, Keyboard::Key key = Keyboard::UNDEFINED_KEY, char32_t character = 0)
{
    InputRecord input;
    input.kind = kind;
    input.key = key;
    input.character = character;
    input.button = Mouse::RIGHT;
    input.wheel = -2;
    return input;
}

class ExtendedInput : public testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::useHeadless();
        ASSERT_EQ(DisplayManager::getInstance().startUp(), 0);
        ASSERT_EQ(InputManager::getInstance().startUp(), 0);
        WorldManager::getInstance().startUp();
        m_probe = new Probe;
        m_probe->on_event = [this](const Event* event)
        {
            if (const auto* mouse = dynamic_cast<const EventMouse*>(event))
            {
                seen.push_back("mouse " + std::to_string(mouse->getMouseAction()) + " " +
                               std::to_string(mouse->getMouseButton()) + " " +
                               std::to_string(static_cast<int>(mouse->getWheelDelta())));
            }
            if (const auto* text = dynamic_cast<const EventText*>(event))
            {
                seen.push_back(text->isBackspace() ? "backspace" : text->isEnter() ? "enter" : text->getText());
            }
        };
    }

    void TearDown() override
    {
        InputManager::getInstance().setExtendedInput(false);
        WorldManager::getInstance().shutDown();
        InputManager::getInstance().shutDown();
        DisplayManager::getInstance().shutDown();
    }

    void play(const std::vector<InputRecord>& inputs)
    {
        for (const InputRecord& input : inputs)
        {
            InputManager::getInstance().queueInput(input);
        }
        InputManager::getInstance().getInput();
    }

    std::vector<std::string> seen;

private:
    testing_support::TestDir m_dir;
    Probe* m_probe = nullptr;
};

const std::vector<InputRecord> NEW_INPUTS = {
    record(InputKind::MOUSE_RELEASE), record(InputKind::MOUSE_WHEEL), record(InputKind::TEXT, Keyboard::A, U'\u00e9'),
    record(InputKind::TEXT, Keyboard::A, TEXT_BACKSPACE), record(InputKind::TEXT, Keyboard::A, TEXT_ENTER)};

} // namespace

TEST_F(ExtendedInput, OnlyAGameThatAsksGetsReleasesTheWheelAndText)
{
    play(NEW_INPUTS);
    EXPECT_TRUE(seen.empty()) << seen[0];

    InputManager::getInstance().setExtendedInput(true);
    play(NEW_INPUTS);
    const std::string release = "mouse " + std::to_string(RELEASED) + " " + std::to_string(Mouse::RIGHT) + " -2";
    const std::string wheel = "mouse " + std::to_string(WHEEL) + " -1 -2";
    EXPECT_EQ(seen, (std::vector<std::string>{release, wheel, "\xc3\xa9", "backspace", "enter"}));
}

TEST_F(ExtendedInput, AKeyIsDownFromItsPressToItsReleaseOrALostFocus)
{
    InputManager& input = InputManager::getInstance();
    play({record(InputKind::KEY_PRESS, Keyboard::NUM0), record(InputKind::KEY_PRESS, Keyboard::W)});
    EXPECT_TRUE(input.isKeyDown(Keyboard::NUM0));
    EXPECT_TRUE(input.isKeyDown(Keyboard::W));
    EXPECT_FALSE(input.isKeyDown(Keyboard::UNDEFINED_KEY));
    play({record(InputKind::KEY_RELEASE, Keyboard::W)});
    EXPECT_FALSE(input.isKeyDown(Keyboard::W));
    EXPECT_TRUE(input.isKeyDown(Keyboard::NUM0));
    play({record(InputKind::FOCUS_LOST)});
    EXPECT_FALSE(input.isKeyDown(Keyboard::NUM0));
}

TEST(Keyboard, DigitOfGivesTheTopRowsDigits)
{
    EXPECT_EQ(Keyboard::digitOf(Keyboard::NUM0), 0);
    EXPECT_EQ(Keyboard::digitOf(Keyboard::NUM1), 1);
    EXPECT_EQ(Keyboard::digitOf(Keyboard::NUM9), 9);
    for (const Keyboard::Key other : {Keyboard::UNDEFINED_KEY, Keyboard::SPACE, Keyboard::Z, Keyboard::F1})
    {
        EXPECT_EQ(Keyboard::digitOf(other), -1) << other;
    }
}
