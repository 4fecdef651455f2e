#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/core/LogManager.h>

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
    EXPECT_FALSE(LogManager::getInstance().isStarted());
    EXPECT_EQ(LogManager::getInstance().writeLog("lost"), -1);
}
