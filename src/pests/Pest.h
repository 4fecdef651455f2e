#pragma once

#include "farm/FarmObject.h"

#include <string>

class Plot;

// Pest delays never fall below this many steps, however late in the run.
const int MIN_PEST_DELAY = 10;

// A crow or a fly: hidden for a random wait, then out on the field for up to 1800 steps,
// drifting in a random direction, damaging the plots it touches and taking hits from
// clicks. It hides again when its hit points are gone or its time is up.
class Pest : public FarmObject
{
public:
    Pest();

    int eventHandler(const ostrel::Event* event) override;
    // Draws only on the farm and while out on the field; returns 0.
    int draw() override;

    // One hit: flee at double speed in a new direction, hurt for 20 steps; hide at 0 health.
    virtual void takeDamage();
    // Sets the base wait from the day and the upgrades; the base pest keeps its own.
    virtual void assignDelay();
    // Plays "pest_plot_hit"; the kinds add their own damage first.
    virtual void damagePlot(Plot* plot);

    // Reflects the pest off the edge it has crossed and puts it back inside.
    void bounce();

    int getJitter() const { return m_jitter; }
    void setJitter(int jitter) { m_jitter = jitter; }
    int getDelay() const { return m_delay; }
    void setDelay(int delay) { m_delay = delay; }
    int getMaxHealth() const { return m_max_health; }
    void setMaxHealth(int max_health) { m_max_health = max_health; }

    bool isSpawned() const { return m_spawned; }
    // Whether the last mouse event was in a cell the object draws in, where a click acts.
    bool isHovered() const { return m_hovered; }
    int getHealth() const { return m_health; }
    int getSpawnCountdown() const { return m_spawn_countdown; }
    int getHurtCountdown() const { return m_hurt_countdown; }

protected:
    void setSprites(std::string normal, std::string damaged);
    int getDay() const { return m_day; }
    int& health() { return m_health; }

private:
    void step();
    void drawFreshWait();
    void newHeading();

    bool m_hovered;
    bool m_spawned;
    int m_delay;
    int m_spawn_countdown;
    int m_jitter;
    int m_jitter_countdown;
    int m_max_health;
    int m_hurt_countdown;
    int m_lifetime;
    int m_health;
    int m_day;
    std::string m_sprite_normal;
    std::string m_sprite_damaged;
};
