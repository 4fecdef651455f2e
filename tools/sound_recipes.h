#pragma once

#include "synth.h"

#include <string>
#include <vector>

// One of the game's sound effects: its file name without ".wav", the level of its loudest sample in
// dBFS, and the function that synthesizes it (any level; make_sounds scales and fades it).
struct SoundRecipe
{
    std::string name;
    double peakDbfs;
    synth::Buffer (*make)();
};

// Every sound effect the game plays, in file-name order.
const std::vector<SoundRecipe>& soundRecipes();
