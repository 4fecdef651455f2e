#pragma once

#include "run/CommandLine.h"

// In a browser's page, takes the seed of the page's address (?seed=N) into the options; a
// seed that is not a whole number from 0 to 4294967295 is left out, with a line in the
// browser's console. Built with Emscripten only.
void takePageSeed(CommandLine& options);
