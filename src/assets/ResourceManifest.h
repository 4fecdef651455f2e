#pragma once

// Loads every sprite, sound and music track of the game under its label, from paths
// relative to the working directory. A file that fails is logged and skipped.
void loadResources();
