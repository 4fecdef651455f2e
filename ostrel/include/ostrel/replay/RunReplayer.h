#pragma once

#include "ostrel/input/InputFilter.h"
#include "ostrel/replay/Checkpoint.h"
#include "ostrel/replay/Recording.h"

#include <functional>
#include <string>

namespace ostrel
{

// Plays a recording back: each frame delivers the inputs recorded on it and compares its
// checkpoints with the game's state, in the order they were recorded. The inputs that end
// the game (those `ends_game` accepts) are never played back: the viewer ends the game. Live
// input is held back, but for those. The first checkpoint that differs, and a recording
// that was cut short, are reported on stderr and in the log.
class RunReplayer : public InputFilter
{
public:
    // `name` names the recording in messages. When `stop_at_end`, the game is set over as
    // the recording ends, and at the first mismatch; otherwise the game is paused as the
    // recording ends, holding its last frame until the viewer ends it.
    RunReplayer(Recording recording, std::string name, Fingerprint fingerprint,
                std::function<bool(const InputRecord&)> ends_game, bool stop_at_end);

    void beginFrame() override;
    bool admit(const InputRecord& input) override;

    // Whether every entry was played (or, stopping at the end, a mismatch ended it).
    bool hasEnded() const { return m_ended; }
    // Whether the replay has played all there is of a recording cut short of its end line.
    bool endedCutShort() const { return m_ended && m_next == m_recording.entries.size() && m_recording.isCutShort(); }
    // 0 while every checkpoint compared matched and the recording is whole, else 1.
    int status() const { return m_mismatch || endedCutShort() ? 1 : 0; }
    int checkpointsMatched() const { return m_matched; }
    int checkpointCount() const;
    // The frames played from the recording: the step it ended on, or the one in progress.
    int stepsReplayed() const { return m_step < 0 ? 0 : m_step; }

private:
    // Compares one recorded checkpoint; false on a mismatch.
    bool compare(const RecordingEntry& entry);
    void reachEnd();
    void report(const std::string& message) const;

    Recording m_recording;
    std::string m_name;
    Fingerprint m_fingerprint;
    std::function<bool(const InputRecord&)> m_ends_game;
    bool m_stop_at_end;
    std::size_t m_next = 0;
    int m_step = -1;
    int m_matched = 0;
    bool m_mismatch = false;
    bool m_ended = false;
};

} // namespace ostrel
