#include "audio/AudioBackend.h"

#include "ostrel/audio/AudioOutput.h"
#include "ostrel/core/LogManager.h"

#if OSTREL_WITH_SFML
#include "audio/AudioDevice.h"
#endif

namespace ostrel
{

namespace
{

#if OSTREL_WITH_SFML || defined(__EMSCRIPTEN__)
const bool HAS_SOUND = true;
#else
const bool HAS_SOUND = false;
#endif

// In a browser's build silent until start-up chooses: under Node there is no page to play in.
#ifdef __EMSCRIPTEN__
bool g_silent = true;
#else
bool g_silent = !HAS_SOUND;
#endif

#if OSTREL_WITH_SFML
// Probes the sound device once. Without one SFML would report an error at every call, so
// everything plays silently instead, and the log says so once.
bool sfmlDeviceOpens()
{
    static const bool opens = []
    {
        const bool found = audioDeviceOpens();
        if (!found)
        {
            LogManager::getInstance().writeProblem("no audio device: sounds and music play silently");
        }
        return found;
    }();
    return opens;
}
#endif

} // namespace

void setSilentAudio(bool silent)
{
    g_silent = silent || !HAS_SOUND;
}

bool isSilentAudio()
{
    return g_silent;
}

AudioBackend& getAudioBackend()
{
    static const std::unique_ptr<AudioBackend> silent = makeSilentAudio();
#if OSTREL_WITH_SFML
    // Made on first use: SFML's audio opens the sound device.
    if (!g_silent && sfmlDeviceOpens())
    {
        static const std::unique_ptr<AudioBackend> sfml = makeSfmlAudio();
        return *sfml;
    }
#endif
#ifdef __EMSCRIPTEN__
    if (!g_silent)
    {
        static const std::unique_ptr<AudioBackend> web = makeWebAudio();
        return *web;
    }
#endif
    return *silent;
}

} // namespace ostrel
