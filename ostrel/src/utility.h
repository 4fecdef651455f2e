#pragma once

#include "Box.h"
#include "Vector.h"

#include <string>

namespace ostrel
{

class Object;

// Inclusive on every edge: boxes that only touch intersect.
bool boxIntersectsBox(Box a, Box b);
// Inclusive on every edge.
bool boxContainsPosition(Box box, Vector position);
// The object's box moved to the object's own position.
Box getWorldBox(const Object* object);
// The object's box moved to `where`.
Box getWorldBox(const Object* object, Vector where);
// Outside the display grid: x < 0, y < 0, x > width or y > height (the far edges are inside).
bool positionOutOfBounds(Vector position);
// Within one cell of each other on both axes, bounds included.
bool positionsIntersect(Vector p1, Vector p2);
// Removes one trailing carriage return, so CR-LF and LF files read alike.
void discardCR(std::string& line);

} // namespace ostrel
