#include "AudioFiles.h"
#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/audio/AudioOutput.h>
#include <ostrel/audio/Sound.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/resources/ResourceManager.h>

#include <cstdlib>
#include <sstream>

using namespace ostrel;
using testing_support::TestDir;

namespace
{

// How many lines of the log in the current folder are exactly `line`.
int countLogLines(const TestDir& dir, const std::string& line)
{
    std::istringstream log(dir.read("ostrel.log"));
    int count = 0;
    for (std::string read; std::getline(log, read);)
    {
        count += read == line ? 1 : 0;
    }
    return count;
}

} // namespace

#if OSTREL_WITH_SFML
// Runs without an X display (as every headless-labelled test does): the window must say so and
// fail start-up, where SFML alone would end the program.
TEST(StartUpProblems, NoDisplayIsSaidAndStartUpFails)
{
    ASSERT_EQ(std::getenv("DISPLAY"), nullptr) << "this test needs DISPLAY unset";
    const TestDir dir;
    GameManager& game = GameManager::getInstance();
    game.setPlayerFrontEnd("window");
    EXPECT_NE(game.startUp(), 0);
    game.shutDown();
    game.setPlayerFrontEnd("");
    EXPECT_EQ(countLogLines(dir, "no display: DISPLAY is not set (OSTREL_FRONT_END=headless runs without one)"), 1);
}

// OpenAL reads its drivers when first used, which in this test's own process is here.
TEST(StartUpProblems, WithoutAnAudioDeviceSoundsPlaySilentlyAndTheLogSaysSoOnce)
{
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
    const TestDir dir;
    testing_support::writeWav("tone.wav", 0.1, 440);
    LogManager::getInstance().setFlush(true);
    ASSERT_EQ(LogManager::getInstance().startUp(), 0);
    ResourceManager& resources = ResourceManager::getInstance();
    ASSERT_EQ(resources.startUp(), 0);
    setSilentAudio(false);
    EXPECT_EQ(resources.loadSound("tone.wav", "one"), 0);
    EXPECT_EQ(resources.loadSound("tone.wav", "two"), 0);
    Sound* sound = resources.getSound("one");
    ASSERT_NE(sound, nullptr);
    sound->play();
    EXPECT_TRUE(sound->isPlaying());
    resources.shutDown();
    LogManager::getInstance().shutDown();
    EXPECT_EQ(countLogLines(dir, "no audio device: sounds and music play silently"), 1);
}
#endif
