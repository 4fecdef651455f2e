#include "ostrel/input/EventText.h"

#include "ostrel/input/InputRecord.h"

namespace ostrel
{

EventText::EventText(char32_t character) : m_character(character)
{
    setType(TEXT_EVENT);
}

bool EventText::isBackspace() const
{
    return m_character == TEXT_BACKSPACE;
}

bool EventText::isEnter() const
{
    return m_character == TEXT_ENTER;
}

std::string EventText::getText() const
{
    if (isBackspace() || isEnter())
    {
        return "";
    }
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    const char32_t c = m_character;
    if (c < 0x80)
    {
        return std::string(1, byte(c));
    }
    if (c < 0x800)
    {
        return {byte(0xC0 | (c >> 6)), byte(0x80 | (c & 0x3F))};
    }
    if (c < 0x10000)
    {
        return {byte(0xE0 | (c >> 12)), byte(0x80 | ((c >> 6) & 0x3F)), byte(0x80 | (c & 0x3F))};
    }
    return {byte(0xF0 | (c >> 18)), byte(0x80 | ((c >> 12) & 0x3F)), byte(0x80 | ((c >> 6) & 0x3F)),
            byte(0x80 | (c & 0x3F))};
}

} // namespace ostrel
