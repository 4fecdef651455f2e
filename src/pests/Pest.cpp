#include "pests/Pest.h"

#include "assets/Sounds.h"
#include "events/EventNewDay.h"
#include "farm/Plot.h"
#include "pests/Headings.h"
#include "run/FieldRandom.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/system/Random.h>
#include <ostrel/world/EventCollision.h>
#include <ostrel/world/EventOut.h>
#include <ostrel/world/utility.h>

#include <utility>

namespace
{

const int LIFETIME = 1800;
const int HURT_STEPS = 20;

// The object of the collision that is a plot, or null.
Plot* plotIn(const ostrel::EventCollision* collision)
{
    if (collision->getObject1()->getType() == "Plot")
    {
        return dynamic_cast<Plot*>(collision->getObject1());
    }
    if (collision->getObject2()->getType() == "Plot")
    {
        return dynamic_cast<Plot*>(collision->getObject2());
    }
    return nullptr;
}

} // namespace

Pest::Pest()
    : m_hovered(false), m_spawned(false), m_delay(700), m_spawn_countdown(0), m_jitter(200), m_jitter_countdown(200),
      m_max_health(1), m_hurt_countdown(0), m_lifetime(0), m_health(1), m_day(0)
{
    setSolidness(ostrel::SOFT);
    Pest::assignDelay();
    setAltitude(3);
    drawFreshWait();
}

void Pest::setSprites(std::string normal, std::string damaged)
{
    m_sprite_normal = std::move(normal);
    m_sprite_damaged = std::move(damaged);
    setSprite(m_sprite_normal);
}

void Pest::drawFreshWait()
{
    m_spawn_countdown = static_cast<int>(m_delay + fieldRandom().nextInt(m_delay) / 2.0);
}

void Pest::newHeading()
{
    const Heading& heading = headingFor(fieldRandom().nextInt(HEADING_COUNT));
    setDirection(ostrel::Vector(heading.sine, heading.cosine));
}

int Pest::eventHandler(const ostrel::Event* event)
{
    const std::string type = event->getType();
    if (type == NEW_DAY_EVENT)
    {
        m_day = dynamic_cast<const EventNewDay*>(event)->getDay();
        assignDelay();
        return 1;
    }
    if (!getActive())
    {
        return FarmObject::eventHandler(event);
    }
    if (type == ostrel::OUT_EVENT)
    {
        bounce();
        return 1;
    }
    if (type == ostrel::MSE_EVENT && m_spawned)
    {
        const auto* mouse = dynamic_cast<const ostrel::EventMouse*>(event);
        m_hovered = ostrel::boxCoversCell(ostrel::getDrawnBox(this), mouse->getMousePosition());
        if (mouse->getMouseAction() == ostrel::CLICKED && m_hovered && m_hurt_countdown == 0 && takesClicks())
        {
            takeDamage();
        }
        return 1;
    }
    if (type == ostrel::STEP_EVENT)
    {
        step();
        return 1;
    }
    if (type == ostrel::COLLISION_EVENT && m_spawned)
    {
        Plot* plot = plotIn(dynamic_cast<const ostrel::EventCollision*>(event));
        if (plot && m_hurt_countdown <= 0)
        {
            damagePlot(plot);
        }
        return 1;
    }
    return FarmObject::eventHandler(event);
}

void Pest::step()
{
    if (m_spawn_countdown > 0 && --m_spawn_countdown == 0)
    {
        m_spawned = true;
        m_health = m_max_health;
        m_lifetime = LIFETIME;
        setPosition(randomFieldCell());
    }

    // Runs below zero while hidden; reaching exactly 0 ends a visit.
    if (--m_lifetime == 0)
    {
        m_spawned = false;
        drawFreshWait();
    }

    // A hidden pest keeps drifting too.
    if (--m_jitter_countdown == 0)
    {
        m_jitter_countdown = static_cast<int>(m_jitter + fieldRandom().nextInt(m_jitter) / 2.0);
        newHeading();
    }

    if (m_hurt_countdown > 0 && --m_hurt_countdown == 0)
    {
        setSpeed(getSpeed() / 2.0f);
        setSprite(m_sprite_normal);
    }
}

int Pest::draw()
{
    if (getActive() && m_spawned)
    {
        Object::draw();
    }
    return 0;
}

void Pest::takeDamage()
{
    --m_health;
    playSound("pest_hurt");
    // At or below zero: "Bug Spray" bought while a fly was out with one hit point left
    // takes it past zero, and that hit must still bring it down.
    if (m_health <= 0)
    {
        m_spawned = false;
        drawFreshWait();
    }
    m_hurt_countdown = HURT_STEPS;
    setSpeed(getSpeed() * 2.0f);
    setSprite(m_sprite_damaged);
    newHeading();
}

void Pest::assignDelay() {}

void Pest::damagePlot(Plot*)
{
    playSound("pest_plot_hit");
}

void Pest::bounce()
{
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    ostrel::Vector velocity = getVelocity();
    ostrel::Vector position = getPosition();
    if (position.getX() < 0 || position.getX() > static_cast<float>(display.getHorizontal()))
    {
        velocity.setX(-velocity.getX());
        position = position + velocity + velocity;
    }
    if (position.getY() < 0 || position.getY() > static_cast<float>(display.getVertical()))
    {
        velocity.setY(-velocity.getY());
        position = position + velocity + velocity;
    }
    setPosition(position);
    setVelocity(velocity);
}
