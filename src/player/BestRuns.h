#pragma once

#include "player/PlayerFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// How far one run went: the date it ended ("2026-12-07"), the day reached, the money
// earned over the whole run and the seed it was played from (unknown for runs kept before
// seeds were).
struct RunRecord
{
    RunRecord() = default;
    RunRecord(std::string date, int day, int money, std::optional<std::uint32_t> seed = std::nullopt)
        : date(std::move(date)), day(day), money(money), seed(seed)
    {
    }

    std::string date;
    int day = 0;
    int money = 0;
    std::optional<std::uint32_t> seed;
};

// Runs rank by the day reached, then by the money earned.
bool ranksAbove(const RunRecord& a, const RunRecord& b);

// The records file: a plain text a person can read, its runs best first.
std::string formatBestRuns(const std::vector<RunRecord>& runs);
// False, leaving `runs` alone, for anything but a whole file of this version or the one
// before, which kept no seeds.
bool parseBestRuns(const std::string& text, std::vector<RunRecord>& runs);

// "day 5, $1234 on 2026-12-07".
std::string describeRun(const RunRecord& run);

// Today's date, local time, as "YYYY-MM-DD".
std::string todaysDate();

// The best five runs ever played, kept in "records.txt". Until open() it keeps them for
// this launch only.
class BestRuns
{
public:
    static const int KEPT = 5;

    static BestRuns& getInstance();
    // The file the runs are kept in.
    const PlayerFile& getFile() const { return m_file; }

    // Reads the records file in the folder, and keeps the records there from now on.
    void open(const std::filesystem::path& folder);
    // Forgets every run and keeps nothing on disk.
    void close();

    // Takes a run that ended and keeps the file up to date. Its place among the best
    // (0 is the best), or -1 when it is not among them.
    int record(const RunRecord& run);

    const std::vector<RunRecord>& getRuns() const { return m_runs; }
    // What the game-over screen says of the run recorded last, beside the best: its place
    // among them, or that it is not among them.
    std::string lastRunAgainstTheBest() const;
    // The run recorded last in this launch (day 0 when none) and its place.
    const RunRecord& getLastRun() const { return m_last_run; }
    int getLastPlace() const { return m_last_place; }

private:
    BestRuns() = default;

    PlayerFile m_file;
    std::vector<RunRecord> m_runs;
    RunRecord m_last_run;
    int m_last_place = -1;
};
