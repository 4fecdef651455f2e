#include "ostrel/math/Vector.h"

#include <cmath>

namespace ostrel
{

Vector::Vector(float x, float y) : m_x(x), m_y(y) {}

void Vector::setXY(float x, float y)
{
    m_x = x;
    m_y = y;
}

float Vector::getMagnitude() const
{
    return std::sqrt(m_x * m_x + m_y * m_y);
}

void Vector::normalize()
{
    const float magnitude = getMagnitude();
    if (magnitude > 0.0f)
    {
        m_x /= magnitude;
        m_y /= magnitude;
    }
}

void Vector::scale(float factor)
{
    m_x *= factor;
    m_y *= factor;
}

Vector Vector::operator+(const Vector& other) const
{
    return Vector(m_x + other.m_x, m_y + other.m_y);
}

bool Vector::operator==(const Vector& other) const
{
    return m_x == other.m_x && m_y == other.m_y;
}

bool Vector::operator!=(const Vector& other) const
{
    return !(*this == other);
}

} // namespace ostrel
