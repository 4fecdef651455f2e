// Feeds arbitrary bytes to the recording reader. Besides any crash, leak or undefined
// behaviour, a finding is a recording the reader accepts that does not read back the same
// once written out again, or whose steps run backwards. Run through scripts/fuzz.
#include <ostrel/replay/RecordingReader.h>
#include <ostrel/replay/RecordingWriter.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{

std::string writeOut(const ostrel::Recording& recording)
{
    std::string text = ostrel::RECORDING_FORMAT + " " + std::to_string(recording.format_version) + "\n" + "game " +
                       recording.header.game + " " + recording.header.game_version + "\n" + "seed " +
                       std::to_string(recording.header.seed) + "\n";
    for (const auto& setting : recording.header.settings)
    {
        text += "setting " + setting.first + " " + setting.second + "\n";
    }
    for (const ostrel::RecordingEntry& entry : recording.entries)
    {
        text += (entry.is_checkpoint ? ostrel::RecordingWriter::formatCheckpoint(entry.step, entry.checkpoint)
                                     : ostrel::RecordingWriter::formatInput(entry.step, entry.input)) +
                "\n";
    }
    return recording.ended ? text + ostrel::RECORDING_END + "\n" : text;
}

ostrel::RecordingReadResult read(const std::string& text)
{
    std::istringstream in(text);
    return ostrel::readRecording(in, "fuzzed", "cornquota", "0.2.0");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ostrel::RecordingReadResult first = read(std::string(reinterpret_cast<const char*>(data), size));
    if (!first.ok())
    {
        return 0;
    }
    int step = 0;
    for (const ostrel::RecordingEntry& entry : first.recording.entries)
    {
        if (entry.step < step)
        {
            std::abort();
        }
        step = entry.step;
    }
    // What was read, written out again, reads back the same.
    const std::string text = writeOut(first.recording);
    const ostrel::RecordingReadResult second = read(text);
    if (!second.ok() || writeOut(second.recording) != text)
    {
        std::abort();
    }
    return 0;
}
