#include "AudioFiles.h"
#include "StartedResources.h"

#include <SFML/Audio.hpp>
#include <gtest/gtest.h>

using namespace ostrel;

using Audio = StartedResources;

namespace
{

// Samples in the buffer the sound's player is bound to; 0 when it is bound to none.
std::uint64_t boundSamples(const Sound* sound)
{
    const sf::Sound player = sound->getSound();
#if SFML_VERSION_MAJOR >= 3
    return player.getBuffer().getSampleCount();
#else
    return player.getBuffer() ? player.getBuffer()->getSampleCount() : 0;
#endif
}

} // namespace

TEST_F(Audio, LoadsSoundsAndFindsThemByLabel)
{
    testing_support::writeWav("beep.wav", 0.2, 440);
    EXPECT_EQ(resources.loadSound("beep.wav", "beep"), 0);
    EXPECT_TRUE(logHas("Sound 'beep' loaded."));
    Sound* sound = resources.getSound("beep");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->getLabel(), "beep");
    EXPECT_EQ(boundSamples(sound), 8820u);
    sound->play(false);
    EXPECT_EQ(sound->getStatus(), sf::SoundSource::Status::Playing);
    sound->play(false); // restarts, does not fail
    EXPECT_EQ(sound->getPlayCount(), 2);
    sound->stop();
    EXPECT_EQ(sound->getStatus(), sf::SoundSource::Status::Stopped);
    EXPECT_EQ(resources.getSound("Beep"), nullptr);
}

TEST_F(Audio, AFailedSoundLeavesItsSlotForTheNextLoad)
{
    dir.write("broken.wav", "not a sound");
    EXPECT_EQ(resources.loadSound("broken.wav", "broken"), -1);
    EXPECT_TRUE(logHas("Error: 'broken.wav' could not be loaded."));
    EXPECT_TRUE(logHas("Sound 'broken' not loaded."));
    EXPECT_EQ(resources.getSound("broken"), nullptr);

    testing_support::writeWav("beep.wav", 0.1, 440);
    ASSERT_EQ(resources.loadSound("beep.wav", "beep"), 0);
    EXPECT_EQ(resources.getSound("beep"), resources.getSound("beep"));
}

TEST_F(Audio, PlayingAnEmptySoundDoesNothing)
{
    Sound empty;
    EXPECT_EQ(empty.getLabel(), "");
    empty.play(true);
    empty.pause();
    empty.stop();
    EXPECT_EQ(empty.loadSound("missing.wav"), -1);
    empty.play(true);
}

TEST_F(Audio, UnloadingKeepsEachSoundBoundToItsOwnSamples)
{
    testing_support::writeWav("a.wav", 0.10, 300);
    testing_support::writeWav("b.wav", 0.20, 500);
    testing_support::writeWav("c.wav", 0.30, 700);
    resources.loadSound("a.wav", "a");
    resources.loadSound("b.wav", "b");
    resources.loadSound("c.wav", "c");
    resources.getSound("c")->play(true);
    Sound* const a_before = resources.getSound("a");
    Sound* const b_before = resources.getSound("b");
    Sound* const c_before = resources.getSound("c");

    ASSERT_EQ(resources.unloadSound("a"), 0);
    EXPECT_EQ(resources.getSound("a"), nullptr);
    // Pointers handed out before the unload still name their own sounds: nothing moved.
    ASSERT_EQ(resources.getSound("b"), b_before);
    Sound* b = resources.getSound("b");
    Sound* c = resources.getSound("c");
    EXPECT_EQ(c, c_before);
    EXPECT_EQ(b_before->getLabel(), "b");
    EXPECT_EQ(boundSamples(b), 8820u);
    EXPECT_EQ(boundSamples(c), 13230u);
    EXPECT_EQ(c->getStatus(), sf::SoundSource::Status::Playing) << "a playing sound keeps playing";
    b->play(false);
    c->stop();

    EXPECT_EQ(resources.unloadSound("a"), -1);
    EXPECT_EQ(resources.unloadSound("c"), 0);
    EXPECT_EQ(resources.getSound("c"), nullptr);
    testing_support::writeWav("d.wav", 0.05, 900);
    ASSERT_EQ(resources.loadSound("d.wav", "d"), 0);
    EXPECT_EQ(resources.getSound("d"), a_before) << "the first freed slot takes the next load";
    EXPECT_EQ(boundSamples(resources.getSound("d")), 2205u);
    EXPECT_EQ(boundSamples(resources.getSound("b")), 8820u);
}

TEST_F(Audio, FullStoresRefuseTheNextLoad)
{
    testing_support::writeWav("beep.wav", 0.01, 440);
    for (int i = 0; i < MAX_SOUNDS; ++i)
    {
        ASSERT_EQ(resources.loadSound("beep.wav", "s" + std::to_string(i)), 0);
    }
    EXPECT_EQ(resources.loadSound("beep.wav", "extra"), -1);
    EXPECT_TRUE(logHas("Sound array full."));
    EXPECT_TRUE(logHas("Sound 'extra' not loaded."));

    ASSERT_TRUE(testing_support::writeMp3("tune.mp3", 0.2, 440));
    for (int i = 0; i < MAX_MUSICS; ++i)
    {
        ASSERT_EQ(resources.loadMusic("tune.mp3", "m" + std::to_string(i)), 0);
    }
    EXPECT_EQ(resources.loadMusic("tune.mp3", "extra"), -1);
    EXPECT_TRUE(logHas("Music array full."));
    EXPECT_TRUE(logHas("Music 'extra' not loaded."));
}

TEST_F(Audio, StreamsAndLoopsMp3Music)
{
    ASSERT_TRUE(testing_support::writeMp3("tune.mp3", 2.0, 440));
    ASSERT_EQ(resources.loadMusic("tune.mp3", "tune"), 0);
    EXPECT_TRUE(logHas("Music 'tune' loaded."));
    Music* music = resources.getMusic("tune");
    ASSERT_NE(music, nullptr);
    const sf::Time duration = music->getMusic()->getDuration();
    EXPECT_NEAR(duration.asSeconds(), 2.0, 0.05) << "the decoded length is exact";
    EXPECT_EQ(music->getMusic()->getChannelCount(), 1u);
    EXPECT_EQ(music->getMusic()->getSampleRate(), 44100u);

    music->play(true);
    EXPECT_EQ(music->getMusic()->getStatus(), sf::SoundSource::Status::Playing);
    music->pause();
    EXPECT_EQ(music->getMusic()->getStatus(), sf::SoundSource::Status::Paused);
    music->stop();
    EXPECT_EQ(music->getMusic()->getStatus(), sf::SoundSource::Status::Stopped);
}

TEST_F(Audio, DecodedMp3MatchesTheToneItWasMadeFrom)
{
    ASSERT_TRUE(testing_support::writeMp3("tune.mp3", 1.0, 441));
    sf::SoundBuffer decoded;
    ASSERT_EQ(resources.loadMusic("tune.mp3", "tune"), 0) << "registers the reader where needed";
#if SFML_VERSION_MAJOR >= 3
    ASSERT_TRUE(decoded.loadFromFile(std::filesystem::path("tune.mp3")));
#else
    ASSERT_TRUE(decoded.loadFromFile("tune.mp3"));
#endif
    ASSERT_EQ(decoded.getSampleCount(), 44100u);
    // A 441 Hz tone crosses zero upward 441 times a second.
    const std::int16_t* samples = decoded.getSamples();
    int crossings = 0;
    for (std::size_t i = 1000; i < 43100; ++i)
    {
        crossings += samples[i - 1] < 0 && samples[i] >= 0;
    }
    EXPECT_NEAR(crossings, 441 * 42100 / 44100, 3);
}

TEST_F(Audio, UnloadedMusicPlaysOnButCannotBeFound)
{
    ASSERT_TRUE(testing_support::writeMp3("tune.mp3", 1.0, 440));
    ASSERT_EQ(resources.loadMusic("tune.mp3", "tune"), 0);
    Music* music = resources.getMusic("tune");
    music->play(true);
    EXPECT_EQ(resources.unloadMusic("tune"), 0);
    EXPECT_EQ(resources.getMusic("tune"), nullptr);
    EXPECT_EQ(music->getMusic()->getStatus(), sf::SoundSource::Status::Playing);
    EXPECT_EQ(resources.unloadMusic("tune"), -1);
    music->stop();

    dir.write("bad.mp3", "ID3 but nothing else");
    EXPECT_EQ(resources.loadMusic("bad.mp3", "bad"), -1);
    EXPECT_TRUE(logHas("Error: 'bad.mp3' could not be loaded."));
    EXPECT_TRUE(logHas("Music 'bad' not loaded."));
}
