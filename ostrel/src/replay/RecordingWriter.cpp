#include "ostrel/replay/RecordingWriter.h"

#include "ostrel/core/LogManager.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace ostrel
{

namespace
{

// The fewest decimals that read back as exactly the same float ("40.46875", "12"), else nine
// significant digits, which always do. Through the C library's correctly rounded printf and
// strtof: not every C++ library has std::to_chars for floats.
std::string formatFloat(float value)
{
    char text[64];
    for (int decimals = 0; decimals <= 12; ++decimals)
    {
        std::snprintf(text, sizeof(text), "%.*f", decimals, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
        {
            return text;
        }
    }
    std::snprintf(text, sizeof(text), "%.9g", static_cast<double>(value));
    return text;
}

std::string formatPosition(Vector position)
{
    return formatFloat(position.getX()) + " " + formatFloat(position.getY());
}

// "U+00E9", or the name of the key a character stands for.
std::string formatCharacter(char32_t character)
{
    if (character == TEXT_BACKSPACE)
    {
        return "backspace";
    }
    if (character == TEXT_ENTER)
    {
        return "enter";
    }
    char text[16];
    std::snprintf(text, sizeof(text), "U+%04X", static_cast<unsigned>(character));
    return text;
}

} // namespace

bool RecordingWriter::open(const std::string& path)
{
    m_path = path;
    m_file.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!m_file.is_open())
    {
        m_error = std::strerror(errno);
        return false;
    }
    return true;
}

void RecordingWriter::writeHeader(const RecordingHeader& header)
{
    writeLine(RECORDING_FORMAT + " " + std::to_string(RECORDING_FORMAT_VERSION));
    writeLine("game " + header.game + " " + header.game_version);
    writeLine("seed " + std::to_string(header.seed));
    for (const auto& setting : header.settings)
    {
        writeLine("setting " + setting.first + " " + setting.second);
    }
}

void RecordingWriter::writeInput(int step, const InputRecord& input)
{
    writeLine(formatInput(step, input));
}

void RecordingWriter::writeCheckpoint(int step, const RecordingValues& values)
{
    writeLine(formatCheckpoint(step, values));
}

void RecordingWriter::close()
{
    if (m_file.is_open())
    {
        writeLine(RECORDING_END);
        m_file.close();
    }
}

std::string RecordingWriter::formatInput(int step, const InputRecord& input)
{
    const std::string prefix = std::to_string(step) + " ";
    switch (input.kind)
    {
        case InputKind::KEY_PRESS:
            return prefix + "key press " + keyName(input.key);
        case InputKind::KEY_RELEASE:
            return prefix + "key release " + keyName(input.key);
        case InputKind::MOUSE_MOVE:
            return prefix + "mouse move " + formatPosition(input.position);
        case InputKind::MOUSE_CLICK:
            return prefix + "mouse click " + buttonName(input.button) + " " + formatPosition(input.position);
        case InputKind::FOCUS_LOST:
            return prefix + "focus lost";
        case InputKind::FOCUS_GAINED:
            return prefix + "focus gained";
        case InputKind::RESIZE:
            return prefix + "resize " + std::to_string(input.width) + " " + std::to_string(input.height);
        case InputKind::CLOSE:
            return prefix + "close";
        case InputKind::PICTURE_HIDDEN:
            return prefix + "picture hidden";
        case InputKind::PICTURE_SHOWN:
            return prefix + "picture shown";
        case InputKind::MOUSE_RELEASE:
            return prefix + "mouse release " + buttonName(input.button) + " " + formatPosition(input.position);
        case InputKind::MOUSE_WHEEL:
            return prefix + "mouse wheel " + formatFloat(input.wheel) + " " + formatPosition(input.position);
        case InputKind::TEXT:
            return prefix + "text " + formatCharacter(input.character);
    }
    return prefix;
}

std::string RecordingWriter::formatCheckpoint(int step, const RecordingValues& values)
{
    std::string line = std::to_string(step) + " check";
    for (const auto& value : values)
    {
        line += " " + value.first + "=" + value.second;
    }
    return line;
}

void RecordingWriter::writeLine(const std::string& line)
{
    if (!m_file.is_open())
    {
        return;
    }
    m_file << line << '\n';
    m_file.flush();
    if (!m_file.good() && !m_failed)
    {
        m_failed = true;
        const std::string message =
            "Recording: cannot write to '" + m_path + "': " + std::strerror(errno) + "; the recording ends here";
        LogManager::getInstance().writeLog("%s", message.c_str());
        std::cerr << message << std::endl;
    }
}

} // namespace ostrel
