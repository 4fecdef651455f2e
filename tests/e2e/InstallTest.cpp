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

// An install runs from any folder: the launcher starts the game in its install folder,
// which is writable here, and the log lands there.
TEST(Install, TheLauncherStartsTheGameFromAnotherFolder)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::EMPTY);
    const fs::path prefix = dir.path() / "prefix";
    ASSERT_TRUE(install(prefix)) << dir.read("install.txt");
    EXPECT_TRUE(fs::exists(prefix / "share/cornquota/cornquota"));
    EXPECT_TRUE(fs::exists(prefix / "share/cornquota/ostrel-font.ttf"));
    EXPECT_TRUE(fs::exists(prefix / "share/cornquota/icon.png"));
    EXPECT_TRUE(fs::exists(prefix / "share/cornquota/sprites/text/title.txt"));
    EXPECT_TRUE(fs::exists(prefix / "share/cornquota/music/pumpkin_lounge.mp3"));
    EXPECT_TRUE(fs::exists(prefix / "share/icons/hicolor/scalable/apps/cornquota.svg"));

    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    GameProcess game;
    EXPECT_EQ(playAndQuit(game, {(prefix / "bin/cornquota").string()}), 0) << dir.read("stderr.txt");
    const std::string log = dir.read("prefix/share/cornquota/ostrel.log");
    EXPECT_EQ(log.rfind("LogManager started\n", 0), 0u);
    EXPECT_NE(log.find("Music 'lounge' loaded."), std::string::npos);
    EXPECT_FALSE(fs::exists("ostrel.log")) << "not where it was started from";
}

// A player who cannot write the install folder gets a folder of their own, with links to
// the installed data, and the log lands there.
TEST(Install, APlayerWhoCannotWriteTheInstallGetsAFolderOfTheirOwn)
{
    const passwd* nobody = getpwnam("nobody");
    if (!nobody || std::system("command -v setpriv Xvfb >/dev/null 2>&1") != 0)
    {
        GTEST_SKIP() << "no unprivileged user, setpriv or Xvfb";
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

    OpenDisplay display;
    ASSERT_FALSE(display.name().empty());
    GameProcess game;
    game.setDisplay(display.name());
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
    const fs::path entry = prefix / "share/applications/cornquota.desktop";
    ASSERT_TRUE(fs::exists(entry));
    EXPECT_EQ(std::system(("desktop-file-validate " + entry.string()).c_str()), 0);
    EXPECT_NE(
        dir.read("prefix/share/applications/cornquota.desktop").find("Exec=" + (prefix / "bin/cornquota").string()),
        std::string::npos);
}
