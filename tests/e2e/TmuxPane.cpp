#include "TmuxPane.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace
{

// Single quotes around the text for the shell.
std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (char ch : text)
    {
        result += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return result + "'";
}

std::string output(const std::string& command)
{
    std::string result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
    {
        return result;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0)
    {
        result.append(buffer, count);
    }
    pclose(pipe);
    return result;
}

} // namespace

std::string trimmedText(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    std::string result;
    std::string blank_run;
    while (std::getline(lines, line))
    {
        line.erase(line.find_last_not_of(' ') + 1);
        if (line.empty())
        {
            blank_run += "\n";
            continue;
        }
        result += blank_run + line + "\n";
        blank_run.clear();
    }
    return result;
}

TmuxPane::TmuxPane(const std::string& command, int columns, int rows)
{
    static std::atomic<int> count{0};
    m_socket = "cornquota-test-" + std::to_string(getpid()) + "-" + std::to_string(count++);
    // The pane outlives the command, whatever state it left the terminal in (a dead pane's
    // cursor is tmux's own), so that the terminal's state after it can be read.
    const std::string script = command + "; echo $? > status.txt; exec sleep infinity";
    tmux("new-session -d -x " + std::to_string(columns) + " -y " + std::to_string(rows) + " " +
         quoted("exec sh -c " + quoted(script)));
}

TmuxPane::~TmuxPane()
{
    tmux("kill-server");
}

std::string TmuxPane::tmux(const std::string& arguments) const
{
    return output("tmux -L " + m_socket + " -f /dev/null " + arguments + " 2>/dev/null");
}

std::string TmuxPane::text() const
{
    return trimmedText(tmux("capture-pane -p"));
}

void TmuxPane::keys(const std::string& names) const
{
    tmux("send-keys " + names);
}

void TmuxPane::literal(const std::string& bytes) const
{
    tmux("send-keys -l " + quoted(bytes));
}

void TmuxPane::click(int col, int row) const
{
    const std::string at = std::to_string(col + 1) + ";" + std::to_string(row + 1);
    literal("\x1b[<0;" + at + "M\x1b[<0;" + at + "m");
}

void TmuxPane::resize(int columns, int rows) const
{
    tmux("resize-window -x " + std::to_string(columns) + " -y " + std::to_string(rows));
}

std::string TmuxPane::state() const
{
    std::string flags = tmux("display -p '#{alternate_on} #{cursor_flag}'");
    flags.erase(flags.find_last_not_of('\n') + 1);
    return flags;
}

pid_t TmuxPane::game() const
{
    const std::string shell = tmux("display -p '#{pane_pid}'");
    std::ifstream children("/proc/" + std::to_string(std::atoi(shell.c_str())) + "/task/" +
                           std::to_string(std::atoi(shell.c_str())) + "/children");
    pid_t child = -1;
    return children >> child ? child : -1;
}

int TmuxPane::status() const
{
    std::ifstream file("status.txt");
    int status = -1;
    return file >> status ? status : -1;
}
