#include "GameHarness.h"
#include "events/EventModifierChange.h"
#include "events/EventNewDay.h"
#include "events/EventStateChange.h"
#include "farm/Plot.h"
#include "farm/PlotModifier.h"
#include "farm/Reticle.h"

#include <gtest/gtest.h>
#include <ostrel/world/WorldManager.h>

using namespace ostrel;

class Pickups : public GameHarness
{
protected:
    // Steps until the pickup is on the field; returns the steps taken.
    int stepsUntilAvailable(const PlotModifier* pickup, int limit)
    {
        int taken = 0;
        while (!pickup->isAvailable() && taken < limit)
        {
            steps(1);
            ++taken;
        }
        return taken;
    }
};

TEST_F(Pickups, TheCanTurnsUpAfterItsDelayAndTheFertilizerOnlyWithItsUpgrade)
{
    PlotModifier* can = new PlotModifier(WATERING_CAN);
    PlotModifier* bag = new PlotModifier(FERTILIZER);
    const int delay = can->getRespawnDelay();
    EXPECT_GE(delay, 150);
    EXPECT_LE(delay, 199);
    EXPECT_GE(bag->getRespawnDelay(), 200);
    EXPECT_LE(bag->getRespawnDelay(), 274);
    frame();
    EXPECT_EQ(screen().find("[##]"), std::string::npos) << "nothing shows at first";
    EXPECT_EQ(stepsUntilAvailable(can, 400), delay - 1);
    frame();
    EXPECT_NE(screen().find("[##]"), std::string::npos);
    steps(600);
    EXPECT_FALSE(bag->isAvailable()) << "no fertilizer without the upgrade";

    buy({"Fertilizer"});
    const int bag_delay = bag->getRespawnDelay();
    EXPECT_EQ(stepsUntilAvailable(bag, 400), bag_delay);
}

TEST_F(Pickups, EverySpotLiesWithinTheField)
{
    PlotModifier* can = new PlotModifier(WATERING_CAN);
    for (int i = 0; i < 2000; ++i)
    {
        can->setRandomPos();
        const Vector spot = can->getPosition();
        ASSERT_GE(spot.getX(), 4);
        ASSERT_LE(spot.getX(), 75);
        ASSERT_GE(spot.getY(), 8);
        ASSERT_LE(spot.getY(), 19);
    }
}

TEST_F(Pickups, AClickPicksUpTheCanWhenNothingIsHeld)
{
    PlotModifier* can = new PlotModifier(WATERING_CAN);
    Reticle* reticle = new Reticle;
    stepsUntilAvailable(can, 400);
    const Vector spot = can->getPosition();
    move(spot);
    frame();
    EXPECT_TRUE(can->isAvailable()) << "hovering does nothing";
    click(Vector(spot.getX() + 2.5f, spot.getY()));
    frame();
    EXPECT_TRUE(can->isAvailable()) << "a click beside it does nothing";

    click(spot);
    frame();
    EXPECT_FALSE(can->isAvailable());
    EXPECT_EQ(plays("watering_pickup"), 1);
    EXPECT_EQ(reticle->getModifier(), WATERING_CAN);
    EXPECT_GE(can->getRespawnDelay(), 150);
    EXPECT_LE(can->getRespawnDelay(), 199);
    frame();
    EXPECT_EQ(screen().find("[##]"), std::string::npos) << "it vanished";
}

TEST_F(Pickups, HoldingAModifierBlocksTheNextPickUpUntilItIsSpent)
{
    PlotModifier* can = new PlotModifier(WATERING_CAN);
    Plot* plot = new Plot;
    EventModifierChange held;
    held.setModifierType(FERTILIZER);
    WorldManager::getInstance().onEvent(&held);
    stepsUntilAvailable(can, 400);
    click(can->getPosition());
    frame();
    EXPECT_TRUE(can->isAvailable()) << "the fertilizer is still held";

    click(plot->getPosition()); // spends the fertilizer: everyone hears NONE
    frame();
    EXPECT_TRUE(plot->isFertilized());
    click(can->getPosition());
    frame();
    EXPECT_FALSE(can->isAvailable());
}

TEST_F(Pickups, UpgradesShortenTheDelayAfterAPickUp)
{
    buy({"When It Rains"});
    PlotModifier* can = new PlotModifier(WATERING_CAN);
    stepsUntilAvailable(can, 400);
    click(can->getPosition());
    frame();
    EXPECT_GE(can->getRespawnDelay(), 75);
    EXPECT_LE(can->getRespawnDelay(), 99);

    buy({"When It Rains"});
    stepsUntilAvailable(can, 400);
    const EventModifierChange spent; // NONE
    WorldManager::getInstance().onEvent(&spent);
    click(can->getPosition());
    frame();
    EXPECT_GE(can->getRespawnDelay(), 50);
    EXPECT_LE(can->getRespawnDelay(), 66);
}

TEST_F(Pickups, ANewDayDropsWhatWasHeldEvenInTheShop)
{
    PlotModifier* can = new PlotModifier(WATERING_CAN);
    PlotModifier* other = new PlotModifier(WATERING_CAN);
    stepsUntilAvailable(can, 400);
    stepsUntilAvailable(other, 400);
    click(can->getPosition());
    frame();
    ASSERT_FALSE(can->isAvailable());
    EventStateChange shop;
    shop.setFarm(false);
    WorldManager::getInstance().onEvent(&shop);
    const EventNewDay day(2);
    WorldManager::getInstance().onEvent(&day);
    EventStateChange farm;
    farm.setFarm(true);
    WorldManager::getInstance().onEvent(&farm);
    ASSERT_TRUE(other->isAvailable()) << "a pickup on the field stays where it was";
    click(other->getPosition());
    frame();
    EXPECT_FALSE(other->isAvailable()) << "nothing is held on the new day";
}

TEST_F(Pickups, TheShopFreezesAndHidesThem)
{
    PlotModifier* can = new PlotModifier(WATERING_CAN);
    stepsUntilAvailable(can, 400);
    EventStateChange shop;
    shop.setFarm(false);
    WorldManager::getInstance().onEvent(&shop);
    frame();
    EXPECT_EQ(screen().find("[##]"), std::string::npos);
    click(can->getPosition());
    frame();
    EXPECT_TRUE(can->isAvailable());
    EXPECT_FALSE(can->getActive());
}
