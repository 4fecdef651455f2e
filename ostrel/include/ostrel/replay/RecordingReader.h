#pragma once

#include "ostrel/replay/Recording.h"

#include <istream>
#include <string>
#include <vector>

namespace ostrel
{

// The outcome of reading a recording. Problems read "FILE:LINE: what is wrong".
struct RecordingReadResult
{
    Recording recording;
    // Empty when the recording is good.
    std::string error;
    // The recording is usable, but the reader should know (another version of the game).
    std::vector<std::string> warnings;

    bool ok() const { return error.empty(); }
};

// Reads a recording strictly: anything not exactly as the writer writes it is an error,
// except a version of the game other than `game_version`, which is a warning. A recording
// of another game, or of another format version, is an error; one of the version before,
// which has no end line, is read with a warning. A recording without its end line is no
// error: Recording::isCutShort() tells. `name` is the file's name in the messages.
RecordingReadResult readRecording(std::istream& in, const std::string& name, const std::string& game,
                                  const std::string& game_version);
// The same from a file; a folder, or a file that cannot be opened, is an error too.
RecordingReadResult readRecordingFile(const std::string& path, const std::string& game,
                                      const std::string& game_version);

} // namespace ostrel
