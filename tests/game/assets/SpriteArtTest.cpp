#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/Sprite.h>
#include <ostrel/resources/ResourceManager.h>

using namespace ostrel;
using testing_support::TestDir;

namespace
{

// How big a sprite may be for the screen layout, and whether it must be exactly that size
// or even in both directions (so that its click box covers exactly its drawn cells).
struct Budget
{
    const char* label;
    const char* file;
    int max_width;
    int max_height;
    bool exact;
    bool even;
    Color color; // UNDEFINED_COLOR where any colour will do
};

const Budget BUDGETS[] = {
    {"plot_empty", "sprites/plot/empty.txt", 6, 4, true, true, UNDEFINED_COLOR},
    {"plot_watered", "sprites/plot/watered.txt", 6, 4, true, true, UNDEFINED_COLOR},
    {"plot_fertile", "sprites/plot/fertile.txt", 6, 4, true, true, UNDEFINED_COLOR},
    {"plot_watered_fertile", "sprites/plot/watered_fertile.txt", 6, 4, true, true, UNDEFINED_COLOR},
    {"corn_seeds", "sprites/corn/seeds.txt", 4, 2, false, false, UNDEFINED_COLOR},
    {"corn_sprouts", "sprites/corn/sprouts.txt", 4, 2, false, false, UNDEFINED_COLOR},
    {"corn_growing", "sprites/corn/growing.txt", 4, 2, false, false, UNDEFINED_COLOR},
    {"corn_yellow", "sprites/corn/yellow.txt", 4, 2, false, false, YELLOW},
    {"corn_blue", "sprites/corn/blue.txt", 4, 2, false, false, BLUE},
    {"corn_purple", "sprites/corn/purple.txt", 4, 2, false, false, MAGENTA},
    {"corn_white", "sprites/corn/white.txt", 4, 2, false, false, WHITE},
    {"corn_red", "sprites/corn/red.txt", 4, 2, false, false, RED},
    {"watering_can", "sprites/modifiers/watering_can.txt", 4, 2, true, true, CYAN},
    {"fertilizer", "sprites/modifiers/fertilizer.txt", 4, 2, true, true, RED},
    {"pest_crow", "sprites/pests/crow.txt", 6, 2, false, true, UNDEFINED_COLOR},
    {"pest_crow_damaged", "sprites/pests/crow_damage.txt", 6, 2, false, true, RED},
    {"pest_fly", "sprites/pests/fly.txt", 4, 2, false, true, UNDEFINED_COLOR},
    {"pest_fly_damaged", "sprites/pests/fly_damage.txt", 4, 2, false, true, RED},
    {"text_title", "sprites/text/title.txt", 76, 17, false, false, UNDEFINED_COLOR},
    {"text_gameover", "sprites/text/gameover.txt", 76, 17, false, false, UNDEFINED_COLOR},
    {"text_passed", "sprites/text/passed.txt", 40, 7, false, false, UNDEFINED_COLOR},
    {"pumpkin", "sprites/pumpkin.txt", 24, 10, false, false, UNDEFINED_COLOR},
    {"upg-red_corn", "sprites/upgrades/red_corn.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-blue_corn", "sprites/upgrades/blue_corn.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-purple_corn", "sprites/upgrades/purple_corn.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-white_corn", "sprites/upgrades/white_corn.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-fresher_water", "sprites/upgrades/fresher_water.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-when_it_rains", "sprites/upgrades/when_it_rains.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-fertilizer", "sprites/upgrades/fertilizer.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-stuffed_bags", "sprites/upgrades/stuffed_bags.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-fast_supplier", "sprites/upgrades/fast_supplier.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-field_work", "sprites/upgrades/field_work.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-scarecrow", "sprites/upgrades/scarecrow.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-bug_spray", "sprites/upgrades/bug_spray.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-bug_net", "sprites/upgrades/bug_net.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-instant_scythe", "sprites/upgrades/instant_scythe.txt", 8, 4, false, false, UNDEFINED_COLOR},
    {"upg-seed_drill", "sprites/upgrades/seed_drill.txt", 8, 4, false, false, UNDEFINED_COLOR},
};

} // namespace

TEST(SpriteArt, EverySpriteLoadsAndFitsTheLayout)
{
    TestDir dir(TestDir::GAME_DATA);
    ASSERT_EQ(LogManager::getInstance().startUp(), 0);
    ResourceManager& resources = ResourceManager::getInstance();
    ASSERT_EQ(resources.startUp(), 0);
    for (const Budget& budget : BUDGETS)
    {
        SCOPED_TRACE(budget.label);
        ASSERT_EQ(resources.loadSprite(budget.file, budget.label), 0);
        const Sprite* sprite = resources.getSprite(budget.label);
        const int width = sprite->getWidth();
        const int height = sprite->getHeight();
        EXPECT_LE(width, budget.max_width);
        EXPECT_LE(height, budget.max_height);
        if (budget.exact)
        {
            EXPECT_EQ(width, budget.max_width);
            EXPECT_EQ(height, budget.max_height);
        }
        if (budget.even)
        {
            EXPECT_EQ(width % 2, 0);
            EXPECT_EQ(height % 2, 0);
        }
        EXPECT_NE(sprite->getColor(), BLACK) << "black glyphs vanish on the black cells";
        if (budget.color != UNDEFINED_COLOR)
        {
            EXPECT_EQ(sprite->getColor(), budget.color);
        }
        for (int f = 0; f < sprite->getFrameCount(); ++f)
        {
            for (const char ch : sprite->getFrame(f).getString())
            {
                EXPECT_TRUE(ch >= 32 && ch < 127) << "frame " << f << " has character " << static_cast<int>(ch);
            }
        }
    }
    EXPECT_EQ(resources.getSprite("pest_crow")->getWidth(), resources.getSprite("pest_crow_damaged")->getWidth());
    EXPECT_EQ(resources.getSprite("pest_fly")->getWidth(), resources.getSprite("pest_fly_damaged")->getWidth());
    resources.shutDown();
    LogManager::getInstance().shutDown();
}
