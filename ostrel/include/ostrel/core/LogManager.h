#pragma once

#include "ostrel/core/Manager.h"

#include <cstdio>
#include <memory>
#include <string>

namespace ostrel
{

const std::string LOGFILE_NAME = "ostrel.log";

// The engine's one diagnostic output: a plain text file of printf-formatted lines,
// emptied at every start-up; its first line is "LogManager started". A running game holds
// its log with an advisory lock, so that a second copy started in the same folder writes
// "ostrel-2.log" (or -3, -4...) instead of emptying the first one's.
class LogManager : public Manager
{
public:
    static LogManager& getInstance();
    ~LogManager() override;

    // Creates or empties the first log file no other process holds, and holds it. 0 on
    // success, -1 if it cannot be opened (getError() says why).
    int startUp() override;
    void shutDown() override;

    // The file written since the last startUp(): LOGFILE_NAME unless another copy held it.
    const std::string& getFileName() const { return m_file_name; }
    // Why the last startUp() failed, or "".
    const std::string& getError() const { return m_error; }

    // When set, every line reaches the file at once (a crash still leaves the whole log).
    void setFlush(bool flush = true);

    // Writes one formatted line. Returns the characters written, newline not counted,
    // or -1 when not started.
    int writeLog(const char* fmt, ...) const
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    // Says what keeps the engine from working as asked, on one line of the log and the same
    // line, after "Ostrel: ", on stderr, where the player sees it even without a log.
    void writeProblem(const std::string& message) const;

private:
    LogManager();

    struct FileCloser
    {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    bool m_flush;
    std::unique_ptr<std::FILE, FileCloser> m_log_file;
    std::string m_file_name;
    std::string m_error;
};

} // namespace ostrel
