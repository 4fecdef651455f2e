#include "ostrel/graphics/FontSearch.h"

#include "ostrel/graphics/DisplayManager.h"

#include <filesystem>
#include <system_error>

namespace ostrel
{

std::vector<std::string> fontSearchPath(const std::string& named)
{
    std::vector<std::string> path;
    if (!named.empty())
    {
        path.push_back(named);
    }
    path.push_back(FONT_FILE_DEFAULT);
    path.push_back(OSTREL_INSTALLED_FONT_FILE);
    return path;
}

std::string findFontFile(const std::string& named)
{
    for (const std::string& file : fontSearchPath(named))
    {
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error))
        {
            return file;
        }
    }
    return "";
}

} // namespace ostrel
