#include "music_voices.h"

#include <cmath>

using synth::Buffer;
using synth::Envelope;
using synth::kPi;
using synth::kSampleRate;

namespace voices
{

Buffer electricPiano(double hz, double seconds, double velocity)
{
    // Higher notes ring for less time, as on the real instrument.
    const Envelope env{0.005, 1.6 * std::sqrt(261.6 / hz), 0.0, 0.25};
    Buffer out(synth::toSamples(env.length(seconds)));
    double carrier = 0.0;
    double modulator = 0.0;
    double tine = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const double t = static_cast<double>(i) / kSampleRate;
        const double index = velocity * (0.3 + 1.5 * std::exp(-t / 0.35));
        const double tineLevel = 0.08 * velocity * std::exp(-t / 0.05);
        const double s = std::sin(carrier + index * std::sin(modulator)) + tineLevel * std::sin(tine);
        out[i] = static_cast<float>(velocity * env.at(t, seconds) * s);
        carrier = std::fmod(carrier + 2.0 * kPi * hz / kSampleRate, 2.0 * kPi);
        modulator = std::fmod(modulator + 2.0 * kPi * hz / kSampleRate, 2.0 * kPi);
        tine = std::fmod(tine + 2.0 * kPi * 7.0 * hz / kSampleRate, 2.0 * kPi);
    }
    return out;
}

Buffer pad(double hz, double seconds, double velocity, double detune)
{
    synth::Tone tone;
    tone.freq = hz * detune;
    tone.hold = seconds;
    tone.env = {0.45, 1.5, 0.7, 0.6};
    tone.partials = synth::triangleish();
    tone.vibratoHz = 4.2;
    tone.vibratoDepth = 0.002;
    Buffer out = synth::render(tone);
    synth::scale(out, velocity);
    return out;
}

Buffer bass(double hz, double seconds, double velocity)
{
    synth::Tone tone;
    tone.freq = hz;
    tone.hold = seconds;
    tone.env = {0.008, 0.8, 0.35, 0.08};
    tone.partials = {{1.0, 1.0, 0.0}, {2.0, 0.3, 0.12}, {3.0, 0.1, 0.06}};
    Buffer out = synth::render(tone);
    synth::scale(out, velocity);
    return out;
}

Buffer lead(double hz, double seconds, double velocity)
{
    synth::Tone tone;
    tone.freq = hz;
    tone.hold = seconds;
    tone.env = {0.04, 0.5, 0.7, 0.15};
    tone.partials = {{1.0, 1.0, 0.0}, {2.0, 0.12, 0.0}, {3.0, 0.04, 0.0}};
    tone.vibratoHz = 5.0;
    tone.vibratoDepth = 0.003;
    Buffer out = synth::render(tone);
    synth::scale(out, velocity);
    return out;
}

Buffer brush(double velocity, std::uint32_t seed)
{
    const Envelope env{0.005, 0.04, 0.0, 0.03};
    Buffer out = synth::whiteNoise(env.length(0.06), seed);
    synth::Biquad(synth::Biquad::Kind::BandPass, 6000.0, 0.7).run(out);
    synth::shape(out, env, 0.06);
    synth::scale(out, velocity);
    return out;
}

} // namespace voices
