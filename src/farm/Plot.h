#pragma once

#include "farm/FarmObject.h"
#include "farm/PlotModifierType.h"

#include <cstdint>

namespace ostrel
{
class Sprite;
}

// Sale value in dollars of one harvested corn, by corn level (0 to 4).
const std::int32_t CORN_VALUES[5] = {10, 15, 20, 25, 30};

// The corn level the corn upgrades owned give: 0 with none, up to 4 with "Red Corn".
int getCornLevel();

// One square of field. A click sows it when empty and harvests it when ripe; the corn grows
// through seeds, sprouts and growing to ripe, faster when watered or fertilized. Ripe corn
// never shares its plot's colour. Plots place themselves ten to a row, 8 columns and 6 rows
// apart.
class Plot : public FarmObject
{
public:
    Plot();
    ~Plot() override;

    // Empties, dries and unfertilizes the plot for a new day (sown again with "Seed Drill").
    void reset();
    void plant();
    void harvest();
    // Picks the corn sprite for the stage and corn level; none for an empty plot.
    void pickCornSprite();
    // A crow's visit: one chance in 40 to set the corn back a stage.
    void crowDamage();
    // A fly's visit: the next step adds no growth.
    void flyDamage();

    int eventHandler(const ostrel::Event* event) override;
    int draw() override;

    int getStage() const { return m_stage; }
    // Whether the last mouse event was in a cell the object draws in, where a click acts.
    bool isHovered() const { return m_hovered; }
    int getGrowth() const { return m_growth; }
    int getWateredSteps() const { return m_watered_steps; }
    bool isFertilized() const { return m_fertilized; }
    const ostrel::Sprite* getCornSprite() const { return m_corn_sprite; }

    // The number of plots that exist; it also places each new plot.
    static int plot_count;

private:
    void handleClick();
    void grow();

    bool m_hovered;
    int m_stage;
    int m_growth;
    int m_growth_threshold;
    ostrel::Sprite* m_corn_sprite;
    int m_watered_steps;
    bool m_fertilized;
    PlotModifierType m_modifier;
    bool m_skip_growth;
    bool m_modifier_changed;
};
