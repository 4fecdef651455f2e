#pragma once

#include "synth.h"

// Adds a small, warm room to a stereo pair: the mono sum feeds two slightly different banks of
// damped comb filters and all-pass diffusers, and their output is mixed back at level `wet`.
// The room's tail falls by 60 dB in under a second, so it dies out inside the loop's last bar.
void addRoom(synth::Buffer& left, synth::Buffer& right, double wet);
