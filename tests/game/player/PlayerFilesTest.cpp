#include "GameHarness.h"
#include "Unprivileged.h"
#include "player/BestRuns.h"
#include "player/GameFolders.h"
#include "player/Settings.h"
#include "run/DayKeeper.h"
#include "run/MoneyManager.h"
#include "run/PlayedRun.h"
#include "run/StartObjects.h"
#include "screens/GameOverScreen.h"
#include "screens/TitleScreen.h"

#include <gtest/gtest.h>
#include <ostrel/audio/Volume.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/DisplayManager.h>

using namespace ostrel;
using testing_support::TestDir;

namespace
{

// The records and settings, read from and kept in the test's own folder, with a log.
class PlayerFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        LogManager::getInstance().setFlush(true);
        LogManager::getInstance().startUp();
    }
    void TearDown() override
    {
        BestRuns::getInstance().close();
        Settings::getInstance().close();
        LogManager::getInstance().shutDown();
    }

    // Each launch of the game reads the files afresh.
    void launch()
    {
        BestRuns::getInstance().open(m_dir.path() / "state");
        Settings::getInstance().open(m_dir.path() / "config");
    }

    TestDir m_dir{TestDir::EMPTY};
};

std::vector<int> days(const std::vector<RunRecord>& runs)
{
    std::vector<int> result;
    for (const RunRecord& run : runs)
    {
        result.push_back(run.day);
    }
    return result;
}

} // namespace

TEST_F(PlayerFiles, TheBestFiveRunsAndTheSettingsLastAcrossLaunches)
{
    launch();
    BestRuns& best = BestRuns::getInstance();
    EXPECT_EQ(best.record({"2026-12-01", 3, 400}), 0);
    EXPECT_EQ(best.record({"2026-12-02", 5, 100}), 0) << "a later day beats more money";
    EXPECT_EQ(best.record({"2026-12-03", 3, 500}), 1) << "on the same day, more money ranks higher";
    EXPECT_EQ(best.record({"2026-12-04", 3, 500}), 2) << "a tie does not take an older run's place";
    EXPECT_EQ(best.record({"2026-12-05", 1, 10}), 4);
    EXPECT_EQ(best.record({"2026-12-06", 1, 5}), -1) << "not among the best five";
    EXPECT_EQ(best.getLastRun().date, "2026-12-06");
    Settings::getInstance().setMuted(true);

    launch();
    EXPECT_EQ(days(best.getRuns()), (std::vector<int>{5, 3, 3, 3, 1}));
    EXPECT_EQ(best.getRuns()[1].date, "2026-12-03");
    EXPECT_EQ(best.getRuns()[2].money, 500);
    EXPECT_TRUE(Settings::getInstance().isMuted());
    const std::string records = m_dir.read("state/records.txt");
    EXPECT_NE(records.find("\n2026-12-02 day 5 money 100\n"), std::string::npos) << records;
    EXPECT_NE(m_dir.read("config/settings.txt").find("\nmuted yes\n"), std::string::npos);
}

// A file that cannot be used is moved aside whole, never lost, and the game starts afresh.
TEST_F(PlayerFiles, AnUnusableFileIsKeptAsideAndAFreshOneStarted)
{
    const std::string whole = formatBestRuns({{"2026-12-01", 4, 300}});
    const std::string unusable[] = {
        whole.substr(0, whole.size() - 4), // cut short
        "\x7f"
        "ELF binary garbage\n",                                 // not ours at all
        "version 3\n2026-12-01 day 4 money 300 stars 3\nend\n", // from a later version
        "version 1\n2026-12-01 day 4 money 300 seed 9\nend\n",  // a seed before seeds were kept
        "version 2\n2026-12-01 day 4 money 300 seed -9\nend\n", // a bad seed
        "version 1\n2026-12-01 day four money 300\nend\n",      // a bad line
        "version 1\n2026-12-01 day 4 money 300\nend\nmore\n",   // more after the end
    };
    for (const std::string& text : unusable)
    {
        m_dir.write("state/records.txt", text);
        launch();
        EXPECT_TRUE(BestRuns::getInstance().getRuns().empty());
        EXPECT_EQ(m_dir.read("state/records.txt.bad"), text);
        EXPECT_EQ(BestRuns::getInstance().record({"2026-12-07", 2, 50}), 0);
        launch();
        EXPECT_EQ(days(BestRuns::getInstance().getRuns()), std::vector<int>{2}) << "a fresh file, read back";
        std::filesystem::remove(m_dir.path() / "state/records.txt.bad");
    }

    m_dir.write("config/settings.txt", "version 1\nmuted perhaps\nend\n");
    launch();
    EXPECT_FALSE(Settings::getInstance().isMuted());
    EXPECT_EQ(m_dir.read("config/settings.txt.bad"), "version 1\nmuted perhaps\nend\n");
    EXPECT_NE(m_dir.read("ostrel.log").find("settings.txt' cannot be understood; kept as"), std::string::npos)
        << m_dir.read("ostrel.log");
}

// Where the folders cannot be made (a file stands in their place), the game plays on
// without keeping anything, and says so in its log.
TEST_F(PlayerFiles, AnUnwritableFolderKeepsNothingAndStopsNothing)
{
    m_dir.write("state", "not a folder\n");
    m_dir.write("config", "not a folder\n");
    launch();
    EXPECT_EQ(BestRuns::getInstance().record({"2026-12-07", 2, 50}), 0) << "still ranked for this launch";
    Settings::getInstance().setMuted(true);
    EXPECT_TRUE(Settings::getInstance().isMuted());
    EXPECT_EQ(m_dir.read("state"), "not a folder\n");
    EXPECT_EQ(m_dir.read("config"), "not a folder\n");
    const std::string log = m_dir.read("ostrel.log");
    EXPECT_NE(log.find("'records.txt' is not kept."), std::string::npos) << log;
    EXPECT_NE(log.find("'settings.txt' is not kept."), std::string::npos) << log;
}

// Each run keeps its seed; files kept before seeds were still read, and their runs go on
// without one.
TEST_F(PlayerFiles, RunsKeepTheirSeedsAndOlderFilesStillRead)
{
    m_dir.write("state/records.txt", "version 1\n2026-12-01 day 4 money 300\nend\n");
    launch();
    BestRuns& best = BestRuns::getInstance();
    ASSERT_EQ(days(best.getRuns()), std::vector<int>{4});
    EXPECT_FALSE(best.getRuns()[0].seed);
    EXPECT_EQ(best.record({"2026-12-02", 5, 100, 4294967295u}), 0);

    launch();
    ASSERT_EQ(days(best.getRuns()), (std::vector<int>{5, 4}));
    EXPECT_EQ(best.getRuns()[0].seed, 4294967295u);
    EXPECT_FALSE(best.getRuns()[1].seed);
    EXPECT_NE(m_dir.read("state/records.txt")
                  .find("version 2\n2026-12-02 day 5 money 100 seed 4294967295\n2026-12-01 day 4 money 300\nend\n"),
              std::string::npos)
        << m_dir.read("state/records.txt");
}

// A file the game may not read has nothing wrong with it: it is left as it is, never
// written this launch, and the title says why.
TEST_F(PlayerFiles, AFileThatMayNotBeReadIsLeftAloneAndNotKept)
{
    namespace fs = std::filesystem;
    const std::string records = formatBestRuns({{"2026-12-01", 4, 300}});
    m_dir.write("state/records.txt", records);
    m_dir.write("config/settings.txt", "version 1\nmuted yes\nend\n");
    fs::permissions(m_dir.path(), fs::perms::all);
    for (const char* name : {"state", "config"})
    {
        // The folders let the game replace the files, were it to try.
        fs::permissions(m_dir.path() / name, fs::perms::all);
    }
    fs::permissions(m_dir.path() / "state/records.txt", fs::perms::none);
    fs::permissions(m_dir.path() / "config/settings.txt", fs::perms::none);
    const int result = testing_support::runUnprivileged(
        [this]
        {
            launch();
            BestRuns::getInstance().record({"2026-12-07", 9, 900});
            Settings::getInstance().setMuted(false);
            return (BestRuns::getInstance().getRuns().size() == 1 ? 0 : 1) +
                   (keptFilesProblem() == "settings.txt and records.txt: Permission denied; not kept this launch." ? 0
                                                                                                                   : 2);
        });
    EXPECT_EQ(result, 0) << "1: the run was not ranked for this launch; 2: the title would not say why";
    fs::permissions(m_dir.path() / "state/records.txt", fs::perms::owner_read);
    fs::permissions(m_dir.path() / "config/settings.txt", fs::perms::owner_read);
    EXPECT_EQ(m_dir.read("state/records.txt"), records) << "never overwritten";
    EXPECT_EQ(m_dir.read("config/settings.txt"), "version 1\nmuted yes\nend\n");
    EXPECT_FALSE(fs::exists(m_dir.path() / "state/records.txt.bad"));
    EXPECT_FALSE(fs::exists(m_dir.path() / "config/settings.txt.bad"));
    EXPECT_NE(m_dir.read("ostrel.log")
                  .find("records.txt' cannot be read (Permission denied): it is left alone, and not kept this launch."),
              std::string::npos)
        << m_dir.read("ostrel.log");
}

using KeptInPlay = GameHarness;

// A quit keeps the last day played with the run's seed: in the shop, the day just finished.
// A run quit on day 1 with nothing earned is no run at all.
TEST_F(KeptInPlay, AQuitKeepsTheLastDayPlayedButNotANothing)
{
    BestRuns::getInstance().open(m_dir.path() / "state");
    seedRun(77);
    createStartObjects();
    press(Keyboard::SPACE);
    frame();
    dayKeeper()->keepRunOnQuit();
    EXPECT_TRUE(BestRuns::getInstance().getRuns().empty());
    EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "state/records.txt"));

    MoneyManager::getInstance().addMoney(60);
    steps(dayKeeper()->getTicksLeft());
    frame();
    ASSERT_FALSE(dayKeeper()->isDayActive()) << "in the shop";
    dayKeeper()->keepRunOnQuit();
    EXPECT_NE(m_dir.read("state/records.txt").find("\n" + todaysDate() + " day 1 money 60 seed 77\n"),
              std::string::npos)
        << m_dir.read("state/records.txt");
    BestRuns::getInstance().close();
}

// A lost run is recorded with the money earned over the whole run, read before the reset;
// the game-over screen compares it with the best, and the title shows the best.
TEST_F(KeptInPlay, ALostRunIsRecordedAndComparedWithTheBest)
{
    BestRuns::getInstance().open(m_dir.path() / "state");
    createStartObjects();
    frame();
    EXPECT_EQ(row(2).find("Best run"), std::string::npos) << "no runs yet";
    EXPECT_NE(row(22).find("Click to sow, to harvest, to pick up watering cans, and to shoo pests."),
              std::string::npos);
    EXPECT_NE(row(23).find("P or Esc: pause    M: sound    F11: full screen    Q: quit"), std::string::npos);
    EXPECT_EQ(row(21).find_first_not_of(' '), std::string::npos) << "free for a word on the kept files";

    const std::string today = todaysDate();
    for (const int earned : {30, 20})
    {
        press(Keyboard::SPACE);
        frame();
        MoneyManager::getInstance().addMoney(earned);
        MoneyManager::getInstance().subtractMoney(earned / 2);
        steps(dayKeeper()->getTicksLeft());
        frame();
        EXPECT_FALSE(dayKeeper()->isGameRunning());
        EXPECT_EQ(BestRuns::getInstance().getLastRun().money, earned);
    }
    EXPECT_NE(row(21).find("Best run: day 1, $30 on " + today + ". This one ranks 2nd."), std::string::npos)
        << screen();
    const std::string records = m_dir.read("state/records.txt");
    const std::string seed = " seed " + std::to_string(playedSeed()) + "\n";
    EXPECT_NE(records.find(today + " day 1 money 30" + seed + today + " day 1 money 20" + seed), std::string::npos)
        << records;

    MoneyManager::getInstance().addMoney(45);
    BestRuns::getInstance().record({today, 1, 45});
    new GameOverScreen(RunSummary{1, 45});
    new TitleScreen;
    frame();
    EXPECT_NE(row(21).find("A new best run! The best before: day 1, $30 on " + today + "."), std::string::npos)
        << screen();
    EXPECT_NE(row(2).find("Best run: day 1, $45 on " + today), std::string::npos) << screen();
    BestRuns::getInstance().close();
}

TEST_F(KeptInPlay, ALostRunBelowTheBestFiveSaysSo)
{
    for (int day = 2; day < 2 + BestRuns::KEPT; ++day)
    {
        BestRuns::getInstance().record({"2026-12-07", day, 100});
    }
    createStartObjects();
    press(Keyboard::SPACE);
    frame();
    steps(dayKeeper()->getTicksLeft());
    frame();
    EXPECT_EQ(row(21).find("Best run: day 6, $100 on 2026-12-07. This one is not among the 5 best."), 5u) << screen();
}

// M mutes every sound and the music and shows a mark, on any screen; M again undoes it.
TEST_F(KeptInPlay, MTurnsTheSoundOffAndOnAndRemembers)
{
    Settings::getInstance().open(m_dir.path() / "config");
    createStartObjects();
    press(Keyboard::M);
    frame();
    EXPECT_EQ(getMasterVolume(), 0.0f);
    EXPECT_EQ(row(3).substr(67), "Sound off (M)");
    EXPECT_NE(m_dir.read("config/settings.txt").find("\nmuted yes\n"), std::string::npos);

    press(Keyboard::M);
    frame();
    EXPECT_EQ(getMasterVolume(), 100.0f);
    EXPECT_EQ(screen().find("Sound off"), std::string::npos);
    EXPECT_NE(m_dir.read("config/settings.txt").find("\nmuted no\n"), std::string::npos);
    Settings::getInstance().close();
}
