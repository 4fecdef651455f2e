#include "FrontEndChoice.h"
#include "Probe.h"
#include "TestDir.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>
#include <ostrel/frontend/WindowFrontEnd.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventFocus.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/input/EventText.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/world/WorldManager.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

using namespace ostrel;
using testing_support::TestDir;
using testing_support::waitUntil;

namespace
{

unsigned long windowId()
{
#if SFML_VERSION_MAJOR >= 3
    return static_cast<unsigned long>(DisplayManager::getInstance().getWindow()->getNativeHandle());
#else
    return static_cast<unsigned long>(DisplayManager::getInstance().getWindow()->getSystemHandle());
#endif
}

// Reads input until `done` holds, for at most about five seconds.
template <typename Done>
void pumpUntil(Done done)
{
    for (int i = 0; i < 500 && !done(); ++i)
    {
        InputManager::getInstance().getInput();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Input sent before the window is mapped would go nowhere.
bool waitForMappedWindow()
{
    const std::string mapped =
        "xdotool search --onlyvisible --name '^Ostrel$' | grep -qx " + std::to_string(windowId());
    return waitUntil(std::chrono::seconds(30),
                     [&]
                     {
                         InputManager::getInstance().getInput();
                         DisplayManager::getInstance().swapBuffers();
                         return std::system(mapped.c_str()) == 0;
                     });
}

} // namespace

// Real X input through xdotool, on a display of this test's own: a key press and release,
// a move and a click reach every object as engine events, in cells.
TEST(InputDelivery, DeliversKeysAndClicksFromTheWindow)
{
    if (!testing_support::haveDisplay() || std::system("command -v xdotool >/dev/null 2>&1") != 0)
    {
        GTEST_SKIP() << "no display or no xdotool";
    }
    TestDir dir;
    testing_support::useWindow();
    ASSERT_EQ(DisplayManager::getInstance().startUp(), 0);
    ASSERT_EQ(InputManager::getInstance().startUp(), 0);
    WorldManager::getInstance().startUp();

    Probe* probe = new Probe;
    std::vector<EventKeyboard> keys;
    std::vector<EventMouse> clicks;
    probe->on_event = [&](const Event* event)
    {
        if (event->getType() == KEYBOARD_EVENT)
        {
            keys.push_back(*dynamic_cast<const EventKeyboard*>(event));
        }
        else if (event->getType() == MSE_EVENT && dynamic_cast<const EventMouse*>(event)->getMouseAction() == CLICKED)
        {
            clicks.push_back(*dynamic_cast<const EventMouse*>(event));
        }
    };
    const unsigned long id = windowId();
    ASSERT_TRUE(waitForMappedWindow());
    const std::string command = "xdotool mousemove --window " + std::to_string(id) +
                                " 640 384 sleep 0.1 key space sleep 0.1 key F13 sleep 0.1 click 1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    waitUntil(std::chrono::seconds(30),
              [&]
              {
                  InputManager::getInstance().getInput();
                  return keys.size() >= 4 && !clicks.empty();
              });
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0].getKey(), Keyboard::SPACE);
    EXPECT_EQ(keys[0].getKeyboardAction(), KEY_PRESSED);
    EXPECT_EQ(keys[1].getKey(), Keyboard::SPACE);
    EXPECT_EQ(keys[1].getKeyboardAction(), KEY_RELEASED);
    EXPECT_EQ(keys[2].getKey(), Keyboard::UNDEFINED_KEY) << "unmapped keys are still delivered";
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].getMouseButton(), Mouse::LEFT);
    EXPECT_EQ(clicks[0].getMousePosition(), Vector(50, 12));

    WorldManager::getInstance().shutDown();
    InputManager::getInstance().shutDown();
    DisplayManager::getInstance().shutDown();
}

// With extended input, a button's release, the wheel and typed text (Backspace and Enter too)
// come from the window.
TEST(InputDelivery, DeliversReleasesTheWheelAndTextFromTheWindow)
{
    if (!testing_support::haveDisplay() || std::system("command -v xdotool >/dev/null 2>&1") != 0)
    {
        GTEST_SKIP() << "no display or no xdotool";
    }
    TestDir dir;
    testing_support::useWindow();
    InputManager::getInstance().setExtendedInput(true);
    ASSERT_EQ(DisplayManager::getInstance().startUp(), 0);
    ASSERT_EQ(InputManager::getInstance().startUp(), 0);
    WorldManager::getInstance().startUp();
    std::vector<std::string> seen;
    Probe* probe = new Probe;
    probe->on_event = [&](const Event* event)
    {
        const auto* mouse = dynamic_cast<const EventMouse*>(event);
        if (mouse != nullptr && mouse->getMouseAction() == RELEASED)
        {
            seen.push_back("release " + std::to_string(mouse->getMouseButton()));
        }
        if (mouse != nullptr && mouse->getMouseAction() == WHEEL)
        {
            seen.push_back("wheel " + std::to_string(static_cast<int>(mouse->getWheelDelta())));
        }
        if (const auto* text = dynamic_cast<const EventText*>(event))
        {
            seen.push_back(text->isBackspace() ? "backspace" : text->isEnter() ? "enter" : text->getText());
        }
    };
    ASSERT_TRUE(waitForMappedWindow());
    const std::string id = std::to_string(windowId());
    const std::string command = "xdotool windowfocus --sync " + id + " mousemove --window " + id +
                                " 640 384 sleep 0.1 click 1 sleep 0.1 click 5 sleep 0.1 key a BackSpace Return";
    ASSERT_EQ(std::system(command.c_str()), 0);
    waitUntil(std::chrono::seconds(30),
              [&]
              {
                  InputManager::getInstance().getInput();
                  return seen.size() >= 5;
              });
    EXPECT_EQ(seen, (std::vector<std::string>{"release " + std::to_string(Mouse::LEFT), "wheel -1", "a", "backspace",
                                              "enter"}));

    InputManager::getInstance().setExtendedInput(false);
    WorldManager::getInstance().shutDown();
    InputManager::getInstance().shutDown();
    DisplayManager::getInstance().shutDown();
}

// A switch to full screen makes a new window: a focus loss before that window first gains the
// focus is the switch's doing and is not delivered; once it has had the focus, a loss is.
TEST(InputDelivery, AFullScreenSwitchLosesNoFocusOfItsOwn)
{
    if (!testing_support::haveDisplay() || std::system("command -v xdotool >/dev/null 2>&1") != 0)
    {
        GTEST_SKIP() << "no display or no xdotool";
    }
    TestDir dir;
    DisplayManager& display = DisplayManager::getInstance();
    testing_support::useWindow();
    ASSERT_EQ(display.startUp(), 0);
    ASSERT_EQ(InputManager::getInstance().startUp(), 0);
    WorldManager::getInstance().startUp();
    std::vector<bool> focus;
    Probe* probe = new Probe;
    probe->on_event = [&](const Event* event)
    {
        if (event->getType() == FOCUS_EVENT)
        {
            focus.push_back(dynamic_cast<const EventFocus*>(event)->isFocused());
        }
    };

    display.setFullscreen(true);
    const std::string to_root = "xdotool windowfocus --sync $(xdotool search --maxdepth 0 --name '' | head -1)";
    const std::string to_game = "xdotool windowfocus --sync " + std::to_string(windowId());
    // The focus leaves the new window and comes back: only the gain may be delivered.
    ASSERT_EQ(std::system(to_root.c_str()), 0);
    ASSERT_EQ(std::system(to_game.c_str()), 0);
    pumpUntil([&] { return std::count(focus.begin(), focus.end(), true) > 0; });
    ASSERT_FALSE(focus.empty());
    EXPECT_TRUE(focus.front()) << "a loss during the switch was delivered";
    focus.clear();
    ASSERT_EQ(std::system(to_root.c_str()), 0);
    pumpUntil([&] { return std::count(focus.begin(), focus.end(), false) > 0; });
    EXPECT_EQ(std::count(focus.begin(), focus.end(), false), 1) << "a loss after the focus came was not delivered";

    WorldManager::getInstance().shutDown();
    InputManager::getInstance().shutDown();
    display.shutDown();
}
