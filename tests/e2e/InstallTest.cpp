#include "GameProcess.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

using testing_support::TestDir;
namespace fs = std::filesystem;

namespace
{

// Installs the build into a fresh prefix inside the test's folder.
bool install(const fs::path& prefix)
{
    const std::string command =
        std::string(CMAKE_COMMAND) + " --install " + BUILD_DIR + " --prefix " + prefix.string() + " >install.txt 2>&1";
    return std::system(command.c_str()) == 0;
}

} // namespace

// An install runs from any folder, and never writes into its install folder, even where
// it may: the launcher starts the game in the player's state folder. A relative
// XDG_STATE_HOME is invalid, so the default under HOME is used. Arguments reach the game,
// a relative recording path meant from the starting folder.
TEST(Install, TheLauncherStartsTheGameFromAnotherFolder)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::EMPTY);
    const fs::path prefix = dir.path() / "prefix";
    ASSERT_TRUE(install(prefix)) << dir.read("install.txt");
    for (const char* file : {"share/cornquota/cornquota", "share/cornquota/ostrel-font.ttf", "share/cornquota/icon.png",
                             "share/cornquota/sprites/text/title.txt", "share/cornquota/music/pumpkin_lounge.mp3",
                             "share/icons/hicolor/scalable/apps/cornquota.svg",
                             "share/metainfo/org.cornquota.CornQuota.metainfo.xml", "share/man/man6/cornquota.6"})
    {
        EXPECT_TRUE(fs::exists(prefix / file)) << file;
    }

    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    const fs::path home = dir.path() / "home";
    GameProcess game;
    EXPECT_EQ(playAndQuit(game, {"env", "HOME=" + home.string(), "XDG_STATE_HOME=state",
                                 (prefix / "bin/cornquota").string(), "--record", "run.txt"}),
              0)
        << dir.read("stderr.txt");
    const std::string log = dir.read("home/.local/state/cornquota/ostrel.log");
    EXPECT_EQ(log.rfind("LogManager started\n", 0), 0u);
    EXPECT_NE(log.find("Music 'lounge' loaded."), std::string::npos);
    EXPECT_FALSE(fs::exists(prefix / "share/cornquota/ostrel.log")) << "not in the install folder";
    EXPECT_FALSE(fs::exists("ostrel.log")) << "not where it was started from";
    EXPECT_FALSE(fs::exists("state"));
    EXPECT_EQ(dir.read("elsewhere/run.txt").rfind("ostrel-recording 3\n", 0), 0u) << "recorded where it was started";
}

// Where a file stands in the place of the state folder, the launcher still starts the game,
// in a folder of its own that it removes afterwards; the game says once what it cannot keep.
TEST(Install, AFileInPlaceOfTheStateFolderStillPlays)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::EMPTY);
    const fs::path prefix = dir.path() / "prefix";
    ASSERT_TRUE(install(prefix)) << dir.read("install.txt");
    const fs::path state = dir.path() / "state";
    dir.write("state/cornquota", "not a folder\n");
    fs::create_directory("tmp");
    GameProcess game;
    EXPECT_EQ(playAndQuit(game, {"env", "HOME=" + dir.path().string(), "XDG_STATE_HOME=" + state.string(),
                                 "TMPDIR=" + (dir.path() / "tmp").string(), (prefix / "bin/cornquota").string()}),
              0)
        << dir.read("stderr.txt");
    EXPECT_EQ(dir.read("state/cornquota"), "not a folder\n");
    const std::string err = dir.read("stderr.txt");
    const std::string line = "cornquota: '" + (state / "cornquota").string() +
                             "' is a file, not a folder: records are not kept this launch\n";
    EXPECT_NE(err.find(line), std::string::npos) << err;
    EXPECT_EQ(err.find("cornquota:"), err.find(line)) << "one line: " << err;
    // Only the launcher's own folder counts: libraries may leave theirs in TMPDIR too.
    bool launcher_folder_left = false;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.path() / "tmp"))
    {
        launcher_folder_left = launcher_folder_left || entry.path().filename().string().rfind("cornquota.", 0) == 0;
    }
    EXPECT_FALSE(launcher_folder_left) << "the game's folder is gone";
}

// A player who cannot write the install folder runs the game just the same, in their own
// state folder with links to the installed data.
TEST(Install, APlayerWhoCannotWriteTheInstallGetsAFolderOfTheirOwn)
{
    const passwd* nobody = getpwnam("nobody");
    // The test's own display (scripts/with-display) lets every local client in.
    if (!nobody || !testing_support::haveDisplay() || std::system("command -v setpriv >/dev/null 2>&1") != 0)
    {
        GTEST_SKIP() << "no unprivileged user, display or setpriv";
    }
    TestDir dir(TestDir::EMPTY);
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    const fs::path prefix = dir.path() / "prefix";
    ASSERT_TRUE(install(prefix)) << dir.read("install.txt");
    const fs::path home = dir.path() / "home";
    fs::create_directory(home);
    ASSERT_EQ(chown(home.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    fs::current_path(home);

    GameProcess game;
    const std::string state = (home / "state").string();
    EXPECT_EQ(
        playAndQuit(game, {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "env",
                           "HOME=" + home.string(), "XDG_STATE_HOME=" + state, (prefix / "bin/cornquota").string()}),
        0)
        << dir.read("stderr.txt");
    const fs::path folder = home / "state/cornquota";
    EXPECT_TRUE(fs::is_symlink(folder / "sprites"));
    EXPECT_EQ(fs::read_symlink(folder / "sprites"), fs::canonical(prefix / "share/cornquota/sprites"));
    EXPECT_NE(dir.read("home/state/cornquota/ostrel.log").find("Sprite 'text_title' loaded."), std::string::npos);
    EXPECT_FALSE(fs::exists(prefix / "share/cornquota/ostrel.log"));
}

TEST(Install, TheDesktopEntryIsValid)
{
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
    {
        GTEST_SKIP() << "desktop-file-validate missing";
    }
    TestDir dir(TestDir::EMPTY);
    const fs::path prefix = dir.path() / "prefix";
    ASSERT_TRUE(install(prefix)) << dir.read("install.txt");
    const fs::path entry = prefix / "share/applications/org.cornquota.CornQuota.desktop";
    ASSERT_TRUE(fs::exists(entry));
    EXPECT_EQ(std::system(("desktop-file-validate " + entry.string()).c_str()), 0);
    EXPECT_NE(dir.read("prefix/share/applications/org.cornquota.CornQuota.desktop")
                  .find("Exec=" + (prefix / "bin/cornquota").string()),
              std::string::npos);
}
