#include "frontend/Palette.h"

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

} // namespace ostrel
