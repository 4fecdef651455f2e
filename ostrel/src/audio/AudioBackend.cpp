#include "audio/AudioBackend.h"

namespace ostrel
{

AudioBackend& getAudioBackend()
{
#if OSTREL_WITH_SFML
    static const std::unique_ptr<AudioBackend> backend = makeSfmlAudio();
#else
    static const std::unique_ptr<AudioBackend> backend = makeSilentAudio();
#endif
    return *backend;
}

} // namespace ostrel
