#include "DisplayHold.h"
#include "GameProcess.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

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
// records them again): each must still play to every checkpoint it noted. A change that
// alters the game's outcomes fails here until they are recorded again.
class GoldenReplay : public testing::TestWithParam<const char*>
{
};

TEST_P(GoldenReplay, MatchesEveryCheckpoint)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    const std::string recording = std::string(SOURCE_DIR) + "/tests/replays/" + GetParam() + ".txt";
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

INSTANTIATE_TEST_SUITE_P(Recorded, GoldenReplay, testing::Values("day-one", "field-work", "lost-run"),
                         [](const testing::TestParamInfo<const char*>& info)
                         {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
