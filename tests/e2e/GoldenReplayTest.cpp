#include "DisplayHold.h"
#include "GameProcess.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

using testing_support::TestDir;

namespace
{

std::string readFile(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// How many checkpoints the recording notes.
int countCheckpoints(const std::string& recording)
{
    std::istringstream lines(recording);
    int count = 0;
    for (std::string line; std::getline(lines, line);)
    {
        count += line.find(" check ") != std::string::npos;
    }
    return count;
}

} // namespace

// Real runs, played through the window and kept in tests/replays/ (scripts/record-golden
// records them again): each must still play to every checkpoint it noted, in the window and
// on the headless front end with no display. A change that alters the game's outcomes fails
// here until they are recorded again.
class GoldenReplay : public testing::TestWithParam<std::tuple<const char*, const char*>>
{
};

TEST_P(GoldenReplay, MatchesEveryCheckpoint)
{
    const std::string front_end = std::get<1>(GetParam());
    if (front_end == "headless")
    {
        setenv("OSTREL_FRONT_END", "headless", 1);
        unsetenv("DISPLAY");
    }
    else if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    const std::string recording = std::string(SOURCE_DIR) + "/tests/replays/" + std::get<0>(GetParam()) + ".txt";
    const int checkpoints = countCheckpoints(readFile(recording));
    ASSERT_GT(checkpoints, 0) << recording << " notes no checkpoint";

    const DisplayHold hold;
    TestDir dir(TestDir::GAME_DATA);
    GameProcess game;
    ASSERT_TRUE(game.start({CORNQUOTA_BINARY, "--replay", recording, "--fast"}));
    // A long run under the sanitizers on a loaded machine takes a while.
    EXPECT_EQ(game.waitForExit(std::chrono::seconds(110)), 0) << dir.read("stderr.txt");
    // Recorded before recordings had an end line: they play, and say they cannot be checked.
    if (readFile(recording).rfind("ostrel-recording 1\n", 0) == 0)
    {
        EXPECT_NE(dir.read("stderr.txt").find("warning: format version 1 has no end line"), std::string::npos)
            << dir.read("stderr.txt");
    }
    // Every checkpoint was compared: a replay that stopped early matched fewer.
    const std::string log = dir.read("ostrel.log");
    const std::string last = "Replay: checkpoint " + std::to_string(checkpoints) + " matched";
    EXPECT_TRUE(log.find(last) != std::string::npos) << "the log never says \"" << last << "\"; it ends:\n"
                                                     << log.substr(log.size() > 2000 ? log.size() - 2000 : 0);
}

INSTANTIATE_TEST_SUITE_P(Recorded, GoldenReplay,
                         testing::Combine(testing::Values("day-one", "field-work", "lost-run"),
                                          testing::Values("window", "headless")),
                         [](const testing::TestParamInfo<std::tuple<const char*, const char*>>& info)
                         {
                             std::string name = std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
