#include "TestDir.h"
#include "TmuxPane.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using testing_support::TestDir;
using testing_support::waitUntil;

namespace
{

const auto BOUND = std::chrono::seconds(60);

// The game in a pane of its own in the test's folder, writing each shown frame's text to
// "shown.txt", with its own settings and records.
std::string gameCommand(const std::string& options = "--terminal")
{
    return "env XDG_CONFIG_HOME=$PWD/xdg-config XDG_STATE_HOME=$PWD/xdg-state OSTREL_SHOWN_TEXT_FILE=shown.txt " +
           std::string(CORNQUOTA_BINARY) + " " + options + " 2>stderr.txt";
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line))
    {
        result.push_back(line);
    }
    return result;
}

// Whether the pane shows exactly the game's own text of its last shown frame.
bool showsShownText(const TmuxPane& pane, const TestDir& dir, const std::string& expected_part)
{
    const std::string shown = trimmedText(dir.read("shown.txt"));
    return !shown.empty() && shown.find(expected_part) != std::string::npos && pane.text() == shown;
}

struct CellPos
{
    int col;
    int row;
};

// The top-left corners of the empty plots with open ground under them.
std::vector<CellPos> emptyPlots(const std::string& text)
{
    const std::vector<std::string> rows = lines(text);
    std::vector<CellPos> plots;
    for (std::size_t r = 0; r + 1 < rows.size(); ++r)
    {
        for (std::size_t c = rows[r].find(".----."); c != std::string::npos; c = rows[r].find(".----.", c + 1))
        {
            const bool empty = rows[r + 1].compare(c, 6, "|=-=-|") == 0;
            const bool open_below = r + 4 >= rows.size() || rows[r + 4].size() <= c + 2 || rows[r + 4][c + 2] == ' ';
            if (empty && open_below)
            {
                plots.push_back({static_cast<int>(c), static_cast<int>(r)});
            }
        }
    }
    return plots;
}

bool isEmptyPlot(const std::string& text, CellPos plot)
{
    const std::vector<std::string> rows = lines(text);
    const auto row = static_cast<std::size_t>(plot.row) + 1;
    return row < rows.size() && rows[row].compare(static_cast<std::size_t>(plot.col), 6, "|=-=-|") == 0;
}

int count(const std::string& text, const std::string& part)
{
    int found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    {
        ++found;
    }
    return found;
}

// Starts a day and waits for its field.
void startDay(const TmuxPane& pane, const TestDir& dir)
{
    ASSERT_TRUE(waitUntil(BOUND, [&] { return showsShownText(pane, dir, "Press SPACE to start"); })) << pane.text();
    pane.keys("Space");
    ASSERT_TRUE(waitUntil(BOUND, [&] { return showsShownText(pane, dir, "|=-=-|"); })) << pane.text();
}

} // namespace

// The pane shows the game's own text of the frame, on the title and on a farm day; a press
// on an empty plot sows it, and one in the open cell under a plot sows nothing.
TEST(Terminal, ShowsTheGameAndClicksLandOnTheirCells)
{
    TestDir dir(TestDir::GAME_DATA);
    const TmuxPane pane(gameCommand(), 80, 24);
    startDay(pane, dir);

    const std::string field = pane.text();
    const std::vector<CellPos> plots = emptyPlots(field);
    ASSERT_GE(plots.size(), 2u) << field;
    // Under the first plot, then the second plot's top-left cell: only the second is sown.
    pane.click(plots[0].col + 2, plots[0].row + 4);
    pane.click(plots[1].col, plots[1].row);
    ASSERT_TRUE(waitUntil(BOUND, [&] { return !isEmptyPlot(pane.text(), plots[1]); })) << pane.text();
    EXPECT_TRUE(isEmptyPlot(pane.text(), plots[0])) << pane.text();
    EXPECT_EQ(count(pane.text(), "|=-=-|"), count(field, "|=-=-|") - 1) << pane.text();
    EXPECT_TRUE(waitUntil(BOUND, [&] { return showsShownText(pane, dir, "|"); })) << pane.text();
    pane.keys("q");
    EXPECT_TRUE(waitUntil(BOUND, [&] { return pane.status() == 0; })) << dir.read("stderr.txt");
}

// The shop in the pane is the game's own text of the frame too: the first golden replay,
// played in the terminal, ends in the shop after its one-minute day. Row 3 holds the replay's
// banner, on the overlay, which the game's text never has.
TEST(Terminal, ShowsTheShopAsTheGameDrawsIt)
{
    TestDir dir(TestDir::GAME_DATA);
    const TmuxPane pane(gameCommand("--terminal --replay " + std::string(SOURCE_DIR) + "/tests/replays/day-one.txt"),
                        80, 24);
    const auto withoutBannerRow = [](const std::string& text)
    {
        std::vector<std::string> rows = lines(text);
        if (rows.size() > 3)
        {
            rows.erase(rows.begin() + 3);
        }
        std::string joined;
        for (const std::string& row : rows)
        {
            joined += row + "\n";
        }
        return joined;
    };
    EXPECT_TRUE(waitUntil(std::chrono::seconds(150),
                          [&]
                          {
                              const std::string shown = trimmedText(dir.read("shown.txt"));
                              return shown.find("SHOP") != std::string::npos &&
                                     withoutBannerRow(pane.text()) == withoutBannerRow(shown);
                          }))
        << pane.text();
    EXPECT_NE(pane.text().find("REPLAY"), std::string::npos) << pane.text();
    pane.keys("q");
    EXPECT_TRUE(waitUntil(BOUND, [&] { return pane.status() == 0; })) << dir.read("stderr.txt");
}

// Too small a terminal says what it needs and pauses the day; large enough again, the day goes on.
TEST(Terminal, TooSmallShowsTheSizeAndPauses)
{
    TestDir dir(TestDir::GAME_DATA);
    const TmuxPane pane(gameCommand(), 80, 24);
    startDay(pane, dir);
    pane.resize(70, 20);
    const std::string message =
        "Corn Quota needs 80\u00d724; this terminal is 70\u00d720. Make it larger, or press Q to quit.";
    EXPECT_TRUE(waitUntil(BOUND,
                          [&]
                          {
                              std::string joined;
                              for (const std::string& line : lines(pane.text()))
                              {
                                  const std::size_t start = line.find_first_not_of(' ');
                                  joined += start == std::string::npos
                                                ? ""
                                                : (joined.empty() ? "" : " ") + line.substr(start);
                              }
                              return joined == message;
                          }))
        << pane.text();
    EXPECT_NE(dir.read("shown.txt").find("Paused"), std::string::npos) << dir.read("shown.txt");
    pane.resize(80, 24);
    EXPECT_TRUE(waitUntil(
        BOUND, [&] { return showsShownText(pane, dir, "|=-=-|") && pane.text().find("Paused") == std::string::npos; }))
        << pane.text();
}

struct WayOut
{
    const char* name;
    int signal; // 0: quit with Q
    int status;
};

void PrintTo(const WayOut& way, std::ostream* os)
{
    *os << way.name;
}

class TerminalWayOut : public testing::TestWithParam<WayOut>
{
};

// However the game ends, the terminal is back on its main screen with the cursor shown, and
// the exit status says how it ended.
TEST_P(TerminalWayOut, RestoresTheTerminal)
{
    const WayOut& way = GetParam();
    TestDir dir(TestDir::GAME_DATA);
    const TmuxPane pane(gameCommand(), 80, 24);
    startDay(pane, dir);
    ASSERT_EQ(pane.state(), "1 0");
    if (way.signal == 0)
    {
        pane.keys("q");
    }
    else
    {
        ASSERT_GT(pane.game(), 0);
        ASSERT_EQ(kill(pane.game(), way.signal), 0);
    }
    ASSERT_TRUE(waitUntil(BOUND, [&] { return pane.status() != -1; })) << pane.text();
    EXPECT_EQ(pane.status(), way.status);
    // tmux may read the game's last bytes after the shell has noted its end.
    EXPECT_TRUE(waitUntil(BOUND, [&] { return pane.state() == "0 1"; }))
        << "alternate_on cursor_flag: " << pane.state();
}

INSTANTIATE_TEST_SUITE_P(Terminal, TerminalWayOut,
                         testing::Values(WayOut{"Q", 0, 0}, WayOut{"SIGINT", SIGINT, 128 + SIGINT},
                                         WayOut{"SIGTERM", SIGTERM, 128 + SIGTERM},
                                         WayOut{"SIGHUP", SIGHUP, 128 + SIGHUP},
                                         WayOut{"SIGSEGV", SIGSEGV, 128 + SIGSEGV}),
                         [](const testing::TestParamInfo<WayOut>& info) { return std::string(info.param.name); });

// Without a terminal, or with one of no kind, the game says so, exits with status 2 and
// leaves the terminal as it was.
TEST(Terminal, RefusesWithoutATerminal)
{
    TestDir dir(TestDir::GAME_DATA);
    const struct
    {
        const char* name;
        std::string command;
    } cases[] = {
        {"stdin from /dev/null", gameCommand() + " </dev/null"},
        {"TERM=dumb", "TERM=dumb " + gameCommand()},
        {"TERM unset", "unset TERM; " + gameCommand()},
        {"OSTREL_FRONT_END=terminal", "OSTREL_FRONT_END=terminal " + gameCommand("") + " </dev/null"},
    };
    for (const auto& bad : cases)
    {
        dir.write("status.txt", "");
        const TmuxPane pane(bad.command, 80, 24);
        ASSERT_TRUE(waitUntil(BOUND, [&] { return pane.status() != -1; })) << bad.name;
        EXPECT_EQ(pane.status(), 2) << bad.name;
        EXPECT_EQ(dir.read("stderr.txt"), "cornquota: --terminal needs a terminal\n") << bad.name;
        EXPECT_EQ(pane.state(), "0 1") << bad.name;
    }
}

// A run recorded in the terminal, with a click and a pause for a small terminal in it,
// replays on the headless front end matching every checkpoint.
TEST(Terminal, RecordedRunReplaysHeadless)
{
    TestDir dir(TestDir::GAME_DATA);
    {
        const TmuxPane pane(gameCommand("--terminal --seed 7 --record run.txt"), 80, 24);
        startDay(pane, dir);
        const std::vector<CellPos> plots = emptyPlots(pane.text());
        ASSERT_FALSE(plots.empty()) << pane.text();
        pane.click(plots[0].col + 2, plots[0].row + 1);
        ASSERT_TRUE(waitUntil(BOUND, [&] { return !isEmptyPlot(pane.text(), plots[0]); })) << pane.text();
        pane.resize(70, 20);
        ASSERT_TRUE(waitUntil(BOUND, [&] { return dir.read("shown.txt").find("Paused") != std::string::npos; }));
        pane.resize(80, 24);
        pane.keys("q");
        ASSERT_TRUE(waitUntil(BOUND, [&] { return pane.status() == 0; })) << dir.read("stderr.txt");
    }
    const std::string recording = dir.read("run.txt");
    EXPECT_NE(recording.find("picture hidden"), std::string::npos) << recording;
    const std::string replay =
        "OSTREL_FRONT_END=headless " + std::string(CORNQUOTA_BINARY) + " --replay run.txt --fast >replay.txt 2>&1";
    EXPECT_EQ(std::system(replay.c_str()), 0) << dir.read("replay.txt");
}
