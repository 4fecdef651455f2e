#pragma once

#include "synth.h"

#include <cstdint>

// The instruments of the lounge band. Each renders one note, `seconds` being how long the key is
// held; the returned buffer also holds the release, and its level scales with `velocity` (0 to 1).
namespace voices
{

// Two-operator FM tone whose brightness fades as the note decays, like a tine electric piano.
synth::Buffer electricPiano(double hz, double seconds, double velocity);

// Slow-swelling triangle-like tone with a faint vibrato; `detune` is a frequency factor near 1.
synth::Buffer pad(double hz, double seconds, double velocity, double detune);

// Plucked, round bass with a soft, fast-fading overtone at the start.
synth::Buffer bass(double hz, double seconds, double velocity);

// Breathy, flute-like lead with vibrato that grows during long notes.
synth::Buffer lead(double hz, double seconds, double velocity);

// A brush swept across a snare: a short burst of band-passed noise; `seed` varies each stroke.
synth::Buffer brush(double velocity, std::uint32_t seed);

} // namespace voices
