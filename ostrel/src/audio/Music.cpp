#include "ostrel/audio/Music.h"

#include "audio/AudioBackend.h"

#include <utility>

namespace ostrel
{

Music::Music() = default;

Music::~Music() = default;

int Music::loadMusic(std::string filename)
{
    std::unique_ptr<AudioVoice> voice = getAudioBackend().openMusic(filename);
    if (!voice)
    {
        return -1;
    }
    m_voice = std::move(voice);
    return 0;
}

void Music::setLabel(std::string label)
{
    m_label = std::move(label);
}

void Music::play(bool loop)
{
    if (m_voice)
    {
        m_voice->play(loop);
    }
}

void Music::stop()
{
    if (m_voice)
    {
        m_voice->stop();
    }
}

void Music::pause()
{
    if (m_voice)
    {
        m_voice->pause();
    }
}

bool Music::isPlaying() const
{
    return m_voice && m_voice->getState() == AudioState::PLAYING;
}

#if OSTREL_WITH_SFML
sf::Music* Music::getMusic()
{
    return m_voice ? m_voice->getSfmlMusic() : nullptr;
}
#endif

} // namespace ostrel
