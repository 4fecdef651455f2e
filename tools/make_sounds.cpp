// Writes the game's sound effects as 16-bit mono WAV files into the folder given as the only argument.
#include "sound_recipes.h"
#include "synth.h"
#include "wav_file.h"

#include <exception>
#include <iostream>

namespace
{

// Even a tail that has decayed to near silence is faded, so no file starts or ends with a click.
constexpr double kEdgeFadeSeconds = 0.006;

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: make_sounds OUTPUT_DIR\n";
        return 2;
    }
    try
    {
        for (const SoundRecipe& recipe : soundRecipes())
        {
            synth::Buffer sound = recipe.make();
            synth::fadeEdges(sound, kEdgeFadeSeconds, kEdgeFadeSeconds);
            synth::normalizePeak(sound, recipe.peakDbfs);
            writeWav(std::string(argv[1]) + "/" + recipe.name + ".wav", sound, 1);
        }
    }
    catch (const std::exception& e)
    {
        std::cerr << "make_sounds: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
