#pragma once

#include "ostrel/graphics/Color.h"
#include "ostrel/graphics/Ink.h"

namespace ostrel
{

// The shade every front end gives the colour; white for UNDEFINED_COLOR.
Rgb colorRgb(Color color);
// The shade of the ink's character: its RGB, else its named colour's.
Rgb foregroundRgb(const Ink& ink);
// The named colour whose shade is nearest, for a front end of eight colours.
Color nearestColor(Rgb rgb);

} // namespace ostrel
