#include "audio/AudioBackend.h"
#include "audio/Mp3Reader.h"
#include "audio/SfmlErrors.h"

#include <SFML/Audio/Listener.hpp>
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

namespace ostrel
{

namespace
{

AudioState stateOf(sf::SoundSource::Status status)
{
    switch (status)
    {
        case sf::SoundSource::Status::Playing:
            return AudioState::PLAYING;
        case sf::SoundSource::Status::Paused:
            return AudioState::PAUSED;
        default:
            return AudioState::STOPPED;
    }
}

template <typename Player>
void setLooping(Player& player, bool loop)
{
#if SFML_VERSION_MAJOR >= 3
    player.setLooping(loop);
#else
    player.setLoop(loop);
#endif
}

// The samples and their player live together, so moving the voice never unbinds them.
class SfmlSoundVoice : public AudioVoice
{
public:
    explicit SfmlSoundVoice(const sf::SoundBuffer& buffer) : m_buffer(buffer), m_sound(m_buffer) {}

    void play(bool loop) override
    {
        setLooping(m_sound, loop);
        m_sound.play();
    }
    void stop() override { m_sound.stop(); }
    void pause() override { m_sound.pause(); }
    AudioState getState() const override { return stateOf(m_sound.getStatus()); }
    const sf::Sound* getSfmlSound() const override { return &m_sound; }

private:
    sf::SoundBuffer m_buffer;
    sf::Sound m_sound;
};

class SfmlMusicVoice : public AudioVoice
{
public:
    void play(bool loop) override
    {
        setLooping(m_music, loop);
        m_music.play();
    }
    void stop() override { m_music.stop(); }
    void pause() override { m_music.pause(); }
    AudioState getState() const override { return stateOf(m_music.getStatus()); }
    sf::Music* getSfmlMusic() override { return &m_music; }

    bool open(const std::string& file)
    {
#if SFML_VERSION_MAJOR >= 3
        return m_music.openFromFile(std::filesystem::path(file));
#else
        return m_music.openFromFile(file);
#endif
    }

private:
    sf::Music m_music;
};

class SfmlAudio : public AudioBackend
{
public:
    std::unique_ptr<AudioVoice> loadSound(const std::string& file) override
    {
        sf::SoundBuffer buffer;
#if SFML_VERSION_MAJOR >= 3
        const bool loaded = buffer.loadFromFile(std::filesystem::path(file));
#else
        const bool loaded = buffer.loadFromFile(file);
#endif
        if (!loaded)
        {
            return nullptr;
        }
        return std::make_unique<SfmlSoundVoice>(buffer);
    }

    std::unique_ptr<AudioVoice> openMusic(const std::string& file) override
    {
        registerMp3Reader();
        auto voice = std::make_unique<SfmlMusicVoice>();
        if (!voice->open(file))
        {
            return nullptr;
        }
        return voice;
    }

    void setVolume(float volume) override
    {
        sf::Listener::setGlobalVolume(volume);
    }
};

} // namespace

std::unique_ptr<AudioBackend> makeSfmlAudio()
{
    routeSfmlErrorsToLog();
    return std::make_unique<SfmlAudio>();
}

} // namespace ostrel
