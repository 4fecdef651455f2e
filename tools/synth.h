#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Building blocks shared by the sound and music generators. Everything is mono float audio in [-1, 1]
// at kSampleRate; only the final writer turns it into 16-bit samples.
namespace synth
{

constexpr int kSampleRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<float>;

std::size_t toSamples(double seconds);
double midiToHz(double note);

// Amplitude of a note held for `hold` seconds: a raised-cosine attack, an exponential decay (time
// constant `decay`) toward `sustain`, then a raised-cosine release that ends at exactly zero, so a
// note never starts or stops with a click.
struct Envelope
{
    double attack = 0.01;
    double decay = 0.2;
    double sustain = 0.0;
    double release = 0.05;

    double at(double t, double hold) const;
    double length(double hold) const { return hold + release; }
};

// One sine component of a tone. `decay` is an extra time constant (seconds) that lets bright
// partials die away before the fundamental; 0 means the partial lasts as long as the note.
struct Partial
{
    double ratio = 1.0;
    double gain = 1.0;
    double decay = 0.0;
};

// A single sine at the fundamental.
std::vector<Partial> pureSine();

// Odd harmonics of a triangle wave up to the fifth: its soft, hollow colour without aliasing.
std::vector<Partial> triangleish();

// A note built from sine partials. The pitch may glide exponentially from `freq` to `glideTo` over
// `glideTime` seconds; vibrato, when set, fades in over the first quarter second.
struct Tone
{
    double freq = 440.0;
    double glideTo = 0.0;
    double glideTime = 0.0;
    double hold = 0.1;
    Envelope env;
    std::vector<Partial> partials = pureSine();
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;
};

// Renders the tone from its start to the end of its release. Partial gains are scaled to add up to
// 1, so the tone stays within [-1, 1].
Buffer render(const Tone& tone);

// White noise from a fixed seed, so that every run of a generator writes identical files.
Buffer whiteNoise(double seconds, std::uint32_t seed);

// Second-order filter (the usual audio-cookbook designs) that keeps its state between calls.
class Biquad
{
public:
    enum class Kind
    {
        LowPass,
        HighPass,
        BandPass,
    };

    Biquad(Kind kind, double hz, double q);

    float process(float x);
    void run(Buffer& buffer);

private:
    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

// Adds `in` times `gain` to `out` from `startSeconds` on, growing `out` when needed.
void mixInto(Buffer& out, const Buffer& in, double startSeconds, double gain);

// Multiplies every sample by `gain`.
void scale(Buffer& buffer, double gain);

// Multiplies the buffer by the envelope of a note held `hold` seconds and cuts it to that length.
void shape(Buffer& buffer, const Envelope& env, double hold);

// Raised-cosine fades over the first `fadeIn` and the last `fadeOut` seconds: the first and last
// samples become exactly zero.
void fadeEdges(Buffer& buffer, double fadeIn, double fadeOut);

// Scales the buffer so that its largest magnitude sits at `dbfs` (e.g. -3) decibels relative to full scale.
void normalizePeak(Buffer& buffer, double dbfs);

} // namespace synth
