#pragma once

#include <ostrel/world/Object.h>

// Whether a run goes on (on the farm or in the shop): false on the title and game-over
// screens, and without a day keeper.
bool runInProgress();
// Whether a day on the farm goes on: false on the title, game-over and shop screens.
bool dayInProgress();

// Runs the game: SPACE on the title screen starts a run; each farm day lasts 1800 steps;
// a day that ends with the quota met opens the shop, where SPACE starts the next day; a
// missed quota ends the run on the game-over screen. Q or the window's close button quits at
// any moment (in a browser's page, which cannot quit, Q ends a run and shows the title again); F11 switches between
// full screen and a window. What it sets going lives beside it: the field in farm/FieldSpawner, the quota in run/Quota,
// the shop in shop/ShopLayout.
class DayKeeper : public ostrel::Object
{
public:
    DayKeeper();

    // Ends the run: day 0, no money, no quota, no upgrades.
    void reset();
    int getDay() const { return m_day; }
    void startDay();
    int getTicksLeft() const { return m_ticks_left; }
    bool isDayActive() const { return m_day_active; }
    bool isGameRunning() const { return m_game_running; }
    // Moves on to the next day: announces it and sets its quota.
    void incrementDay();
    void swapToShop();
    void swapToFarm();
    // Counts the day down; at its end, judges the quota.
    void step();
    // Records the run in progress as a quit leaves it: at the last day played (in the shop,
    // the day just finished), and not at all when it earned nothing on day 1.
    void keepRunOnQuit() const;
    // Ends the game at once, as Q does, keeping the run in progress first.
    void quit();
    // Where the program cannot quit: keeps the run in progress and shows the title again.
    // Nothing happens without a run.
    void leaveRun();

    int eventHandler(const ostrel::Event* event) override;
    // Draws nothing.
    int draw() override;

private:
    void startRun();
    void endRun();
    // Keeps the run in progress, as far as `day`, among the best runs if it makes them.
    void recordRun(int day) const;

    int m_day;
    int m_ticks_left;
    bool m_day_active;
    bool m_game_running;
};
