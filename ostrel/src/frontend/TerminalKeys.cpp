#include "frontend/TerminalKeys.h"

#include "ostrel/input/InputRecord.h"

#include <cstdlib>

namespace ostrel
{

namespace
{

const char ESCAPE_BYTE = '\x1b';

struct CharKey
{
    char ch;
    Keyboard::Key key;
};

const CharKey CHAR_KEYS[] = {
    {' ', Keyboard::SPACE},  {'\r', Keyboard::ENTER}, {'\n', Keyboard::ENTER}, {'\t', Keyboard::TAB},
    {'-', Keyboard::HYPHEN}, {'=', Keyboard::EQUAL},  {'`', Keyboard::GRAVE},  {'.', Keyboard::PERIOD},
    {',', Keyboard::COMMA},  {'/', Keyboard::SLASH},
};

// The numbers in "Esc [ n ~" of the function keys F1 to F12 (0 for none).
const int TILDE_CODES[] = {11, 12, 13, 14, 15, 17, 18, 19, 20, 21, 23, 24};

Keyboard::Key charKey(char ch)
{
    if (ch >= 'a' && ch <= 'z')
    {
        return static_cast<Keyboard::Key>(Keyboard::A + (ch - 'a'));
    }
    if (ch >= 'A' && ch <= 'Z')
    {
        return static_cast<Keyboard::Key>(Keyboard::A + (ch - 'A'));
    }
    if (ch >= '1' && ch <= '9')
    {
        return static_cast<Keyboard::Key>(Keyboard::NUM1 + (ch - '1'));
    }
    if (ch == '0')
    {
        return Keyboard::NUM0;
    }
    for (const CharKey& pair : CHAR_KEYS)
    {
        if (pair.ch == ch)
        {
            return pair.key;
        }
    }
    return Keyboard::UNDEFINED_KEY;
}

// The key of an arrow's or a function key's final letter ("Esc [ A", "Esc O P").
Keyboard::Key letterKey(char final)
{
    switch (final)
    {
        case 'A':
            return Keyboard::UP_ARROW;
        case 'B':
            return Keyboard::DOWN_ARROW;
        case 'C':
            return Keyboard::RIGHT_ARROW;
        case 'D':
            return Keyboard::LEFT_ARROW;
        case 'P':
            return Keyboard::F1;
        case 'Q':
            return Keyboard::F2;
        case 'R':
            return Keyboard::F3;
        case 'S':
            return Keyboard::F4;
        default:
            return Keyboard::UNDEFINED_KEY;
    }
}

bool keyReport(Keyboard::Key key, TerminalReport& report)
{
    report = TerminalReport();
    report.key = key;
    return key != Keyboard::UNDEFINED_KEY;
}

// A plain byte's key and the ASCII character it types: DEL or BS is Backspace.
bool byteReport(char ch, TerminalReport& report)
{
    keyReport(charKey(ch), report);
    if (ch == '\x7f' || ch == '\b')
    {
        report.character = TEXT_BACKSPACE;
    }
    else if (ch == '\r' || ch == '\n')
    {
        report.character = TEXT_ENTER;
    }
    else if (ch >= ' ' && ch <= '~')
    {
        report.character = static_cast<char32_t>(ch);
    }
    return report.key != Keyboard::UNDEFINED_KEY || report.character != 0;
}

// An SGR mouse report's parameters "b;x;y" and final 'M' (press, motion or wheel) or 'm' (release).
bool mouseReport(const std::string& parameters, char final, TerminalReport& report)
{
    const char* text = parameters.c_str();
    char* end = nullptr;
    const long code = std::strtol(text, &end, 10);
    if (*end != ';')
    {
        return false;
    }
    const long x = std::strtol(end + 1, &end, 10);
    if (*end != ';')
    {
        return false;
    }
    const long y = std::strtol(end + 1, &end, 10);
    const bool motion = (code & 32) != 0;
    const bool wheel = (code & 64) != 0;
    if (*end != '\0' || (final != 'M' && final != 'm') || x < 1 || y < 1)
    {
        return false;
    }
    report = TerminalReport();
    report.col = static_cast<int>(x - 1);
    report.row = static_cast<int>(y - 1);
    if (wheel)
    {
        // 64 is the wheel turned away from the player, 65 towards; 66 and 67 are sideways.
        report.kind = TerminalReport::MOUSE_WHEEL;
        report.wheel = (code & 1) == 0 ? 1 : -1;
        return final == 'M' && (code & 2) == 0;
    }
    if (final == 'm')
    {
        report.kind = TerminalReport::MOUSE_RELEASE;
    }
    else if (motion)
    {
        report.kind = TerminalReport::MOUSE_MOVE;
        return true;
    }
    const Mouse::Button buttons[] = {Mouse::LEFT, Mouse::MIDDLE, Mouse::RIGHT};
    if ((code & 3) == 3)
    {
        return false;
    }
    if (final == 'M')
    {
        report.kind = TerminalReport::MOUSE_PRESS;
    }
    report.button = buttons[code & 3];
    return true;
}

} // namespace

void TerminalKeys::feed(const char* bytes, std::size_t count)
{
    m_bytes.append(bytes, count);
}

bool TerminalKeys::readControlSequence(std::size_t end, TerminalReport& report) const
{
    const std::string parameters = m_bytes.substr(2, end - 2);
    const char final = m_bytes[end];
    if (!parameters.empty() && parameters[0] == '<')
    {
        return mouseReport(parameters.substr(1), final, report);
    }
    if (parameters.empty() && (final == 'I' || final == 'O'))
    {
        report = TerminalReport();
        report.kind = final == 'I' ? TerminalReport::FOCUS_IN : TerminalReport::FOCUS_OUT;
        return true;
    }
    if (final == '~')
    {
        const int code = std::atoi(parameters.c_str());
        for (int i = 0; i < 12; ++i)
        {
            if (TILDE_CODES[i] == code)
            {
                return keyReport(static_cast<Keyboard::Key>(Keyboard::F1 + i), report);
            }
        }
        return false;
    }
    return keyReport(letterKey(final), report);
}

bool TerminalKeys::next(TerminalReport& report, bool idle)
{
    while (!m_bytes.empty())
    {
        if (m_bytes[0] != ESCAPE_BYTE)
        {
            const char ch = m_bytes[0];
            m_bytes.erase(0, 1);
            if (byteReport(ch, report))
            {
                return true;
            }
            continue;
        }
        if (m_bytes.size() == 1)
        {
            if (!idle)
            {
                return false;
            }
            m_bytes.clear();
            return keyReport(Keyboard::ESCAPE, report);
        }
        if (m_bytes[1] != '[' && m_bytes[1] != 'O')
        {
            // Esc before anything but a sequence: the Escape key, then that.
            m_bytes.erase(0, 1);
            return keyReport(Keyboard::ESCAPE, report);
        }
        std::size_t end = 2;
        if (m_bytes[1] == '[')
        {
            while (end < m_bytes.size() && (m_bytes[end] < 0x40 || m_bytes[end] > 0x7e))
            {
                ++end;
            }
        }
        if (end >= m_bytes.size())
        {
            if (!idle)
            {
                return false;
            }
            // A sequence cut short for good: drop it.
            m_bytes.clear();
            return false;
        }
        const bool found =
            m_bytes[1] == '[' ? readControlSequence(end, report) : keyReport(letterKey(m_bytes[2]), report);
        m_bytes.erase(0, end + 1);
        if (found)
        {
            return true;
        }
    }
    return false;
}

} // namespace ostrel
