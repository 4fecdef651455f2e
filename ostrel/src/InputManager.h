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

// Converts a mouse position in window pixels to cells. The pixels go through the window's
// view first, so a resized (stretched) window still maps clicks onto the cells drawn there.
Vector windowPixelsToSpaces(const sf::RenderWindow& window, int x, int y);

// Turns the window's pending events into keyboard and mouse events for every object.
class InputManager : public Manager
{
public:
    static InputManager& getInstance();
    ~InputManager() override;

    // Needs a started display; turns key repeat off. -1 without a display.
    int startUp() override;
    void shutDown() override;

    // Polls every pending window event and delivers each as it is read. Key presses and
    // releases, mouse moves, mouse-button presses, focus changes and the window's close
    // request (as an EventClose) are delivered; everything else is ignored.
    void getInput() const;

private:
    InputManager();
};

} // namespace ostrel
