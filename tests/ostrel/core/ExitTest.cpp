#include "AudioFiles.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <regex>

using testing_support::TestDir;

// The game quits with exit(0) while an event is being delivered: the process must end with
// status 0, and no crash, while the window, sounds, music and log are destroyed.
TEST(Exit, QuittingFromAHandlerEndsCleanly)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir;
    testing_support::writeWav("beep.wav", 0.5, 440);
    ASSERT_TRUE(testing_support::writeMp3("tune.mp3", 2.0, 330));
    const int status = std::system(EXIT_PROBE " 2> probe.err");
    ASSERT_TRUE(WIFEXITED(status)) << "killed by a signal: " << dir.read("probe.err");
    EXPECT_EQ(WEXITSTATUS(status), 0) << dir.read("probe.err");
    // SFML's own lines (about the sound device, say) aside.
    const std::string log = std::regex_replace(dir.read("ostrel.log"), std::regex("SFML: [^\n]*\n"), "");
    EXPECT_EQ(log.rfind("LogManager started\n", 0), 0u);
    EXPECT_NE(log.find("Sound 'beep' loaded.\nMusic 'tune' loaded.\nquitting\n"), std::string::npos) << log;
}
