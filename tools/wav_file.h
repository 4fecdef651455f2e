#pragma once

#include <string>
#include <vector>

// Writes a 16-bit PCM WAV file at synth::kSampleRate. `interleaved` holds `channels` samples per
// frame in [-1, 1]; values outside are clamped. Throws std::runtime_error when the file cannot be written.
void writeWav(const std::string& path, const std::vector<float>& interleaved, int channels);
