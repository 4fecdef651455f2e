#include "player/BestRuns.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <sstream>

namespace
{

const char* const HEADER = "# Corn Quota: the best runs, by the day reached and then the money earned.\n";
const char* const VERSION = "version 2";
// The version before, whose runs have no seed.
const char* const SEEDLESS_VERSION = "version 1";
// The last line: a file without it was cut short.
const char* const END = "end";

bool isDate(const std::string& date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
    {
        return false;
    }
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    {
        if (!std::isdigit(static_cast<unsigned char>(date[i])))
        {
            return false;
        }
    }
    return true;
}

// "2026-12-07 day 5 money 1234", then " seed 42" when `seeded` allows it, and nothing more.
bool parseRun(const std::string& line, bool seeded, RunRecord& run)
{
    std::istringstream words(line);
    std::string day_word;
    std::string money_word;
    if (!(words >> run.date >> day_word >> run.day >> money_word >> run.money) || !isDate(run.date) ||
        day_word != "day" || money_word != "money" || run.day < 1 || run.money < 0)
    {
        return false;
    }
    std::string seed_word;
    if (!(words >> seed_word))
    {
        return words.eof();
    }
    std::string seed;
    std::string rest;
    if (!seeded || seed_word != "seed" || !(words >> seed) || words >> rest ||
        seed.find_first_not_of("0123456789") != std::string::npos || seed.size() > 10 ||
        std::stoull(seed) > 0xFFFFFFFFull)
    {
        return false;
    }
    run.seed = static_cast<std::uint32_t>(std::stoull(seed));
    return true;
}

} // namespace

bool ranksAbove(const RunRecord& a, const RunRecord& b)
{
    return a.day != b.day ? a.day > b.day : a.money > b.money;
}

std::string formatBestRuns(const std::vector<RunRecord>& runs)
{
    std::string text = std::string(HEADER) + VERSION + "\n";
    for (const RunRecord& run : runs)
    {
        text += run.date + " day " + std::to_string(run.day) + " money " + std::to_string(run.money) +
                (run.seed ? " seed " + std::to_string(*run.seed) : "") + "\n";
    }
    return text + END + "\n";
}

bool parseBestRuns(const std::string& text, std::vector<RunRecord>& runs)
{
    std::istringstream lines(text);
    std::vector<RunRecord> read;
    bool versioned = false;
    bool seeded = false;
    bool ended = false;
    for (std::string line; std::getline(lines, line);)
    {
        if (ended)
        {
            return false;
        }
        if (line.empty() || line[0] == '#')
        {
            continue;
        }
        if (!versioned)
        {
            if (line != VERSION && line != SEEDLESS_VERSION)
            {
                return false;
            }
            versioned = true;
            seeded = line == VERSION;
            continue;
        }
        if (line == END)
        {
            ended = true;
            continue;
        }
        RunRecord run;
        if (!parseRun(line, seeded, run))
        {
            return false;
        }
        read.push_back(run);
    }
    if (!ended)
    {
        return false;
    }
    std::stable_sort(read.begin(), read.end(), ranksAbove);
    if (read.size() > static_cast<std::size_t>(BestRuns::KEPT))
    {
        read.resize(BestRuns::KEPT);
    }
    runs = read;
    return true;
}

std::string describeRun(const RunRecord& run)
{
    return "day " + std::to_string(run.day) + ", $" + std::to_string(run.money) + " on " + run.date;
}

std::string todaysDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    return date;
}

BestRuns& BestRuns::getInstance()
{
    static BestRuns single;
    return single;
}

void BestRuns::open(const std::filesystem::path& folder)
{
    close();
    m_file = PlayerFile(folder / "records.txt");
    m_file.load([this](const std::string& text) { return parseBestRuns(text, m_runs); });
}

std::string BestRuns::lastRunAgainstTheBest() const
{
    static const char* const PLACES[KEPT] = {"1st", "2nd", "3rd", "4th", "5th"};
    if (m_last_place == 0)
    {
        return m_runs.size() > 1 ? "A new best run! The best before: " + describeRun(m_runs[1]) + "."
                                 : "A new best run!";
    }
    if (m_runs.empty())
    {
        return "";
    }
    const std::string best = "Best run: " + describeRun(m_runs[0]) + ".";
    if (m_last_place > 0)
    {
        return best + " This one ranks " + PLACES[m_last_place] + ".";
    }
    return m_last_run.day > 0 ? best + " This one is not among the " + std::to_string(KEPT) + " best." : best;
}

void BestRuns::close()
{
    m_file = PlayerFile();
    m_runs.clear();
    m_last_run = RunRecord();
    m_last_place = -1;
}

int BestRuns::record(const RunRecord& run)
{
    // Another launch may have kept runs since this one read the file.
    m_file.load([this](const std::string& text) { return parseBestRuns(text, m_runs); });
    // After the runs it ties with: an equal run does not take an older one's place.
    const auto at = std::upper_bound(m_runs.begin(), m_runs.end(), run, ranksAbove);
    const int place = static_cast<int>(at - m_runs.begin());
    m_last_run = run;
    m_last_place = place < KEPT ? place : -1;
    if (m_last_place < 0)
    {
        return -1;
    }
    m_runs.insert(at, run);
    if (m_runs.size() > static_cast<std::size_t>(KEPT))
    {
        m_runs.resize(KEPT);
    }
    m_file.save(formatBestRuns(m_runs));
    return m_last_place;
}
