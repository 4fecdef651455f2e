#include "player/GameFolders.h"

#include "player/BestRuns.h"
#include "player/Settings.h"

#include <ostrel/core/LogManager.h>
#include <ostrel/system/UserFolders.h>

namespace
{

const char* const APP = "cornquota";

} // namespace

std::filesystem::path settingsFolder()
{
    return ostrel::userConfigFolder(APP);
}

std::filesystem::path recordsFolder()
{
    return ostrel::userStateFolder(APP);
}

void openPlayerFiles()
{
    const std::filesystem::path settings = settingsFolder();
    const std::filesystem::path records = recordsFolder();
    if (settings.empty() || records.empty())
    {
        ostrel::LogManager::getInstance().writeLog("No home folder: settings and records are not kept.");
        return;
    }
    ostrel::LogManager::getInstance().writeLog("Settings kept in '%s', records in '%s'.", settings.c_str(),
                                               records.c_str());
    Settings::getInstance().open(settings);
    BestRuns::getInstance().open(records);
}
