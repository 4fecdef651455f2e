#include "GameHarness.h"
#include "events/EventModifierChange.h"
#include "events/EventNewDay.h"
#include "farm/FloatingText.h"
#include "farm/Reticle.h"
#include "hud/DisplayBox.h"
#include "hud/DisplayText.h"
#include "hud/QuotaMetText.h"
#include "hud/TimeText.h"
#include "player/Settings.h"
#include "run/DayKeeper.h"
#include "run/MoneyManager.h"
#include "run/StartObjects.h"
#include "screens/GameOverScreen.h"
#include "screens/TitleScreen.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/world/WorldManager.h>

#include <utility>

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

// A whole row holding the text centred as drawString centres it.
std::string centredRow(const std::string& text)
{
    std::string row(80, ' ');
    return row.replace(40 - text.size() / 2, text.size(), text);
}
} // namespace

TEST_F(Screens, TheTitleShowsWithoutTheHudWhichComesWithTheRun)
{
    createStartObjects();
    move(Vector(30, 22));
    frame();
    EXPECT_NE(row(4).find(".#######"), std::string::npos) << screen();
    // The rows the HUD takes in a run say what a day asks and what to click, and nothing else.
    EXPECT_EQ(row(0), centredRow("End each one-minute day holding at least the quota. Your money carries over."))
        << "no HUD on the title:\n"
        << screen();
    EXPECT_EQ(row(1), centredRow("Click an empty plot to sow corn; click ripe corn to sell it."));
    EXPECT_EQ(row(2), std::string(80, ' '));
    EXPECT_EQ(DisplayManager::getInstance().shownCell(30, 22).ch, '+');
    EXPECT_EQ(DisplayManager::getInstance().shownCell(30, 22).color, WHITE);

    press(Keyboard::SPACE);
    frame();
    frame(); // the HUD reads the run on its first step
    EXPECT_EQ(row(1).find("Day 1"), 6u);
    EXPECT_EQ(row(1).find("$0 / $50"), 36u);
    EXPECT_EQ(row(0).substr(4, 8), "--------");
    EXPECT_EQ(row(2).substr(36, 8), "--------");
    EXPECT_EQ(row(1).substr(71, 2), "60");

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

TEST_F(Screens, TheHudSaysWhatIsHeldInWords)
{
    createStartObjects();
    press(Keyboard::SPACE);
    frame();
    EXPECT_EQ(row(22), std::string(80, ' ')) << "nothing held";
    broadcastModifier(WATERING_CAN);
    frame();
    EXPECT_NE(row(22).find("Holding a watering can: click a plot to water it."), std::string::npos) << screen();
    broadcastModifier(FERTILIZER);
    frame();
    EXPECT_NE(row(22).find("Holding fertilizer: click a plot to fertilize it."), std::string::npos);
    broadcastModifier(NONE);
    frame();
    EXPECT_EQ(row(22), std::string(80, ' ')) << "spent";
    broadcastModifier(WATERING_CAN);
    const EventNewDay day(2);
    WorldManager::getInstance().onEvent(&day);
    frame();
    EXPECT_EQ(row(22), std::string(80, ' ')) << "a new day drops what was held";
}

// The money warns in red while a farm day could still be lost; in the shop the quota shown is
// the next day's, so it stays white there.
TEST_F(Screens, TheMoneyIsRedOnlyWhileAFarmDayIsBelowTheQuota)
{
    createStartObjects();
    press(Keyboard::SPACE);
    frames(2);
    MoneyManager& money = MoneyManager::getInstance();
    const auto moneyColor = [this]
    {
        frame();
        return DisplayManager::getInstance().shownCell(static_cast<int>(row(1).find('$')), 1).color;
    };
    const std::pair<int, Color> farm[] = {{0, RED}, {49, RED}, {50, WHITE}, {51, WHITE}};
    for (const auto& [held, color] : farm)
    {
        money.subtractMoney(money.getMoney() - held);
        EXPECT_EQ(moneyColor(), color) << "$" << held << " of $50 on the farm";
    }
    steps(dayKeeper()->getTicksLeft());
    ASSERT_EQ(money.getQuota(), 80) << "in the shop";
    EXPECT_EQ(moneyColor(), WHITE) << "$51 of the next day's $80";
}

TEST_F(Screens, ReticleFollowsMovesButNotClicks)
{
    Reticle* reticle = new Reticle;
    move(Vector(50, 12));
    frame();
    EXPECT_EQ(reticle->getPosition(), Vector(50, 12));
    click(Vector(10, 10));
    frame();
    EXPECT_EQ(reticle->getPosition(), Vector(50, 12));
    move(Vector(12.5f, 3.25f));
    frame();
    EXPECT_EQ(DisplayManager::getInstance().shownCell(12, 3).ch, '+') << "drawn in the cell under the pointer";
    EXPECT_EQ(reticle->getAltitude(), MAX_ALTITUDE);
}

TEST_F(Screens, TheTimeRoundsSecondsUp)
{
    createStartObjects();
    frame();
    EXPECT_EQ(row(1).substr(72, 2), "  ") << "no time on the title";
    press(Keyboard::SPACE);
    frame(); // the day starts, 1800 left
    frame(); // 1799 left: 60 s
    EXPECT_EQ(row(1).substr(71, 2), "60");
    steps(1799 - 32);
    frame();
    EXPECT_EQ(row(1).substr(72, 1), "2");
    frame();
    EXPECT_EQ(row(1).substr(72, 1), "1") << "30 steps left";
}

TEST_F(Screens, TheGameOverScreenSaysHowTheRunWentUntilSpace)
{
    createStartObjects();
    // The title goes with the first SPACE; the run is then lost straight away.
    press(Keyboard::SPACE);
    frame();
    new GameOverScreen(RunSummary{4, 1234});
    dayKeeper()->reset();
    frames(100);
    EXPECT_NE(screen().find("The quota was not met."), std::string::npos) << "it stays";
    EXPECT_EQ(row(20).find("You reached day 4 and earned $1234 over the run."), 16u) << screen();
    EXPECT_NE(row(22).find("Press SPACE to play again, or Q to quit."), std::string::npos);
    EXPECT_EQ(row(1), std::string(80, ' ')) << "no HUD";
    EXPECT_TRUE(musicPlaying("lounge"));

    press(Keyboard::ENTER);
    frame();
    EXPECT_EQ(count("GameOverScreen"), 1);
    press(Keyboard::SPACE);
    frame();
    EXPECT_FALSE(musicPlaying("lounge"));
    frame();
    EXPECT_EQ(count("GameOverScreen"), 0);
    EXPECT_EQ(dayKeeper()->getDay(), 1) << "SPACE starts the next run";
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
    // The key alone, before the world updates.
    InputManager::getInstance().getInput();
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
                                               "HeldText", "PauseBox", "MuteMark"}));
}

// The mute mark has a place of its own: on every screen the cells it takes are empty while
// the sound is on.
TEST_F(Screens, TheMuteMarkCoversNoOtherText)
{
    const std::string mark = "Sound off (M)";
    const auto expectMarkOnEmptyCells = [&](const char* where)
    {
        Settings::getInstance().setMuted(true);
        frame();
        const std::size_t at = screen().find(mark);
        ASSERT_NE(at, std::string::npos) << where << ":\n" << screen();
        Settings::getInstance().setMuted(false);
        frame();
        EXPECT_EQ(screen().substr(at, mark.size()), std::string(mark.size(), ' ')) << where << ":\n" << screen();
    };
    createStartObjects();
    MoneyManager::getInstance().addMoney(50);
    expectMarkOnEmptyCells("the title");
    press(Keyboard::SPACE);
    frames(2);
    expectMarkOnEmptyCells("a farm day");
    press(Keyboard::P);
    frame();
    expectMarkOnEmptyCells("paused");
    press(Keyboard::P);
    frame();
    steps(dayKeeper()->getTicksLeft());
    ASSERT_EQ(count("ShopDescription"), 1);
    expectMarkOnEmptyCells("the shop under the quota-met banner");
    press(Keyboard::SPACE);
    frames(2);
    steps(dayKeeper()->getTicksLeft());
    ASSERT_EQ(count("GameOverScreen"), 1);
    expectMarkOnEmptyCells("game over");
}
