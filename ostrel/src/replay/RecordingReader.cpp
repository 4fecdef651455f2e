#include "ostrel/replay/RecordingReader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ostrel
{

namespace
{

// Longer lines are no line the writer makes: the file is damaged.
const std::size_t MAX_LINE = 4096;

std::vector<std::string> splitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= line.size())
    {
        const std::size_t end = line.find(' ', start);
        words.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
        {
            break;
        }
        start = end + 1;
    }
    return words;
}

bool parseInt(const std::string& text, long long low, long long high, long long& value)
{
    const char* end = text.data() + text.size();
    const std::from_chars_result result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= low && value <= high &&
           (text[0] != '0' || text.size() == 1);
}

// A decimal number as the writer writes it ("-12.5", "3e-05", "1e+20"), read with the C
// library's correctly rounded strtof, since not every C++ library has std::from_chars for
// floats. No leading sign but '-', no hexadecimal, no "inf" or "nan".
bool parseFloat(const std::string& text, float& value)
{
    if (text.empty() || text[0] == '+' || text.find_first_not_of("0123456789.-+e") != std::string::npos)
    {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return end == text.c_str() + text.size() && errno == 0 && std::isfinite(value);
}

// A name of a setting or checkpoint value: lower-case letters, digits and '_'.
bool isName(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") == std::string::npos;
}

// A value: printable, without spaces.
bool isValue(const std::string& text)
{
    for (const char ch : text)
    {
        if (ch <= ' ' || ch > '~')
        {
            return false;
        }
    }
    return !text.empty();
}

class Reader
{
public:
    Reader(std::istream& in, std::string name, std::string game, std::string game_version)
        : m_in(in), m_name(std::move(name)), m_game(std::move(game)), m_game_version(std::move(game_version))
    {
    }

    RecordingReadResult read()
    {
        if (readHeader())
        {
            readEntries();
        }
        return std::move(m_result);
    }

private:
    // The next whole line; false at the end of the file or on an error (then set).
    bool nextLine(std::string& line)
    {
        line.clear();
        char ch;
        while (m_in.get(ch))
        {
            if (ch == '\n')
            {
                ++m_line;
                if (!line.empty() && line.back() == '\r')
                {
                    line.pop_back();
                }
                return checkText(line);
            }
            if (line.size() >= MAX_LINE)
            {
                ++m_line;
                return fail("line longer than " + std::to_string(MAX_LINE) + " characters");
            }
            line += ch;
        }
        if (!line.empty())
        {
            ++m_line;
            return fail("truncated: the last line is incomplete");
        }
        return false;
    }

    bool checkText(const std::string& line)
    {
        for (const char ch : line)
        {
            if (ch < ' ' || ch > '~')
            {
                return fail("corrupt: a character that is not printable text");
            }
        }
        return true;
    }

    bool fail(const std::string& what)
    {
        if (m_result.error.empty())
        {
            m_result.error = m_name + ":" + std::to_string(m_line) + ": " + what;
        }
        return false;
    }

    // A header line that must be there; `what` names it for the message when it is not.
    bool headerLine(std::vector<std::string>& words, const std::string& what)
    {
        std::string line;
        if (!nextLine(line))
        {
            if (m_result.error.empty())
            {
                if (m_line == 0)
                {
                    return fail("empty: not a recording");
                }
                ++m_line;
                return fail("truncated: the header ends before " + what);
            }
            return false;
        }
        words = splitWords(line);
        return true;
    }

    bool readHeader()
    {
        std::vector<std::string> words;
        if (!headerLine(words, "the format line"))
        {
            return false;
        }
        long long number = 0;
        if (words.size() != 2 || words[0] != RECORDING_FORMAT)
        {
            return fail("not a recording: the first line is not '" + RECORDING_FORMAT + " VERSION'");
        }
        if (!parseInt(words[1], 0, 1000000, number))
        {
            return fail("corrupt: bad format version '" + words[1] + "'");
        }
        if (number < RECORDING_UNENDED_VERSION || number > RECORDING_FORMAT_VERSION)
        {
            return fail("format version " + words[1] + ", but this game reads versions " +
                        std::to_string(RECORDING_UNENDED_VERSION) + " to " + std::to_string(RECORDING_FORMAT_VERSION));
        }
        m_result.recording.format_version = static_cast<int>(number);
        if (number == RECORDING_UNENDED_VERSION)
        {
            m_result.warnings.push_back(m_name + ":" + std::to_string(m_line) + ": warning: format version " +
                                        words[1] + " has no end line: whether it was cut short cannot be checked");
        }

        if (!headerLine(words, "the game line"))
        {
            return false;
        }
        if (words.size() != 3 || words[0] != "game" || !isValue(words[1]) || !isValue(words[2]))
        {
            return fail("corrupt: expected 'game NAME VERSION'");
        }
        if (words[1] != m_game)
        {
            return fail("a recording of '" + words[1] + "', not of '" + m_game + "'");
        }
        m_result.recording.header.game = words[1];
        m_result.recording.header.game_version = words[2];
        if (words[2] != m_game_version)
        {
            m_result.warnings.push_back(m_name + ":" + std::to_string(m_line) + ": warning: recorded by version " +
                                        words[2] + " of the game, this is " + m_game_version +
                                        "; its checkpoints decide");
        }

        if (!headerLine(words, "the seed line"))
        {
            return false;
        }
        if (words.size() != 2 || words[0] != "seed" || !parseInt(words[1], 0, 0xFFFFFFFFll, number))
        {
            return fail("corrupt: expected 'seed N' with N from 0 to 4294967295");
        }
        m_result.recording.header.seed = static_cast<std::uint32_t>(number);
        return true;
    }

    void readEntries()
    {
        std::string line;
        bool in_settings = true;
        int last_step = 0;
        while (nextLine(line))
        {
            if (m_result.recording.ended)
            {
                fail("corrupt: a line after the end line");
                return;
            }
            if (line == RECORDING_END && m_result.recording.format_version > RECORDING_UNENDED_VERSION)
            {
                m_result.recording.ended = true;
                continue;
            }
            const std::vector<std::string> words = splitWords(line);
            if (words[0] == "setting")
            {
                if (!in_settings)
                {
                    fail("corrupt: a setting after the first step");
                    return;
                }
                if (!readSetting(words))
                {
                    return;
                }
                continue;
            }
            in_settings = false;
            RecordingEntry entry;
            entry.line = m_line;
            long long step = 0;
            if (!parseInt(words[0], 0, 2147483647ll, step))
            {
                fail("corrupt: expected a step number or a setting, found '" + words[0] + "'");
                return;
            }
            entry.step = static_cast<int>(step);
            if (entry.step < last_step)
            {
                fail("corrupt: step " + words[0] + " comes after step " + std::to_string(last_step));
                return;
            }
            last_step = entry.step;
            if (!readEntry(words, entry))
            {
                return;
            }
            m_result.recording.entries.push_back(std::move(entry));
        }
    }

    bool readSetting(const std::vector<std::string>& words)
    {
        if (words.size() != 3 || !isName(words[1]) || !isValue(words[2]))
        {
            return fail("corrupt: expected 'setting NAME VALUE'");
        }
        for (const auto& setting : m_result.recording.header.settings)
        {
            if (setting.first == words[1])
            {
                return fail("corrupt: setting '" + words[1] + "' given twice");
            }
        }
        m_result.recording.header.settings.emplace_back(words[1], words[2]);
        return true;
    }

    bool readPosition(const std::string& x, const std::string& y, InputRecord& input)
    {
        float fx = 0;
        float fy = 0;
        if (!parseFloat(x, fx) || !parseFloat(y, fy))
        {
            return fail("corrupt: bad mouse position '" + x + " " + y + "'");
        }
        input.position = Vector(fx, fy);
        return true;
    }

    // "U+0041" for a printable character, "backspace" or "enter".
    bool readCharacter(const std::string& text, char32_t& character)
    {
        if (text == "backspace" || text == "enter")
        {
            character = text == "backspace" ? TEXT_BACKSPACE : TEXT_ENTER;
            return true;
        }
        unsigned long code = 0;
        const char* end = text.data() + text.size();
        const bool hex = text.size() >= 6 && text.size() <= 8 && text.compare(0, 2, "U+") == 0 &&
                         std::from_chars(text.data() + 2, end, code, 16).ptr == end &&
                         text.find_first_not_of("0123456789ABCDEF", 2) == std::string::npos;
        if (!hex || code > 0x10FFFF || code == TEXT_BACKSPACE || code == TEXT_ENTER ||
            !isTypedCharacter(static_cast<char32_t>(code)))
        {
            return fail("corrupt: bad character '" + text + "' (expected U+XXXX, backspace or enter)");
        }
        character = static_cast<char32_t>(code);
        return true;
    }

    bool readEntry(const std::vector<std::string>& words, RecordingEntry& entry)
    {
        const std::string kind = words.size() > 1 ? words[1] : "";
        const std::string action = words.size() > 2 ? words[2] : "";
        InputRecord& input = entry.input;
        if (kind == "check")
        {
            entry.is_checkpoint = true;
            return readCheckpoint(words, entry);
        }
        if (kind == "key" && words.size() == 4 && (action == "press" || action == "release"))
        {
            input.kind = action == "press" ? InputKind::KEY_PRESS : InputKind::KEY_RELEASE;
            return keyFromName(words[3], input.key) || fail("corrupt: unknown key '" + words[3] + "'");
        }
        if (kind == "mouse" && words.size() == 5 && action == "move")
        {
            input.kind = InputKind::MOUSE_MOVE;
            return readPosition(words[3], words[4], input);
        }
        if (kind == "mouse" && words.size() == 6 && (action == "click" || action == "release"))
        {
            input.kind = action == "click" ? InputKind::MOUSE_CLICK : InputKind::MOUSE_RELEASE;
            if (!buttonFromName(words[3], input.button))
            {
                return fail("corrupt: unknown mouse button '" + words[3] + "'");
            }
            return readPosition(words[4], words[5], input);
        }
        if (kind == "mouse" && words.size() == 6 && action == "wheel")
        {
            input.kind = InputKind::MOUSE_WHEEL;
            if (!parseFloat(words[3], input.wheel))
            {
                return fail("corrupt: bad wheel turn '" + words[3] + "'");
            }
            return readPosition(words[4], words[5], input);
        }
        if (kind == "text" && words.size() == 3)
        {
            input.kind = InputKind::TEXT;
            return readCharacter(action, input.character);
        }
        if (kind == "picture" && words.size() == 3 && (action == "hidden" || action == "shown"))
        {
            input.kind = action == "hidden" ? InputKind::PICTURE_HIDDEN : InputKind::PICTURE_SHOWN;
            return true;
        }
        if (kind == "focus" && words.size() == 3 && (action == "lost" || action == "gained"))
        {
            input.kind = action == "lost" ? InputKind::FOCUS_LOST : InputKind::FOCUS_GAINED;
            return true;
        }
        if (kind == "resize" && words.size() == 4)
        {
            long long width = 0;
            long long height = 0;
            if (!parseInt(words[2], 1, 100000, width) || !parseInt(words[3], 1, 100000, height))
            {
                return fail("corrupt: bad window size '" + words[2] + " " + words[3] + "'");
            }
            input.kind = InputKind::RESIZE;
            input.width = static_cast<int>(width);
            input.height = static_cast<int>(height);
            return true;
        }
        if (kind == "close" && words.size() == 2)
        {
            input.kind = InputKind::CLOSE;
            return true;
        }
        return fail("corrupt: not an input or a checkpoint: '" + kind + (action.empty() ? "" : " " + action) + "'");
    }

    bool readCheckpoint(const std::vector<std::string>& words, RecordingEntry& entry)
    {
        if (words.size() < 3)
        {
            return fail("corrupt: a checkpoint without values");
        }
        for (std::size_t i = 2; i < words.size(); ++i)
        {
            const std::size_t equals = words[i].find('=');
            const std::string name = words[i].substr(0, equals);
            const std::string value = equals == std::string::npos ? "" : words[i].substr(equals + 1);
            if (!isName(name) || !isValue(value))
            {
                return fail("corrupt: bad checkpoint value '" + words[i] + "' (expected NAME=VALUE)");
            }
            for (const auto& noted : entry.checkpoint)
            {
                if (noted.first == name)
                {
                    return fail("corrupt: checkpoint value '" + name + "' given twice");
                }
            }
            entry.checkpoint.emplace_back(name, value);
        }
        return true;
    }

    std::istream& m_in;
    std::string m_name;
    std::string m_game;
    std::string m_game_version;
    int m_line = 0;
    RecordingReadResult m_result;
};

} // namespace

RecordingReadResult readRecording(std::istream& in, const std::string& name, const std::string& game,
                                  const std::string& game_version)
{
    return Reader(in, name, game, game_version).read();
}

RecordingReadResult readRecordingFile(const std::string& path, const std::string& game, const std::string& game_version)
{
    RecordingReadResult result;
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
    {
        result.error = path + " is a folder, not a recording";
        return result;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
    {
        result.error = path + ": cannot open: " + std::strerror(errno);
        return result;
    }
    return readRecording(file, path, game, game_version);
}

} // namespace ostrel
