#include "GameHarness.h"
#include "farm/Plot.h"
#include "farm/PlotModifier.h"
#include "hud/ReplayBanner.h"
#include "pests/Pest.h"
#include "run/DayKeeper.h"
#include "run/MoneyManager.h"
#include "run/PlayedRun.h"
#include "run/StartObjects.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/replay/RunReplayer.h>
#include <ostrel/world/WorldManager.h>

#include <sstream>

using namespace ostrel;

using Pause = GameHarness;

namespace
{

// Everything on the farm that play changes, object by object.
std::string farmState()
{
    std::ostringstream state;
    const ObjectList all = WorldManager::getInstance().getAllObjects();
    for (int i = 0; i < all.getCount(); ++i)
    {
        const Object* object = all[i];
        if (object->getType() == "Reticle")
        {
            continue; // the pointer, which follows the mouse paused or not
        }
        state << object->getType() << " at " << object->getPosition().getX() << "," << object->getPosition().getY()
              << " moving " << object->getVelocity().getX() << "," << object->getVelocity().getY();
        if (const auto* keeper = dynamic_cast<const DayKeeper*>(object))
        {
            state << " ticks " << keeper->getTicksLeft();
        }
        if (const auto* plot = dynamic_cast<const Plot*>(object))
        {
            state << " stage " << plot->getStage() << " growth " << plot->getGrowth() << " watered "
                  << plot->getWateredSteps() << " fertilized " << plot->isFertilized();
        }
        if (const auto* pest = dynamic_cast<const Pest*>(object))
        {
            state << " out " << pest->isSpawned() << " health " << pest->getHealth() << " spawn in "
                  << pest->getSpawnCountdown() << " hurt " << pest->getHurtCountdown();
        }
        if (const auto* pickup = dynamic_cast<const PlotModifier*>(object))
        {
            state << " available " << pickup->isAvailable() << " back in " << pickup->getRespawnDelay();
        }
        state << "\n";
    }
    return state.str() + "money " + std::to_string(MoneyManager::getInstance().getMoney());
}

} // namespace

// 300 paused frames, clicked all over, leave the farm exactly as it was; going on, it moves.
TEST_F(Pause, StopsTheDayExactlyWhereItIs)
{
    createStartObjects();
    press(Keyboard::SPACE);
    frame();
    for (int n = 0; n < 6; ++n)
    {
        click(Vector(static_cast<float>(n * 8 + 4), 6));
        frames(170);
    }
    press(Keyboard::P);
    frame();
    const std::string before = farmState();
    ASSERT_NE(before.find("stage 2"), std::string::npos) << "corn on its way:\n" << before;
    ASSERT_NE(before.find("out 1"), std::string::npos) << "a pest out:\n" << before;
    ASSERT_NE(before.find("available 1"), std::string::npos) << "a pickup out:\n" << before;

    for (int i = 0; i < 300; ++i)
    {
        // On everything that takes a click: plots, pickups and pests.
        const ObjectList all = WorldManager::getInstance().getAllObjects();
        for (int n = 0; n < all.getCount(); ++n)
        {
            move(all[n]->getPosition());
            click(all[n]->getPosition());
        }
        frame();
    }
    EXPECT_EQ(farmState(), before);
    EXPECT_NE(row(11).find("Paused"), std::string::npos) << screen();
    EXPECT_TRUE(GameManager::getInstance().isPaused());

    const int ticks = dayKeeper()->getTicksLeft();
    press(Keyboard::ESCAPE);
    frame(); // a paused frame: it delivers the key, but does not step
    frames(2);
    EXPECT_EQ(dayKeeper()->getTicksLeft(), ticks - 2) << "the day goes on";
    EXPECT_EQ(screen().find("Paused"), std::string::npos);
}

// A replay at its end holds the game's last frame as it was: paused, but without the box. Its
// banner and its end are told on the overlay, which the frame's grid never holds.
TEST_F(Pause, AnEndedReplayHoldsTheFrameWithoutTheBox)
{
    createStartObjects();
    press(Keyboard::SPACE);
    frame();
    const std::string day = screen();
    Recording recording;
    recording.ended = true;
    RunReplayer replayer(recording, "run.txt", runFingerprint, endsGame, false);
    InputManager::getInstance().setFilter(&replayer);
    auto* banner = new ReplayBanner(replayer);
    replayer.beginFrame();
    ASSERT_TRUE(replayHasEnded());
    ASSERT_TRUE(GameManager::getInstance().isPaused());
    frames(30);
    EXPECT_EQ(screen(), day);
    std::string overlay_row;
    for (int col = 0; col < 80; ++col)
    {
        Cell cell;
        overlay_row += DisplayManager::getInstance().getOverlay().cellAt(col, 3, cell) ? cell.ch : ' ';
    }
    EXPECT_EQ(overlay_row.substr(0, 41), "REPLAY  The recording ends here; Q quits.");
    delete banner;
    EXPECT_TRUE(DisplayManager::getInstance().getOverlay().getTexts().empty()) << "gone with the replay";
    InputManager::getInstance().setFilter(nullptr);
}

// Losing the focus pauses a day, and only a day: the title and the shop play on, and a
// regained focus does not end the pause.
TEST_F(Pause, LosingTheFocusPausesOnlyADay)
{
    createStartObjects();
    focus(false);
    frame();
    EXPECT_FALSE(GameManager::getInstance().isPaused()) << "the title";
    press(Keyboard::P);
    frame();
    EXPECT_FALSE(GameManager::getInstance().isPaused()) << "the title";

    press(Keyboard::SPACE);
    frame();
    focus(false);
    frame();
    EXPECT_TRUE(GameManager::getInstance().isPaused()) << "a day";
    focus(true);
    frame();
    EXPECT_TRUE(GameManager::getInstance().isPaused()) << "until the player goes on";
    press(Keyboard::P);
    frame();
    EXPECT_FALSE(GameManager::getInstance().isPaused());

    MoneyManager::getInstance().addMoney(1000);
    steps(dayKeeper()->getTicksLeft());
    ASSERT_FALSE(dayKeeper()->isDayActive());
    focus(false);
    frame();
    EXPECT_FALSE(GameManager::getInstance().isPaused()) << "the shop";
    press(Keyboard::ESCAPE);
    frame();
    EXPECT_FALSE(GameManager::getInstance().isPaused()) << "the shop";
}

// A picture the front end cannot show pauses a day until it is back; a pause of the player's
// own outlasts it.
TEST_F(Pause, AHiddenPictureHoldsTheDayUntilItIsBack)
{
    const auto picture = [this](bool shown)
    {
        InputRecord input;
        input.kind = shown ? InputKind::PICTURE_SHOWN : InputKind::PICTURE_HIDDEN;
        send(input);
        frame();
        return GameManager::getInstance().isPaused();
    };
    createStartObjects();
    press(Keyboard::SPACE);
    frame();
    EXPECT_TRUE(picture(false)) << "hidden";
    EXPECT_FALSE(picture(true)) << "shown again, the day goes on";
    press(Keyboard::P);
    frame();
    EXPECT_TRUE(picture(false));
    EXPECT_TRUE(picture(true)) << "paused by the player before";
}

// The day's last ten seconds show in red.
TEST_F(Pause, TheTimeTurnsRedForTheLastTenSeconds)
{
    createStartObjects();
    press(Keyboard::SPACE);
    frame();
    const DisplayManager& display = DisplayManager::getInstance();
    steps(dayKeeper()->getTicksLeft() - 302);
    frame();
    EXPECT_EQ(row(1).substr(71, 2), "11");
    EXPECT_EQ(display.shownCell(71, 1).color, WHITE);
    frame();
    EXPECT_EQ(row(1).substr(71, 2), "10");
    EXPECT_EQ(display.shownCell(71, 1).color, RED);
}
