#pragma once

#include "ostrel/input/Keyboard.h"
#include "ostrel/input/Mouse.h"

#include <string>

namespace ostrel
{

// One thing a terminal reported, in its own terms: cells count from 0 at the top left.
struct TerminalReport
{
    enum Kind
    {
        KEY,
        MOUSE_PRESS,
        MOUSE_MOVE,
        MOUSE_RELEASE,
        MOUSE_WHEEL,
        FOCUS_IN,
        FOCUS_OUT,
    };

    Kind kind = KEY;
    Keyboard::Key key = Keyboard::UNDEFINED_KEY;
    // For KEY, the character the key typed (InputRecord's TEXT_BACKSPACE and TEXT_ENTER for
    // those keys), or 0; a key may type a character and be no Keyboard::Key.
    char32_t character = 0;
    // For MOUSE_WHEEL: +1 away from the player, -1 towards.
    int wheel = 0;
    Mouse::Button button = Mouse::UNDEFINED_MOUSE_BUTTON;
    int col = 0;
    int row = 0;
};

// Reads what a terminal in raw mode sends: plain keys (and the ASCII text they type), the escape sequences of function
// and arrow keys, SGR mouse reports and focus reports. Anything else is skipped. An Esc byte alone is the Escape key
// only once the terminal stayed quiet for a moment after it (`idle`); until then it may be the start of a sequence
// still on its way.
class TerminalKeys
{
public:
    void feed(const char* bytes, std::size_t count);
    // Takes the next report the bytes so far hold; false when they hold no whole one.
    bool next(TerminalReport& report, bool idle);
    // Whether bytes wait for the rest of their sequence.
    bool isWaiting() const { return !m_bytes.empty(); }

private:
    // The control sequence after "Esc [" that ends at m_bytes[end]; false for one of no interest.
    bool readControlSequence(std::size_t end, TerminalReport& report) const;

    std::string m_bytes;
};

} // namespace ostrel
