#pragma once

#include "ostrel/Config.h"

#include <memory>
#include <string>

#if OSTREL_WITH_SFML
namespace sf
{
class Music;
}
#endif

namespace ostrel
{

class AudioVoice;

// A labelled music track, streamed from its file while it plays, through the engine's audio
// backend. Never copied.
class Music
{
public:
    Music();
    ~Music();

    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    // Opens the file for streaming. -1 on failure.
    int loadMusic(std::string filename);
    void setLabel(std::string label);
    std::string getLabel() const { return m_label; }
    // Whether a track was opened.
    bool isLoaded() const { return m_voice != nullptr; }

    void play(bool loop = true);
    void stop();
    void pause();
    bool isPlaying() const;

#if OSTREL_WITH_SFML
    // SFML's player of the track: null before a track is opened, or without SFML's audio.
    sf::Music* getMusic();
#endif

private:
    std::unique_ptr<AudioVoice> m_voice;
    std::string m_label;
};

} // namespace ostrel
