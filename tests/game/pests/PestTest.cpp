#include "GameHarness.h"
#include "events/EventNewDay.h"
#include "farm/Plot.h"
#include "pests/Crow.h"
#include "pests/Fly.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/Sprite.h>
#include <ostrel/world/EventOut.h>
#include <ostrel/world/WorldManager.h>

using namespace ostrel;

class Pests : public GameHarness
{
protected:
    static void newDay(int day)
    {
        const EventNewDay event(day);
        WorldManager::getInstance().onEvent(&event);
    }

    // Steps until the pest is out on the field.
    void untilSpawned(const Pest* pest)
    {
        for (int i = 0; i < 1100 && !pest->isSpawned(); ++i)
        {
            steps(1);
        }
        ASSERT_TRUE(pest->isSpawned());
    }

    // Clicks the pest where it stands, then waits out its hurt state.
    void hit(Pest* pest)
    {
        click(pest->getPosition());
        frame();
        steps(20);
    }
};

TEST_F(Pests, DelaysShortenEachDayDownToTheFloor)
{
    Crow* crow = new Crow;
    Fly* fly = new Fly;
    EXPECT_EQ(crow->getDelay(), 700);
    EXPECT_EQ(fly->getDelay(), 500);
    EXPECT_GE(crow->getSpawnCountdown(), 700) << "the first wait of both is drawn from 700";
    EXPECT_LE(crow->getSpawnCountdown(), 1049);
    EXPECT_GE(fly->getSpawnCountdown(), 700);
    EXPECT_LE(fly->getSpawnCountdown(), 1049);

    newDay(1);
    EXPECT_EQ(crow->getDelay(), 675);
    EXPECT_EQ(fly->getDelay(), 475);
    newDay(27);
    EXPECT_EQ(crow->getDelay(), 25);
    newDay(28);
    EXPECT_EQ(crow->getDelay(), 10);
    newDay(40);
    EXPECT_EQ(crow->getDelay(), MIN_PEST_DELAY);
    EXPECT_EQ(fly->getDelay(), MIN_PEST_DELAY);
}

TEST_F(Pests, ScarecrowAndBugNetLengthenTheDelayFromTheNextDay)
{
    Crow* crow = new Crow;
    Fly* fly = new Fly;
    buy({"Scarecrow", "Scarecrow", "Bug Net"});
    EXPECT_EQ(crow->getDelay(), 700) << "recomputed only on a new day";
    newDay(2);
    EXPECT_EQ(crow->getDelay(), 700 + 700 - 50);
    EXPECT_EQ(fly->getDelay(), 500 + 250 - 50);
}

TEST_F(Pests, ACrowDiesOnTheThirdHitAndAFlyOnTheSecond)
{
    Crow* crow = new Crow;
    Fly* fly = new Fly;
    untilSpawned(crow);
    untilSpawned(fly);
    hit(crow);
    hit(crow);
    EXPECT_TRUE(crow->isSpawned());
    EXPECT_EQ(crow->getHealth(), 1);
    hit(crow);
    EXPECT_FALSE(crow->isSpawned());
    EXPECT_EQ(plays("pest_hurt"), 3);
    EXPECT_GE(crow->getSpawnCountdown(), 1) << "a fresh wait begins";

    hit(fly);
    EXPECT_TRUE(fly->isSpawned());
    hit(fly);
    EXPECT_FALSE(fly->isSpawned());
}

TEST_F(Pests, BugSprayKillsAFlyWithOneHit)
{
    buy({"Bug Spray"});
    Fly* fly = new Fly;
    untilSpawned(fly);
    hit(fly);
    EXPECT_FALSE(fly->isSpawned());
}

TEST_F(Pests, BugSprayBoughtWhileAFlyIsHurtStillLetsItBeKilled)
{
    Fly* fly = new Fly;
    untilSpawned(fly);
    hit(fly);
    ASSERT_EQ(fly->getHealth(), 1);
    buy({"Bug Spray"});
    hit(fly);
    EXPECT_FALSE(fly->isSpawned()) << "one hit point left and two taken";
}

TEST_F(Pests, AHitFleesAndHurtsForTwentySteps)
{
    Crow* crow = new Crow;
    untilSpawned(crow);
    const float speed = crow->getSpeed();
    click(crow->getPosition());
    frame();
    EXPECT_EQ(crow->getHurtCountdown(), 20);
    EXPECT_FLOAT_EQ(crow->getSpeed(), 2 * speed);
    EXPECT_EQ(crow->getAnimation().getSprite()->getLabel(), "pest_crow_damaged");
    steps(5);
    click(crow->getPosition());
    frame();
    EXPECT_EQ(crow->getHealth(), 2) << "a second click while hurt counts for nothing";
    steps(15 - 1); // the frame that delivered the second click was a step too
    EXPECT_EQ(crow->getHurtCountdown(), 0);
    EXPECT_FLOAT_EQ(crow->getSpeed(), speed);
    EXPECT_EQ(crow->getAnimation().getSprite()->getLabel(), "pest_crow");
}

TEST_F(Pests, PestsDamageThePlotsTheyTouchUnlessHurt)
{
    Plot* plot = new Plot;
    click(plot->getPosition());
    frame();
    Fly* fly = new Fly;
    untilSpawned(fly);
    fly->setPosition(plot->getPosition());
    fly->setVelocity(Vector(0.1f, 0));
    steps(1);
    EXPECT_EQ(plays("pest_plot_hit"), 1);
    const int growth = plot->getGrowth();
    steps(1);
    EXPECT_EQ(plot->getGrowth(), growth) << "the fly's visit cost the next step's growth";
    EXPECT_EQ(plays("pest_plot_hit"), 2) << "every collision while not hurt";

    click(fly->getPosition());
    frame();
    const int hits = plays("pest_plot_hit");
    fly->setPosition(plot->getPosition());
    steps(3);
    EXPECT_EQ(plays("pest_plot_hit"), hits) << "a hurt pest damages nothing";
}

TEST_F(Pests, APestLeavesAfter1800StepsOnTheField)
{
    Crow* crow = new Crow;
    untilSpawned(crow);
    crow->setSpeed(0);
    steps(1798);
    EXPECT_TRUE(crow->isSpawned()) << "1799 steps after the step it appeared in";
    steps(1);
    EXPECT_FALSE(crow->isSpawned());
    EXPECT_GE(crow->getSpawnCountdown(), 700);
}

TEST_F(Pests, BouncesOffTheEdges)
{
    Crow* crow = new Crow;
    crow->setPosition(Vector(80.2f, 10));
    crow->setVelocity(Vector(0.2f, 0));
    const EventOut out;
    crow->eventHandler(&out);
    EXPECT_FLOAT_EQ(crow->getPosition().getX(), 79.8f);
    EXPECT_FLOAT_EQ(crow->getVelocity().getX(), -0.2f);

    crow->setPosition(Vector(10, -0.3f));
    crow->setVelocity(Vector(0, -0.3f));
    crow->eventHandler(&out);
    EXPECT_FLOAT_EQ(crow->getPosition().getY(), 0.3f);
    EXPECT_FLOAT_EQ(crow->getVelocity().getY(), 0.3f);
}

TEST_F(Pests, AHiddenPestCannotBeHitOrSeen)
{
    Crow* crow = new Crow;
    crow->setPosition(Vector(30, 10));
    click(Vector(30, 10));
    frame();
    EXPECT_EQ(plays("pest_hurt"), 0);
    EXPECT_EQ(crow->getHealth(), 1);
    frame();
    EXPECT_EQ(screen().find("()"), std::string::npos);
    untilSpawned(crow);
    frame();
    EXPECT_NE(screen().find("()"), std::string::npos);
    EXPECT_EQ(crow->getHealth(), 3);
    EXPECT_GE(crow->getPosition().getX(), 4);
    EXPECT_LE(crow->getPosition().getX(), 75);
    EXPECT_GE(crow->getPosition().getY(), 8);
    EXPECT_LE(crow->getPosition().getY(), 19);
}
