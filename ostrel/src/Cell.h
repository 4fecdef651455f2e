#pragma once

#include "Color.h"

namespace ostrel
{

// What one cell of the grid showed: its character and colour.
struct Cell
{
    char ch = ' ';
    Color color = UNDEFINED_COLOR;
};

} // namespace ostrel
