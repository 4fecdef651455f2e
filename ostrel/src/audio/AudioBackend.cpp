#include "audio/AudioBackend.h"

#include "ostrel/audio/AudioOutput.h"

namespace ostrel
{

namespace
{

bool g_silent = !OSTREL_WITH_SFML;

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
    if (!g_silent)
    {
        static const std::unique_ptr<AudioBackend> sfml = makeSfmlAudio();
        return *sfml;
    }
#endif
    return *silent;
}

} // namespace ostrel
