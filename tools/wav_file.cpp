#include "wav_file.h"

#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace
{

// WAV stores every field little-endian, whatever the machine.
void put(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void writeWav(const std::string& path, const std::vector<float>& interleaved, int channels)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        throw std::runtime_error("cannot open " + path);
    const auto dataBytes = static_cast<std::uint32_t>(interleaved.size() * 2);
    const auto blockAlign = static_cast<std::uint32_t>(channels * 2);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2); // integer PCM
    put(out, static_cast<std::uint32_t>(channels), 2);
    put(out, synth::kSampleRate, 4);
    put(out, synth::kSampleRate * blockAlign, 4);
    put(out, blockAlign, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, dataBytes, 4);
    for (float s : interleaved)
    {
        const long value = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)) & 0xFFFF, 2);
    }
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}
