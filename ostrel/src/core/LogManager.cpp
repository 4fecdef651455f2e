#include "ostrel/core/LogManager.h"

#include <cstdarg>

namespace ostrel
{

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
    m_log_file.reset(std::fopen(LOGFILE_NAME.c_str(), "w"));
    if (!m_log_file)
    {
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

} // namespace ostrel
