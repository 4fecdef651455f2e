#pragma once

#include <string>

// The game's way to play its audio: a label that did not load is simply not heard, so the
// game runs, silently, without its sounds or music.

// Plays the sound effect once.
void playSound(const std::string& label);
// Starts the music track, looping.
void playMusic(const std::string& label);
void stopMusic(const std::string& label);
