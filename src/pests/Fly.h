#pragma once

#include "pests/Pest.h"

// The fly: quick and erratic, two hit points, stops a plot's growth for a step.
class Fly : public Pest
{
public:
    Fly();

    // 500 steps, 250 more per "Bug Net", 25 fewer per day, never below MIN_PEST_DELAY.
    void assignDelay() override;
    void damagePlot(Plot* plot) override;
    // With "Bug Spray" every hit takes one hit point more.
    void takeDamage() override;
};
