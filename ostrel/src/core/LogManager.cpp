#include "ostrel/core/LogManager.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace ostrel
{

namespace
{

// The copies of a game that may run side by side in one folder, each with its own log.
const int MAX_COPIES = 16;

} // namespace

LogManager::LogManager() : m_flush(false)
{
    setType("LogManager");
}

LogManager::~LogManager() = default;

LogManager& LogManager::getInstance()
{
    static LogManager single;
    return single;
}

int LogManager::startUp()
{
    m_log_file.reset();
    m_error.clear();
    for (int copy = 1; copy <= MAX_COPIES && !m_log_file; ++copy)
    {
        const std::size_t dot = LOGFILE_NAME.rfind('.');
        m_file_name = copy == 1 ? LOGFILE_NAME
                                : LOGFILE_NAME.substr(0, dot) + "-" + std::to_string(copy) + LOGFILE_NAME.substr(dot);
        const int fd = ::open(m_file_name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
        {
            m_error = "cannot create the log '" + m_file_name + "': " + std::strerror(errno);
            return -1;
        }
        // Where the file system cannot lock, the log is written unlocked, as a single copy's.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        {
            ::close(fd);
            continue;
        }
        // Emptied only once held: a copy still running keeps its log whole.
        if (::ftruncate(fd, 0) != 0)
        {
            m_error = "cannot empty the log '" + m_file_name + "': " + std::strerror(errno);
            ::close(fd);
            return -1;
        }
        // The stream owns the descriptor from here, and its lock goes with it.
        m_log_file.reset(::fdopen(fd, "w"));
        if (!m_log_file)
        {
            m_error = "cannot write the log '" + m_file_name + "': " + std::strerror(errno);
            ::close(fd);
            return -1;
        }
    }
    if (!m_log_file)
    {
        m_error = "every log from '" + LOGFILE_NAME + "' to '" + m_file_name + "' is held by another copy";
        return -1;
    }
    Manager::startUp();
    writeLog("LogManager started");
    return 0;
}

void LogManager::shutDown()
{
    m_log_file.reset();
    Manager::shutDown();
}

void LogManager::setFlush(bool flush)
{
    m_flush = flush;
}

int LogManager::writeLog(const char* fmt, ...) const
{
    if (!isStarted() || !m_log_file)
    {
        return -1;
    }
    std::va_list args;
    va_start(args, fmt);
    const int written = std::vfprintf(m_log_file.get(), fmt, args);
    va_end(args);
    std::fputc('\n', m_log_file.get());
    if (m_flush)
    {
        std::fflush(m_log_file.get());
    }
    return written;
}

void LogManager::writeProblem(const std::string& message) const
{
    std::fprintf(stderr, "Ostrel: %s\n", message.c_str());
    writeLog("%s", message.c_str());
}

} // namespace ostrel
