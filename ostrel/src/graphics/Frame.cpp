#include "ostrel/graphics/Frame.h"

#include "ostrel/graphics/DisplayManager.h"

#include <utility>

namespace ostrel
{

Frame::Frame() : m_width(0), m_height(0) {}

Frame::Frame(int width, int height, std::string frame_str)
    : m_width(width), m_height(height), m_frame_str(std::move(frame_str))
{
}

void Frame::setString(std::string frame_str)
{
    m_frame_str = std::move(frame_str);
}

int Frame::draw(Vector position, const Ink& ink) const
{
    if (m_frame_str.empty())
    {
        return -1;
    }
    // A frame whose string does not hold every cell would be read past its end.
    if (m_width < 0 || m_height < 0 || m_frame_str.size() < static_cast<std::size_t>(m_width) * m_height)
    {
        return -1;
    }

    const DisplayManager& display = DisplayManager::getInstance();
    const int x_offset = m_width / 2;
    const int y_offset = m_height / 2;
    for (int row = 0; row < m_height; ++row)
    {
        for (int column = 0; column < m_width; ++column)
        {
            const Vector cell(position.getX() + static_cast<float>(column - x_offset),
                              position.getY() + static_cast<float>(row - y_offset));
            if (display.drawCh(cell, m_frame_str[static_cast<std::size_t>(row * m_width + column)], ink) < 0)
            {
                return -1;
            }
        }
    }
    return 0;
}

} // namespace ostrel
