#pragma once

#include <SFML/Audio/Music.hpp>

#include <string>

namespace ostrel
{

// A labelled music track, streamed from its file while it plays. Never copied.
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

    void play(bool loop = true);
    void stop();
    void pause();

    sf::Music* getMusic() { return &m_music; }

private:
    sf::Music m_music;
    std::string m_label;
};

} // namespace ostrel
