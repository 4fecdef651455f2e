#include "AudioFiles.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace testing_support
{

namespace
{

void put16(std::ofstream& out, std::uint16_t value)
{
    out.put(static_cast<char>(value & 0xFF)).put(static_cast<char>(value >> 8));
}

void put32(std::ofstream& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

void writeWav(const std::string& path, double seconds, double frequency)
{
    const std::uint32_t rate = 44100;
    const auto count = static_cast<std::uint32_t>(seconds * rate);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + count * 2);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, count * 2);
    const double pi = 3.14159265358979323846;
    for (std::uint32_t i = 0; i < count; ++i)
    {
        const double sample = 8000.0 * std::sin(2.0 * pi * frequency * i / rate);
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)));
    }
}

bool writeMp3(const std::string& path, double seconds, double frequency)
{
    const std::string wav = path + ".wav";
    writeWav(wav, seconds, frequency);
    const std::string command = "lame --quiet -b 64 '" + wav + "' '" + path + "'";
    return std::system(command.c_str()) == 0;
}

} // namespace testing_support
