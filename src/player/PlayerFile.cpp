#include "player/PlayerFile.h"

#include <ostrel/core/LogManager.h>
#include <ostrel/frontend/FrontEnds.h>
#include <ostrel/system/KeptFile.h>

#include <iostream>
#include <utility>

PlayerFile::PlayerFile(std::filesystem::path path) : m_path(std::move(path)) {}

bool PlayerFile::load(const std::function<bool(const std::string&)>& parse)
{
    if (m_path.empty() || !m_denial.empty())
    {
        return false;
    }
    std::string content;
    std::string error;
    const ostrel::ReadOutcome outcome = ostrel::readKeptFile(m_path, content, error);
    if (outcome == ostrel::ReadOutcome::MISSING)
    {
        return false;
    }
    if (outcome == ostrel::ReadOutcome::READ && parse(content))
    {
        return true;
    }
    const ostrel::LogManager& log = ostrel::LogManager::getInstance();
    if (outcome == ostrel::ReadOutcome::DENIED)
    {
        m_denial = error;
        log.writeLog("'%s' cannot be read (%s): it is left alone, and not kept this launch.", m_path.c_str(),
                     error.c_str());
        return false;
    }
    const std::string problem =
        outcome == ostrel::ReadOutcome::READ ? "cannot be understood" : "cannot be read (" + error + ")";
    const std::filesystem::path aside = ostrel::moveKeptFileAside(m_path);
    if (aside.empty())
    {
        log.writeLog("'%s' %s and cannot be moved aside; starting afresh.", m_path.c_str(), problem.c_str());
    }
    else
    {
        log.writeLog("'%s' %s; kept as '%s', starting afresh.", m_path.c_str(), problem.c_str(), aside.c_str());
    }
    if (!ostrel::programCanQuit())
    {
        // A browser's player sees no log file: the browser's console says it.
        std::cerr << "cornquota: '" << m_path.string() << "' " << problem << "; set aside, starting afresh\n";
    }
    return false;
}

bool PlayerFile::save(const std::string& content)
{
    if (m_path.empty() || !m_denial.empty())
    {
        return false;
    }
    const ostrel::LogManager& log = ostrel::LogManager::getInstance();
    std::error_code folder_error;
    std::filesystem::create_directories(m_path.parent_path(), folder_error);
    if (folder_error)
    {
        log.writeLog("Cannot make the folder '%s' (%s); '%s' is not kept.", m_path.parent_path().c_str(),
                     folder_error.message().c_str(), m_path.filename().c_str());
        return false;
    }
    std::string error;
    const bool written = ostrel::writeKeptFile(m_path, content, error);
    if (!written)
    {
        log.writeLog("Cannot keep '%s': %s", m_path.c_str(), error.c_str());
    }
    else if (!error.empty())
    {
        log.writeLog("Kept '%s', %s", m_path.c_str(), error.c_str());
    }
    return written;
}
