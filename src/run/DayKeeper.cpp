#include "run/DayKeeper.h"

#include "assets/Sounds.h"
#include "events/EventNewDay.h"
#include "events/EventStateChange.h"
#include "farm/FieldSpawner.h"
#include "hud/QuotaMetText.h"
#include "player/BestRuns.h"
#include "run/MoneyManager.h"
#include "run/PlayedRun.h"
#include "run/Quota.h"
#include "screens/GameOverScreen.h"
#include "screens/TitleScreen.h"
#include "shop/ShopLayout.h"
#include "shop/UpgradeManager.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/frontend/FrontEnds.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventClose.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/world/WorldManager.h>

#include <cstdlib>

namespace
{

const int DAY_LENGTH = 1800;

void broadcastFarm(bool farm)
{
    EventStateChange change;
    change.setFarm(farm);
    ostrel::WorldManager::getInstance().onEvent(&change);
}

const DayKeeper* findDayKeeper()
{
    const ostrel::ObjectList keepers = ostrel::WorldManager::getInstance().objectsOfType("DayKeeper");
    return keepers.isEmpty() ? nullptr : dynamic_cast<const DayKeeper*>(keepers[0]);
}

} // namespace

bool runInProgress()
{
    const DayKeeper* keeper = findDayKeeper();
    return keeper && keeper->isGameRunning();
}

bool dayInProgress()
{
    const DayKeeper* keeper = findDayKeeper();
    return keeper && keeper->isDayActive();
}

DayKeeper::DayKeeper() : m_day(0), m_ticks_left(0), m_day_active(false), m_game_running(false)
{
    setType("DayKeeper");
    setSolidness(ostrel::SPECTRAL);
}

void DayKeeper::reset()
{
    m_day = 0;
    m_ticks_left = 0;
    m_day_active = false;
    m_game_running = false;
    MoneyManager::getInstance().reset();
    UpgradeManager::getInstance().reset();
}

void DayKeeper::startDay()
{
    m_game_running = true;
    m_day_active = true;
    m_ticks_left = DAY_LENGTH;
}

void DayKeeper::incrementDay()
{
    ++m_day;
    EventNewDay new_day(m_day);
    ostrel::WorldManager::getInstance().onEvent(&new_day);
    MoneyManager::getInstance().setQuota(quotaForDay(m_day));
}

void DayKeeper::swapToShop()
{
    broadcastFarm(false);
    playMusic("lounge");
    openShop();
    incrementDay();
}

void DayKeeper::swapToFarm()
{
    stopMusic("lounge");
    readyFieldForNextDay();
    broadcastFarm(true);
    closeShop();
    startDay();
}

void DayKeeper::step()
{
    if (!m_day_active)
    {
        return;
    }
    if (--m_ticks_left != 0)
    {
        return;
    }
    m_day_active = false;
    if (MoneyManager::getInstance().quotaReached())
    {
        playSound("success");
        swapToShop();
        new QuotaMetText;
    }
    else
    {
        endRun();
    }
}

void DayKeeper::startRun()
{
    spawnField();
    incrementDay();
    startDay();
}

void DayKeeper::recordRun(int day) const
{
    BestRuns::getInstance().record({todaysDate(), day, MoneyManager::getInstance().getCumulativeMoney(), playedSeed()});
}

void DayKeeper::keepRunOnQuit() const
{
    // The shop already counts the next day, which was never played.
    const int day = m_day_active ? m_day : m_day - 1;
    if (m_game_running && (day > 1 || MoneyManager::getInstance().getCumulativeMoney() > 0))
    {
        recordRun(day);
    }
}

void DayKeeper::quit()
{
    keepRunOnQuit();
    std::exit(quitStatus());
}

void DayKeeper::leaveRun()
{
    if (!m_game_running)
    {
        return;
    }
    keepRunOnQuit();
    closeShop();
    reset();
    clearField();
    new TitleScreen;
}

void DayKeeper::endRun()
{
    recordRun(m_day);
    playSound("game_over");
    // Read before reset() clears the run's money.
    const MoneyManager& money = MoneyManager::getInstance();
    new GameOverScreen(RunSummary{m_day, money.getCumulativeMoney(), money.getMoney(), money.getQuota()});
    reset();
    clearField();
}

int DayKeeper::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == ostrel::STEP_EVENT)
    {
        step();
        return 1;
    }
    if (event->getType() == ostrel::CLOSE_EVENT)
    {
        // The window's close button quits like Q.
        quit();
    }
    if (event->getType() != ostrel::KEYBOARD_EVENT)
    {
        return 0;
    }
    const auto* keyboard = dynamic_cast<const ostrel::EventKeyboard*>(event);
    if (keyboard->getKey() == ostrel::Keyboard::Q)
    {
        if (ostrel::programCanQuit())
        {
            quit();
        }
        if (keyboard->getKeyboardAction() == ostrel::KEY_PRESSED)
        {
            leaveRun();
        }
        return 1;
    }
    if (keyboard->getKeyboardAction() == ostrel::KEY_PRESSED && keyboard->getKey() == ostrel::Keyboard::F11)
    {
        ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
        display.setFullscreen(!display.isFullscreen());
        return 1;
    }
    if (keyboard->getKeyboardAction() != ostrel::KEY_PRESSED || keyboard->getKey() != ostrel::Keyboard::SPACE)
    {
        return 0;
    }
    if (m_game_running && !m_day_active)
    {
        swapToFarm();
        return 1;
    }
    if (m_game_running)
    {
        return 0;
    }
    startRun();
    return 1;
}

int DayKeeper::draw()
{
    return 0;
}
