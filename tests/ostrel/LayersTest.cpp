#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{

// The engine's folders, top to bottom, as docs/engine.md draws them under "The layers".
std::vector<std::string> readStack(const fs::path& guide)
{
    std::ifstream file(guide);
    std::string line;
    while (std::getline(file, line) && line != "### The layers, top to bottom")
    {
    }
    while (std::getline(file, line) && line != "```")
    {
    }
    std::vector<std::string> stack;
    while (std::getline(file, line) && line != "```")
    {
        stack.push_back(line.substr(0, line.find(' ')));
    }
    return stack;
}

} // namespace

// Every #include of the engine, public headers and sources alike, names a folder at or below
// the including file's own; a folder missing from the drawing fails too.
TEST(Layers, EveryIncludeRunsDownTheStack)
{
    const fs::path root = fs::path(SOURCE_DIR) / "ostrel";
    const std::vector<std::string> stack = readStack(fs::path(SOURCE_DIR) / "docs" / "engine.md");
    ASSERT_GE(stack.size(), 2u) << "docs/engine.md draws no stack under \"The layers, top to bottom\"";
    std::map<std::string, std::size_t> height;
    std::string drawn;
    for (std::size_t i = 0; i < stack.size(); ++i)
    {
        height[stack[i]] = stack.size() - i;
        drawn += (i ? " > " : "") + stack[i];
    }
    std::printf("[ layers ] top to bottom: %s\n", drawn.c_str());

    const std::regex include(R"(^\s*#\s*include\s*[<"](?:ostrel/)?([a-z]+)/)");
    std::ostringstream faults;
    int files = 0;
    for (const fs::path& base : {root / "src", root / "include" / "ostrel"})
    {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(base))
        {
            const fs::path relative = fs::relative(entry.path(), base);
            if (!entry.is_regular_file() || relative.begin() == std::prev(relative.end()))
            {
                continue; // files outside any folder: Version.h, Config.h
            }
            const std::string folder = relative.begin()->string();
            const std::string name = fs::relative(entry.path(), fs::path(SOURCE_DIR)).string();
            if (height.count(folder) == 0)
            {
                faults << name << ": folder '" << folder << "' is not in the stack\n";
                continue;
            }
            ++files;
            std::ifstream file(entry.path());
            std::string line;
            for (int number = 1; std::getline(file, line); ++number)
            {
                std::smatch match;
                if (std::regex_search(line, match, include) && height.count(match[1]) != 0 &&
                    height[match[1]] > height[folder])
                {
                    faults << name << ":" << number << ": " << folder << " includes " << match[1]
                           << ", which is above it: " << line << "\n";
                }
            }
        }
    }
    std::printf("[ layers ] %d files read\n", files);
    EXPECT_GT(files, 50);
    EXPECT_EQ(faults.str(), "") << "the stack, top to bottom: " << drawn;
}
