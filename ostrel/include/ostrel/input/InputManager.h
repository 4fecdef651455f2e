#pragma once

#include "ostrel/core/Manager.h"
#include "ostrel/input/InputRecord.h"
#include "ostrel/input/Keyboard.h"
#include "ostrel/input/Mouse.h"
#include "ostrel/world/Vector.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

namespace ostrel
{

class DisplayManager;
class InputFilter;

Keyboard::Key convertSfKeyboardKeyToOstrel(sf::Keyboard::Key key);
Mouse::Button convertSfMouseButtonToOstrel(sf::Mouse::Button button);

// Converts a mouse position in window pixels to cells, through the display's layout of the
// grid in the window, so that clicks land on the cells drawn there at any window size.
Vector windowPixelsToSpaces(int x, int y);

// Turns the window's pending events into keyboard and mouse events for every object.
class InputManager : public Manager
{
public:
    static InputManager& getInstance();
    ~InputManager() override;

    // Needs a started display; turns key repeat off, for every window the display opens.
    // -1 without a display.
    int startUp() override;
    void shutDown() override;

    // Polls every pending window event and delivers each as it is read. Key presses and
    // releases, mouse moves, mouse-button presses, focus changes and the window's close
    // request (as an EventClose) are delivered; a resize lays the grid out again; everything
    // else is ignored. A handler may switch the display to full screen: the new window's
    // events are read from then on. With a filter, the filter's frame begins first and each
    // input goes to the game only when the filter admits it.
    void getInput() const;

    // Sends one input to every object, as if just read from the window.
    void deliver(const InputRecord& input) const;

    // The filter every input passes (not owned; nullptr for none).
    void setFilter(InputFilter* filter) { m_filter = filter; }
    InputFilter* getFilter() const { return m_filter; }

private:
    InputManager();

    // Passes a live input through the filter, then delivers it when admitted.
    void receive(const InputRecord& input) const;
    void receiveFocusLost(const DisplayManager& display) const;

    InputFilter* m_filter = nullptr;
};

} // namespace ostrel
