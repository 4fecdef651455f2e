#include "ostrel/math/Box.h"

namespace ostrel
{

Box::Box(Vector corner, float horizontal, float vertical)
    : m_corner(corner), m_horizontal(horizontal), m_vertical(vertical)
{
}

} // namespace ostrel
