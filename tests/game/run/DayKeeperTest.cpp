#include "GameHarness.h"
#include "farm/Plot.h"
#include "run/DayKeeper.h"
#include "run/MoneyManager.h"
#include "run/StartObjects.h"
#include "screens/GameOverScreen.h"
#include "shop/UpgradeManager.h"

#include <gtest/gtest.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/world/WorldManager.h>

using namespace ostrel;

class DayCycle : public GameHarness
{
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        if (!IsSkipped())
        {
            createStartObjects();
            frame();
        }
    }

    // SPACE, the frame that delivers it, then the run's first step.
    void startRun()
    {
        press(Keyboard::SPACE);
        release(Keyboard::SPACE);
        frames(2);
    }

    // Runs the rest of the current farm day; only its last frame is drawn.
    void finishDay()
    {
        steps(dayKeeper()->getTicksLeft() - 1);
        frame();
    }
};

TEST_F(DayCycle, SpaceStartsARunWithTenPlotsTwoPickupsAndTwoPests)
{
    EXPECT_TRUE(musicPlaying("lounge"));
    EXPECT_NE(row(10).find("#"), std::string::npos) << "the title art shows";
    startRun();

    DayKeeper* keeper = dayKeeper();
    EXPECT_EQ(keeper->getDay(), 1);
    EXPECT_TRUE(keeper->isDayActive());
    EXPECT_EQ(MoneyManager::getInstance().getQuota(), 50);
    const std::vector<Plot*> field = plots();
    ASSERT_EQ(field.size(), 10u);
    for (int i = 0; i < 10; ++i)
    {
        EXPECT_EQ(field[static_cast<std::size_t>(i)]->getPosition(), Vector(static_cast<float>(4 + 8 * i), 6));
    }
    EXPECT_EQ(count("PlotModifier"), 2);
    EXPECT_EQ(count("Crow"), 1);
    EXPECT_EQ(count("Fly"), 1);
    EXPECT_FALSE(musicPlaying("lounge")) << "the title screen stopped it";
    EXPECT_NE(row(1).find("$0 / $50"), std::string::npos);
    EXPECT_NE(row(1).find("Day 1"), std::string::npos);
}

TEST_F(DayCycle, ADayLasts1800StepsAndSpaceDoesNothingMeanwhile)
{
    startRun();
    EXPECT_EQ(dayKeeper()->getTicksLeft(), 1799);
    EXPECT_NE(row(1).find(" 60 "), std::string::npos);
    press(Keyboard::SPACE);
    frame();
    EXPECT_EQ(count("Plot"), 10) << "no second run";
    steps(1797 - 1); // the frame that delivered SPACE was a step too
    EXPECT_TRUE(dayKeeper()->isDayActive());
    EXPECT_EQ(dayKeeper()->getTicksLeft(), 2);
    MoneyManager::getInstance().addMoney(50);
    frames(2);
    EXPECT_FALSE(dayKeeper()->isDayActive());
    EXPECT_GT(count("ShopDescription"), 0) << "the quota was met exactly: the shop opened";
}

TEST_F(DayCycle, AMetQuotaOpensTheShopForTheNextDay)
{
    startRun();
    MoneyManager::getInstance().addMoney(60);
    finishDay();

    DayKeeper* keeper = dayKeeper();
    EXPECT_EQ(plays("success"), 1);
    EXPECT_EQ(keeper->getDay(), 2);
    EXPECT_EQ(MoneyManager::getInstance().getQuota(), 80);
    EXPECT_TRUE(musicPlaying("lounge"));
    EXPECT_EQ(count("ShopDisplay"), 3);
    EXPECT_EQ(count("ShopDescription"), 1);
    EXPECT_EQ(count("ShopObject"), 3) << "two captions and the pumpkin";
    EXPECT_EQ(count("Plot"), 10) << "farm objects are kept, only hidden";
    EXPECT_NE(row(1).find("Day 2"), std::string::npos);
    EXPECT_NE(row(1).find("$60 / $80"), std::string::npos);
    EXPECT_NE(screen().find("SHOP"), std::string::npos);
    EXPECT_EQ(screen().find(".----."), std::string::npos) << "no plot shows in the shop";

    const ObjectList cards = objects("ShopDisplay");
    EXPECT_EQ(cards[0]->getPosition(), Vector(35, 10));
    EXPECT_EQ(cards[1]->getPosition(), Vector(65, 10));
    EXPECT_EQ(cards[2]->getPosition(), Vector(50, 13));
    EXPECT_EQ(objects("ShopDescription")[0]->getPosition(), Vector(50, 18));

    frames(59);
    EXPECT_EQ(count("Object"), 1) << "the quota-met banner";
    EXPECT_NE(screen().find("========"), std::string::npos);
    frame();
    EXPECT_EQ(count("Object"), 0) << "the banner is gone after 60 steps";
    EXPECT_NE(screen().find("Press SPACE to close the shop."), std::string::npos) << "no longer under the banner";
}

TEST_F(DayCycle, SpaceInTheShopResetsThePlotsAndStartsTheNextDay)
{
    startRun();
    click(Vector(4, 6));
    frame();
    EXPECT_EQ(plots()[0]->getStage(), 1);
    MoneyManager::getInstance().addMoney(50);
    finishDay();
    frame();

    press(Keyboard::SPACE);
    frame();
    EXPECT_TRUE(dayKeeper()->isDayActive());
    EXPECT_EQ(dayKeeper()->getTicksLeft(), 1800);
    EXPECT_FALSE(musicPlaying("lounge"));
    EXPECT_EQ(plots()[0]->getStage(), 0) << "every plot is reset";
    frame();
    EXPECT_EQ(count("ShopDisplay"), 0);
    EXPECT_EQ(count("ShopDescription"), 0);
    EXPECT_EQ(count("ShopObject"), 0);
    EXPECT_EQ(count("Plot"), 10);
    EXPECT_NE(screen().find(".----."), std::string::npos) << "the plots show again";
    EXPECT_EQ(dayKeeper()->getDay(), 2);
}

TEST_F(DayCycle, AMissedQuotaEndsTheRunOnTheGameOverScreen)
{
    startRun();
    MoneyManager::getInstance().addMoney(20);
    finishDay();

    EXPECT_EQ(plays("game_over"), 1);
    EXPECT_EQ(dayKeeper()->getDay(), 0);
    EXPECT_FALSE(dayKeeper()->isGameRunning());
    EXPECT_EQ(MoneyManager::getInstance().getMoney(), 0);
    EXPECT_EQ(MoneyManager::getInstance().getQuota(), 0);
    EXPECT_EQ(count("Plot"), 0);
    EXPECT_EQ(count("PlotModifier"), 0);
    EXPECT_EQ(count("Crow"), 0);
    EXPECT_EQ(count("Fly"), 0);
    EXPECT_TRUE(musicPlaying("lounge"));
    EXPECT_NE(screen().find("The quota was not met."), std::string::npos);

    frames(90);
    EXPECT_NE(screen().find("The quota was not met."), std::string::npos) << "it stays until SPACE";

    startRun();
    EXPECT_EQ(dayKeeper()->getDay(), 1) << "a new run from day 1";
    EXPECT_EQ(count("Plot"), 10);
    EXPECT_EQ(count("GameOverScreen"), 0);
}

TEST_F(DayCycle, ARunLostWithNothingEarnedStillEndsOnTheGameOverScreen)
{
    startRun();
    finishDay();
    ASSERT_EQ(count("GameOverScreen"), 1);
    EXPECT_NE(screen().find("The quota was not met."), std::string::npos);
    EXPECT_NE(screen().find("You reached day 1 and earned $0 over the run."), std::string::npos);
}

TEST_F(DayCycle, TheSummaryCountsEveryDollarTheRunTookIn)
{
    startRun();
    MoneyManager::getInstance().addMoney(60);
    finishDay();
    ASSERT_EQ(dayKeeper()->getDay(), 2) << "in the shop";
    ASSERT_TRUE(MoneyManager::getInstance().attemptPerformTransaction(40));
    startRun(); // SPACE closes the shop
    MoneyManager::getInstance().addMoney(15);
    finishDay();
    const ObjectList screens = objects("GameOverScreen");
    ASSERT_EQ(screens.getCount(), 1);
    const RunSummary summary = dynamic_cast<GameOverScreen*>(screens[0])->getSummary();
    EXPECT_EQ(summary.day, 2);
    EXPECT_EQ(summary.earned, 75) << "spending does not take from what was earned";
    EXPECT_NE(row(20).find("You reached day 2 and earned $75 over the run. You had $35 of $80."), std::string::npos)
        << "the quota missed, and by how much:\n"
        << screen();
}

TEST_F(DayCycle, FieldWorkAddsOneBatchOfPlotsPerReturnToTheFarm)
{
    startRun();
    MoneyManager::getInstance().addMoney(50 + 125);
    finishDay();
    ASSERT_TRUE(UpgradeManager::getInstance().attemptPurchaseUpgrade("Field Work"));
    press(Keyboard::SPACE);
    frame();
    const std::vector<Plot*> field = plots();
    ASSERT_EQ(field.size(), 13u);
    EXPECT_EQ(field[10]->getPosition(), Vector(4, 12));
    EXPECT_EQ(field[11]->getPosition(), Vector(12, 12));
    EXPECT_EQ(field[12]->getPosition(), Vector(20, 12));

    MoneyManager::getInstance().addMoney(80);
    finishDay();
    press(Keyboard::SPACE);
    frame();
    EXPECT_EQ(count("Plot"), 13) << "no second batch without a second purchase";
}

TEST_F(DayCycle, ReleasingSpaceDoesNothing)
{
    release(Keyboard::SPACE);
    frame();
    EXPECT_FALSE(dayKeeper()->isGameRunning());
    EXPECT_EQ(count("Plot"), 0);
    EXPECT_NE(row(10).find("#"), std::string::npos) << "the title stays";
}

TEST(DayKeeperQuit, QPressedOrReleasedQuitsWithStatusZero)
{
    // A fresh process for each quit: a forked copy of a process that has played audio would
    // tear down sound players whose mixing thread it does not have.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto quitOn = [](EventKeyboardAction action)
    {
        WorldManager::getInstance().startUp();
        new DayKeeper;
        EventKeyboard q;
        q.setKey(Keyboard::Q);
        q.setKeyboardAction(action);
        WorldManager::getInstance().onEvent(&q);
    };
    EXPECT_EXIT(quitOn(KEY_PRESSED), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(quitOn(KEY_RELEASED), testing::ExitedWithCode(0), "");
}

TEST(DayKeeperQuota, RisesEveryDay)
{
    WorldManager::getInstance().startUp();
    DayKeeper* keeper = new DayKeeper;
    const int expected[10] = {50, 80, 120, 170, 230, 300, 380, 470, 570, 680};
    for (int day = 1; day <= 10; ++day)
    {
        keeper->incrementDay();
        EXPECT_EQ(keeper->getDay(), day);
        EXPECT_EQ(MoneyManager::getInstance().getQuota(), expected[day - 1]) << "day " << day;
    }
    WorldManager::getInstance().shutDown();
}
