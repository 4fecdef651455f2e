#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/core/LogManager.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace ostrel;
using testing_support::TestDir;

TEST(LogManager, StartsWithItsOwnLineAndWritesWholeLines)
{
    TestDir dir;
    LogManager& log = LogManager::getInstance();
    log.setFlush(true);
    ASSERT_EQ(log.startUp(), 0);
    EXPECT_EQ(dir.read("ostrel.log"), "LogManager started\n");

    EXPECT_EQ(log.writeLog("Sprite '%s' loaded.", "corn_red"), 25);
    EXPECT_EQ(log.writeLog("ends in a newline\n"), 18);
    EXPECT_EQ(dir.read("ostrel.log"), "LogManager started\nSprite 'corn_red' loaded.\nends in a newline\n\n");
    log.shutDown();
}

TEST(LogManager, WritesNothingWhenNotStarted)
{
    TestDir dir;
    LogManager& log = LogManager::getInstance();
    EXPECT_EQ(log.writeLog("before"), -1);
    ASSERT_EQ(log.startUp(), 0);
    log.shutDown();
    EXPECT_EQ(log.writeLog("after"), -1);
    EXPECT_FALSE(log.isStarted());
    EXPECT_EQ(dir.read("ostrel.log"), "LogManager started\n");
}

TEST(LogManager, EachStartEmptiesTheLog)
{
    TestDir dir;
    LogManager& log = LogManager::getInstance();
    ASSERT_EQ(log.startUp(), 0);
    log.writeLog("first run");
    log.shutDown();
    ASSERT_EQ(log.startUp(), 0);
    log.writeLog("second run");
    log.shutDown();
    EXPECT_EQ(dir.read("ostrel.log"), "LogManager started\nsecond run\n");
}

TEST(LogManager, FailsToStartWhereTheFileCannotBeCreated)
{
    TestDir dir;
    std::filesystem::create_directory("ostrel.log");
    EXPECT_EQ(LogManager::getInstance().startUp(), -1);
    EXPECT_EQ(LogManager::getInstance().getError(), "cannot create the log 'ostrel.log': Is a directory");
    EXPECT_FALSE(LogManager::getInstance().isStarted());
    EXPECT_EQ(LogManager::getInstance().writeLog("lost"), -1);
}

// A copy of the game still running holds its log: the next one writes its own beside it and
// leaves the first whole. Once nothing holds it, the log is emptied and taken again.
TEST(LogManager, ASecondCopyLogsBesideTheFirst)
{
    TestDir dir;
    dir.write("ostrel.log", "LogManager started\nthe first copy plays on\n");
    const int held = ::open("ostrel.log", O_WRONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);

    LogManager& log = LogManager::getInstance();
    log.setFlush(true);
    ASSERT_EQ(log.startUp(), 0);
    EXPECT_EQ(log.getFileName(), "ostrel-2.log");
    log.writeLog("the second copy");
    EXPECT_EQ(dir.read("ostrel.log"), "LogManager started\nthe first copy plays on\n");
    EXPECT_EQ(dir.read("ostrel-2.log"), "LogManager started\nthe second copy\n");
    log.shutDown();

    ::close(held);
    ASSERT_EQ(log.startUp(), 0);
    EXPECT_EQ(log.getFileName(), "ostrel.log");
    EXPECT_EQ(dir.read("ostrel.log"), "LogManager started\n");
    log.shutDown();
}
