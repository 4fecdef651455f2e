#pragma once

#include "ostrel/core/Event.h"

#include <string>

namespace ostrel
{

const std::string TEXT_EVENT = "ostrel::text";

// A character was typed, or Backspace or Enter pressed while typing. Given only with
// InputManager::setExtendedInput(true), after the key's own EventKeyboard.
class EventText : public Event
{
public:
    explicit EventText(char32_t character);

    // The Unicode character typed; TEXT_BACKSPACE or TEXT_ENTER (InputRecord.h) for those keys.
    char32_t getCharacter() const { return m_character; }
    bool isBackspace() const;
    bool isEnter() const;
    // The character typed in UTF-8; empty for Backspace and Enter.
    std::string getText() const;

private:
    char32_t m_character;
};

} // namespace ostrel
