#pragma once

#include "ostrel/math/Vector.h"

namespace ostrel
{

// An axis-aligned rectangle in cells: x from corner.x to corner.x + horizontal and
// y from corner.y to corner.y + vertical, both ends included.
class Box
{
public:
    Box() = default;
    Box(Vector corner, float horizontal, float vertical);

    void setCorner(Vector corner) { m_corner = corner; }
    Vector getCorner() const { return m_corner; }
    void setHorizontal(float horizontal) { m_horizontal = horizontal; }
    float getHorizontal() const { return m_horizontal; }
    void setVertical(float vertical) { m_vertical = vertical; }
    float getVertical() const { return m_vertical; }

private:
    Vector m_corner;
    float m_horizontal = 0.0f;
    float m_vertical = 0.0f;
};

} // namespace ostrel
