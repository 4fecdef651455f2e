#include "GameProcess.h"
#include "TestDir.h"
#include "WaitUntil.h"
#include "WindowManagerProbe.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/FontSearch.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>

using testing_support::TestDir;

namespace
{

bool yellow(unsigned char r, unsigned char g, unsigned char b)
{
    return r > 200 && g > 200 && b < 80;
}

bool white(unsigned char r, unsigned char g, unsigned char b)
{
    return r > 200 && g > 200 && b > 200;
}

// Pixels of a rectangle of cells (12.8 x 32 pixels each).
struct Cells
{
    int x0, y0, x1, y1;
};
Cells cells(int col0, int row0, int col1, int row1)
{
    return {static_cast<int>(col0 * 12.8), row0 * 32, static_cast<int>(col1 * 12.8), row1 * 32};
}

// Only the GL driver's and the audio device's notices may appear on stderr: OpenAL's (SFML 2),
// or miniaudio's, ALSA's and SFML's as they look for a sound card and find none (SFML 3).
bool isDriverNotice(const std::string& line)
{
    return line.find("vertical sync") != std::string::npos || line.rfind("AL lib", 0) == 0 ||
           line.rfind("[ALSOFT]", 0) == 0 || line.rfind("miniaudio", 0) == 0 || line.rfind("ALSA lib", 0) == 0 ||
           line.rfind("Failed to initialize audio", 0) == 0 || line.rfind("Failed to initialize sound", 0) == 0;
}

// Takes screenshots until one satisfies the check, for up to thirty seconds; the last one taken.
template <typename Check>
Image screenWhen(const GameProcess& game, Check check)
{
    Image image;
    testing_support::waitUntil(std::chrono::seconds(30), [&]
                               { return game.screenshot("screen.ppm") && image.load("screen.ppm") && check(image); });
    return image;
}

} // namespace

// The real game: SPACE starts day 1 with its row of plots, a click sows the first one, and Q
// ends the process with status 0, leaving a complete log.
TEST(GameBinary, StartsADaySowsAPlotAndQuits)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::GAME_DATA);
    GameProcess game;
    ASSERT_TRUE(game.start(CORNQUOTA_BINARY));
    ASSERT_TRUE(game.waitForWindow()) << dir.read("stderr.txt");

    // The first plot stands at cell (4, 6): columns 1 to 6, rows 4 to 7; its corn in the middle.
    const Cells plot = cells(1, 4, 7, 8);
    const Cells centre = cells(2, 5, 6, 7);
    const Image title =
        screenWhen(game, [](const Image& image) { return image.count(0, 128, 1024, 640, yellow) > 1000; });
    EXPECT_GT(title.count(0, 128, 1024, 640, yellow), 1000) << "the title art";

    ASSERT_TRUE(game.xdotool("mousemove --window %w 900 700 key space"));
    // The title's yellow art reaches down to row 20; the farm has nothing yellow below its plots.
    const Cells below_plots = cells(0, 10, 80, 22);
    const auto farmShown = [&](const Image& image)
    {
        return image.count(plot.x0, plot.y0, plot.x1, plot.y1, yellow) > 100 &&
               image.count(below_plots.x0, below_plots.y0, below_plots.x1, below_plots.y1, yellow) == 0;
    };
    const Image farm = screenWhen(game, farmShown);
    EXPECT_TRUE(farmShown(farm)) << "the plot's ground, and the title gone";
    EXPECT_EQ(farm.count(centre.x0, centre.y0, centre.x1, centre.y1, white), 0) << "nothing sown yet";

    ASSERT_TRUE(game.xdotool("mousemove --window %w 51 200 click 1 sleep 0.2 mousemove --window %w 900 700"));
    const Image sown = screenWhen(game, [&](const Image& image)
                                  { return image.count(centre.x0, centre.y0, centre.x1, centre.y1, white) > 10; });
    EXPECT_GT(sown.count(centre.x0, centre.y0, centre.x1, centre.y1, white), 10) << "white seeds in the plot";
    EXPECT_GT(sown.count(plot.x0, plot.y0, plot.x1, plot.y1, yellow), 100) << "around them, the ground";

    ASSERT_TRUE(game.xdotool("key q"));
    EXPECT_EQ(game.waitForExit(), 0);

    const std::string log = dir.read("ostrel.log");
    EXPECT_EQ(log.rfind("LogManager started\n", 0), 0u);
    std::istringstream lines(log);
    int loaded = 0;
    for (std::string line; std::getline(lines, line);)
    {
        loaded += line.size() > 9 && line.compare(line.size() - 9, 9, "' loaded.") == 0;
        EXPECT_EQ(line.find("not loaded"), std::string::npos) << line;
    }
    EXPECT_EQ(loaded, 51);

    std::istringstream errors(dir.read("stderr.txt"));
    for (std::string line; std::getline(errors, line);)
    {
        EXPECT_TRUE(isDriverNotice(line)) << "unexpected on stderr: " << line;
    }
}

// A window resized to 1200 x 500 shows the grid at 500/768 of its size, centred between black
// bars; a click there sows the plot under the "+".
TEST(GameBinary, AClickInALetterboxedWindowSowsThePlotUnderThePlus)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::GAME_DATA);
    GameProcess game;
    ASSERT_TRUE(game.start(CORNQUOTA_BINARY));
    ASSERT_TRUE(game.waitForWindow()) << dir.read("stderr.txt");
    // At the screen's corner, so that the whole window fits on the 1280-pixel screen and a
    // screenshot of it is not clipped.
    ASSERT_TRUE(game.xdotool("windowmove %w 0 0 windowsize %w 1200 500"));
    const Image resized = screenWhen(game, [](const Image& image) { return image.width == 1200; });
    ASSERT_EQ(resized.height, 500);

    // The window pixels of cell edges: the grid is 666.7 pixels wide from x = 266.
    const double scale = 500.0 / 768.0;
    const auto x = [scale](double col) { return static_cast<int>(266 + scale * 12.8 * col); };
    const auto y = [scale](double row) { return static_cast<int>(scale * 32 * row); };
    ASSERT_TRUE(game.xdotool("mousemove --window %w 600 450 key space"));
    const auto farmShown = [&](const Image& image) { return image.count(x(9), y(4), x(15), y(8), yellow) > 40; };
    ASSERT_TRUE(farmShown(screenWhen(game, farmShown))) << "the second plot, cells 9 to 14 by 4 to 7";

    // The "+" in cell (11, 6), among the second plot's corn cells.
    const std::string aim = "mousemove --window %w " + std::to_string(x(11.5)) + " " + std::to_string(y(6.5));
    ASSERT_TRUE(game.xdotool(aim + " click 1 sleep 0.2 mousemove --window %w 600 450"));
    const auto sown = [&](const Image& image) { return image.count(x(10), y(5), x(14), y(7), white) > 4; };
    const Image farm = screenWhen(game, sown);
    EXPECT_TRUE(sown(farm)) << "white seeds in the second plot";
    EXPECT_EQ(farm.count(x(2), y(5), x(6), y(7), white), 0) << "the first plot stays empty";
    const auto lit = [](unsigned char r, unsigned char g, unsigned char b) { return r + g + b > 0; };
    EXPECT_EQ(farm.count(0, 0, 262, 500, lit) + farm.count(938, 0, 1200, 500, lit), 0) << "black bars";

    ASSERT_TRUE(game.xdotool("key q"));
    EXPECT_EQ(game.waitForExit(), 0);
}

// The window is found by the game's title; its close button ends the game like Q.
TEST(GameBinary, TheCloseButtonEndsTheGameWithStatusZero)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::GAME_DATA);
    GameProcess game;
    ASSERT_TRUE(game.start(CORNQUOTA_BINARY));
    ASSERT_TRUE(game.waitForWindow()) << dir.read("stderr.txt");
    // The game sets its icon once its window exists.
    IconSize icon;
    testing_support::waitUntil(std::chrono::seconds(30),
                               [&]
                               {
                                   icon = iconSize(game.window());
                                   return icon.width != 0;
                               });
    EXPECT_EQ(icon.width, 128) << "the game's icon";
    EXPECT_EQ(icon.height, 128);

    ASSERT_TRUE(sendCloseRequest(game.window()));
    EXPECT_EQ(game.waitForExit(), 0) << dir.read("stderr.txt");
}

// Where the log cannot be created the game stops at once with status 1, and says why.
TEST(GameBinary, ExitsWithStatusOneWhenTheLogCannotBeCreated)
{
    TestDir dir(TestDir::GAME_DATA);
    std::filesystem::create_directory("ostrel.log");
    GameProcess game;
    ASSERT_TRUE(game.start(CORNQUOTA_BINARY));
    EXPECT_EQ(game.waitForExit(), 1);
    EXPECT_TRUE(std::filesystem::is_directory("ostrel.log"));
    EXPECT_NE(
        dir.read("stderr.txt")
            .find("cornquota: cannot create the log 'ostrel.log': Is a directory (in " + dir.path().string() + ")\n"),
        std::string::npos)
        << dir.read("stderr.txt");
}

// While another copy holds the log, the game writes its own beside it and says where.
TEST(GameBinary, ASecondCopyLogsBesideTheFirst)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::GAME_DATA);
    dir.write("ostrel.log", "the first copy's log\n");
    const int held = ::open("ostrel.log", O_WRONLY);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    GameProcess game;
    EXPECT_EQ(playAndQuit(game, {CORNQUOTA_BINARY}), 0) << dir.read("stderr.txt");
    ::close(held);
    EXPECT_EQ(dir.read("ostrel.log"), "the first copy's log\n");
    EXPECT_NE(dir.read("ostrel-2.log").find("LogManager started\n"), std::string::npos);
    EXPECT_NE(dir.read("stderr.txt")
                  .find("cornquota: another copy of the game holds 'ostrel.log'; this one logs to "
                        "'ostrel-2.log'\n"),
              std::string::npos)
        << dir.read("stderr.txt");
}

namespace
{

// The log's lines but SFML's own, which vary with the graphics driver.
std::vector<std::string> logLines(const TestDir& dir)
{
    std::istringstream log(dir.read("ostrel.log"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);)
    {
        if (line.rfind("SFML: ", 0) != 0)
        {
            lines.push_back(line);
        }
    }
    return lines;
}

int linesEndingIn(const std::vector<std::string>& lines, const std::string& ending)
{
    int count = 0;
    for (const std::string& line : lines)
    {
        count += line.size() >= ending.size() && line.compare(line.size() - ending.size(), ending.size(), ending) == 0;
    }
    return count;
}

bool contains(const std::vector<std::string>& lines, const std::string& wanted)
{
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

} // namespace

// Without its font the engine cannot start: the log says so and the game exits with 1.
TEST(GameBinary, ExitsWithStatusOneWithoutTheFont)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::GAME_DATA);
    std::filesystem::remove("ostrel-font.ttf");
    GameProcess game;
    ASSERT_TRUE(game.start(CORNQUOTA_BINARY));
    EXPECT_EQ(game.waitForExit(), 1);
    const std::string installed_font = ostrel::fontSearchPath("").back();
    EXPECT_EQ(logLines(dir), (std::vector<std::string>{
                                 "LogManager started",
                                 "no font found: looked for './ostrel-font.ttf', '" + installed_font + "'",
                                 "Error starting game manager!",
                             }));
}

// Without sprites, sounds and music every resource is logged as not loaded, and the game
// still opens its window, runs, and quits cleanly.
TEST(GameBinary, RunsSilentAndBlankWithoutItsData)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::FONT);
    GameProcess game;
    EXPECT_EQ(playAndQuit(game, {CORNQUOTA_BINARY}), 0) << dir.read("stderr.txt");
    const std::vector<std::string> lines = logLines(dir);
    EXPECT_EQ(linesEndingIn(lines, "' not loaded."), 51);
    EXPECT_EQ(linesEndingIn(lines, "' loaded."), 0);
}

// Broken sprite files are reported in the format's words and the rest of the game loads.
TEST(GameBinary, ReportsBrokenSpriteFilesAndLoadsTheRest)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::FONT);
    std::filesystem::copy(testing_support::runDir() / "sprites", "sprites", std::filesystem::copy_options::recursive);
    std::filesystem::create_directory_symlink(testing_support::runDir() / "sounds", "sounds");
    std::filesystem::create_directory_symlink(testing_support::runDir() / "music", "music");

    // Truncated after its first frame row; CR-LF line ends; a row one character short; and
    // a frame count far too large to allocate.
    const std::string crow = dir.read("sprites/pests/crow.txt");
    dir.write("sprites/pests/crow.txt", crow.substr(0, crow.find('\n', crow.find("white\n") + 6) + 1));
    std::string seeds = dir.read("sprites/corn/seeds.txt");
    for (std::size_t at = seeds.find('\n'); at != std::string::npos; at = seeds.find('\n', at + 2))
    {
        seeds.insert(at, "\r");
    }
    dir.write("sprites/corn/seeds.txt", seeds);
    dir.write("sprites/pests/fly.txt", "2\n4\n2\n3\ngreen\n\\oo/\n )(\n-oo-\n )( \n");
    std::string pumpkin = dir.read("sprites/pumpkin.txt");
    dir.write("sprites/pumpkin.txt", "2000000000" + pumpkin.substr(pumpkin.find('\n')));

    GameProcess game;
    EXPECT_EQ(playAndQuit(game, {CORNQUOTA_BINARY}), 0) << dir.read("stderr.txt");
    const std::vector<std::string> lines = logLines(dir);
    EXPECT_TRUE(contains(lines, "Error line 7. No line read."));
    EXPECT_TRUE(contains(lines, "Sprite 'pest_crow' not loaded."));
    EXPECT_TRUE(contains(lines, "Sprite 'corn_seeds' loaded."));
    EXPECT_TRUE(contains(lines, "Error line 7. Line width 3, expected 4."));
    EXPECT_TRUE(contains(lines, "Line is: \" )(\""));
    EXPECT_TRUE(contains(lines, "Sprite 'pest_fly' not loaded."));
    EXPECT_TRUE(contains(lines, "Error line 1. Malformed frame count value."));
    EXPECT_TRUE(contains(lines, "Line is: \"2000000000\""));
    EXPECT_TRUE(contains(lines, "Sprite 'pumpkin' not loaded."));
    EXPECT_EQ(linesEndingIn(lines, "' not loaded."), 3);
    EXPECT_EQ(linesEndingIn(lines, "' loaded."), 48);
}
