// Corn Quota: grow corn, meet the quota, buy upgrades, and do it again tomorrow.
#include "DisplayManager.h"
#include "GameManager.h"
#include "LogManager.h"
#include "ResourceManifest.h"
#include "StartObjects.h"

#include <cstdlib>
#include <ctime>

int main(int, char**)
{
    ostrel::LogManager::getInstance().setFlush(true);
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    // Set before the window opens: scripts and window lists find the game by its title.
    ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    display.setTitle("Corn Quota");
    const bool have_icon = display.setIcon("icon.png") == 0;

    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        ostrel::LogManager::getInstance().writeLog("Error starting game manager!");
        game.shutDown();
        return 1;
    }
    if (!have_icon)
    {
        ostrel::LogManager::getInstance().writeLog("Could not read the window icon \"icon.png\": playing without it.");
    }
    loadResources();
    createStartObjects();

    // The game ends from its quit key or the window's close button, inside the loop, with exit(0).
    game.run();
    return 0;
}
