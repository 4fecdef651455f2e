#pragma once

namespace ostrel
{

// The eight colours a character can be drawn in.
enum Color
{
    UNDEFINED_COLOR = -1,
    BLACK,
    RED,
    GREEN,
    YELLOW,
    BLUE,
    MAGENTA,
    CYAN,
    WHITE,
};

const Color COLOR_DEFAULT = WHITE;

} // namespace ostrel
