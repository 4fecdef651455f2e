#pragma once

#include "ostrel/replay/Recording.h"

#include <functional>
#include <string>

namespace ostrel
{

// The game's own part of a checkpoint: what it holds that the player can see (a day, the
// money), as named values.
using Fingerprint = std::function<RecordingValues()>;

// A hash of the text of the frame last shown (FNV-1a, 16 hexadecimal digits).
std::string screenHash();
// The game's values, then "screen" with the screen's hash.
RecordingValues takeCheckpoint(const Fingerprint& fingerprint);
// "" when every recorded value is the same now; else what differed, as
// "money 95 (recorded 120), screen 0a1b... (recorded 77cd...)".
std::string describeMismatch(const RecordingValues& recorded, const RecordingValues& now);

} // namespace ostrel
