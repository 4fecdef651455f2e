#include "ostrel/graphics/Ink.h"

#include <cctype>

namespace ostrel
{

bool operator==(Rgb a, Rgb b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

bool operator!=(Rgb a, Rgb b)
{
    return !(a == b);
}

bool rgbFromHex(const std::string& text, Rgb& rgb)
{
    if (text.size() != 7 || text[0] != '#')
    {
        return false;
    }
    int parts[3] = {};
    for (std::size_t i = 1; i < text.size(); ++i)
    {
        const char ch = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        int digit = 0;
        if (ch >= '0' && ch <= '9')
        {
            digit = ch - '0';
        }
        else if (ch >= 'a' && ch <= 'f')
        {
            digit = 10 + (ch - 'a');
        }
        else
        {
            return false;
        }
        parts[(i - 1) / 2] = parts[(i - 1) / 2] * 16 + digit;
    }
    rgb = Rgb{static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
              static_cast<std::uint8_t>(parts[2])};
    return true;
}

bool operator==(const Ink& a, const Ink& b)
{
    return a.color == b.color && a.rgb == b.rgb && a.background == b.background;
}

bool operator!=(const Ink& a, const Ink& b)
{
    return !(a == b);
}

} // namespace ostrel
