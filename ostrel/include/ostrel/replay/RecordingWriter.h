#pragma once

#include "ostrel/replay/Recording.h"

#include <fstream>
#include <string>

namespace ostrel
{

// Writes a recording as plain text, one line at a time, each flushed as it is written so
// that a crash keeps every line but the one being written.
class RecordingWriter
{
public:
    // Creates or empties the file; false (with the reason in error()) when it cannot.
    bool open(const std::string& path);
    bool isOpen() const { return m_file.is_open(); }
    const std::string& error() const { return m_error; }
    // Whether a line could not be written (a full disk, say); reported once, in the log and
    // on stderr, when it happens.
    bool failed() const { return m_failed; }

    void writeHeader(const RecordingHeader& header);
    void writeInput(int step, const InputRecord& input);
    void writeCheckpoint(int step, const RecordingValues& values);
    // Writes the end line and closes the file: nothing more is written. A recording that is
    // never closed (the game killed) reads as cut short.
    void close();

    // The text of one entry's line, without its newline.
    static std::string formatInput(int step, const InputRecord& input);
    static std::string formatCheckpoint(int step, const RecordingValues& values);

private:
    void writeLine(const std::string& line);

    std::ofstream m_file;
    std::string m_error;
    std::string m_path;
    bool m_failed = false;
};

} // namespace ostrel
