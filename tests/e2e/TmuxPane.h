#pragma once

#include <sys/types.h>

#include <string>

// A tmux server of the test's own with one detached pane that runs a shell command in the
// current folder. The command's exit status lands in "status.txt" once it ends; the pane then
// stays, so the terminal's state after it can be read.
class TmuxPane
{
public:
    TmuxPane(const std::string& command, int columns, int rows);
    ~TmuxPane();

    TmuxPane(const TmuxPane&) = delete;
    TmuxPane& operator=(const TmuxPane&) = delete;

    // Runs tmux with the arguments against this server; its standard output.
    std::string tmux(const std::string& arguments) const;
    // The pane's text, one line per row with trailing spaces removed.
    std::string text() const;
    // Keys by tmux's names ("Space", "q"), and bytes sent as they are.
    void keys(const std::string& names) const;
    void literal(const std::string& bytes) const;
    // An SGR mouse press of the left button in cell (col, row), counted from 0.
    void click(int col, int row) const;
    void resize(int columns, int rows) const;
    // "alternate_on cursor_flag": "0 1" for a terminal back on its main screen, cursor shown.
    std::string state() const;
    // The process the command started under the pane's shell, or -1 when none runs.
    pid_t game() const;
    // The command's exit status once it ended (128 + the signal for one killed), else -1.
    int status() const;

private:
    std::string m_socket;
};

// The text with trailing spaces removed from each line and trailing empty lines dropped.
std::string trimmedText(const std::string& text);
