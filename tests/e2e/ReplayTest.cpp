#include "DisplayHold.h"
#include "GameProcess.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using testing_support::TestDir;

namespace
{

// Runs the game without an X display, with the arguments, its output in out.txt and
// err.txt; its exit status, or -1.
int runGame(const std::string& arguments)
{
    const std::string command =
        std::string("env -u DISPLAY ") + CORNQUOTA_BINARY + " " + arguments + " >out.txt 2>err.txt </dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Replays the recording with --fast in a window; the exit status, or -1. Its stderr lands
// in stderr.txt. A busy machine may take a while to start the game: the replay's last words
// in the log are awaited first.
int replayFast(const std::string& recording, const std::string& last_words)
{
    std::filesystem::remove("ostrel.log");
    GameProcess game;
    if (!game.start({CORNQUOTA_BINARY, "--replay", recording, "--fast"}))
    {
        return -1;
    }
    fileSays("ostrel.log", last_words);
    return game.waitForExit();
}

} // namespace

// Whatever the command line asks that needs no play is answered before the engine starts:
// no window (there is no display here), and no log.
TEST(CommandLineOfTheGame, AnswersOrRefusesBeforeAnythingStarts)
{
    struct Case
    {
        std::string arguments;
        int status;
        std::string out;
        std::string err;
    };
    TestDir dir(TestDir::EMPTY);
    std::filesystem::create_directory("folder");
    dir.write("empty.txt", "");
    const Case cases[] = {
        {"--help", 0, "Usage: cornquota", ""},
        {"--version", 0, std::string("Corn Quota ") + CORNQUOTA_VERSION + "\n", ""},
        {"--bogus", 2, "", "cornquota: unknown option '--bogus'\n\nUsage: cornquota"},
        {"--seed 1e3", 2, "", "cornquota: bad seed '1e3'"},
        {"--record folder", 2, "", "cornquota: cannot write the recording 'folder': Is a directory"},
        {"--replay absent.txt", 2, "", "cornquota: absent.txt: cannot open: No such file or directory\n"},
        {"--replay empty.txt --fast", 2, "", "cornquota: empty.txt:0: empty: not a recording\n"},
        {"--replay folder", 2, "", "cornquota: folder is a folder, not a recording\n"},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(runGame(c.arguments), c.status) << c.arguments;
        EXPECT_EQ(dir.read("out.txt").substr(0, c.out.size()), c.out) << c.arguments;
        EXPECT_EQ(dir.read("err.txt").substr(0, c.err.size()), c.err) << c.arguments;
        EXPECT_FALSE(std::filesystem::exists("ostrel.log")) << c.arguments;
    }
}

// A run recorded through the real window replays to the same checkpoints, in a window of
// another size too; a recording whose checkpoint no longer matches fails at that step.
TEST(RecordAndReplay, ARecordedRunReplaysExactly)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    const DisplayHold hold;
    TestDir dir(TestDir::GAME_DATA);
    {
        GameProcess game;
        ASSERT_TRUE(game.start({CORNQUOTA_BINARY, "--record", "run.txt", "--seed", "11"}));
        ASSERT_TRUE(game.waitForWindow()) << dir.read("stderr.txt");
        ASSERT_TRUE(game.xdotool("key --window %w space"));
        ASSERT_TRUE(fileSays("run.txt", "key release SPACE")) << dir.read("stderr.txt") << dir.read("run.txt");
        // Sow the first three plots (cells 4, 10 and 16 of row 6) and wave over the field.
        for (const char* spot : {"51 192", "128 192", "205 192", "600 400"})
        {
            ASSERT_TRUE(game.xdotool(std::string("mousemove --window %w ") + spot + " click 1"));
        }
        ASSERT_TRUE(fileSays("run.txt", "300 check day=1")) << dir.read("stderr.txt") << dir.read("run.txt");
        // Pressed and released through the server, to the window under the pointer: the game
        // quits on the press, and a release sent to its window by id could find it gone.
        ASSERT_TRUE(game.xdotool("key q")) << dir.read("stderr.txt") << dir.read("run.txt");
        EXPECT_EQ(game.waitForExit(), 0) << dir.read("stderr.txt");
    }
    const std::string run = dir.read("run.txt");
    ASSERT_NE(run.find(" mouse click LEFT "), std::string::npos) << run;
    ASSERT_NE(run.find(" key press Q\nend\n"), std::string::npos)
        << "Q is the last input, after the last checkpoint; then the end line";

    EXPECT_EQ(replayFast("run.txt", "Replay: checkpoint 2 matched"), 0) << dir.read("stderr.txt");
    const std::size_t q_line = run.rfind('\n', run.find(" key press Q\nend\n")) + 1;
    const std::string last_step = run.substr(q_line, run.find(' ', q_line) - q_line);
    EXPECT_EQ(dir.read("stdout.txt"), "cornquota: replayed " + last_step + " steps; 2 of 2 checkpoints matched\n");

    {
        // Played in the window, stretched to another size: the same run, whose last frame
        // then holds until the viewer quits.
        std::filesystem::remove("ostrel.log");
        GameProcess game;
        ASSERT_TRUE(game.start({CORNQUOTA_BINARY, "--replay", "run.txt"}));
        ASSERT_TRUE(game.waitForWindow()) << dir.read("stderr.txt");
        ASSERT_TRUE(game.xdotool("windowsize --sync %w 1300 900"));
        ASSERT_TRUE(fileSays("ostrel.log", "Replay: the recording ends at step"))
            << dir.read("stderr.txt") << dir.read("ostrel.log");
        EXPECT_NE(dir.read("ostrel.log").find("Replay: checkpoint 2 matched"), std::string::npos);
        ASSERT_TRUE(game.xdotool("key q"));
        EXPECT_EQ(game.waitForExit(), 0) << "the viewer's Q ends the replay";
        EXPECT_EQ(dir.read("stderr.txt").find("left the recorded run"), std::string::npos) << dir.read("stderr.txt");
    }

    // Cut at a line, as when the game is killed: all of it plays, then the replay fails.
    dir.write("cut.txt", run.substr(0, q_line));
    EXPECT_EQ(replayFast("cut.txt", "Replay: the recording ends at step"), 1);
    EXPECT_NE(
        dir.read("stderr.txt")
            .find("cornquota: cut.txt: the recording ends early: it was cut short after step " + last_step + "\n"),
        std::string::npos)
        << dir.read("stderr.txt");
    EXPECT_NE(dir.read("stdout.txt").find(" 2 of 2 checkpoints matched\n"), std::string::npos);

    // The money noted at step 300 was not what the game held.
    const std::string noted = "300 check day=1 money=";
    const std::size_t at = run.find(noted) + noted.size();
    const std::string money = run.substr(at, run.find(' ', at) - at);
    std::string changed = run;
    changed.insert(at, "9");
    dir.write("changed.txt", changed);
    EXPECT_EQ(replayFast("changed.txt", "the replay left the recorded run"), 1);
    const std::string line = std::to_string(std::count(run.begin(), run.begin() + static_cast<long>(at), '\n') + 1);
    const std::string message = "changed.txt:" + line + ": the replay left the recorded run at step 300: money " +
                                money + " (recorded 9" + money + ")\n";
    EXPECT_NE(dir.read("stderr.txt").find(message), std::string::npos) << dir.read("stderr.txt");
}
