#include "player/GameFolders.h"

#include "player/BestRuns.h"
#include "player/Settings.h"

#include <ostrel/core/LogManager.h>
#include <ostrel/system/UserFolders.h>

#include <iostream>

namespace
{

const char* const APP = "cornquota";

// The file that stands where the folder or one of its parents should be, or empty.
std::filesystem::path fileInTheWay(const std::filesystem::path& folder)
{
    for (std::filesystem::path at = folder; !at.empty(); at = at.parent_path())
    {
        std::error_code ignored;
        const std::filesystem::file_status status = std::filesystem::status(at, ignored);
        if (std::filesystem::exists(status))
        {
            return std::filesystem::is_directory(status) ? std::filesystem::path() : at;
        }
        if (at == at.parent_path())
        {
            break;
        }
    }
    return {};
}

// Says once, on stderr and in the log, that nothing is kept in a folder a file stands in for.
void warnOfFileInTheWay(const std::filesystem::path& folder, const char* what)
{
    const std::filesystem::path file = fileInTheWay(folder);
    if (file.empty())
    {
        return;
    }
    std::cerr << "cornquota: '" << file.string() << "' is a file, not a folder: " << what
              << " are not kept this launch\n";
    ostrel::LogManager::getInstance().writeLog("'%s' is a file, not a folder: %s are not kept this launch.",
                                               file.c_str(), what);
}

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
    warnOfFileInTheWay(settings, "settings");
    warnOfFileInTheWay(records, "records");
    Settings::getInstance().open(settings);
    BestRuns::getInstance().open(records);
}

std::string keptFilesProblem()
{
    std::string names;
    std::string reason;
    for (const PlayerFile* file : {&Settings::getInstance().getFile(), &BestRuns::getInstance().getFile()})
    {
        if (!file->getDenial().empty())
        {
            names += (names.empty() ? "" : " and ") + file->getPath().filename().string();
            reason = file->getDenial();
        }
    }
    return names.empty() ? "" : names + ": " + reason + "; not kept this launch.";
}
