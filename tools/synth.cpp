#include "synth.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace synth
{

std::size_t toSamples(double seconds)
{
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double midiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

namespace
{

// Rises from 0 to 1 as x goes from 0 to 1, with zero slope at both ends.
double raisedCosine(double x)
{
    return x <= 0.0 ? 0.0 : x >= 1.0 ? 1.0 : 0.5 - 0.5 * std::cos(kPi * x);
}

double heldLevel(const Envelope& env, double t)
{
    if (t < env.attack)
        return raisedCosine(t / env.attack);
    const double since = t - env.attack;
    const double fall = env.decay > 0.0 ? std::exp(-since / env.decay) : 0.0;
    return env.sustain + (1.0 - env.sustain) * fall;
}

} // namespace

double Envelope::at(double t, double hold) const
{
    if (t < 0.0 || t >= hold + release)
        return 0.0;
    if (t <= hold)
        return heldLevel(*this, t);
    return heldLevel(*this, hold) * (1.0 - raisedCosine((t - hold) / release));
}

std::vector<Partial> pureSine()
{
    return {{1.0, 1.0, 0.0}};
}

std::vector<Partial> triangleish()
{
    return {{1.0, 1.0, 0.0}, {3.0, 1.0 / 9.0, 0.0}, {5.0, 1.0 / 25.0, 0.0}};
}

Buffer render(const Tone& tone)
{
    double total = 0.0;
    for (const Partial& p : tone.partials)
        total += std::abs(p.gain);
    const std::size_t n = toSamples(tone.env.length(tone.hold));
    Buffer out(n, 0.0f);
    std::vector<double> phases(tone.partials.size(), 0.0);
    const bool glides = tone.glideTo > 0.0 && tone.glideTime > 0.0;
    for (std::size_t i = 0; i < n; ++i)
    {
        const double t = static_cast<double>(i) / kSampleRate;
        double freq = tone.freq;
        if (glides)
            freq *= std::pow(tone.glideTo / tone.freq, std::min(t / tone.glideTime, 1.0));
        if (tone.vibratoHz > 0.0)
            freq *= 1.0 + tone.vibratoDepth * std::min(t / 0.25, 1.0) * std::sin(2.0 * kPi * tone.vibratoHz * t);
        double sum = 0.0;
        for (std::size_t k = 0; k < tone.partials.size(); ++k)
        {
            const Partial& p = tone.partials[k];
            const double fade = p.decay > 0.0 ? std::exp(-t / p.decay) : 1.0;
            sum += p.gain * fade * std::sin(phases[k]);
            phases[k] = std::fmod(phases[k] + 2.0 * kPi * freq * p.ratio / kSampleRate, 2.0 * kPi);
        }
        out[i] = static_cast<float>(sum / total * tone.env.at(t, tone.hold));
    }
    return out;
}

Buffer whiteNoise(double seconds, std::uint32_t seed)
{
    // mt19937 is the same engine everywhere; the library's distributions are not, so scale by hand.
    std::mt19937 engine(seed);
    Buffer out(toSamples(seconds));
    for (float& s : out)
        s = static_cast<float>(engine() / 4294967295.0 * 2.0 - 1.0);
    return out;
}

Biquad::Biquad(Kind kind, double hz, double q)
{
    const double w = 2.0 * kPi * hz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    switch (kind)
    {
        case Kind::LowPass:
            b0_ = (1.0 - c) / 2.0 / a0;
            b1_ = (1.0 - c) / a0;
            break;
        case Kind::HighPass:
            b0_ = (1.0 + c) / 2.0 / a0;
            b1_ = -(1.0 + c) / a0;
            break;
        case Kind::BandPass:
            b0_ = alpha / a0;
            b1_ = 0.0;
            break;
    }
    b2_ = kind == Kind::BandPass ? -b0_ : b0_;
    a1_ = -2.0 * c / a0;
    a2_ = (1.0 - alpha) / a0;
}

float Biquad::process(float x)
{
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

void Biquad::run(Buffer& buffer)
{
    for (float& s : buffer)
        s = process(s);
}

void mixInto(Buffer& out, const Buffer& in, double startSeconds, double gain)
{
    const std::size_t start = toSamples(startSeconds);
    if (out.size() < start + in.size())
        out.resize(start + in.size(), 0.0f);
    for (std::size_t i = 0; i < in.size(); ++i)
        out[start + i] += static_cast<float>(in[i] * gain);
}

void scale(Buffer& buffer, double gain)
{
    for (float& s : buffer)
        s = static_cast<float>(s * gain);
}

void shape(Buffer& buffer, const Envelope& env, double hold)
{
    buffer.resize(toSamples(env.length(hold)), 0.0f);
    for (std::size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = static_cast<float>(buffer[i] * env.at(static_cast<double>(i) / kSampleRate, hold));
}

void fadeEdges(Buffer& buffer, double fadeIn, double fadeOut)
{
    const std::size_t in = std::min(toSamples(fadeIn), buffer.size());
    for (std::size_t i = 0; i < in; ++i)
        buffer[i] *= static_cast<float>(raisedCosine(static_cast<double>(i) / in));
    const std::size_t out = std::min(toSamples(fadeOut), buffer.size());
    for (std::size_t i = 0; i < out; ++i)
        buffer[buffer.size() - 1 - i] *= static_cast<float>(raisedCosine(static_cast<double>(i) / out));
}

void normalizePeak(Buffer& buffer, double dbfs)
{
    float peak = 0.0f;
    for (float s : buffer)
        peak = std::max(peak, std::abs(s));
    if (peak == 0.0f)
        return;
    scale(buffer, std::pow(10.0, dbfs / 20.0) / peak);
}

} // namespace synth
