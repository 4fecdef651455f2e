#include "player/Settings.h"

#include <sstream>

namespace
{

const char* const HEADER = "# Corn Quota: the player's settings.\n";
const char* const VERSION = "version 1";
// The last line: a file without it was cut short.
const char* const END = "end";

} // namespace

Settings& Settings::getInstance()
{
    static Settings single;
    return single;
}

void Settings::open(const std::filesystem::path& folder)
{
    close();
    m_file = PlayerFile(folder / "settings.txt");
    m_file.load([this](const std::string& text) { return parse(text); });
}

void Settings::close()
{
    m_file = PlayerFile();
    m_muted = false;
}

void Settings::setMuted(bool muted)
{
    m_muted = muted;
    m_file.save(format());
}

std::string Settings::format() const
{
    return std::string(HEADER) + VERSION + "\nmuted " + (m_muted ? "yes" : "no") + "\n" + END + "\n";
}

bool Settings::parse(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    const auto next = [&]()
    {
        while (std::getline(lines, line))
        {
            if (!line.empty() && line[0] != '#')
            {
                return true;
            }
        }
        return false;
    };
    if (!next() || line != VERSION || !next() || (line != "muted yes" && line != "muted no"))
    {
        return false;
    }
    const bool muted = line == "muted yes";
    if (!next() || line != END || next())
    {
        return false;
    }
    m_muted = muted;
    return true;
}
