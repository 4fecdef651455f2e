#include "ostrel/frontend/TerminalFrontEnd.h"

#include "frontend/TerminalKeys.h"
#include "frontend/TerminalScreen.h"
#include "frontend/TerminalState.h"
#include "ostrel/core/LogManager.h"
#include "ostrel/graphics/CellGrid.h"
#include "ostrel/graphics/DisplayManager.h"
#include "ostrel/graphics/Overlay.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace ostrel
{

namespace
{

// How long the terminal stays quiet after an Esc before it counts as the Escape key, in microseconds.
const std::int64_t ESCAPE_WAIT = 25000;

const std::string SIZE_MESSAGE_KEY = "terminal-size-";

// The text's characters, one UTF-8 sequence each.
std::vector<std::string> characters(const std::string& text)
{
    std::vector<std::string> result;
    for (std::size_t i = 0; i < text.size();)
    {
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xc0) == 0x80)
        {
            ++length;
        }
        result.push_back(text.substr(i, length));
        i += length;
    }
    return result;
}

// The words of the text in lines of at most `width` characters (a longer word alone on its line).
std::vector<std::string> wrap(const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find(' ', start);
        end = end == std::string::npos ? text.size() : end;
        const std::string word = text.substr(start, end - start);
        const std::string joined = line.empty() ? word : line + " " + word;
        if (!line.empty() && static_cast<int>(characters(joined).size()) > width)
        {
            lines.push_back(line);
            line = word;
        }
        else
        {
            line = joined;
        }
        start = end + 1;
    }
    lines.push_back(line);
    return lines;
}

// The grid's character as the terminal shows it: control and other bytes as '?'.
std::string shownGlyph(char ch)
{
    return std::string(1, ch >= ' ' && ch < 0x7f ? ch : '?');
}

InputRecord plainInput(InputKind kind)
{
    InputRecord input;
    input.kind = kind;
    return input;
}

InputKind mouseKind(TerminalReport::Kind kind)
{
    switch (kind)
    {
        case TerminalReport::MOUSE_PRESS:
            return InputKind::MOUSE_CLICK;
        case TerminalReport::MOUSE_RELEASE:
            return InputKind::MOUSE_RELEASE;
        case TerminalReport::MOUSE_WHEEL:
            return InputKind::MOUSE_WHEEL;
        default:
            return InputKind::MOUSE_MOVE;
    }
}

// A terminal tells only that a key was typed: its press, the text it typed, its release.
void pushKey(std::deque<InputRecord>& pending, const TerminalReport& report)
{
    InputRecord input = plainInput(InputKind::KEY_PRESS);
    input.key = report.key;
    if (report.key != Keyboard::UNDEFINED_KEY)
    {
        pending.push_back(input);
    }
    if (report.character != 0)
    {
        InputRecord text = plainInput(InputKind::TEXT);
        text.character = report.character;
        pending.push_back(text);
    }
    if (report.key != Keyboard::UNDEFINED_KEY)
    {
        input.kind = InputKind::KEY_RELEASE;
        pending.push_back(input);
    }
}

} // namespace

std::string terminalSizeMessage(int need_columns, int need_rows, int columns, int rows)
{
    const std::string title = DisplayManager::getInstance().getTitle();
    return title + " needs " + std::to_string(need_columns) + "\u00d7" + std::to_string(need_rows) +
           "; this terminal is " + std::to_string(columns) + "\u00d7" + std::to_string(rows) +
           ". Make it larger, or press Q to quit.";
}

TerminalFrontEnd::TerminalFrontEnd() : m_keys(std::make_unique<TerminalKeys>())
{
    const char* file = std::getenv("OSTREL_SHOWN_TEXT_FILE");
    m_shown_text_file = file != nullptr ? file : "";
}

TerminalFrontEnd::~TerminalFrontEnd()
{
    close();
}

std::string TerminalFrontEnd::terminalProblem()
{
    const char* term = std::getenv("TERM");
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO))
    {
        return "standard input or output is not a terminal";
    }
    if (term == nullptr || *term == '\0' || std::string(term) == "dumb")
    {
        return "TERM is unset or \"dumb\"";
    }
    return "";
}

int TerminalFrontEnd::open()
{
    const std::string problem = terminalProblem();
    if (!problem.empty())
    {
        LogManager::getInstance().writeLog("Cannot play in the terminal: %s.", problem.c_str());
        return -1;
    }
    if (!holdTerminal())
    {
        LogManager::getInstance().writeLog("Cannot play in the terminal: its settings cannot be read.");
        return -1;
    }
    m_screen = std::make_unique<TerminalScreen>(colorDepthFor(std::getenv("TERM"), std::getenv("COLORTERM")));
    const DisplayManager& display = DisplayManager::getInstance();
    m_grid_columns = display.getHorizontal();
    m_grid_rows = display.getVertical();
    m_too_small = false;
    m_gone = false;
    m_close_sent = false;
    m_shown_text.clear();
    m_open = true;
    readSize();
    return 0;
}

void TerminalFrontEnd::close()
{
    if (!m_open)
    {
        return;
    }
    // The size message stays on the overlay until the next open(): this may run from the
    // display's destructor, after its overlay is gone.
    m_open = false;
    m_pending.clear();
    releaseTerminal();
}

void TerminalFrontEnd::readSize()
{
    struct winsize size = {};
    int columns = m_grid_columns;
    int rows = m_grid_rows;
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0)
    {
        columns = size.ws_col;
        rows = size.ws_row;
    }
    m_screen->resize(columns, rows);
    const bool too_small = columns < m_grid_columns || rows < m_grid_rows;
    m_left = too_small ? 0 : (columns - m_grid_columns) / 2;
    m_top = too_small ? 0 : (rows - m_grid_rows) / 2;
    if (too_small != m_too_small)
    {
        m_pending.push_back(plainInput(too_small ? InputKind::PICTURE_HIDDEN : InputKind::PICTURE_SHOWN));
        m_too_small = too_small;
    }
    showSizeMessage(too_small);
}

void TerminalFrontEnd::showSizeMessage(bool shown)
{
    Overlay& overlay = DisplayManager::getInstance().getOverlay();
    for (int i = 0; i < m_message_lines; ++i)
    {
        overlay.clearText(SIZE_MESSAGE_KEY + std::to_string(i));
    }
    m_message_lines = 0;
    if (!shown)
    {
        return;
    }
    const int columns = m_screen->getColumns();
    const int rows = m_screen->getRows();
    const std::vector<std::string> lines =
        wrap(terminalSizeMessage(m_grid_columns, m_grid_rows, columns, rows), columns);
    const int top = std::max(0, (rows - static_cast<int>(lines.size())) / 2);
    for (const std::string& line : lines)
    {
        const int left = std::max(0, (columns - static_cast<int>(characters(line).size())) / 2);
        overlay.setText(SIZE_MESSAGE_KEY + std::to_string(m_message_lines), left, top + m_message_lines, line);
        ++m_message_lines;
    }
}

void TerminalFrontEnd::present(const CellGrid& grid, const Overlay& overlay)
{
    if (!m_open)
    {
        return;
    }
    m_screen->clear();
    if (!m_too_small)
    {
        for (int row = 0; row < grid.getRows(); ++row)
        {
            for (int col = 0; col < grid.getColumns(); ++col)
            {
                const Cell cell = grid.shownCell(col, row);
                if (cell.ch != ' ' || cell.background)
                {
                    m_screen->put(m_left + col, m_top + row, shownGlyph(cell.ch), cell);
                }
            }
        }
    }
    for (const OverlayText& text : overlay.getTexts())
    {
        const std::vector<std::string> glyphs = characters(text.text);
        for (std::size_t i = 0; i < glyphs.size(); ++i)
        {
            m_screen->put(m_left + text.col + static_cast<int>(i), m_top + text.row, glyphs[i], text.color);
        }
    }
    const std::string out = m_screen->render();
    if (!out.empty())
    {
        writeOut(out);
    }
    writeShownText(grid);
}

void TerminalFrontEnd::writeOut(const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size() && !m_gone)
    {
        const ssize_t written = write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (written > 0)
        {
            done += static_cast<std::size_t>(written);
        }
        else if (written < 0 && errno != EINTR && errno != EAGAIN)
        {
            LogManager::getInstance().writeLog("The terminal is gone: writing to it failed.");
            m_gone = true;
        }
    }
}

void TerminalFrontEnd::writeShownText(const CellGrid& grid)
{
    if (m_shown_text_file.empty())
    {
        return;
    }
    std::string text = grid.shownText();
    if (text == m_shown_text)
    {
        return;
    }
    // Replaced whole, so that a reader never sees half a frame.
    const std::string part = m_shown_text_file + ".part";
    {
        std::ofstream file(part, std::ios::binary | std::ios::trunc);
        file << text;
    }
    std::rename(part.c_str(), m_shown_text_file.c_str());
    m_shown_text = std::move(text);
}

void TerminalFrontEnd::readTerminal()
{
    char bytes[256];
    for (;;)
    {
        const ssize_t count = read(STDIN_FILENO, bytes, sizeof(bytes));
        if (count > 0)
        {
            m_keys->feed(bytes, static_cast<std::size_t>(count));
            m_since_bytes.delta();
            continue;
        }
        if (count < 0 && errno == EINTR)
        {
            continue;
        }
        if (count < 0 && errno != EAGAIN)
        {
            LogManager::getInstance().writeLog("The terminal is gone: reading from it failed.");
            m_gone = true;
        }
        break;
    }
    const bool idle = m_since_bytes.split() >= ESCAPE_WAIT;
    TerminalReport report;
    while (m_keys->next(report, idle))
    {
        const Vector position(static_cast<float>(report.col - m_left) + 0.5f,
                              static_cast<float>(report.row - m_top) + 0.5f);
        switch (report.kind)
        {
            case TerminalReport::KEY:
                // Too small to play in: only the way out.
                if (!m_too_small || report.key == Keyboard::Q)
                {
                    pushKey(m_pending, report);
                }
                break;
            case TerminalReport::MOUSE_PRESS:
            case TerminalReport::MOUSE_MOVE:
            case TerminalReport::MOUSE_RELEASE:
            case TerminalReport::MOUSE_WHEEL:
                if (!m_too_small)
                {
                    InputRecord input = plainInput(mouseKind(report.kind));
                    input.button = report.button;
                    input.position = position;
                    input.wheel = static_cast<float>(report.wheel);
                    m_pending.push_back(input);
                }
                break;
            case TerminalReport::FOCUS_IN:
            case TerminalReport::FOCUS_OUT:
                if (!m_too_small)
                {
                    m_pending.push_back(plainInput(report.kind == TerminalReport::FOCUS_IN ? InputKind::FOCUS_GAINED
                                                                                           : InputKind::FOCUS_LOST));
                }
                break;
        }
    }
}

bool TerminalFrontEnd::pollInput(InputRecord& input)
{
    if (!m_open)
    {
        return false;
    }
    if (m_pending.empty())
    {
        if (takeScreenLost())
        {
            readSize();
        }
        readTerminal();
    }
    if (m_pending.empty())
    {
        if (m_close_sent || (closeSignal() == 0 && !m_gone))
        {
            return false;
        }
        m_close_sent = true;
        input = plainInput(InputKind::CLOSE);
        return true;
    }
    input = m_pending.front();
    m_pending.pop_front();
    return true;
}

} // namespace ostrel
