#include "ostrel/audio/Sound.h"

#include "audio/AudioBackend.h"

#include <utility>

#if OSTREL_WITH_SFML
#include <SFML/Audio/SoundBuffer.hpp>
#endif

namespace ostrel
{

Sound::Sound() = default;

Sound::~Sound() = default;

Sound::Sound(Sound&& other) noexcept
{
    *this = std::move(other);
}

Sound& Sound::operator=(Sound&& other) noexcept
{
    if (this == &other)
    {
        return *this;
    }
    // The voice keeps its samples and player together: moving it moves both, in their state.
    m_voice = std::move(other.m_voice);
    m_label = std::move(other.m_label);
    other.m_label.clear();
    m_play_count = other.m_play_count;
    other.m_play_count = 0;
    return *this;
}

int Sound::loadSound(std::string filename)
{
    std::unique_ptr<AudioVoice> voice = getAudioBackend().loadSound(filename);
    if (!voice)
    {
        return -1;
    }
    m_voice = std::move(voice);
    m_play_count = 0;
    return 0;
}

void Sound::setLabel(std::string label)
{
    m_label = std::move(label);
}

void Sound::play(bool loop)
{
    if (!m_voice)
    {
        return;
    }
    m_voice->play(loop);
    ++m_play_count;
}

void Sound::stop()
{
    if (m_voice)
    {
        m_voice->stop();
    }
}

void Sound::pause()
{
    if (m_voice)
    {
        m_voice->pause();
    }
}

bool Sound::isPlaying() const
{
    return m_voice && m_voice->getState() == AudioState::PLAYING;
}

#if OSTREL_WITH_SFML
sf::SoundSource::Status Sound::getStatus() const
{
    if (!m_voice)
    {
        return sf::SoundSource::Status::Stopped;
    }
    switch (m_voice->getState())
    {
        case AudioState::PLAYING:
            return sf::SoundSource::Status::Playing;
        case AudioState::PAUSED:
            return sf::SoundSource::Status::Paused;
        default:
            return sf::SoundSource::Status::Stopped;
    }
}

sf::Sound Sound::getSound() const
{
    const sf::Sound* player = m_voice ? m_voice->getSfmlSound() : nullptr;
#if SFML_VERSION_MAJOR >= 3
    // SFML 3's player needs samples to exist: an empty buffer that outlives every copy.
    static const sf::SoundBuffer no_samples;
    return player ? *player : sf::Sound(no_samples);
#else
    return player ? *player : sf::Sound();
#endif
}
#endif

} // namespace ostrel
