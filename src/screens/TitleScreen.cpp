#include "screens/TitleScreen.h"

#include "player/BestRuns.h"
#include "player/GameFolders.h"

#include <ostrel/graphics/DisplayManager.h>

#include <vector>

namespace
{

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
                       "Click to sow, to harvest, to pick up water and fertilizer, and to shoo pests.",
                       ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    display.drawString(ostrel::Vector(centre, KEYS_ROW), "P or Esc: pause    M: sound    F11: full screen    Q: quit",
                       ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    return 0;
}
