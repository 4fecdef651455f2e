#pragma once

#include <string>

namespace testing_support
{

// Writes a mono 16-bit 44.1 kHz WAV file holding a sine tone.
void writeWav(const std::string& path, double seconds, double frequency);
// Encodes a tone of the given length to MP3 with lame. False if lame failed.
bool writeMp3(const std::string& path, double seconds, double frequency);

} // namespace testing_support
