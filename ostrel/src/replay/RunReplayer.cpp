#include "ostrel/replay/RunReplayer.h"

#include "ostrel/core/LogManager.h"
#include "ostrel/input/InputManager.h"
#include "ostrel/loop/GameManager.h"

#include <algorithm>
#include <iostream>
#include <utility>

namespace ostrel
{

RunReplayer::RunReplayer(Recording recording, std::string name, Fingerprint fingerprint,
                         std::function<bool(const InputRecord&)> ends_game, bool stop_at_end)
    : m_recording(std::move(recording)), m_name(std::move(name)), m_fingerprint(std::move(fingerprint)),
      m_ends_game(std::move(ends_game)), m_stop_at_end(stop_at_end)
{
}

void RunReplayer::beginFrame()
{
    if (m_ended)
    {
        return;
    }
    ++m_step;
    const std::vector<RecordingEntry>& entries = m_recording.entries;
    while (m_next < entries.size() && entries[m_next].step == m_step)
    {
        const RecordingEntry& entry = entries[m_next++];
        if (entry.is_checkpoint)
        {
            if (!compare(entry) && m_stop_at_end)
            {
                m_ended = true;
                GameManager::getInstance().setGameOver();
                return;
            }
        }
        // The window's size is the player's, not the run's; and the viewer ends the game.
        else if (entry.input.kind != InputKind::RESIZE && !(m_ends_game && m_ends_game(entry.input)))
        {
            InputManager::getInstance().deliver(entry.input);
        }
    }
    if (m_next == entries.size())
    {
        reachEnd();
    }
}

bool RunReplayer::admit(const InputRecord& input)
{
    return m_ends_game && m_ends_game(input);
}

int RunReplayer::checkpointCount() const
{
    const std::vector<RecordingEntry>& entries = m_recording.entries;
    return static_cast<int>(
        std::count_if(entries.begin(), entries.end(), [](const RecordingEntry& entry) { return entry.is_checkpoint; }));
}

void RunReplayer::reachEnd()
{
    m_ended = true;
    LogManager::getInstance().writeLog("Replay: the recording ends at step %d, %d checkpoints matched", m_step,
                                       m_matched);
    if (m_recording.isCutShort())
    {
        report(m_name + ": the recording ends early: it was cut short after step " + std::to_string(m_step));
    }
    if (m_stop_at_end)
    {
        GameManager::getInstance().setGameOver();
    }
    else
    {
        GameManager::getInstance().setPaused(true);
    }
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
    report(m_name + ":" + std::to_string(entry.line) + ": the replay left the recorded run at step " +
           std::to_string(entry.step) + ": " + differences);
    return false;
}

void RunReplayer::report(const std::string& message) const
{
    const std::string& game = m_recording.header.game;
    std::cerr << (game.empty() ? "" : game + ": ") << message << std::endl;
    LogManager::getInstance().writeLog("Replay: %s", message.c_str());
}

} // namespace ostrel
