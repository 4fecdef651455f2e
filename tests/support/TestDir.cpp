#include "TestDir.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support
{

TestDir::TestDir(Contents contents) : m_previous(std::filesystem::current_path())
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ostrel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
    {
        throw std::runtime_error("cannot make a test folder");
    }
    m_path = pattern;
    if (contents != EMPTY)
    {
        std::filesystem::create_symlink(runDir() / "ostrel-font.ttf", m_path / "ostrel-font.ttf");
    }
    if (contents == GAME_DATA)
    {
        std::filesystem::create_symlink(runDir() / "icon.png", m_path / "icon.png");
        for (const char* folder : {"sprites", "sounds", "music"})
        {
            std::filesystem::create_directory_symlink(runDir() / folder, m_path / folder);
        }
    }
    std::filesystem::current_path(m_path);
}

TestDir::~TestDir()
{
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void TestDir::write(const std::string& name, const std::string& content) const
{
    const std::filesystem::path file = m_path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

std::string TestDir::read(const std::string& name) const
{
    std::ifstream file(m_path / name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::filesystem::path runDir()
{
    return GAME_RUN_DIR;
}

bool haveDisplay()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

} // namespace testing_support
