#include "ostrel/loop/WebLoop.h"

#include "ostrel/graphics/DisplayManager.h"
#include "ostrel/loop/GameManager.h"

#include <emscripten.h>

namespace ostrel
{

namespace
{

// Frames owed after a long gap (a hidden tab gets no animation frames) are forgotten beyond
// this many, so that the game does not race to catch up.
const int MOST_FRAMES_OWED = 4;

// Asking for animation frames keeps the browser's compositor busy even when nothing is drawn.
// So once the picture stands still the loop runs on a timer instead, every STILL_WAKE_MS
// running the frames owed (the game's step stays the same); a frame that changes the picture,
// or the player's input, brings the animation frames back. A change the timer runs is shown
// up to a wake late: fine for a lone change (a blink, a clock's tick), a stutter in motion.
// So the timer waits for STILL_FRAMES_FOR_TIMER unchanged frames after a lone change, and
// for MOTION_FRAMES after changes that came closer together than that.
const int STILL_FRAMES_FOR_TIMER = 3;
const int MOTION_FRAMES = 10;
const int STILL_WAKE_MS = 100;

double g_last_time = 0.0;
double g_owed_ms = 0.0;
int g_still_frames = 0;
// The unchanged frames before the last change: how far apart the changes come.
int g_last_still_frames = 0;
unsigned g_overlay_version = 0;
bool g_on_timer = false;
bool g_running = false;
int g_wakes = 0;

// clang-format off
EM_JS(void, webLoopListen, (), {
    ['keydown', 'keyup', 'mousedown', 'mousemove', 'touchstart', 'focus', 'blur', 'visibilitychange']
        .forEach(function(type) {
            window.addEventListener(type, function() { Module['_ostrelWakeWebLoop'](); }, true);
        });
});

// What the loop runs on, and how often input woke it, shown to the page.
EM_JS(void, webLoopShow, (int on_timer, int wakes), {
    Module.ostrelLoop = {onTimer: !!on_timer, wakes: wakes};
});
// clang-format on

void useAnimationFrames(bool animation_frames)
{
    g_on_timer = !animation_frames;
    if (animation_frames)
    {
        emscripten_set_main_loop_timing(EM_TIMING_RAF, 1);
    }
    else
    {
        emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, STILL_WAKE_MS);
    }
    webLoopShow(g_on_timer ? 1 : 0, g_wakes);
}

// Counts the frames in a row that left the picture, overlay included, as it was.
void noteFrameShown()
{
    const DisplayManager& display = DisplayManager::getInstance();
    const unsigned overlay_version = display.getOverlay().getVersion();
    if (display.getGrid().isShownUnchanged() && overlay_version == g_overlay_version)
    {
        ++g_still_frames;
    }
    else
    {
        g_last_still_frames = g_still_frames;
        g_still_frames = 0;
    }
    g_overlay_version = overlay_version;
}

bool standsStill()
{
    return g_still_frames >= (g_last_still_frames >= MOTION_FRAMES ? STILL_FRAMES_FOR_TIMER : MOTION_FRAMES);
}

void loopCallback()
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
        noteFrameShown();
        g_owed_ms -= frame_time;
    }
    if (game.getGameOver())
    {
        g_running = false;
        emscripten_cancel_main_loop();
        game.shutDown();
        return;
    }
    const bool still = standsStill();
    if (still != g_on_timer)
    {
        useAnimationFrames(!still);
    }
}

} // namespace

void runWebLoop()
{
    g_last_time = emscripten_get_now();
    // The first frame runs at once, so the page shows the game as soon as it can.
    g_owed_ms = GameManager::getInstance().getFrameTime();
    g_running = true;
    webLoopListen();
    webLoopShow(0, 0);
    emscripten_set_main_loop(loopCallback, 0, 1);
}

} // namespace ostrel

// Called by the page on the player's input: input is answered on the next animation frame,
// not at the timer's next wake.
extern "C" EMSCRIPTEN_KEEPALIVE void ostrelWakeWebLoop()
{
    if (ostrel::g_running && ostrel::g_on_timer)
    {
        // The player is at work: what follows may well move.
        ostrel::g_still_frames = 0;
        ostrel::g_last_still_frames = 0;
        ++ostrel::g_wakes;
        emscripten_pause_main_loop();
        ostrel::useAnimationFrames(true);
        emscripten_resume_main_loop();
    }
}
