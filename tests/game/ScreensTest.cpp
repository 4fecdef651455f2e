#include "DisplayBox.h"
#include "DisplayManager.h"
#include "DisplayText.h"
#include "EventModifierChange.h"
#include "EventNewDay.h"
#include "FloatingText.h"
#include "GameHarness.h"
#include "MoneyManager.h"
#include "QuotaMetText.h"
#include "Reticle.h"
#include "StartObjects.h"
#include "TimeText.h"
#include "TitleScreen.h"
#include "WorldManager.h"

#include <gtest/gtest.h>

using namespace ostrel;

using Screens = GameHarness;

namespace
{
void broadcastModifier(PlotModifierType type)
{
    EventModifierChange change;
    change.setModifierType(type);
    WorldManager::getInstance().onEvent(&change);
}
} // namespace

TEST_F(Screens, TitleHudAndReticleBeforeTheFirstDay)
{
    createStartObjects();
    move(Vector(30, 22));
    frame();
    EXPECT_NE(row(4).find(".#######"), std::string::npos) << screen();
    EXPECT_EQ(row(1).find("Day 1"), 6u);
    EXPECT_EQ(row(1).find("$0 / $0"), 37u);
    EXPECT_EQ(row(0).substr(4, 8), "--------");
    EXPECT_EQ(row(2).substr(36, 8), "--------");
    EXPECT_EQ(row(1).substr(72, 1), "0") << "the time shows 0 between days";
    EXPECT_EQ(DisplayManager::getInstance().shownCell(30, 22).ch, '+');
    EXPECT_EQ(DisplayManager::getInstance().shownCell(30, 22).color, WHITE);

    broadcastModifier(WATERING_CAN);
    frame();
    EXPECT_EQ(DisplayManager::getInstance().shownCell(30, 22).color, CYAN);
    broadcastModifier(FERTILIZER);
    frame();
    EXPECT_EQ(DisplayManager::getInstance().shownCell(30, 22).color, RED);
    const EventNewDay day(2);
    WorldManager::getInstance().onEvent(&day);
    frame();
    EXPECT_EQ(DisplayManager::getInstance().shownCell(30, 22).color, WHITE) << "a new day drops what was held";
    EXPECT_EQ(row(1).find("Day 2"), 6u);
}

TEST_F(Screens, ReticleFollowsMovesButNotClicks)
{
    Reticle* reticle = new Reticle;
    move(Vector(50, 12));
    EXPECT_EQ(reticle->getPosition(), Vector(50, 12));
    click(Vector(10, 10));
    EXPECT_EQ(reticle->getPosition(), Vector(50, 12));
    move(Vector(12.5f, 3.25f));
    frame();
    EXPECT_EQ(DisplayManager::getInstance().shownCell(12, 3).ch, '+') << "drawn where the pointer is, unrounded";
    EXPECT_EQ(reticle->getAltitude(), MAX_ALTITUDE);
}

TEST_F(Screens, TheTimeRoundsSecondsUp)
{
    createStartObjects();
    frame();
    EXPECT_EQ(row(1).substr(72, 2), "0 ");
    press(Keyboard::SPACE);
    frame(); // 1799 left: 60 s
    EXPECT_EQ(row(1).substr(71, 2), "60");
    steps(1799 - 32);
    frame();
    EXPECT_EQ(row(1).substr(72, 1), "2");
    frame();
    EXPECT_EQ(row(1).substr(72, 1), "1") << "30 steps left";
}

TEST_F(Screens, AGameOverPictureGivesWayToTheTitleAfter90Steps)
{
    MoneyManager::getInstance().addMoney(30);
    new TitleScreen;
    MoneyManager::getInstance().reset();
    frames(89);
    EXPECT_NE(screen().find("The quota was not met."), std::string::npos);
    frame();
    EXPECT_EQ(screen().find("The quota was not met."), std::string::npos);
    EXPECT_NE(row(4).find(".#######"), std::string::npos);
}

TEST_F(Screens, OnlyAPressOfSpaceRemovesTheTitle)
{
    MoneyManager::getInstance().addMoney(30);
    new TitleScreen;
    EXPECT_TRUE(musicPlaying("lounge"));
    release(Keyboard::SPACE);
    press(Keyboard::ENTER);
    frame();
    EXPECT_EQ(count("Object"), 1);
    press(Keyboard::SPACE);
    EXPECT_FALSE(musicPlaying("lounge")) << "the music stops at once";
    EXPECT_EQ(count("Object"), 1) << "removed at the next update";
    frame();
    EXPECT_EQ(count("Object"), 0);
}

TEST_F(Screens, BoxesAndTextsDrawCentred)
{
    new DisplayBox(Vector(35, 10), 10, 6);
    new DisplayBox(Vector(60, 5), 1, 1);
    new DisplayBox(Vector(60, 8), 0, 4);
    new DisplayText("a longer text", Vector(20, 20), true);
    frame();
    EXPECT_EQ(row(7).substr(30, 10), "+--------+");
    EXPECT_EQ(row(8).substr(30, 10), "|        |");
    EXPECT_EQ(row(12).substr(30, 10), "+--------+");
    EXPECT_EQ(row(13).substr(30, 10), std::string(10, ' '));
    EXPECT_EQ(row(4).substr(58, 3), " + ") << "a 1 x 1 box is one corner";
    EXPECT_EQ(row(6).substr(55, 10), std::string(10, ' ')) << "a 0-wide box draws nothing";
    EXPECT_EQ(row(19).substr(10, 20), "      --------      ");
    EXPECT_EQ(row(20).substr(10, 20), "    a longer text   ") << "wider than its dashes";
}

TEST_F(Screens, FloatingTextRisesAndGoesOnItsFifteenthStep)
{
    FloatingText* text = new FloatingText;
    text->setText("+$15");
    text->setPosition(Vector(20, 10));
    frames(14);
    ASSERT_EQ(count("FloatingText"), 1);
    EXPECT_FLOAT_EQ(text->getPosition().getY(), 10 - 14 * 0.25f);
    frame();
    EXPECT_EQ(count("FloatingText"), 0);
}

TEST_F(Screens, QuotaMetBannerLastsSixtySteps)
{
    new QuotaMetText;
    frames(59);
    EXPECT_EQ(count("Object"), 1);
    EXPECT_NE(row(17).find(".======"), std::string::npos) << "at the bottom, below the shop's cards";
    frame();
    EXPECT_EQ(count("Object"), 0);
}

TEST_F(Screens, TimeWithoutADayKeeperKeepsItsText)
{
    new TimeText;
    frames(3);
    EXPECT_EQ(row(1).substr(68, 8), std::string(8, ' '));
}

TEST_F(Screens, StartObjectsHearEveryEventInTheGamesOrder)
{
    createStartObjects();
    const ObjectList all = WorldManager::getInstance().getAllObjects();
    std::vector<std::string> types;
    for (int i = 0; i < all.getCount(); ++i)
    {
        types.push_back(all[i]->getType());
    }
    EXPECT_EQ(types, (std::vector<std::string>{"Object", "Reticle", "DayKeeper", "TimeText", "MoneyText", "DayText",
                                               "PauseBox", "MuteMark"}));
}
