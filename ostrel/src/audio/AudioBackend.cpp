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

bool g_silent = !OSTREL_WITH_SFML;

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
    g_silent = silent || !OSTREL_WITH_SFML;
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
    return *silent;
}

} // namespace ostrel
