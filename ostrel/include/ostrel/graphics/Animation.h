#pragma once

#include "ostrel/graphics/Ink.h"
#include "ostrel/math/Box.h"
#include "ostrel/math/Vector.h"

#include <optional>
#include <string>

namespace ostrel
{

class Sprite;

// One object's playback state over a sprite: which frame shows next and for how long the
// current one has shown. The sprite is not owned.
class Animation
{
public:
    Animation();

    // Restarts playback at frame 0.
    void setSprite(Sprite* sprite);
    Sprite* getSprite() const { return m_sprite; }
    void setName(std::string name);
    std::string getName() const { return m_name; }
    void setIndex(int index) { m_index = index; }
    int getIndex() const { return m_index; }
    // -1 freezes the animation on its current frame.
    void setSlowdownCount(int count) { m_slowdown_count = count; }
    int getSlowdownCount() const { return m_slowdown_count; }

    // Draws the sprite in this ink instead of its own, whatever sprite is set; clearColor()
    // gives the sprite's own back.
    void setColor(const Ink& ink) { m_color = ink; }
    void clearColor() { m_color.reset(); }
    const std::optional<Ink>& getColor() const { return m_color; }

    // Draws the current frame and advances playback by one draw; -1 without a sprite.
    int draw(Vector position);
    // The sprite-sized box centred on the origin, or a 1 x 1 box without a sprite.
    Box getBox() const;

private:
    Sprite* m_sprite;
    std::string m_name;
    int m_index;
    int m_slowdown_count;
    std::optional<Ink> m_color;
};

} // namespace ostrel
