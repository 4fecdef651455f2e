#include "screens/GameOverScreen.h"

#include "player/BestRuns.h"
#include "run/PlayedRun.h"

#include <ostrel/frontend/FrontEnds.h>
#include <ostrel/graphics/DisplayManager.h>

#include <string>

namespace
{

// The rows below the picture's own line, "The quota was not met.".
const float SUMMARY_ROW = 20.0f;
const float BEST_ROW = 21.0f;
const float KEYS_ROW = 22.0f;

} // namespace

GameOverScreen::GameOverScreen(RunSummary summary)
    : PictureScreen("text_gameover"), m_summary(summary),
      m_against_best(BestRuns::getInstance().lastRunAgainstTheBest())
{
    setType("GameOverScreen");
}

int GameOverScreen::draw()
{
    Object::draw();
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    const float centre = getPosition().getX();
    std::string summary = "You reached day " + std::to_string(m_summary.day) + " and earned $" +
                          std::to_string(m_summary.earned) + " over the run.";
    if (m_summary.quota > 0)
    {
        summary += " You had $" + std::to_string(m_summary.held) + " of $" + std::to_string(m_summary.quota) + ".";
    }
    if (!ostrel::programCanQuit())
    {
        // In a browser the seed is what a player shares to let others play the same field.
        summary += " Seed " + std::to_string(playedSeed()) + ".";
    }
    display.drawString(ostrel::Vector(centre, SUMMARY_ROW), summary, ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    display.drawString(ostrel::Vector(centre, BEST_ROW), m_against_best, ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    display.drawString(ostrel::Vector(centre, KEYS_ROW),
                       ostrel::programCanQuit() ? "Press SPACE to play again, or Q to quit."
                                                : "Press SPACE to play again.",
                       ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    return 0;
}
