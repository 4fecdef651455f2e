#include "run/DayKeeper.h"

#include "assets/Sounds.h"
#include "events/EventNewDay.h"
#include "events/EventStateChange.h"
#include "farm/Plot.h"
#include "farm/PlotModifier.h"
#include "hud/DisplayText.h"
#include "hud/QuotaMetText.h"
#include "pests/Crow.h"
#include "pests/Fly.h"
#include "player/BestRuns.h"
#include "run/MoneyManager.h"
#include "screens/GameOverScreen.h"
#include "shop/ShopDescription.h"
#include "shop/ShopDisplay.h"
#include "shop/UpgradeManager.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventClose.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/world/WorldManager.h>

#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace
{

const int DAY_LENGTH = 1800;
const int PLOTS_AT_START = 10;

void broadcastFarm(bool farm)
{
    EventStateChange change;
    change.setFarm(farm);
    ostrel::WorldManager::getInstance().onEvent(&change);
}

// Marks every object of the given types for deletion.
void removeObjectsOfTypes(std::initializer_list<const char*> types)
{
    ostrel::WorldManager& world = ostrel::WorldManager::getInstance();
    const ostrel::ObjectList objects = world.getAllObjects();
    for (int i = 0; i < objects.getCount(); ++i)
    {
        for (const char* type : types)
        {
            if (objects[i]->getType() == type)
            {
                world.markForDelete(objects[i]);
            }
        }
    }
}

DisplayText* makeShopText(const std::string& text, ostrel::Vector position)
{
    DisplayText* shop_text = new DisplayText(text, position, true);
    shop_text->setType("ShopObject");
    return shop_text;
}

} // namespace

namespace
{

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
    const int d = m_day;
    MoneyManager::getInstance().setQuota(static_cast<int>(25 * (d - 1) + 5.0 * std::pow(d - 1, 2) + 50.0));
}

void DayKeeper::swapToShop()
{
    broadcastFarm(false);
    playMusic("lounge");
    UpgradeManager& upgrades = UpgradeManager::getInstance();
    upgrades.updateUpgradeShop();

    makeShopText("SHOP", ostrel::Vector(50, 5));
    makeShopText("Press SPACE to close the shop.", ostrel::Vector(50, 20));
    ostrel::Object* pumpkin = new ostrel::Object;
    pumpkin->setType("ShopObject");
    pumpkin->setSprite("pumpkin");
    pumpkin->setPosition(ostrel::Vector(15, 12));

    const std::vector<Upgrade> offers = upgrades.getShopSelection(3);
    for (std::size_t i = 0; i < offers.size() && i < 3; ++i)
    {
        ShopDisplay* card = new ShopDisplay(offers[i]);
        card->setPosition(ostrel::Vector(static_cast<float>(xPos[i]), static_cast<float>(yPos[i])));
    }
    ShopDescription* description = new ShopDescription;
    description->setPosition(ostrel::Vector(50, 18));

    incrementDay();
}

void DayKeeper::swapToFarm()
{
    const ostrel::ObjectList plots = ostrel::WorldManager::getInstance().objectsOfType("Plot");
    for (int i = 0; i < plots.getCount(); ++i)
    {
        dynamic_cast<Plot*>(plots[i])->reset();
    }
    stopMusic("lounge");

    // One batch of three new plots per return to the farm while "Field Work" batches are due.
    if (3 * UpgradeManager::getInstance().getPurchaseCount("Field Work") + 9 >= plots.getCount())
    {
        for (int i = 0; i < 3; ++i)
        {
            new Plot;
        }
    }

    broadcastFarm(true);
    removeObjectsOfTypes({"ShopDisplay", "ShopDescription", "ShopObject"});
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
    for (int i = 0; i < PLOTS_AT_START; ++i)
    {
        new Plot;
    }
    new PlotModifier(WATERING_CAN);
    new PlotModifier(FERTILIZER);
    new Crow;
    new Fly;
    incrementDay();
    startDay();
}

void DayKeeper::recordRun() const
{
    if (m_game_running)
    {
        BestRuns::getInstance().record({todaysDate(), m_day, MoneyManager::getInstance().getCumulativeMoney()});
    }
}

void DayKeeper::quit()
{
    recordRun();
    std::exit(0);
}

void DayKeeper::endRun()
{
    recordRun();
    playSound("game_over");
    // Read before reset() clears the run's money.
    new GameOverScreen(RunSummary{m_day, MoneyManager::getInstance().getCumulativeMoney()});
    reset();
    removeObjectsOfTypes({"Plot", "PlotModifier", "Crow", "Fly"});
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
        quit();
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
