#pragma once

#include "ostrel/Config.h"

#include <memory>
#include <string>

#if OSTREL_WITH_SFML
namespace sf
{
class Music;
class Sound;
} // namespace sf
#endif

namespace ostrel
{

enum class AudioState
{
    STOPPED,
    PAUSED,
    PLAYING,
};

// One sound effect or music track as a backend plays it.
class AudioVoice
{
public:
    virtual ~AudioVoice() = default;

    virtual void play(bool loop) = 0;
    virtual void stop() = 0;
    virtual void pause() = 0;
    virtual AudioState getState() const = 0;

#if OSTREL_WITH_SFML
    // SFML's player behind the voice; null for a backend other than SFML's.
    virtual const sf::Sound* getSfmlSound() const
    {
        return nullptr;
    }
    virtual sf::Music* getSfmlMusic()
    {
        return nullptr;
    }
#endif
};

// What sounds and music play through: SFML's audio, or silence.
class AudioBackend
{
public:
    virtual ~AudioBackend() = default;

    // A voice for the file's samples, decoded now; null if the file cannot be read.
    virtual std::unique_ptr<AudioVoice> loadSound(const std::string& file) = 0;
    // A voice that streams the file while it plays; null if the file cannot be opened.
    virtual std::unique_ptr<AudioVoice> openMusic(const std::string& file) = 0;
    // The volume every voice plays at, 0 to 100.
    virtual void setVolume(float volume) = 0;
};

// Plays nothing, but keeps each voice's state as a player would, so that a game behaves the
// same with or without sound.
std::unique_ptr<AudioBackend> makeSilentAudio();
#if OSTREL_WITH_SFML
std::unique_ptr<AudioBackend> makeSfmlAudio();
#endif
#ifdef __EMSCRIPTEN__
// Web Audio for sound effects and the browser's <audio> for music, in a page.
std::unique_ptr<AudioBackend> makeWebAudio();
#endif

// The backend sounds and music load through now: SFML's where the engine has SFML, the
// browser's built with Emscripten, unless audio is silent (setSilentAudio()).
AudioBackend& getAudioBackend();

} // namespace ostrel
