#pragma once

#include "ostrel/input/InputFilter.h"
#include "ostrel/replay/Checkpoint.h"
#include "ostrel/replay/RecordingWriter.h"

#include <functional>

namespace ostrel
{

// Writes every input the game receives, with the frame it arrived on, and a checkpoint
// every so many frames and before the input that ends the game. That input, or finish(),
// closes the recording with its end line.
class RunRecorder : public InputFilter
{
public:
    // Frames between two checkpoints: ten seconds of play.
    static const int CHECKPOINT_INTERVAL = 300;

    // `writer` is open and has its header written; it must outlive the recorder.
    RunRecorder(RecordingWriter& writer, Fingerprint fingerprint, std::function<bool(const InputRecord&)> ends_game);

    void beginFrame() override;
    // Notes the input and admits it.
    bool admit(const InputRecord& input) override;
    // Writes the final checkpoint, once, and closes the recording (when the game ends other
    // than by an input).
    void finish();

private:
    void checkpoint();
    void finalCheckpoint();

    RecordingWriter& m_writer;
    Fingerprint m_fingerprint;
    std::function<bool(const InputRecord&)> m_ends_game;
    // The frame in progress: -1 before the first.
    int m_step = -1;
    bool m_finished = false;
};

} // namespace ostrel
