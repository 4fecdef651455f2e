#pragma once

#include <ostrel/input/InputRecord.h>
#include <ostrel/replay/Checkpoint.h>

#include <cstdint>

// The game's name and version as recordings carry them.
const char* const GAME_NAME = "cornquota";
const char* const GAME_VERSION = CORNQUOTA_VERSION;

// Seeds everything random in a run from its one seed: the field's and the pests' draws
// and the shop's offers.
void seedRun(std::uint32_t seed);
// The seed given to seedRun() last: the one the records keep with a run.
std::uint32_t playedSeed();

// What the player sees of the run beside the screen: the day, the money and the quota.
ostrel::RecordingValues runFingerprint();

// The settings that change what is drawn, as a recording's header keeps them (mute).
ostrel::RecordingValues drawnSettings();
// Takes on a recording's settings for this launch only; unknown ones are ignored.
void applyDrawnSettings(const ostrel::RecordingValues& settings);

// Whether the input ends the game (Q, or the window's close button).
bool endsGame(const ostrel::InputRecord& input);

// Whether a replay has played its recording to the end: the game then holds its last frame
// until the viewer quits.
bool replayHasEnded();
// The exit status the game ends with: a replay's, or 0.
int quitStatus();
