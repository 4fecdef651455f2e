#include "ostrel/replay/RunReplayer.h"

#include "ostrel/core/LogManager.h"
#include "ostrel/input/InputManager.h"
#include "ostrel/loop/GameManager.h"

#include <iostream>
#include <utility>

namespace ostrel
{

RunReplayer::RunReplayer(Recording recording, std::string name, Fingerprint fingerprint,
                         std::function<bool(const InputRecord&)> stays_live, bool stop_at_end)
    : m_recording(std::move(recording)), m_name(std::move(name)), m_fingerprint(std::move(fingerprint)),
      m_stays_live(std::move(stays_live)), m_stop_at_end(stop_at_end)
{
}

void RunReplayer::beginFrame()
{
    ++m_step;
    if (hasEnded())
    {
        return;
    }
    const std::vector<RecordingEntry>& entries = m_recording.entries;
    while (m_next < entries.size() && entries[m_next].step == m_step)
    {
        const RecordingEntry& entry = entries[m_next++];
        if (entry.is_checkpoint)
        {
            if (!compare(entry) && m_stop_at_end)
            {
                GameManager::getInstance().setGameOver();
                m_next = entries.size();
                return;
            }
        }
        // The window's size is the player's, not the run's.
        else if (entry.input.kind != InputKind::RESIZE)
        {
            InputManager::getInstance().deliver(entry.input);
        }
    }
    if (hasEnded())
    {
        LogManager::getInstance().writeLog("Replay: the recording ends at step %d, %d checkpoints matched", m_step,
                                           m_matched);
        if (m_stop_at_end)
        {
            GameManager::getInstance().setGameOver();
        }
    }
}

bool RunReplayer::admit(const InputRecord& input)
{
    return hasEnded() || (m_stays_live && m_stays_live(input));
}

bool RunReplayer::compare(const RecordingEntry& entry)
{
    if (m_mismatch)
    {
        return false;
    }
    const std::string differences = describeMismatch(entry.checkpoint, takeCheckpoint(m_fingerprint));
    if (differences.empty())
    {
        ++m_matched;
        LogManager::getInstance().writeLog("Replay: checkpoint %d matched (step %d)", m_matched, entry.step);
        return true;
    }
    m_mismatch = true;
    const std::string message = m_name + ":" + std::to_string(entry.line) +
                                ": the replay left the recorded run at step " + std::to_string(entry.step) + ": " +
                                differences;
    std::cerr << message << std::endl;
    LogManager::getInstance().writeLog("Replay: %s", message.c_str());
    return false;
}

} // namespace ostrel
