#pragma once

#include <filesystem>
#include <string>

// Where Corn Quota keeps what belongs to its player, found the same way however the game
// was started: its settings under $XDG_CONFIG_HOME/cornquota (~/.config/cornquota) and its
// records under $XDG_STATE_HOME/cornquota (~/.local/state/cornquota). The folders are made
// when something is first written there.
std::filesystem::path settingsFolder();
std::filesystem::path recordsFolder();

// Reads the settings and the best runs from those folders and keeps them there; without a
// home folder, logs that nothing is kept. A file standing where a folder should be is told
// on stderr and in the log, and the game plays on, keeping nothing there.
void openPlayerFiles();

// What the title says of the kept files left alone this launch, as they cannot be read
// ("records.txt: Permission denied; not kept this launch."), or "".
std::string keptFilesProblem();
