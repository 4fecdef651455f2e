#pragma once

#include "ostrel/Config.h"
#include "ostrel/core/Manager.h"

#include <cstdint>
#include <string>

namespace ostrel
{

// Target duration of one frame (one step), in milliseconds: about 30 steps a second.
const int FRAME_TIME_DEFAULT = 33;

// Milliseconds left to sleep after a frame whose work took `loop_time_us` microseconds;
// 0 or less means only yield. The loop time is truncated to whole milliseconds.
std::int64_t frameSleepTime(std::int64_t loop_time_us, int frame_time_ms);

// Starts and stops the engine managers and runs the fixed-rate game loop.
class GameManager : public Manager
{
public:
    static GameManager& getInstance();

    // Starts log, world, display, input and resource managers, in that order; all five are
    // tried whatever the earlier ones returned. 0 if all started, else -1. The display gets
    // the front end chosen (see setFrontEnd()); a front-end name this build does not have is
    // said on stderr and in the log, and start-up returns -1.
    int startUp() override;
    // Stops them in reverse order and sets the game over.
    void shutDown() override;

    // The game's own choice of front end, by name ("window", "headless"; unless set, "window"
    // in an engine built with SFML, else "headless"): the environment variable
    // OSTREL_FRONT_END overrides it. Takes effect at the next
    // startUp().
    void setFrontEnd(const std::string& name);
    // The player's choice (from the command line, say), which overrides OSTREL_FRONT_END.
    // An empty name withdraws it.
    void setPlayerFrontEnd(const std::string& name);
    // The name of the front end the next startUp() opens, after those overrides.
    std::string chosenFrontEnd() const;

    // Runs frames until the game is over, one every frame time; the frame in progress
    // always completes.
    void run();
    // Runs one frame at once: a step event (unless paused), the pending input, the world's
    // update (unless paused), drawing, and showing the frame. For loops that are not run()'s
    // own: a browser's animation frames, or a test's.
    void runFrame();

    // A paused game still reads input and draws every frame, but sends no step events and
    // does not move the world (objects marked for deletion wait too), so everything that
    // counts steps stands still. The pause in force at a frame's start holds for that frame.
    void setPaused(bool paused = true);
    bool isPaused() const;

    void setGameOver(bool game_over = true);
    bool getGameOver() const;
    int getFrameTime() const;
    // Milliseconds a frame lasts; 0 runs frames back to back, without waiting for the clock.
    void setFrameTime(int frame_time_ms);
    // Step events sent since the last startUp().
    int getStepCount() const;
    // Frames run since the last startUp(), paused ones included.
    int getFrameCount() const;

private:
    GameManager();

    // Gives the display the chosen front end, unless it has one of that name; false for a
    // name this build does not have.
    bool chooseFrontEnd();

    std::string m_front_end = OSTREL_WITH_SFML ? "window" : "headless";
    std::string m_player_front_end;
    bool m_game_over;
    bool m_paused;
    int m_frame_time;
    int m_step_count;
    int m_frame_count;
};

} // namespace ostrel
