#pragma once

#include "ostrel/graphics/Color.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ostrel
{

// A colour by its red, green and blue.
struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

bool operator==(Rgb a, Rgb b);
bool operator!=(Rgb a, Rgb b);

// Reads "#RRGGBB" (hexadecimal digits in either case); false for anything else.
bool rgbFromHex(const std::string& text, Rgb& rgb);

// What a character is drawn in: a named colour or any RGB, and the background of its cell,
// or none to leave the cell black. A named colour shows in its own shade, as ever.
struct Ink
{
    Ink() = default;
    Ink(Color named) : color(named) {}
    Ink(Rgb shade) : rgb(shade) {}
    Ink(Color named, Rgb back) : color(named), background(back) {}
    Ink(Rgb shade, Rgb back) : rgb(shade), background(back) {}

    // The named colour; UNDEFINED_COLOR when drawn in RGB (or in nothing given).
    Color color = UNDEFINED_COLOR;
    // The RGB colour, when not a named one.
    std::optional<Rgb> rgb;
    std::optional<Rgb> background;
};

bool operator==(const Ink& a, const Ink& b);
bool operator!=(const Ink& a, const Ink& b);

} // namespace ostrel
