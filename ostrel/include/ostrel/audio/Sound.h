#pragma once

#include "ostrel/Config.h"

#include <memory>
#include <string>

#if OSTREL_WITH_SFML
#include <SFML/Audio/Sound.hpp>
#endif

namespace ostrel
{

class AudioVoice;

// A short labelled sound effect, decoded into memory, with one player for it. It plays
// through the engine's audio backend: SFML's, or silence in a build without SFML.
class Sound
{
public:
    Sound();
    ~Sound();

    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;
    // Takes over the other's samples, player (in the state it is in) and label; the other
    // is left empty.
    Sound(Sound&& other) noexcept;
    Sound& operator=(Sound&& other) noexcept;

    // Decodes the file. -1 on failure, and then there is no player.
    int loadSound(std::string filename);
    void setLabel(std::string label);
    std::string getLabel() const { return m_label; }
    // Whether a file was loaded, so that there is a player.
    bool isLoaded() const { return m_voice != nullptr; }

    // Starts (or restarts) the effect, looping or once; nothing without a player.
    void play(bool loop = false);
    void stop();
    void pause();
    bool isPlaying() const;

#if OSTREL_WITH_SFML
    // A copy of SFML's player; only meaningful on a loaded sound. A copy does not play.
    sf::Sound getSound() const;
    // What the player is doing: stopped when there is no player.
    sf::SoundSource::Status getStatus() const;
#endif
    // How many times play() has started this sound since it was loaded.
    int getPlayCount() const
    {
        return m_play_count;
    }

private:
    std::unique_ptr<AudioVoice> m_voice;
    std::string m_label;
    int m_play_count = 0;
};

} // namespace ostrel
