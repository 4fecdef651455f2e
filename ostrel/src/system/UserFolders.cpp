#include "ostrel/system/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace ostrel
{

namespace
{

std::filesystem::path homeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
    {
        return home;
    }
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? std::filesystem::path(user->pw_dir) : std::filesystem::path();
}

std::filesystem::path xdgFolder(const char* variable, const char* fallback, const std::string& app)
{
    const char* value = std::getenv(variable);
    if (value && std::filesystem::path(value).is_absolute())
    {
        return std::filesystem::path(value) / app;
    }
    const std::filesystem::path home = homeFolder();
    return home.empty() ? home : home / fallback / app;
}

} // namespace

std::filesystem::path userConfigFolder(const std::string& app)
{
    return xdgFolder("XDG_CONFIG_HOME", ".config", app);
}

std::filesystem::path userStateFolder(const std::string& app)
{
    return xdgFolder("XDG_STATE_HOME", ".local/state", app);
}

} // namespace ostrel
