#pragma once

#include "ostrel/graphics/FrontEnd.h"
#include "ostrel/system/Clock.h"

#include <deque>
#include <memory>
#include <string>

namespace ostrel
{

class TerminalKeys;
class TerminalScreen;

// The overlay's message while the terminal is smaller than the grid.
std::string terminalSizeMessage(int need_columns, int need_rows, int columns, int rows);

// Shows the grid in the terminal on standard input and output, with plain escape sequences:
// on the alternate screen, centred, each frame in one write of the cells that changed. Keys
// arrive as a press then a release (terminals send no releases), a mouse press in a cell as
// a click at the cell's centre, mouse movement as moves, and the terminal's focus reports as
// focus changes. While the terminal is smaller than the grid, the overlay says so and the
// game gets a focus loss (a focus gain once it is large enough again), which pauses a day as
// a window losing the focus does. SIGINT, SIGTERM and SIGHUP, and a terminal gone, arrive as
// a close; the terminal is restored on every way out (see TerminalState.h).
//
// For tests only: OSTREL_SHOWN_TEXT_FILE names a file that holds the shownText() of the last
// frame presented, replaced whole at each change.
class TerminalFrontEnd : public FrontEnd
{
public:
    TerminalFrontEnd();
    ~TerminalFrontEnd() override;

    // Why this process cannot play in a terminal: standard input or output is none, or TERM is
    // unset or "dumb". Empty when it can.
    static std::string terminalProblem();

    std::string getName() const override { return "terminal"; }
    // -1, touching nothing, when terminalProblem() says why (in the log).
    int open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void present(const CellGrid& grid, const Overlay& overlay) override;
    bool pollInput(InputRecord& input) override;

private:
    // Reads the terminal's size again, pausing or going on as it became too small or large enough.
    void readSize();
    void showSizeMessage(bool shown);
    // Reads what the terminal sent into pending input.
    void readTerminal();
    // Writes the whole text; a failed write means the terminal is gone.
    void writeOut(const std::string& text);
    void writeShownText(const CellGrid& grid);

    std::unique_ptr<TerminalScreen> m_screen;
    std::unique_ptr<TerminalKeys> m_keys;
    std::deque<InputRecord> m_pending;
    bool m_open = false;
    int m_grid_columns = 0;
    int m_grid_rows = 0;
    int m_left = 0; // where the grid's top-left cell lies on the screen
    int m_top = 0;
    bool m_too_small = false;
    int m_message_lines = 0;
    bool m_gone = false;
    bool m_close_sent = false;
    Clock m_since_bytes;
    std::string m_shown_text_file;
    std::string m_shown_text;
};

} // namespace ostrel
