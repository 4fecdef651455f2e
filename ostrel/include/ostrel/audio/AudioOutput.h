#pragma once

namespace ostrel
{

// Whether sounds and music loaded from now on play silently: they still count their plays and
// keep their state, so a game behaves the same. The engine plays silently on the headless front
// end, and always in a build without SFML.
void setSilentAudio(bool silent);
bool isSilentAudio();

} // namespace ostrel
