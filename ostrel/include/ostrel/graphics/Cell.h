#pragma once

#include "ostrel/graphics/Color.h"
#include "ostrel/math/Vector.h"

namespace ostrel
{

// What one cell of the grid showed: its character and colour.
struct Cell
{
    char ch = ' ';
    Color color = UNDEFINED_COLOR;
};

// One character drawn into a frame: where, which, and in what colour.
struct DrawCall
{
    Vector position;
    char ch = ' ';
    Color color = UNDEFINED_COLOR;
};

} // namespace ostrel
