#pragma once

#include "Keyboard.h"
#include "Manager.h"
#include "Mouse.h"
#include "Vector.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

namespace ostrel
{

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
    // releases, mouse moves, mouse-button presses and the window's close request (as an
    // EventClose) are delivered; a resize lays the grid out again; everything else is
    // ignored. A handler may switch the display to full screen: the new window's events
    // are read from then on.
    void getInput() const;

private:
    InputManager();
};

} // namespace ostrel
