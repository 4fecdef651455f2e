#include "sound_recipes.h"

#include <cmath>
#include <cstdint>
#include <utility>

using synth::Biquad;
using synth::Buffer;
using synth::Envelope;
using synth::Partial;
using synth::Tone;

namespace
{

// A struck note: quick attack, then an exponential decay with time constant `decay`.
Tone pluck(double hz, double hold, double decay, std::vector<Partial> partials)
{
    Tone tone;
    tone.freq = hz;
    tone.hold = hold;
    tone.env = {0.006, decay, 0.0, 0.06};
    tone.partials = std::move(partials);
    return tone;
}

// Noise through a filter, shaped as a burst with the given envelope.
Buffer noiseBurst(std::uint32_t seed, Biquad filter, const Envelope& env, double hold)
{
    Buffer noise = synth::whiteNoise(env.length(hold), seed);
    filter.run(noise);
    synth::shape(noise, env, hold);
    return noise;
}

// Two bell strikes a fifth apart (E6, B6); their upper partials nearly coincide and beat slowly,
// which makes the chime shimmer.
Buffer cropDone()
{
    const std::vector<Partial> bell{{1.0, 1.0, 0.0}, {2.0, 0.3, 0.35}, {3.01, 0.12, 0.2}, {4.2, 0.06, 0.08}};
    Buffer out;
    synth::mixInto(out, synth::render(pluck(1318.5, 0.8, 0.32, bell)), 0.0, 0.6);
    synth::mixInto(out, synth::render(pluck(1975.5, 0.8, 0.38, bell)), 0.07, 0.5);
    return out;
}

// A short grace note up to a ringing one, with a bright attack that fades fast: a coin landing.
Buffer cropHarvest()
{
    const std::vector<Partial> coin{{1.0, 1.0, 0.0}, {2.0, 0.35, 0.05}, {3.0, 0.1, 0.03}};
    Buffer out;
    synth::mixInto(out, synth::render(pluck(784.0, 0.06, 0.05, coin)), 0.0, 0.7);
    synth::mixInto(out, synth::render(pluck(1174.7, 0.4, 0.16, coin)), 0.065, 0.8);
    return out;
}

// A dull, low-passed tap of soil with a small wooden tone that sags a little in pitch.
Buffer cropPlant()
{
    Buffer out = noiseBurst(11, Biquad(Biquad::Kind::LowPass, 700.0, 0.7), {0.005, 0.03, 0.0, 0.04}, 0.08);
    Tone tone = pluck(392.0, 0.16, 0.06, synth::triangleish());
    tone.glideTo = 330.0;
    tone.glideTime = 0.1;
    synth::mixInto(out, synth::render(tone), 0.004, 0.2);
    return out;
}

// A soft thud of a sack hitting soil, then a scatter of fine grains settling.
Buffer fertilizerDrop()
{
    Tone thud = pluck(110.0, 0.2, 0.1, {{1.0, 1.0, 0.0}, {2.0, 0.2, 0.04}});
    thud.glideTo = 50.0;
    thud.glideTime = 0.12;
    Buffer out = synth::render(thud);
    synth::mixInto(out, noiseBurst(21, Biquad(Biquad::Kind::LowPass, 900.0, 0.7), {0.006, 0.05, 0.0, 0.05}, 0.1), 0.0,
                   0.7);
    const double grainTimes[] = {0.06, 0.1, 0.13, 0.18, 0.22, 0.27, 0.33};
    for (int i = 0; i < 7; ++i)
    {
        const Buffer grain = noiseBurst(22 + i, Biquad(Biquad::Kind::BandPass, 2400.0 + 300.0 * (i % 3), 1.5),
                                        {0.006, 0.012, 0.0, 0.02}, 0.03);
        synth::mixInto(out, grain, grainTimes[i], 0.35 * (1.0 - i / 9.0));
    }
    return out;
}

// Paper rustle (band-passed noise whose level flutters at random) over a soft tone rising an octave.
Buffer fertilizerPickup()
{
    Buffer rustle = noiseBurst(31, Biquad(Biquad::Kind::BandPass, 3200.0, 0.8), {0.02, 0.2, 0.0, 0.08}, 0.25);
    Buffer flutter = synth::whiteNoise(0.33, 32);
    Biquad(Biquad::Kind::LowPass, 40.0, 0.7).run(flutter);
    synth::normalizePeak(flutter, 0.0);
    for (std::size_t i = 0; i < rustle.size(); ++i)
        rustle[i] *= 0.3f + 0.7f * std::abs(flutter[i]);
    Tone rise;
    rise.freq = 260.0;
    rise.glideTo = 520.0;
    rise.glideTime = 0.25;
    rise.hold = 0.28;
    rise.env = {0.03, 0.3, 0.6, 0.1};
    rise.partials = synth::triangleish();
    Buffer out = synth::render(rise);
    synth::mixInto(out, rustle, 0.0, 2.0);
    return out;
}

// A slow minor phrase stepping down to the tonic, the last note sighing a little flat.
Buffer gameOver()
{
    const double notes[] = {392.0, 349.2, 311.1};
    Buffer out;
    for (int i = 0; i < 3; ++i)
    {
        Tone tone;
        tone.freq = notes[i];
        tone.hold = 0.2;
        tone.env = {0.02, 0.4, 0.5, 0.08};
        tone.partials = synth::triangleish();
        synth::mixInto(out, synth::render(tone), 0.22 * i, 0.8);
    }
    Tone last;
    last.freq = 261.6;
    last.glideTo = 246.9;
    last.glideTime = 0.7;
    last.hold = 0.45;
    last.env = {0.03, 0.5, 0.6, 0.25};
    last.partials = synth::triangleish();
    last.vibratoHz = 5.0;
    last.vibratoDepth = 0.006;
    synth::mixInto(out, synth::render(last), 0.66, 0.9);
    return out;
}

// A dry band-passed smack followed by a quick squeak falling by more than an octave.
Buffer pestHurt()
{
    Buffer out = noiseBurst(41, Biquad(Biquad::Kind::BandPass, 1800.0, 1.0), {0.005, 0.025, 0.0, 0.03}, 0.05);
    Tone squeak = pluck(1600.0, 0.12, 0.08, {{1.0, 1.0, 0.0}, {2.0, 0.15, 0.0}});
    squeak.glideTo = 600.0;
    squeak.glideTime = 0.12;
    synth::mixInto(out, synth::render(squeak), 0.02, 0.5);
    return out;
}

// A round, low bonk whose pitch drops quickly, with a muffled knock under it.
Buffer pestPlotHit()
{
    Tone bonk = pluck(200.0, 0.22, 0.1, {{1.0, 1.0, 0.0}, {2.0, 0.25, 0.05}});
    bonk.glideTo = 130.0;
    bonk.glideTime = 0.06;
    Buffer out = synth::render(bonk);
    synth::mixInto(out, noiseBurst(51, Biquad(Biquad::Kind::LowPass, 400.0, 0.7), {0.005, 0.02, 0.0, 0.03}, 0.04), 0.0,
                   0.5);
    return out;
}

// Two soft notes falling a tritone: "not enough money".
Buffer shopFail()
{
    Buffer out;
    const double notes[] = {329.6, 233.1};
    for (int i = 0; i < 2; ++i)
    {
        Tone tone;
        tone.freq = notes[i];
        tone.hold = i == 0 ? 0.1 : 0.16;
        tone.env = {0.01, 0.2, 0.5, 0.06};
        tone.partials = synth::triangleish();
        synth::mixInto(out, synth::render(tone), 0.13 * i, 1.0);
    }
    return out;
}

// A quick major arpeggio up an octave, plucked and bright.
Buffer shopSuccess()
{
    const std::vector<Partial> pick{{1.0, 1.0, 0.0}, {2.0, 0.25, 0.06}, {3.0, 0.08, 0.03}};
    const double notes[] = {523.3, 659.3, 784.0, 1046.5};
    Buffer out;
    for (int i = 0; i < 4; ++i)
        synth::mixInto(out, synth::render(pluck(notes[i], i == 3 ? 0.3 : 0.1, i == 3 ? 0.15 : 0.08, pick)), 0.06 * i,
                       0.6);
    return out;
}

// A little horn-like fanfare: three short notes up the major triad, then a held top note with vibrato.
Buffer success()
{
    const std::vector<Partial> horn{{1.0, 1.0, 0.0}, {2.0, 0.3, 0.0}, {3.0, 0.12, 0.0}, {4.0, 0.05, 0.0}};
    const double notes[] = {392.0, 523.3, 659.3};
    Buffer out;
    for (int i = 0; i < 3; ++i)
    {
        Tone tone;
        tone.freq = notes[i];
        tone.hold = 0.08;
        tone.env = {0.015, 0.15, 0.6, 0.05};
        tone.partials = horn;
        synth::mixInto(out, synth::render(tone), 0.13 * i, 0.8);
    }
    Tone top;
    top.freq = 784.0;
    top.hold = 0.6;
    top.env = {0.02, 0.3, 0.7, 0.3};
    top.partials = horn;
    top.vibratoHz = 5.5;
    top.vibratoDepth = 0.005;
    synth::mixInto(out, synth::render(top), 0.39, 0.9);
    return out;
}

// A bright splash of band-passed noise with a few bubbles, each a sine gliding quickly upward.
Buffer wateringDrop()
{
    Buffer splash = noiseBurst(61, Biquad(Biquad::Kind::BandPass, 2500.0, 0.7), {0.008, 0.09, 0.0, 0.08}, 0.15);
    Biquad(Biquad::Kind::HighPass, 500.0, 0.7).run(splash);
    Buffer out;
    synth::mixInto(out, splash, 0.0, 1.0);
    const double starts[] = {0.05, 0.12, 0.17, 0.26};
    const double pitches[] = {520.0, 700.0, 610.0, 820.0};
    for (int i = 0; i < 4; ++i)
    {
        Tone bubble = pluck(pitches[i], 0.05, 0.03, synth::pureSine());
        bubble.glideTo = pitches[i] * 1.8;
        bubble.glideTime = 0.05;
        synth::mixInto(out, synth::render(bubble), starts[i], 0.35);
    }
    return out;
}

// A light, quick blip gliding up an octave.
Buffer wateringPickup()
{
    Tone blip;
    blip.freq = 600.0;
    blip.glideTo = 1200.0;
    blip.glideTime = 0.09;
    blip.hold = 0.1;
    blip.env = {0.008, 0.1, 0.3, 0.08};
    blip.partials = {{1.0, 1.0, 0.0}, {2.0, 0.15, 0.0}};
    return synth::render(blip);
}

} // namespace

const std::vector<SoundRecipe>& soundRecipes()
{
    static const std::vector<SoundRecipe> recipes{
        {"crop_done", -3.0, cropDone},
        {"crop_harvest", -3.0, cropHarvest},
        {"crop_plant", -4.0, cropPlant},
        {"fertilizer_drop", -3.0, fertilizerDrop},
        {"fertilizer_pickup", -5.0, fertilizerPickup},
        {"game_over", -3.0, gameOver},
        {"pest_hurt", -4.0, pestHurt},
        {"pest_plot_hit", -4.0, pestPlotHit},
        {"shop_fail", -5.0, shopFail},
        {"shop_success", -4.0, shopSuccess},
        {"success", -3.0, success},
        {"watering_drop", -4.0, wateringDrop},
        {"watering_pickup", -5.0, wateringPickup},
    };
    return recipes;
}
