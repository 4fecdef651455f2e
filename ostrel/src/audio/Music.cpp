#include "ostrel/audio/Music.h"

#include "audio/Mp3Reader.h"

#include <utility>

namespace ostrel
{

Music::Music() = default;

Music::~Music() = default;

int Music::loadMusic(std::string filename)
{
    registerMp3Reader();
#if SFML_VERSION_MAJOR >= 3
    const bool opened = m_music.openFromFile(std::filesystem::path(filename));
#else
    const bool opened = m_music.openFromFile(filename);
#endif
    return opened ? 0 : -1;
}

void Music::setLabel(std::string label)
{
    m_label = std::move(label);
}

void Music::play(bool loop)
{
#if SFML_VERSION_MAJOR >= 3
    m_music.setLooping(loop);
#else
    m_music.setLoop(loop);
#endif
    m_music.play();
}

void Music::stop()
{
    m_music.stop();
}

void Music::pause()
{
    m_music.pause();
}

} // namespace ostrel
