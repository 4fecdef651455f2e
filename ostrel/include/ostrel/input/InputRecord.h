#pragma once

#include "ostrel/input/Keyboard.h"
#include "ostrel/input/Mouse.h"
#include "ostrel/math/Vector.h"

#include <string>

namespace ostrel
{

// What one piece of input was, whatever the window system that produced it.
enum class InputKind
{
    KEY_PRESS,
    KEY_RELEASE,
    MOUSE_MOVE,
    MOUSE_CLICK,
    FOCUS_LOST,
    FOCUS_GAINED,
    RESIZE,
    CLOSE,
};

// One piece of input the game received. Mouse positions are in (fractional) cells, so the
// same input means the same thing in a window of any size.
struct InputRecord
{
    InputKind kind = InputKind::KEY_PRESS;
    Keyboard::Key key = Keyboard::UNDEFINED_KEY;
    Mouse::Button button = Mouse::UNDEFINED_MOUSE_BUTTON;
    Vector position;
    // The window's new size in pixels, for RESIZE.
    int width = 0;
    int height = 0;

    bool operator==(const InputRecord& other) const;
};

// Stable names for keys and buttons ("SPACE", "A", "NUM0", "LEFT"; "UNDEFINED" for the
// undefined ones). The from-name functions return false for an unknown name.
std::string keyName(Keyboard::Key key);
bool keyFromName(const std::string& name, Keyboard::Key& key);
std::string buttonName(Mouse::Button button);
bool buttonFromName(const std::string& name, Mouse::Button& button);

} // namespace ostrel
