#pragma once

#include "ostrel/input/InputRecord.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ostrel
{

// The recording format's name and the version of it this engine writes. It reads every
// version from the first, which had no end line; the second had no extended input.
const std::string RECORDING_FORMAT = "ostrel-recording";
const int RECORDING_FORMAT_VERSION = 3;
const int RECORDING_UNENDED_VERSION = 1;
// The last line of a recording closed as it should be: one without it was cut short.
const std::string RECORDING_END = "end";

// Named values, in the order they were noted ("day" = "3").
using RecordingValues = std::vector<std::pair<std::string, std::string>>;

// What a run started from: the game and its version, the seed, and the settings that
// change what is drawn.
struct RecordingHeader
{
    std::string game;
    std::string game_version;
    std::uint32_t seed = 0;
    RecordingValues settings;
};

// One line after the header: an input received on a step, or a checkpoint of the state
// the player saw on that step.
struct RecordingEntry
{
    int step = 0;
    bool is_checkpoint = false;
    InputRecord input;
    RecordingValues checkpoint;
    // The line of the file it was read from (0 when not read from a file).
    int line = 0;
};

struct Recording
{
    RecordingHeader header;
    std::vector<RecordingEntry> entries;
    int format_version = RECORDING_FORMAT_VERSION;
    // Whether the end line closed it.
    bool ended = false;

    // A recording of this version without its end line: it stops where it was cut.
    bool isCutShort() const { return format_version > RECORDING_UNENDED_VERSION && !ended; }
};

} // namespace ostrel
