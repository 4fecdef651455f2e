#include "ostrel/graphics/Sprite.h"

#include <utility>

namespace ostrel
{

Sprite::Sprite(int max_frames)
    : m_width(0), m_height(0), m_max_frame_count(max_frames > 0 ? max_frames : 0), m_frame_count(0),
      m_ink(COLOR_DEFAULT), m_slowdown(1), m_frame(static_cast<std::size_t>(m_max_frame_count))
{
}

Sprite::~Sprite() = default;

void Sprite::setLabel(std::string label)
{
    m_label = std::move(label);
}

int Sprite::addFrame(Frame frame)
{
    if (m_frame_count == m_max_frame_count)
    {
        return -1;
    }
    m_frame[static_cast<std::size_t>(m_frame_count)] = std::move(frame);
    ++m_frame_count;
    return 0;
}

Frame Sprite::getFrame(int frame_number) const
{
    if (frame_number < 0 || frame_number >= m_frame_count)
    {
        return Frame();
    }
    return m_frame[static_cast<std::size_t>(frame_number)];
}

int Sprite::draw(int frame_number, Vector position) const
{
    return draw(frame_number, position, m_ink);
}

int Sprite::draw(int frame_number, Vector position, const Ink& ink) const
{
    if (frame_number < 0 || frame_number >= m_frame_count)
    {
        return -1;
    }
    return m_frame[static_cast<std::size_t>(frame_number)].draw(position, ink);
}

} // namespace ostrel
