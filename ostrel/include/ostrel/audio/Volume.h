#pragma once

namespace ostrel
{

// The volume every sound effect and music track plays at, from 0 (silent) to 100 (as
// recorded); values outside are clamped. It holds with or without an audio device.
void setMasterVolume(float volume);
float getMasterVolume();

} // namespace ostrel
