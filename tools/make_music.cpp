// Writes the shop and title music, "Pumpkin Lounge", as one loop in a 16-bit stereo WAV file at the
// path given as the only argument; tools/make-audio then encodes it to MP3.
#include "music_score.h"
#include "music_voices.h"
#include "reverb.h"
#include "synth.h"
#include "wav_file.h"

#include <cmath>
#include <cstdint>
#include <exception>
#include <iostream>

using synth::Buffer;

namespace
{

// The loop starts with a short swell and its last beat, which holds only the room's tail, fades to
// silence, so that the seam is inaudible and free of clicks.
constexpr double kFadeInSeconds = 0.08;
constexpr double kPeakDbfs = -3.0;

struct Stereo
{
    Buffer left;
    Buffer right;
};

// Constant-power panning: `pan` runs from -1 (left) to 1 (right).
void place(Stereo& mix, const Buffer& sound, double seconds, double gain, double pan)
{
    const double angle = (pan + 1.0) * synth::kPi / 4.0;
    synth::mixInto(mix.left, sound, seconds, gain * std::cos(angle));
    synth::mixInto(mix.right, sound, seconds, gain * std::sin(angle));
}

// The piano sways gently between the speakers twice a second, like the tremolo of a suitcase
// electric piano.
void placeSwaying(Stereo& mix, const Buffer& bus, double gain)
{
    Buffer left(bus.size());
    Buffer right(bus.size());
    for (std::size_t i = 0; i < bus.size(); ++i)
    {
        const double t = static_cast<double>(i) / synth::kSampleRate;
        const double pan = -0.15 + 0.3 * std::sin(2.0 * synth::kPi * 2.0 * t);
        const double angle = (pan + 1.0) * synth::kPi / 4.0;
        left[i] = static_cast<float>(bus[i] * gain * std::cos(angle));
        right[i] = static_cast<float>(bus[i] * gain * std::sin(angle));
    }
    synth::mixInto(mix.left, left, 0.0, 1.0);
    synth::mixInto(mix.right, right, 0.0, 1.0);
}

// Plays every part of the score into one stereo mix, in a small room.
Stereo perform(const Score& score)
{
    const double beat = 60.0 / score.bpm;
    Stereo mix;
    Buffer pianoBus;
    for (const Note& n : score.piano)
        synth::mixInto(pianoBus, voices::electricPiano(synth::midiToHz(n.pitch), n.beats * beat, n.velocity),
                       n.beat * beat, 1.0);
    placeSwaying(mix, pianoBus, 0.18);
    for (const Note& n : score.pad)
    {
        const double hz = synth::midiToHz(n.pitch);
        place(mix, voices::pad(hz, n.beats * beat, n.velocity, 0.997), n.beat * beat, 0.045, -0.6);
        place(mix, voices::pad(hz, n.beats * beat, n.velocity, 1.003), n.beat * beat, 0.045, 0.6);
    }
    for (const Note& n : score.bass)
        place(mix, voices::bass(synth::midiToHz(n.pitch), n.beats * beat, n.velocity), n.beat * beat, 0.45, 0.0);
    for (const Note& n : score.melody)
        place(mix, voices::lead(synth::midiToHz(n.pitch), n.beats * beat, n.velocity), n.beat * beat, 0.2, 0.25);
    std::uint32_t seed = 1;
    for (const Stroke& s : score.brush)
        place(mix, voices::brush(s.velocity, seed++), s.beat * beat, 0.2, 0.35);
    addRoom(mix.left, mix.right, 0.35);
    return mix;
}

// Cuts both channels to exactly the loop's length and fades its edges; returns interleaved frames.
Buffer finishLoop(Stereo mix, const Score& score)
{
    const double beat = 60.0 / score.bpm;
    const std::size_t frames = synth::toSamples(score.bars * score.beatsPerBar * beat);
    Buffer interleaved(2 * frames);
    for (Buffer* channel : {&mix.left, &mix.right})
    {
        channel->resize(frames, 0.0f);
        synth::fadeEdges(*channel, kFadeInSeconds, beat);
    }
    for (std::size_t i = 0; i < frames; ++i)
    {
        interleaved[2 * i] = mix.left[i];
        interleaved[2 * i + 1] = mix.right[i];
    }
    synth::normalizePeak(interleaved, kPeakDbfs);
    return interleaved;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: make_music OUTPUT.wav\n";
        return 2;
    }
    try
    {
        const Score score = pumpkinLounge();
        writeWav(argv[1], finishLoop(perform(score), score), 2);
    }
    catch (const std::exception& e)
    {
        std::cerr << "make_music: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
