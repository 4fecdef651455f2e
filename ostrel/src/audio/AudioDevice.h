#pragma once

namespace ostrel
{

// Whether OpenAL, which SFML's audio plays through, opens its default sound device. True when
// OpenAL itself cannot be loaded: SFML's own attempt then decides.
bool audioDeviceOpens();

} // namespace ostrel
