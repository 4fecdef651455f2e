#include "DisplayHold.h"
#include "GameProcess.h"
#include "TestDir.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <pwd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

using testing_support::TestDir;

namespace
{

const std::string RECORDS = std::string(GAME_STATE_HOME) + "/cornquota/records.txt";
const std::string SETTINGS = std::string(GAME_CONFIG_HOME) + "/cornquota/settings.txt";

// Starts a run, turns the sound off and quits: the exit status.
int playMuteAndQuit(GameProcess& game, const TestDir& dir)
{
    if (!game.start(CORNQUOTA_BINARY) || !game.waitForWindow())
    {
        ADD_FAILURE() << dir.read("stderr.txt");
        return -1;
    }
    game.xdotool("key space sleep 0.3 key m sleep 0.3 key q");
    return game.waitForExit();
}

} // namespace

// The window losing the focus pauses the day: the screen stands still until P goes on. Q
// then quits; the run, which earned nothing on day 1, is not kept in the records.
TEST(PauseAndRecords, LosingTheFocusPausesTheRealGame)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    const DisplayHold hold;
    TestDir dir(TestDir::GAME_DATA);
    GameProcess game;
    ASSERT_TRUE(game.start(CORNQUOTA_BINARY));
    ASSERT_TRUE(game.waitForWindow()) << dir.read("stderr.txt");
    ASSERT_TRUE(game.xdotool("mousemove --window %w 900 700 key space"));
    // The root window takes the focus, as when the player turns to another window.
    ASSERT_TRUE(game.xdotool("sleep 0.5 windowfocus $(xdotool search --maxdepth 0 --name '' | head -1)"));
    ASSERT_TRUE(fileSays("ostrel.log", "Paused.")) << dir.read("ostrel.log");

    // A running day's clock changes the screen within a second; a paused one never does.
    Image first;
    Image later;
    ASSERT_TRUE(game.screenshot("first.ppm") && first.load("first.ppm"));
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    ASSERT_TRUE(game.screenshot("later.ppm") && later.load("later.ppm"));
    EXPECT_EQ(first.pixels, later.pixels);

    ASSERT_TRUE(game.xdotool("windowfocus %w sleep 0.3 key p"));
    EXPECT_TRUE(fileSays("ostrel.log", "Going on.")) << dir.read("ostrel.log");
    ASSERT_TRUE(game.xdotool("key q"));
    EXPECT_EQ(game.waitForExit(), 0);
    EXPECT_FALSE(std::filesystem::exists(RECORDS)) << "a run quit with nothing earned is not kept";
}

// A corrupt records file is kept aside; the mute is kept across
// launches; where the folders cannot be made the game plays and quits as ever.
TEST(PauseAndRecords, KeptFilesNeverStopTheGame)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    const DisplayHold hold;
    TestDir dir(TestDir::GAME_DATA);
    dir.write(RECORDS, "version 1\n2026-12-07 day 3 money");
    {
        GameProcess game;
        EXPECT_EQ(playMuteAndQuit(game, dir), 0);
    }
    EXPECT_EQ(dir.read(RECORDS + ".bad"), "version 1\n2026-12-07 day 3 money");
    EXPECT_FALSE(std::filesystem::exists(RECORDS)) << "set aside, and no run to keep: " << dir.read(RECORDS);
    EXPECT_NE(dir.read(SETTINGS).find("\nmuted yes\n"), std::string::npos) << dir.read(SETTINGS);
    {
        GameProcess game;
        EXPECT_EQ(playMuteAndQuit(game, dir), 0);
    }
    EXPECT_NE(dir.read(SETTINGS).find("\nmuted no\n"), std::string::npos) << "read back, then turned on again";

    std::filesystem::remove_all(GAME_CONFIG_HOME);
    std::filesystem::remove_all(GAME_STATE_HOME);
    dir.write(GAME_CONFIG_HOME, "a file where the folder should be\n");
    dir.write(GAME_STATE_HOME, "a file where the folder should be\n");
    {
        GameProcess game;
        EXPECT_EQ(playMuteAndQuit(game, dir), 0);
    }
    const std::string state = (dir.path() / GAME_STATE_HOME).string();
    EXPECT_NE(dir.read("stderr.txt")
                  .find("cornquota: '" + state + "' is a file, not a folder: records are not kept this launch\n"),
              std::string::npos)
        << dir.read("stderr.txt");
    EXPECT_NE(dir.read("ostrel.log").find("'" + state + "' is a file, not a folder: records are not kept"),
              std::string::npos)
        << dir.read("ostrel.log");
    EXPECT_NE(dir.read("ostrel.log").find("'settings.txt' is not kept."), std::string::npos);
    EXPECT_EQ(dir.read(GAME_STATE_HOME), "a file where the folder should be\n");
}

// A records file the player's game may not read is left as it is, and the title says why in
// yellow under its picture (row 21). Run as an unprivileged user: root reads any file.
TEST(PauseAndRecords, ARecordsFileThatMayNotBeReadIsLeftAloneAndTheTitleSaysSo)
{
    namespace fs = std::filesystem;
    // The test's own display (scripts/with-display) lets every local client in.
    if (!getpwnam("nobody") || !testing_support::haveDisplay() ||
        std::system("command -v setpriv >/dev/null 2>&1") != 0)
    {
        GTEST_SKIP() << "no unprivileged user, display or setpriv";
    }
    const DisplayHold hold;
    TestDir dir(TestDir::GAME_DATA);
    const std::string records = "version 2\n2026-12-01 day 4 money 300 seed 8\nend\n";
    dir.write(RECORDS, records);
    for (const fs::path& folder :
         {dir.path(), dir.path() / GAME_STATE_HOME, dir.path() / GAME_STATE_HOME / "cornquota"})
    {
        fs::permissions(folder, fs::perms::all);
    }
    fs::permissions(RECORDS, fs::perms::none);
    GameProcess game;
    ASSERT_TRUE(game.start({"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", CORNQUOTA_BINARY}));
    ASSERT_TRUE(game.waitForWindow()) << dir.read("stderr.txt");
    ASSERT_TRUE(fileSays("ostrel.log", "records.txt' cannot be read (Permission denied): it is left alone"))
        << dir.read("ostrel.log");
    const auto yellowInRow21 = [&game]
    {
        Image image;
        return game.screenshot("title.ppm") && image.load("title.ppm")
                   ? image.count(0, 21 * 32, 1024, 22 * 32,
                                 [](unsigned char r, unsigned char g, unsigned char b)
                                 { return r > 200 && g > 200 && b < 80; })
                   : 0;
    };
    EXPECT_TRUE(testing_support::waitUntil(std::chrono::seconds(30), [&] { return yellowInRow21() > 0; }));
    ASSERT_TRUE(game.xdotool("key space sleep 0.3 key q"));
    EXPECT_EQ(game.waitForExit(), 0) << dir.read("stderr.txt");
    fs::permissions(RECORDS, fs::perms::owner_read);
    EXPECT_EQ(dir.read(RECORDS), records);
    EXPECT_FALSE(fs::exists(RECORDS + ".bad"));
}
