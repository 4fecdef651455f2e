#include "GameHarness.h"

#include "WaitUntil.h"
#include "assets/ResourceManifest.h"
#include "farm/Plot.h"
#include "run/DayKeeper.h"
#include "run/MoneyManager.h"
#include "run/PlayedRun.h"
#include "shop/UpgradeManager.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/core/GameManager.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventFocus.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/WorldManager.h>

#include <chrono>

void GameHarness::SetUp()
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    ostrel::LogManager::getInstance().setFlush(true);
    ASSERT_EQ(ostrel::GameManager::getInstance().startUp(), 0);
    loadResources();
    MoneyManager::getInstance().reset();
    UpgradeManager::getInstance().reset();
    seedRun(7);
}

void GameHarness::TearDown()
{
    ostrel::GameManager::getInstance().shutDown();
}

void GameHarness::frame()
{
    // As the game loop does: a paused game draws, but neither steps nor moves.
    if (!ostrel::GameManager::getInstance().isPaused())
    {
        const ostrel::EventStep step(m_step++);
        ostrel::GameManager::getInstance().onEvent(&step);
        ostrel::WorldManager::getInstance().update();
    }
    ostrel::WorldManager::getInstance().draw();
    ostrel::DisplayManager::getInstance().swapBuffers();
}

void GameHarness::frames(int n)
{
    for (int i = 0; i < n; ++i)
    {
        frame();
    }
}

void GameHarness::steps(int n)
{
    for (int i = 0; i < n && !ostrel::GameManager::getInstance().isPaused(); ++i)
    {
        const ostrel::EventStep step(m_step++);
        ostrel::GameManager::getInstance().onEvent(&step);
        ostrel::WorldManager::getInstance().update();
    }
}

void GameHarness::buy(std::initializer_list<const char*> names)
{
    UpgradeManager& upgrades = UpgradeManager::getInstance();
    for (const char* name : names)
    {
        upgrades.updateUpgradeShop();
        MoneyManager::getInstance().addMoney(upgrades.getUpgradePrice(upgrades.getShopUpgrade(name)));
        ASSERT_TRUE(upgrades.attemptPurchaseUpgrade(name)) << name;
    }
}

void GameHarness::press(ostrel::Keyboard::Key key)
{
    ostrel::EventKeyboard event;
    event.setKey(key);
    event.setKeyboardAction(ostrel::KEY_PRESSED);
    ostrel::InputManager::getInstance().onEvent(&event);
}

void GameHarness::release(ostrel::Keyboard::Key key)
{
    ostrel::EventKeyboard event;
    event.setKey(key);
    event.setKeyboardAction(ostrel::KEY_RELEASED);
    ostrel::InputManager::getInstance().onEvent(&event);
}

void GameHarness::click(ostrel::Vector cell)
{
    ostrel::EventMouse event;
    event.setMouseAction(ostrel::CLICKED);
    event.setMouseButton(ostrel::Mouse::LEFT);
    event.setMousePosition(cell);
    ostrel::InputManager::getInstance().onEvent(&event);
}

void GameHarness::move(ostrel::Vector cell)
{
    ostrel::EventMouse event;
    event.setMouseAction(ostrel::MOVED);
    event.setMousePosition(cell);
    ostrel::InputManager::getInstance().onEvent(&event);
}

void GameHarness::focus(bool focused)
{
    const ostrel::EventFocus event(focused);
    ostrel::InputManager::getInstance().onEvent(&event);
}

bool GameHarness::resizeWindow(unsigned width, unsigned height)
{
    sf::RenderWindow& window = *ostrel::DisplayManager::getInstance().getWindow();
    const sf::Vector2u size(width, height);
    if (window.getSize() != size)
    {
        window.setSize(size);
    }
    // The window manager answers in its own time: wait for the resize to arrive, not for a time.
    testing_support::waitUntil(std::chrono::seconds(30),
                               [&]
                               {
                                   ostrel::InputManager::getInstance().getInput();
                                   return window.getSize() == size;
                               });
    ostrel::DisplayManager::getInstance().refreshLayout();
    return window.getSize() == size;
}

ostrel::ObjectList GameHarness::objects(const std::string& type) const
{
    return ostrel::WorldManager::getInstance().objectsOfType(type);
}

int GameHarness::count(const std::string& type) const
{
    return objects(type).getCount();
}

std::vector<Plot*> GameHarness::plots() const
{
    std::vector<Plot*> result;
    const ostrel::ObjectList list = objects("Plot");
    for (int i = 0; i < list.getCount(); ++i)
    {
        result.push_back(dynamic_cast<Plot*>(list[i]));
    }
    return result;
}

DayKeeper* GameHarness::dayKeeper() const
{
    const ostrel::ObjectList keepers = objects("DayKeeper");
    return keepers.isEmpty() ? nullptr : dynamic_cast<DayKeeper*>(keepers[0]);
}

int GameHarness::plays(const std::string& sound) const
{
    const ostrel::Sound* found = ostrel::ResourceManager::getInstance().getSound(sound);
    return found ? found->getPlayCount() : -1;
}

bool GameHarness::musicPlaying(const std::string& label) const
{
    ostrel::Music* music = ostrel::ResourceManager::getInstance().getMusic(label);
    return music && music->getMusic()->getStatus() == sf::SoundSource::Status::Playing;
}

std::string GameHarness::screen() const
{
    return ostrel::DisplayManager::getInstance().shownText();
}

std::string GameHarness::row(int r) const
{
    return screen().substr(static_cast<std::size_t>(r) * 81, 80);
}
