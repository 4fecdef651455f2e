#include "GameHarness.h"
#include "events/EventModifierChange.h"
#include "farm/FloatingText.h"
#include "farm/Plot.h"
#include "farm/PlotModifier.h"
#include "farm/Reticle.h"
#include "run/MoneyManager.h"
#include "shop/UpgradeManager.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/Sprite.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/world/WorldManager.h>

using namespace ostrel;

class PlotTest : public GameHarness
{
protected:
    static std::string ground(const Plot* plot) { return plot->getAnimation().getSprite()->getLabel(); }
    static std::string corn(const Plot* plot)
    {
        return plot->getCornSprite() ? plot->getCornSprite()->getLabel() : std::string("none");
    }

    static void hold(PlotModifierType type)
    {
        EventModifierChange change;
        change.setModifierType(type);
        WorldManager::getInstance().onEvent(&change);
    }

    // Steps until the plot is ripe; fails after 1000 steps.
    void ripen(const Plot* plot)
    {
        for (int i = 0; i < 1000 && plot->getStage() < 4; ++i)
        {
            steps(1);
        }
        ASSERT_EQ(plot->getStage(), 4);
    }
};

TEST_F(PlotTest, ClicksSowAnEmptyPlotAndHarvestARipeOne)
{
    Plot* plot = new Plot;
    ASSERT_EQ(plot->getPosition(), Vector(4, 6));
    click(Vector(9, 6));
    frame();
    EXPECT_EQ(plot->getStage(), 0) << "outside the plot";
    click(Vector(4, 6));
    frame();
    EXPECT_EQ(plot->getStage(), 1);
    EXPECT_EQ(corn(plot), "corn_seeds");
    EXPECT_EQ(plays("crop_plant"), 1);
    click(Vector(6.5f, 7.5f));
    frame();
    EXPECT_EQ(plot->getStage(), 1) << "nothing to do on unripe corn";
    EXPECT_EQ(plays("crop_plant"), 1);

    int stage_changes = 0;
    int last_stage = 1;
    for (int i = 0; i < 1000 && plot->getStage() < 4; ++i)
    {
        steps(1);
        stage_changes += plot->getStage() != last_stage;
        last_stage = plot->getStage();
    }
    EXPECT_EQ(stage_changes, 3) << "three thresholds to ripeness";
    EXPECT_EQ(corn(plot), "corn_yellow");
    EXPECT_EQ(plays("crop_done"), 1);

    click(Vector(1, 4)); // the box's corner counts
    // The click alone, before the world moves: the text starts where the corn was.
    InputManager::getInstance().getInput();
    EXPECT_EQ(plot->getStage(), 0);
    EXPECT_EQ(corn(plot), "none");
    EXPECT_EQ(MoneyManager::getInstance().getMoney(), 10);
    EXPECT_EQ(plays("crop_harvest"), 1);
    const ObjectList texts = objects("FloatingText");
    ASSERT_EQ(texts.getCount(), 1);
    EXPECT_EQ(dynamic_cast<FloatingText*>(texts[0])->getText(), "+$10");
    EXPECT_EQ(texts[0]->getPosition(), Vector(4, 6));
}

TEST_F(PlotTest, RipeCornTakesTheColourAndPriceOfTheCornUpgrades)
{
    buy({"Blue Corn", "Purple Corn", "White Corn", "Red Corn"});
    EXPECT_EQ(MoneyManager::getInstance().getMoney(), 0);
    Plot* plot = new Plot;
    click(plot->getPosition());
    ripen(plot);
    EXPECT_EQ(corn(plot), "corn_red");
    click(plot->getPosition());
    frame();
    EXPECT_EQ(MoneyManager::getInstance().getMoney(), 30);
}

TEST_F(PlotTest, WateringLastsSixtyStepsAndIsNotSpentTwice)
{
    Plot* dry = new Plot;
    Plot* other = new Plot;
    Reticle* reticle = new Reticle;
    hold(WATERING_CAN);
    steps(1);
    click(dry->getPosition());
    frame();
    EXPECT_EQ(dry->getWateredSteps(), 60);
    EXPECT_EQ(ground(dry), "plot_watered");
    EXPECT_EQ(plays("watering_drop"), 1);
    EXPECT_EQ(reticle->getModifier(), NONE) << "the can is spent";

    hold(WATERING_CAN);
    steps(1);
    click(dry->getPosition());
    frame();
    EXPECT_EQ(plays("watering_drop"), 1) << "an already watered plot takes no more";
    EXPECT_EQ(reticle->getModifier(), WATERING_CAN) << "and the can is still held";
    click(other->getPosition());
    frame();
    EXPECT_EQ(other->getWateredSteps(), 60);

    steps(58 - 2); // the two frames that delivered the clicks were steps too
    EXPECT_EQ(ground(dry), "plot_watered");
    steps(1);
    EXPECT_EQ(dry->getWateredSteps(), 0);
    EXPECT_EQ(ground(dry), "plot_empty");
}

TEST_F(PlotTest, WaterAndFertilizerShowTogetherAndHarvestEndsTheFertilizer)
{
    Plot* plot = new Plot;
    hold(FERTILIZER);
    steps(1);
    click(plot->getPosition());
    frame();
    EXPECT_TRUE(plot->isFertilized());
    EXPECT_EQ(ground(plot), "plot_fertile");
    EXPECT_EQ(plays("fertilizer_drop"), 1);
    hold(FERTILIZER);
    steps(1);
    click(plot->getPosition());
    frame();
    EXPECT_EQ(plays("fertilizer_drop"), 1) << "already fertilized";
    hold(WATERING_CAN);
    steps(1);
    click(plot->getPosition());
    frame();
    EXPECT_EQ(ground(plot), "plot_watered_fertile");
    steps(60);
    EXPECT_EQ(ground(plot), "plot_fertile") << "the water ran out";

    click(plot->getPosition());
    ripen(plot);
    hold(WATERING_CAN);
    steps(1);
    click(plot->getPosition());
    frame();
    hold(NONE);
    click(plot->getPosition());
    frame();
    EXPECT_EQ(plot->getStage(), 0);
    EXPECT_FALSE(plot->isFertilized());
    EXPECT_EQ(ground(plot), "plot_watered") << "the water is still there";
}

TEST_F(PlotTest, GrowthRatesFollowWaterFertilizerAndUpgrades)
{
    buy({"Fresher Water", "Fertilizer", "Stuffed Bags", "Stuffed Bags"});
    Plot* plot = new Plot;
    click(plot->getPosition());
    frame();
    const int before = plot->getGrowth();
    steps(5);
    EXPECT_EQ(plot->getGrowth() - before, 5) << "one point a step";

    hold(WATERING_CAN);
    steps(1);
    click(plot->getPosition());
    frame();
    hold(FERTILIZER);
    steps(1);
    click(plot->getPosition());
    frame();
    const int watered = plot->getGrowth();
    steps(4);
    EXPECT_EQ(plot->getGrowth() - watered, 4 * (3 * 2 + 2 * 3)) << "Fresher Water x1, Stuffed Bags x2";
}

TEST_F(PlotTest, TheClickThatPicksUpAModifierDoesNotSpendIt)
{
    PlotModifier* can = new PlotModifier(WATERING_CAN);
    Plot* plot = new Plot; // after the pickup in world order, as plots added by Field Work are
    steps(200);
    ASSERT_TRUE(can->isAvailable());
    can->setPosition(plot->getPosition());
    click(plot->getPosition());
    frame();
    EXPECT_FALSE(can->isAvailable()) << "picked up";
    EXPECT_EQ(plot->getWateredSteps(), 0) << "not spent by the same click";
    EXPECT_EQ(plot->getStage(), 0);
    steps(1);
    click(plot->getPosition());
    frame();
    EXPECT_EQ(plot->getWateredSteps(), 60) << "the next click spends it";
}

TEST_F(PlotTest, InstantScytheHarvestsAndSeedDrillSowsAgain)
{
    buy({"Instant Scythe"});
    Plot* plot = new Plot;
    click(plot->getPosition());
    ripen(plot);
    const int money = MoneyManager::getInstance().getMoney();
    const int growth = plot->getGrowth();
    steps(45 - growth);
    EXPECT_EQ(plot->getStage(), 4) << "not before more than 45 points";
    steps(1);
    EXPECT_EQ(plot->getStage(), 0);
    EXPECT_EQ(MoneyManager::getInstance().getMoney(), money + 10);

    buy({"Seed Drill"});
    click(plot->getPosition());
    ripen(plot);
    steps(50);
    EXPECT_EQ(plot->getStage(), 1) << "harvested and sown again at once";
    EXPECT_EQ(corn(plot), "corn_seeds");
    plot->reset();
    EXPECT_EQ(plot->getStage(), 1) << "a reset sows too";
}

TEST_F(PlotTest, PestsDamageTheCorn)
{
    Plot* plot = new Plot;
    click(plot->getPosition());
    frame();
    const int before = plot->getGrowth();
    plot->flyDamage();
    steps(1);
    EXPECT_EQ(plot->getGrowth(), before) << "that step's growth is lost";
    steps(1);
    EXPECT_EQ(plot->getGrowth(), before + 1) << "only that one";

    int calls = 0;
    while (plot->getStage() == 1 && calls < 1000)
    {
        plot->crowDamage();
        ++calls;
    }
    EXPECT_EQ(plot->getStage(), 0) << "seeds set back are lost";
    EXPECT_EQ(corn(plot), "none");
    EXPECT_GT(calls, 1) << "one chance in 40";
    plot->crowDamage();
    EXPECT_EQ(plot->getStage(), 0);
}

TEST_F(PlotTest, PlotsPlaceThemselvesTenToARow)
{
    std::vector<Plot*> field;
    for (int i = 0; i < 13; ++i)
    {
        field.push_back(new Plot);
    }
    EXPECT_EQ(field[9]->getPosition(), Vector(76, 6));
    EXPECT_EQ(field[10]->getPosition(), Vector(4, 12));
    EXPECT_EQ(field[12]->getPosition(), Vector(20, 12));
    EXPECT_EQ(Plot::plot_count, 13);
    WorldManager::getInstance().markForDelete(field[12]);
    steps(1);
    EXPECT_EQ(Plot::plot_count, 12);
}

TEST_F(PlotTest, AResetPlotIsEmptyDryAndBare)
{
    Plot* plot = new Plot;
    click(plot->getPosition());
    frame();
    hold(WATERING_CAN);
    steps(1);
    click(plot->getPosition());
    frame();
    plot->reset();
    EXPECT_EQ(plot->getStage(), 0);
    EXPECT_EQ(plot->getGrowth(), 0);
    EXPECT_EQ(plot->getWateredSteps(), 0);
    EXPECT_EQ(ground(plot), "plot_empty");
    EXPECT_EQ(corn(plot), "none");
}
