#pragma once

namespace ostrel
{

// A 2-D position, direction or velocity in character cells: x grows to the right, y downward.
class Vector
{
public:
    Vector() = default;
    Vector(float x, float y);

    void setX(float x) { m_x = x; }
    float getX() const { return m_x; }
    void setY(float y) { m_y = y; }
    float getY() const { return m_y; }
    void setXY(float x, float y);

    float getMagnitude() const;
    // Scales to length 1; a zero vector stays zero.
    void normalize();
    void scale(float factor);

    Vector operator+(const Vector& other) const;
    // Exact comparison, no tolerance; a NaN component never compares equal.
    bool operator==(const Vector& other) const;
    bool operator!=(const Vector& other) const;

private:
    float m_x = 0.0f;
    float m_y = 0.0f;
};

} // namespace ostrel
