#pragma once

#include "ostrel/graphics/Animation.h"
#include "ostrel/math/Box.h"
#include "ostrel/math/Vector.h"

#include <string>

namespace ostrel
{

class Event;

// Highest drawing altitude; altitudes run from 0 (drawn first) to MAX_ALTITUDE (drawn last).
const int MAX_ALTITUDE = 4;

enum Solidness
{
    HARD,     // collides with solid objects; two hard objects block each other
    SOFT,     // collides with solid objects but never blocks
    SPECTRAL, // takes no part in collisions
};

// Base of everything in the game world. An object puts itself into the world when it is
// constructed and takes itself out when destroyed. Objects are created with new; the world
// owns them from then on, and game code marks them for deletion instead of deleting them.
// The setters of position, box and solidness tell the world, which files solid objects by
// where they are.
class Object
{
public:
    Object();
    virtual ~Object();

    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    // Returns non-zero when the event was handled; the base ignores every event.
    virtual int eventHandler(const Event* event);
    // Draws the current animation frame at the position: -1 without a sprite.
    virtual int draw();

    void setId(int id) { m_id = id; }
    int getId() const { return m_id; }
    void setType(std::string type);
    std::string getType() const;

    // Moves at once, without collision or bounds tests.
    void setPosition(Vector position);
    Vector getPosition() const { return m_position; }

    // 0 to MAX_ALTITUDE; -1 and unchanged otherwise.
    int setAltitude(int altitude);
    int getAltitude() const { return m_altitude; }

    void setSpeed(float speed) { m_speed = speed; }
    float getSpeed() const { return m_speed; }
    // Stored normalised; a zero vector stays zero.
    void setDirection(Vector direction);
    Vector getDirection() const { return m_direction; }
    void setVelocity(Vector velocity);
    Vector getVelocity() const;
    // Where the object would be after one step.
    Vector predictPosition();

    bool isSolid() const;
    // HARD, SOFT or SPECTRAL; -1 and unchanged otherwise.
    int setSolidness(Solidness solidness);
    Solidness getSolidness() const { return m_solidness; }

    // Shows the sprite with this label from the resource manager and takes its box;
    // -1 and nothing changed when no such sprite is loaded.
    int setSprite(std::string label);
    // How setSprite() finds a sprite by label: the resource manager sets it when it starts,
    // so that the world need not know it; until then no sprite is found.
    using SpriteLookup = Sprite* (*)(const std::string& label);
    static void setSpriteLookup(SpriteLookup lookup);
    void setAnimation(Animation animation);
    // Draws the object's sprite in this ink instead of the sprite file's (see Animation).
    void setColor(const Ink& ink) { m_animation.setColor(ink); }
    Animation getAnimation() const { return m_animation; }
    void setBox(Box box);
    Box getBox() const { return m_box; }

private:
    int m_id;
    std::string m_type;
    Vector m_position;
    int m_altitude;
    Vector m_direction;
    float m_speed;
    Solidness m_solidness;
    Animation m_animation;
    Box m_box;

    static int object_count;
};

} // namespace ostrel
