// Corn Quota: grow corn, meet the quota, buy upgrades, and do it again tomorrow.
#include "GameFolders.h"
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

    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        ostrel::LogManager::getInstance().writeLog("Error starting game manager!");
        game.shutDown();
        return 1;
    }
    loadResources();
    openPlayerFiles();
    createStartObjects();

    // The game ends from its quit key, inside the loop, with exit(0).
    game.run();
    return 0;
}
