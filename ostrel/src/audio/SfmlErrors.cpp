#include "audio/SfmlErrors.h"

#include "ostrel/core/LogManager.h"

#include <SFML/System/Err.hpp>

#include <iostream>
#include <streambuf>
#include <string>

namespace ostrel
{

namespace
{

// Gathers SFML's messages into lines and writes each whole line to the log.
class LogLines : public std::streambuf
{
public:
    explicit LogLines(std::streambuf* fallback) : m_fallback(fallback) {}

protected:
    int_type overflow(int_type ch) override
    {
        if (traits_type::eq_int_type(ch, traits_type::eof()))
        {
            return traits_type::not_eof(ch);
        }
        if (traits_type::to_char_type(ch) == '\n')
        {
            flushLine();
        }
        else
        {
            m_line += traits_type::to_char_type(ch);
        }
        return ch;
    }

private:
    void flushLine()
    {
        const LogManager& log = LogManager::getInstance();
        if (!m_line.empty() && (!log.isStarted() || log.writeLog("SFML: %s", m_line.c_str()) < 0))
        {
            m_fallback->sputn(m_line.data(), static_cast<std::streamsize>(m_line.size()));
            m_fallback->sputc('\n');
        }
        m_line.clear();
    }

    std::streambuf* m_fallback;
    std::string m_line;
};

} // namespace

void routeSfmlErrorsToLog()
{
    // Never destroyed: SFML may still complain while the program's statics are destroyed.
    static LogLines* const lines = new LogLines(std::cerr.rdbuf());
    sf::err().rdbuf(lines);
}

} // namespace ostrel
