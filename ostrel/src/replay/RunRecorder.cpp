#include "ostrel/replay/RunRecorder.h"

#include <utility>

namespace ostrel
{

RunRecorder::RunRecorder(RecordingWriter& writer, Fingerprint fingerprint,
                         std::function<bool(const InputRecord&)> ends_game)
    : m_writer(writer), m_fingerprint(std::move(fingerprint)), m_ends_game(std::move(ends_game))
{
}

void RunRecorder::beginFrame()
{
    ++m_step;
    if (m_step > 0 && m_step % CHECKPOINT_INTERVAL == 0)
    {
        checkpoint();
    }
}

bool RunRecorder::admit(const InputRecord& input)
{
    const int step = m_step < 0 ? 0 : m_step;
    const bool ends = m_ends_game && m_ends_game(input);
    if (ends)
    {
        finalCheckpoint();
    }
    m_writer.writeInput(step, input);
    if (ends)
    {
        // The game ends on this input without returning to the caller that owns the writer.
        m_writer.close();
    }
    return true;
}

void RunRecorder::finish()
{
    finalCheckpoint();
    m_writer.close();
}

void RunRecorder::finalCheckpoint()
{
    if (!m_finished)
    {
        m_finished = true;
        checkpoint();
    }
}

void RunRecorder::checkpoint()
{
    m_writer.writeCheckpoint(m_step < 0 ? 0 : m_step, takeCheckpoint(m_fingerprint));
}

} // namespace ostrel
