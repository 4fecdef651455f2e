#include "ostrel/audio/Volume.h"

#include "audio/AudioBackend.h"

#include <algorithm>

namespace ostrel
{

namespace
{

float g_master_volume = 100.0f;

} // namespace

void setMasterVolume(float volume)
{
    g_master_volume = std::clamp(volume, 0.0f, 100.0f);
    getAudioBackend().setVolume(g_master_volume);
}

float getMasterVolume()
{
    return g_master_volume;
}

} // namespace ostrel
