#pragma once

#include <ostrel/math/Vector.h>

namespace ostrel
{
class Random;
}

// The run's generator for everything drawn on the field: plot growth, pickups and pests.
// seedRun seeds it; the shop's offers have a generator of their own.
ostrel::Random& fieldRandom();

// A whole cell of the field clear of the HUD and the edges (x 4 to 75, y 8 to 19 on 80 x 24),
// from two draws of the field's generator, the row first.
ostrel::Vector randomFieldCell();
