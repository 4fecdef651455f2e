#pragma once

#include "ostrel/math/Box.h"
#include "ostrel/math/Vector.h"

#include <string>

namespace ostrel
{

class Object;

// Inclusive on every edge: boxes that only touch intersect.
bool boxIntersectsBox(Box a, Box b);
// Inclusive on every edge.
bool boxContainsPosition(Box box, Vector position);
// The cell that holds a position: the floors of its coordinates, where a character drawn
// there lands.
Vector cellOf(Vector position);
// Whether the cell holding `position` is one of the cells that characters drawn one a cell
// from the box's corner land in: the box's width of columns from the floor of the corner's x,
// and its height of rows alike. This is where a pointer hits what is drawn.
bool boxCoversCell(Box box, Vector position);
// The cells the object's animation is drawn in, as a box for boxCoversCell(): a frame's first
// character lands at the object's position less half the frame's size (halves rounded down).
// An empty box at the position when the object has no sprite.
Box getDrawnBox(const Object* object);
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
