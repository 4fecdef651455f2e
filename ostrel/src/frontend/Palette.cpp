#include "frontend/Palette.h"

#include <limits>

namespace ostrel
{

Rgb colorRgb(Color color)
{
    switch (color)
    {
        case BLACK:
            return {0, 0, 0};
        case RED:
            return {255, 0, 0};
        case GREEN:
            return {0, 255, 0};
        case YELLOW:
            return {255, 255, 0};
        case BLUE:
            // Lightened from (0, 0, 255), which is 2.4:1 on black, so that blue text reads.
            return {64, 128, 255};
        case MAGENTA:
            return {255, 0, 255};
        case CYAN:
            return {0, 255, 255};
        case WHITE:
        default:
            return {255, 255, 255};
    }
}

Rgb foregroundRgb(const Ink& ink)
{
    return ink.rgb ? *ink.rgb : colorRgb(ink.color);
}

Color nearestColor(Rgb rgb)
{
    Color nearest = WHITE;
    int best = std::numeric_limits<int>::max();
    for (int i = BLACK; i <= WHITE; ++i)
    {
        const Rgb named = colorRgb(static_cast<Color>(i));
        const int red = named.red - rgb.red;
        const int green = named.green - rgb.green;
        const int blue = named.blue - rgb.blue;
        const int distance = red * red + green * green + blue * blue;
        if (distance < best)
        {
            best = distance;
            nearest = static_cast<Color>(i);
        }
    }
    return nearest;
}

} // namespace ostrel
