#pragma once

#include <vector>

// Times are in beats from the start of the loop, pitches are MIDI note numbers (60 = middle C),
// and velocity is how hard a note is played, from 0 to 1.
struct Note
{
    double beat;
    double beats;
    double pitch;
    double velocity;
};

// A brush stroke on the snare: only its time and strength matter.
struct Stroke
{
    double beat;
    double velocity;
};

// Everything the players of one loop play. The last bar only rings out, so that the loop ends
// in silence and starts again without a click.
struct Score
{
    double bpm;
    int bars;
    int beatsPerBar;
    std::vector<Note> piano;
    std::vector<Note> pad;
    std::vector<Note> bass;
    std::vector<Note> melody;
    std::vector<Stroke> brush;
};

// "Pumpkin Lounge": an unhurried sixteen-bar loop in F major for the shop and the title screen.
Score pumpkinLounge();
