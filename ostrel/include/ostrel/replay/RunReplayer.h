#pragma once

#include "ostrel/input/InputFilter.h"
#include "ostrel/replay/Checkpoint.h"
#include "ostrel/replay/Recording.h"

#include <functional>
#include <string>

namespace ostrel
{

// Plays a recording back: each frame delivers the inputs recorded on it and compares its
// checkpoints with the game's state, in the order they were recorded. Live input is held
// back until the recording ends, except what `stays_live` accepts (the inputs that end the
// game). The first checkpoint that differs is reported on stderr and in the log.
class RunReplayer : public InputFilter
{
public:
    // `name` names the recording in messages. When `stop_at_end`, the game is set over as
    // the recording ends, and at the first mismatch; otherwise the game goes on, live.
    RunReplayer(Recording recording, std::string name, Fingerprint fingerprint,
                std::function<bool(const InputRecord&)> stays_live, bool stop_at_end);

    void beginFrame() override;
    bool admit(const InputRecord& input) override;

    bool hasEnded() const { return m_next == m_recording.entries.size(); }
    // 0 while every checkpoint compared matched, 1 after a mismatch.
    int status() const { return m_mismatch ? 1 : 0; }
    int checkpointsMatched() const { return m_matched; }

private:
    // Compares one recorded checkpoint; false on a mismatch.
    bool compare(const RecordingEntry& entry);

    Recording m_recording;
    std::string m_name;
    Fingerprint m_fingerprint;
    std::function<bool(const InputRecord&)> m_stays_live;
    bool m_stop_at_end;
    std::size_t m_next = 0;
    int m_step = -1;
    int m_matched = 0;
    bool m_mismatch = false;
};

} // namespace ostrel
