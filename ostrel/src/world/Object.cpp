#include "ostrel/world/Object.h"

#include "ostrel/world/WorldManager.h"

#include <utility>

namespace ostrel
{

int Object::object_count = 0;

Object::Object()
    : m_id(object_count), m_type("Object"), m_altitude(2), m_speed(0.0f), m_solidness(HARD),
      m_box(Vector(-0.5f, -0.5f), 1.0f, 1.0f)
{
    ++object_count;
    WorldManager::getInstance().insertObject(this);
}

Object::~Object()
{
    WorldManager::getInstance().removeObject(this);
}

int Object::eventHandler(const Event*)
{
    return 0;
}

int Object::draw()
{
    return m_animation.draw(m_position);
}

void Object::setPosition(Vector position)
{
    m_position = position;
    WorldManager::getInstance().objectChanged(this);
}

void Object::setType(std::string type)
{
    m_type = std::move(type);
}

std::string Object::getType() const
{
    return m_type;
}

int Object::setAltitude(int altitude)
{
    if (altitude < 0 || altitude > MAX_ALTITUDE)
    {
        return -1;
    }
    m_altitude = altitude;
    return 0;
}

void Object::setDirection(Vector direction)
{
    direction.normalize();
    m_direction = direction;
}

void Object::setVelocity(Vector velocity)
{
    m_speed = velocity.getMagnitude();
    velocity.normalize();
    m_direction = velocity;
}

Vector Object::getVelocity() const
{
    Vector velocity = m_direction;
    velocity.scale(m_speed);
    return velocity;
}

Vector Object::predictPosition()
{
    return m_position + getVelocity();
}

bool Object::isSolid() const
{
    return m_solidness == HARD || m_solidness == SOFT;
}

int Object::setSolidness(Solidness solidness)
{
    if (solidness != HARD && solidness != SOFT && solidness != SPECTRAL)
    {
        return -1;
    }
    m_solidness = solidness;
    WorldManager::getInstance().objectChanged(this);
    return 0;
}

namespace
{

Object::SpriteLookup g_sprite_lookup = nullptr;

} // namespace

void Object::setSpriteLookup(SpriteLookup lookup)
{
    g_sprite_lookup = lookup;
}

int Object::setSprite(std::string label)
{
    Sprite* sprite = g_sprite_lookup != nullptr ? g_sprite_lookup(label) : nullptr;
    if (!sprite)
    {
        return -1;
    }
    m_animation.setSprite(sprite);
    setBox(m_animation.getBox());
    return 0;
}

void Object::setAnimation(Animation animation)
{
    m_animation = std::move(animation);
    setBox(m_animation.getBox());
}

void Object::setBox(Box box)
{
    m_box = box;
    WorldManager::getInstance().objectChanged(this);
}

} // namespace ostrel
