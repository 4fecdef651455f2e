#include "ostrel/loop/GameManager.h"

#include "ostrel/audio/AudioOutput.h"
#include "ostrel/core/EventStep.h"
#include "ostrel/core/LogManager.h"
#include "ostrel/frontend/FrontEnds.h"
#include "ostrel/graphics/DisplayManager.h"
#include "ostrel/input/InputManager.h"
#include "ostrel/resources/ResourceManager.h"
#include "ostrel/system/Clock.h"
#include "ostrel/world/WorldManager.h"
#include "system/Platform.h"

#include <cstdlib>

namespace ostrel
{

std::int64_t frameSleepTime(std::int64_t loop_time_us, int frame_time_ms)
{
    const std::int64_t loop_time_ms = loop_time_us / 1000;
    return frame_time_ms - loop_time_ms;
}

GameManager::GameManager()
    : m_game_over(false), m_paused(false), m_frame_time(FRAME_TIME_DEFAULT), m_step_count(0), m_frame_count(0)
{
    setType("GameManager");
}

GameManager& GameManager::getInstance()
{
    static GameManager single;
    return single;
}

int GameManager::startUp()
{
    m_game_over = false;
    m_paused = false;
    m_step_count = 0;
    m_frame_count = 0;

    int failures = 0;
    failures += LogManager::getInstance().startUp() != 0;
    failures += WorldManager::getInstance().startUp() != 0;
    failures += !chooseFrontEnd();
    failures += DisplayManager::getInstance().startUp() != 0;
    failures += InputManager::getInstance().startUp() != 0;
    failures += ResourceManager::getInstance().startUp() != 0;

    beginTimerResolution();
    Manager::startUp();
    return failures == 0 ? 0 : -1;
}

void GameManager::shutDown()
{
    setGameOver(true);
    ResourceManager::getInstance().shutDown();
    InputManager::getInstance().shutDown();
    DisplayManager::getInstance().shutDown();
    WorldManager::getInstance().shutDown();
    LogManager::getInstance().shutDown();
    endTimerResolution();
    Manager::shutDown();
}

void GameManager::setFrontEnd(const std::string& name)
{
    m_front_end = name;
}

void GameManager::setPlayerFrontEnd(const std::string& name)
{
    m_player_front_end = name;
}

std::string GameManager::chosenFrontEnd() const
{
    if (!m_player_front_end.empty())
    {
        return m_player_front_end;
    }
    const char* variable = std::getenv("OSTREL_FRONT_END");
    return variable != nullptr && *variable != '\0' ? variable : m_front_end;
}

bool GameManager::chooseFrontEnd()
{
    DisplayManager& display = DisplayManager::getInstance();
    const std::string name = chosenFrontEnd();
    const FrontEnd* current = display.getFrontEnd();
    if (current == nullptr || current->getName() != name)
    {
        std::unique_ptr<FrontEnd> front_end = makeFrontEnd(name);
        if (!front_end)
        {
            LogManager::getInstance().writeProblem("no front end called \"" + name + "\" (this engine has " +
                                                   frontEndNames() + ")");
            return false;
        }
        display.setFrontEnd(std::move(front_end));
    }
    // Nothing is heard without a window: the headless front end needs no sound device.
    setSilentAudio(name == "headless");
    return true;
}

void GameManager::runFrame()
{
    ++m_frame_count;
    const bool paused = m_paused;
    if (!paused)
    {
        const EventStep step(m_step_count);
        ++m_step_count;
        onEvent(&step);
    }

    InputManager::getInstance().getInput();
    if (!paused)
    {
        WorldManager::getInstance().update();
    }
    WorldManager::getInstance().draw();
    DisplayManager::getInstance().swapBuffers();
}

void GameManager::run()
{
    Clock clock;
    while (!m_game_over)
    {
        clock.delta();
        runFrame();

        // A frame that overran is not made up for: the game simply runs slower. Frames of no
        // length do not even yield, which on a busy machine would cost a time slice each.
        if (m_frame_time > 0)
        {
            sleepMilliseconds(frameSleepTime(clock.split(), m_frame_time));
        }
    }
}

void GameManager::setGameOver(bool game_over)
{
    m_game_over = game_over;
}

bool GameManager::getGameOver() const
{
    return m_game_over;
}

void GameManager::setPaused(bool paused)
{
    m_paused = paused;
}

bool GameManager::isPaused() const
{
    return m_paused;
}

int GameManager::getFrameTime() const
{
    return m_frame_time;
}

void GameManager::setFrameTime(int frame_time_ms)
{
    m_frame_time = frame_time_ms;
}

int GameManager::getStepCount() const
{
    return m_step_count;
}

int GameManager::getFrameCount() const
{
    return m_frame_count;
}

} // namespace ostrel
