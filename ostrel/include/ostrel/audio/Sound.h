#pragma once

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <memory>
#include <string>

namespace ostrel
{

// A short labelled sound effect, decoded into memory, with one player for it.
class Sound
{
public:
    Sound();
    ~Sound();

    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;
    // Takes over the other's samples, player and label; the player stays bound to the
    // samples it plays (now this object's) and keeps its state. The other is left empty.
    Sound(Sound&& other) noexcept;
    Sound& operator=(Sound&& other) noexcept;

    // Decodes the file. -1 on failure, and then there is no player.
    int loadSound(std::string filename);
    void setLabel(std::string label);
    std::string getLabel() const { return m_label; }

    // Starts (or restarts) the effect, looping or once; nothing without a player.
    void play(bool loop = false);
    void stop();
    void pause();

    // A copy of the player; only meaningful on a loaded sound. A copy does not play.
    sf::Sound getSound() const;
    // What the player is doing: stopped when there is no player.
    sf::SoundSource::Status getStatus() const;
    // How many times play() has started this sound since it was loaded.
    int getPlayCount() const { return m_play_count; }

private:
    std::unique_ptr<sf::Sound> m_p_sound;
    sf::SoundBuffer m_sound_buffer;
    std::string m_label;
    int m_play_count = 0;
};

} // namespace ostrel
