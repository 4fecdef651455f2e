#pragma once

#include <filesystem>
#include <string>

namespace testing_support
{

// A fresh, empty working folder for one test: the log, sprite files and anything else a
// test writes land there, so tests never see each other's files. The constructor changes
// into it; the destructor changes back and removes it.
class TestDir
{
public:
    enum Contents
    {
        EMPTY,     // nothing at all
        FONT,      // the font the display reads
        GAME_DATA, // the font and the game's icon, sprites, sounds and music
    };

    explicit TestDir(Contents contents = FONT);
    ~TestDir();

    TestDir(const TestDir&) = delete;
    TestDir& operator=(const TestDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // Writes a file (relative to the folder), creating its parent folders.
    void write(const std::string& name, const std::string& content) const;
    // The whole content of a file, or "" if it cannot be read.
    std::string read(const std::string& name) const;

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

// The folder the build assembles for the game to run in.
std::filesystem::path runDir();
// True when an X display is there to open windows on.
bool haveDisplay();

} // namespace testing_support
