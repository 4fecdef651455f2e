#include "ostrel/loop/WebLoop.h"

#include "ostrel/loop/GameManager.h"

#include <emscripten.h>

namespace ostrel
{

namespace
{

// Frames owed after a long gap (a hidden tab gets no animation frames) are forgotten beyond
// this many, so that the game does not race to catch up.
const int MOST_FRAMES_OWED = 4;

double g_last_time = 0.0;
double g_owed_ms = 0.0;

void animationFrame()
{
    GameManager& game = GameManager::getInstance();
    const double now = emscripten_get_now();
    const double frame_time = game.getFrameTime() > 0 ? game.getFrameTime() : FRAME_TIME_DEFAULT;
    g_owed_ms += now - g_last_time;
    g_last_time = now;
    if (g_owed_ms > MOST_FRAMES_OWED * frame_time)
    {
        g_owed_ms = MOST_FRAMES_OWED * frame_time;
    }
    while (g_owed_ms >= frame_time && !game.getGameOver())
    {
        game.runFrame();
        g_owed_ms -= frame_time;
    }
    if (game.getGameOver())
    {
        emscripten_cancel_main_loop();
        game.shutDown();
    }
}

} // namespace

void runWebLoop()
{
    g_last_time = emscripten_get_now();
    // The first frame runs at once, so the page shows the game as soon as it can.
    g_owed_ms = GameManager::getInstance().getFrameTime();
    emscripten_set_main_loop(animationFrame, 0, 1);
}

} // namespace ostrel
