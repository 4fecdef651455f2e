#pragma once

#include "ostrel/core/Manager.h"

#include <cstdint>

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
    // tried whatever the earlier ones returned. 0 if all started, else -1.
    int startUp() override;
    // Stops them in reverse order and sets the game over.
    void shutDown() override;

    // Runs frames until the game is over; the frame in progress always completes.
    void run();

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

    bool m_game_over;
    bool m_paused;
    int m_frame_time;
    int m_step_count;
    int m_frame_count;
};

} // namespace ostrel
