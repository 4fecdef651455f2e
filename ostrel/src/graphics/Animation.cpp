#include "ostrel/graphics/Animation.h"

#include "ostrel/graphics/Sprite.h"

#include <utility>

namespace ostrel
{

Animation::Animation() : m_sprite(nullptr), m_index(0), m_slowdown_count(0) {}

void Animation::setSprite(Sprite* sprite)
{
    m_sprite = sprite;
    m_index = 0;
    m_slowdown_count = 0;
}

void Animation::setName(std::string name)
{
    m_name = std::move(name);
}

int Animation::draw(Vector position)
{
    if (!m_sprite)
    {
        return -1;
    }
    if (m_color)
    {
        m_sprite->draw(m_index, position, *m_color);
    }
    else
    {
        m_sprite->draw(m_index, position);
    }

    if (m_slowdown_count == -1)
    {
        return 0;
    }
    int count = m_slowdown_count + 1;
    if (count >= m_sprite->getSlowdown())
    {
        count = 0;
        ++m_index;
        if (m_index >= m_sprite->getFrameCount())
        {
            m_index = 0;
        }
    }
    m_slowdown_count = count;
    return 0;
}

Box Animation::getBox() const
{
    if (!m_sprite)
    {
        return Box(Vector(-0.5f, -0.5f), 1.0f, 1.0f);
    }
    const float width = static_cast<float>(m_sprite->getWidth());
    const float height = static_cast<float>(m_sprite->getHeight());
    return Box(Vector(-width / 2.0f, -height / 2.0f), width, height);
}

} // namespace ostrel
