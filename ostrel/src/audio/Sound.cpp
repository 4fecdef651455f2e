#include "ostrel/audio/Sound.h"

#include <utility>

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
    // Assigning a buffer detaches every player bound to the destination, and a player
    // cannot follow its samples to a new address by itself: rebind it and restore its state.
    m_p_sound.reset();
    m_sound_buffer = other.m_sound_buffer;
    m_label = std::move(other.m_label);
    other.m_label.clear();
    m_play_count = other.m_play_count;
    other.m_play_count = 0;

    if (other.m_p_sound)
    {
        const sf::SoundSource::Status status = other.m_p_sound->getStatus();
        const sf::Time offset = other.m_p_sound->getPlayingOffset();
        m_p_sound = std::move(other.m_p_sound);
        m_p_sound->setBuffer(m_sound_buffer);
        m_p_sound->setPlayingOffset(offset);
        if (status == sf::SoundSource::Status::Playing)
        {
            m_p_sound->play();
        }
        else if (status == sf::SoundSource::Status::Paused)
        {
            m_p_sound->play();
            m_p_sound->pause();
        }
    }
    other.m_sound_buffer = sf::SoundBuffer();
    return *this;
}

int Sound::loadSound(std::string filename)
{
#if SFML_VERSION_MAJOR >= 3
    const bool loaded = m_sound_buffer.loadFromFile(std::filesystem::path(filename));
#else
    const bool loaded = m_sound_buffer.loadFromFile(filename);
#endif
    if (!loaded)
    {
        return -1;
    }
    m_p_sound = std::make_unique<sf::Sound>(m_sound_buffer);
    m_play_count = 0;
    return 0;
}

void Sound::setLabel(std::string label)
{
    m_label = std::move(label);
}

void Sound::play(bool loop)
{
    if (!m_p_sound)
    {
        return;
    }
#if SFML_VERSION_MAJOR >= 3
    m_p_sound->setLooping(loop);
#else
    m_p_sound->setLoop(loop);
#endif
    m_p_sound->play();
    ++m_play_count;
}

void Sound::stop()
{
    if (m_p_sound)
    {
        m_p_sound->stop();
    }
}

void Sound::pause()
{
    if (m_p_sound)
    {
        m_p_sound->pause();
    }
}

sf::SoundSource::Status Sound::getStatus() const
{
    return m_p_sound ? m_p_sound->getStatus() : sf::SoundSource::Status::Stopped;
}

sf::Sound Sound::getSound() const
{
    return m_p_sound ? *m_p_sound : sf::Sound(m_sound_buffer);
}

} // namespace ostrel
