#include "screens/TitleScreen.h"

#include "player/BestRuns.h"
#include "player/GameFolders.h"

#include <ostrel/frontend/FrontEnds.h>
#include <ostrel/graphics/DisplayManager.h>

#include <vector>

namespace
{

// The two rows above the best run, free of the picture: what a day asks and what to click.
const float GOAL_ROW = 0.0f;
const float CLICK_ROW = 1.0f;
const float BEST_ROW = 2.0f;
// Under the picture: a kept file the game was not let read.
const float PROBLEM_ROW = 21.0f;
const float MOUSE_ROW = 22.0f;
const float KEYS_ROW = 23.0f;

} // namespace

TitleScreen::TitleScreen() : PictureScreen("text_title") {}

int TitleScreen::draw()
{
    Object::draw();
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    const float centre = getPosition().getX();
    display.drawString(ostrel::Vector(centre, GOAL_ROW),
                       "End each one-minute day holding at least the quota. Your money carries over.",
                       ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    display.drawString(ostrel::Vector(centre, CLICK_ROW),
                       "Click an empty plot to sow corn; click ripe corn to sell it.", ostrel::CENTER_JUSTIFIED,
                       ostrel::WHITE);
    const std::vector<RunRecord>& best = BestRuns::getInstance().getRuns();
    if (!best.empty())
    {
        display.drawString(ostrel::Vector(centre, BEST_ROW), "Best run: " + describeRun(best[0]),
                           ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    }
    const std::string problem = keptFilesProblem();
    if (!problem.empty())
    {
        display.drawString(ostrel::Vector(centre, PROBLEM_ROW), problem, ostrel::CENTER_JUSTIFIED, ostrel::YELLOW);
    }
    display.drawString(ostrel::Vector(centre, MOUSE_ROW),
                       "Click to sow, to harvest, to pick up watering cans, and to shoo pests.",
                       ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    // A browser's page cannot quit: there Q only ends a run.
    const std::string quit_key = ostrel::programCanQuit() ? "Q: quit" : "Q: end the run";
    display.drawString(ostrel::Vector(centre, KEYS_ROW),
                       "P or Esc: pause    M: sound    F11: full screen    " + quit_key, ostrel::CENTER_JUSTIFIED,
                       ostrel::WHITE);
    return 0;
}
