#include "ostrel/input/EventKeyboard.h"

namespace ostrel
{

EventKeyboard::EventKeyboard()
{
    setType(KEYBOARD_EVENT);
}

} // namespace ostrel
