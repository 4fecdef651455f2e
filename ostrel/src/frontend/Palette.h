#pragma once

#include "ostrel/graphics/Color.h"

#include <cstdint>

namespace ostrel
{

// The red, green and blue a front end shows a colour in.
struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The shade every front end gives the colour; white for UNDEFINED_COLOR.
Rgb colorRgb(Color color);

} // namespace ostrel
