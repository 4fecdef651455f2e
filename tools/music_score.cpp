#include "music_score.h"

#include <array>

namespace
{

// One bar of harmony: the bass plays `root`, the piano and the pad play the four-note `voicing`.
struct Chord
{
    int root;
    std::array<int, 4> voicing;
};

// Rootless voicings around middle C that move by small steps from one chord to the next.
constexpr Chord kFmaj9{41, {57, 60, 64, 67}};
constexpr Chord kDm9{38, {53, 57, 60, 64}};
constexpr Chord kGm9{43, {53, 57, 58, 62}};
constexpr Chord kC9{36, {52, 55, 58, 62}};
constexpr Chord kBbmaj9{46, {57, 60, 62, 65}};
constexpr Chord kAm7{45, {55, 57, 60, 64}};
constexpr Chord kC9sus{36, {53, 55, 58, 62}};

constexpr std::array<Chord, 16> kChart{kFmaj9, kDm9, kGm9, kC9, kFmaj9,  kDm9, kBbmaj9, kC9,
                                       kAm7,   kDm9, kGm9, kC9, kBbmaj9, kAm7, kGm9,    kC9sus};

// The tune, as {bar, beat in bar, length in beats, pitch}; bar 15 holds the last note, which rings out.
struct TuneNote
{
    int bar;
    double beat;
    double beats;
    int pitch;
};

constexpr TuneNote kTune[] = {
    {0, 1.0, 0.5, 69},  {0, 1.5, 0.5, 72},  {0, 2.0, 1.5, 76},  {0, 3.5, 0.5, 74},  {1, 0.0, 1.5, 72},
    {1, 1.5, 0.5, 69},  {1, 2.0, 2.0, 65},  {2, 1.0, 0.5, 70},  {2, 1.5, 0.5, 74},  {2, 2.0, 1.5, 77},
    {2, 3.5, 0.5, 76},  {3, 0.0, 1.0, 74},  {3, 1.0, 1.0, 72},  {3, 2.0, 1.0, 70},  {3, 3.0, 1.0, 67},
    {4, 0.0, 2.0, 69},  {4, 2.5, 0.5, 67},  {4, 3.0, 0.5, 69},  {4, 3.5, 0.5, 72},  {5, 0.0, 1.5, 77},
    {5, 1.5, 0.5, 76},  {5, 2.0, 1.0, 74},  {5, 3.0, 1.0, 72},  {6, 0.0, 1.5, 74},  {6, 1.5, 0.5, 72},
    {6, 2.0, 2.0, 69},  {7, 0.0, 1.0, 67},  {7, 1.0, 0.5, 69},  {7, 1.5, 0.5, 70},  {7, 2.0, 2.0, 67},
    {8, 1.0, 0.5, 76},  {8, 1.5, 0.5, 79},  {8, 2.0, 1.0, 76},  {8, 3.0, 1.0, 72},  {9, 0.0, 1.5, 74},
    {9, 1.5, 0.5, 77},  {9, 2.0, 1.0, 76},  {9, 3.0, 1.0, 74},  {10, 0.0, 1.5, 70}, {10, 1.5, 0.5, 69},
    {10, 2.0, 0.5, 70}, {10, 2.5, 1.5, 74}, {11, 0.0, 1.0, 76}, {11, 1.0, 1.0, 74}, {11, 2.0, 1.0, 72},
    {11, 3.0, 1.0, 70}, {12, 0.0, 1.5, 69}, {12, 1.5, 0.5, 72}, {12, 2.0, 2.0, 77}, {13, 0.0, 1.5, 76},
    {13, 1.5, 0.5, 74}, {13, 2.0, 2.0, 72}, {14, 0.0, 1.0, 74}, {14, 1.0, 0.5, 72}, {14, 1.5, 0.5, 70},
    {14, 2.0, 2.0, 69}, {15, 0.0, 2.5, 67},
};

// A small, repeating unevenness in loudness, so that the players do not sound like a machine.
double lilt(int i)
{
    return 1.0 - 0.07 * (i * 7 % 3);
}

// Notes of a chord are rolled upward by a few milliseconds, as a pianist's hand does.
constexpr double kRollBeats = 0.015;

void addChord(std::vector<Note>& notes, const Chord& chord, double beat, double beats, double velocity)
{
    for (int k = 0; k < 4; ++k)
        notes.push_back({beat + k * kRollBeats, beats - k * kRollBeats, double(chord.voicing[k]), velocity});
}

// The bass walks a gentle two-feel: root, a pickup root, the fifth, a pickup fifth.
void addBassBar(std::vector<Note>& notes, const Chord& chord, double start, int bar)
{
    const int fifth = chord.root >= 41 ? chord.root - 5 : chord.root + 7;
    notes.push_back({start, 1.4, double(chord.root), 0.9 * lilt(bar)});
    notes.push_back({start + 1.5, 0.4, double(chord.root), 0.55});
    notes.push_back({start + 2.0, 1.4, double(fifth), 0.8 * lilt(bar + 1)});
    notes.push_back({start + 3.5, 0.4, double(fifth), 0.5});
}

} // namespace

Score pumpkinLounge()
{
    Score score{80.0, static_cast<int>(kChart.size()), 4, {}, {}, {}, {}, {}};
    const int lastBar = score.bars - 1;
    for (int bar = 0; bar < score.bars; ++bar)
    {
        const Chord& chord = kChart[bar];
        const double start = bar * score.beatsPerBar;
        if (bar == lastBar)
        {
            addChord(score.piano, chord, start, 2.5, 0.75);
            addChord(score.pad, chord, start, 2.5, 0.8);
            score.bass.push_back({start, 2.5, double(chord.root), 0.8});
            continue;
        }
        addChord(score.piano, chord, start, 1.5, 0.8 * lilt(bar));
        addChord(score.piano, chord, start + 2.5, 1.3, 0.6 * lilt(bar + 2));
        addChord(score.pad, chord, start, score.beatsPerBar, 1.0);
        addBassBar(score.bass, chord, start, bar);
        for (int eighth = 0; eighth < 2 * score.beatsPerBar; ++eighth)
        {
            const bool backbeat = eighth == 2 || eighth == 6;
            const double velocity = backbeat ? 1.0 : eighth % 2 == 0 ? 0.6 : 0.35 * lilt(eighth + bar);
            score.brush.push_back({start + 0.5 * eighth, velocity});
        }
    }
    for (const TuneNote& n : kTune)
        score.melody.push_back(
            {n.bar * score.beatsPerBar + n.beat, n.beats, double(n.pitch), 0.8 * lilt(int(n.beat * 2) + n.bar)});
    return score;
}
