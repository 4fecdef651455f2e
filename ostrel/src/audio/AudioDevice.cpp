#include "audio/AudioDevice.h"

#include "system/SharedLibrary.h"

namespace ostrel
{

bool audioDeviceOpens()
{
    return defaultResourceOpens<char>("libopenal.so.1", "alcOpenDevice", "alcCloseDevice");
}

} // namespace ostrel
