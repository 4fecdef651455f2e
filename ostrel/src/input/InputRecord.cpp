#include "ostrel/input/InputRecord.h"

#include <iterator>

namespace ostrel
{

namespace
{

// In the order of Keyboard::Key, from SPACE on.
const char* const KEY_NAMES[] = {
    "SPACE",
    "ENTER",
    "ESCAPE",
    "TAB",
    "LEFT_ARROW",
    "RIGHT_ARROW",
    "UP_ARROW",
    "DOWN_ARROW",
    "PAUSE",
    "HYPHEN",
    "EQUAL",
    "GRAVE",
    "PERIOD",
    "COMMA",
    "SLASH",
    "LEFT_CONTROL",
    "RIGHT_CONTROL",
    "LEFT_SHIFT",
    "RIGHT_SHIFT",
    "F1",
    "F2",
    "F3",
    "F4",
    "F5",
    "F6",
    "F7",
    "F8",
    "F9",
    "F10",
    "F11",
    "F12",
    "A",
    "B",
    "C",
    "D",
    "E",
    "F",
    "G",
    "H",
    "I",
    "J",
    "K",
    "L",
    "M",
    "N",
    "O",
    "P",
    "Q",
    "R",
    "S",
    "T",
    "U",
    "V",
    "W",
    "X",
    "Y",
    "Z",
    "NUM1",
    "NUM2",
    "NUM3",
    "NUM4",
    "NUM5",
    "NUM6",
    "NUM7",
    "NUM8",
    "NUM9",
    "NUM0",
};
static_assert(std::size(KEY_NAMES) == Keyboard::NUM0 + 1, "a name for every key");

const char* const BUTTON_NAMES[] = {"LEFT", "RIGHT", "MIDDLE"};
static_assert(std::size(BUTTON_NAMES) == Mouse::MIDDLE + 1, "a name for every button");

const char* const UNDEFINED_NAME = "UNDEFINED";

template <std::size_t N>
std::string nameOf(const char* const (&names)[N], int value)
{
    return value >= 0 && value < static_cast<int>(N) ? names[value] : UNDEFINED_NAME;
}

// The value named in `names` (whose first name is value 0), or the undefined value -1.
template <typename Enum, std::size_t N>
bool fromName(const char* const (&names)[N], const std::string& name, Enum& value)
{
    for (std::size_t i = 0; i < N; ++i)
    {
        if (name == names[i])
        {
            value = static_cast<Enum>(i);
            return true;
        }
    }
    if (name == UNDEFINED_NAME)
    {
        value = static_cast<Enum>(-1);
        return true;
    }
    return false;
}

} // namespace

bool InputRecord::operator==(const InputRecord& other) const
{
    return kind == other.kind && key == other.key && button == other.button && position == other.position &&
           width == other.width && height == other.height && wheel == other.wheel && character == other.character;
}

bool isTypedCharacter(char32_t character)
{
    if (character == TEXT_BACKSPACE || character == TEXT_ENTER)
    {
        return true;
    }
    const bool control = character < 0x20 || (character >= 0x7F && character < 0xA0);
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    return !control && !surrogate && character <= 0x10FFFF;
}

std::string keyName(Keyboard::Key key)
{
    return nameOf(KEY_NAMES, key);
}

bool keyFromName(const std::string& name, Keyboard::Key& key)
{
    return fromName(KEY_NAMES, name, key);
}

std::string buttonName(Mouse::Button button)
{
    return nameOf(BUTTON_NAMES, button);
}

bool buttonFromName(const std::string& name, Mouse::Button& button)
{
    return fromName(BUTTON_NAMES, name, button);
}

} // namespace ostrel
