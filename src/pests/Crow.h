#pragma once

#include "pests/Pest.h"

// The crow: slow, three hit points, may set a plot's corn back a stage.
class Crow : public Pest
{
public:
    Crow();

    // 700 steps, 350 more per "Scarecrow", 25 fewer per day, never below MIN_PEST_DELAY.
    void assignDelay() override;
    void damagePlot(Plot* plot) override;
};
