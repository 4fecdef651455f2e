#pragma once

#include "ostrel/core/Manager.h"

#include <cstdio>
#include <memory>

namespace ostrel
{

const std::string LOGFILE_NAME = "ostrel.log";

// The engine's one diagnostic output: a plain text file of printf-formatted lines,
// emptied at every start-up; its first line is "LogManager started".
class LogManager : public Manager
{
public:
    static LogManager& getInstance();
    ~LogManager() override;

    // Creates or empties the log file. 0 on success, -1 if it cannot be opened.
    int startUp() override;
    void shutDown() override;

    // When set, every line reaches the file at once (a crash still leaves the whole log).
    void setFlush(bool flush = true);

    // Writes one formatted line. Returns the characters written, newline not counted,
    // or -1 when not started.
    int writeLog(const char* fmt, ...) const
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

private:
    LogManager();

    struct FileCloser
    {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    bool m_flush;
    std::unique_ptr<std::FILE, FileCloser> m_log_file;
};

} // namespace ostrel
