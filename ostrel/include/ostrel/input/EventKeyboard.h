#pragma once

#include "ostrel/core/Event.h"
#include "ostrel/input/Keyboard.h"

namespace ostrel
{

const std::string KEYBOARD_EVENT = "ostrel::keyboard";

enum EventKeyboardAction
{
    UNDEFINED_KEYBOARD_ACTION = -1,
    KEY_PRESSED,
    KEY_RELEASED,
};

// A key went down or came up.
class EventKeyboard : public Event
{
public:
    EventKeyboard();

    void setKey(Keyboard::Key key) { m_key = key; }
    Keyboard::Key getKey() const { return m_key; }
    void setKeyboardAction(EventKeyboardAction action) { m_keyboard_action = action; }
    EventKeyboardAction getKeyboardAction() const { return m_keyboard_action; }

private:
    Keyboard::Key m_key = Keyboard::UNDEFINED_KEY;
    EventKeyboardAction m_keyboard_action = UNDEFINED_KEYBOARD_ACTION;
};

} // namespace ostrel
