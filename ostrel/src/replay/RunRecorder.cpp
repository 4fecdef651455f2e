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
    if (m_ends_game && m_ends_game(input))
    {
        finish();
    }
    m_writer.writeInput(step, input);
    return true;
}

void RunRecorder::finish()
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
