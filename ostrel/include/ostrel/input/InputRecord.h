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
    // The front end cannot show the picture (a terminal too small for it), or can again.
    PICTURE_HIDDEN,
    PICTURE_SHOWN,
    // Delivered only with InputManager::setExtendedInput(true).
    MOUSE_RELEASE,
    MOUSE_WHEEL,
    TEXT,
};

// The characters of a TEXT input that stand for the Backspace and Enter keys.
const char32_t TEXT_BACKSPACE = U'\b';
const char32_t TEXT_ENTER = U'\r';

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
    // How far the wheel turned, for MOUSE_WHEEL: positive away from the player.
    float wheel = 0;
    // The character typed, for TEXT: a printable Unicode character, TEXT_BACKSPACE or TEXT_ENTER.
    char32_t character = 0;

    bool operator==(const InputRecord& other) const;
};

// Stable names for keys and buttons ("SPACE", "A", "NUM0", "LEFT"; "UNDEFINED" for the
// undefined ones). The from-name functions return false for an unknown name.
// Whether a TEXT input may carry the character: TEXT_BACKSPACE, TEXT_ENTER, or a Unicode
// character that is neither a control character nor a surrogate.
bool isTypedCharacter(char32_t character);

std::string keyName(Keyboard::Key key);
bool keyFromName(const std::string& name, Keyboard::Key& key);
std::string buttonName(Mouse::Button button);
bool buttonFromName(const std::string& name, Mouse::Button& button);

} // namespace ostrel
