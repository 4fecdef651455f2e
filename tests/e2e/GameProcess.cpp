#include "GameProcess.h"

#include "GlDriver.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace
{

std::string commandOutput(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r"))
    {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
        {
            output += buffer;
        }
        pclose(pipe);
    }
    return output;
}

} // namespace

GameProcess::GameProcess() : m_pid(-1) {}

GameProcess::~GameProcess()
{
    if (m_pid > 0)
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

bool GameProcess::start(const std::string& binary)
{
    return start(std::vector<std::string>{binary});
}

bool GameProcess::start(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
    {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0)
    {
        const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(err, 2);
        testing_support::keepGlDriverLoadedInChildren();
        if (!m_display.empty())
        {
            setenv("DISPLAY", m_display.c_str(), 1);
        }
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return m_pid > 0;
}

std::string GameProcess::onDisplay(const std::string& command) const
{
    return m_display.empty() ? command : "DISPLAY=" + m_display + " " + command;
}

bool GameProcess::waitForWindow()
{
    for (int i = 0; i < 300 && m_window.empty(); ++i)
    {
        std::istringstream ids(commandOutput(onDisplay("xdotool search --name '^Corn Quota$' 2>/dev/null")));
        ids >> m_window;
        if (m_window.empty())
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    // Give the game a moment to load its data and draw its first frames.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return !m_window.empty();
}

bool GameProcess::xdotool(const std::string& arguments) const
{
    std::string command = "xdotool " + arguments;
    for (std::size_t at = command.find("%w"); at != std::string::npos; at = command.find("%w"))
    {
        command.replace(at, 2, m_window);
    }
    return std::system(onDisplay(command).c_str()) == 0;
}

bool GameProcess::screenshot(const std::string& path) const
{
    const std::string command = "import -window " + m_window + " -depth 8 ppm:" + path;
    return std::system(onDisplay(command).c_str()) == 0;
}

int GameProcess::waitForExit()
{
    for (int i = 0; i < 100; ++i)
    {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid)
        {
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return -1;
}

bool Image::load(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int max_value = 0;
    file >> magic >> width >> height >> max_value;
    file.get();
    if (magic != "P6" || max_value != 255 || width <= 0 || height <= 0)
    {
        return false;
    }
    pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    file.read(&pixels[0], static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(file);
}

int playAndQuit(GameProcess& game, const std::vector<std::string>& command)
{
    if (!game.start(command) || !game.waitForWindow())
    {
        return -1;
    }
    game.xdotool("mousemove --window %w 500 500 key q");
    return game.waitForExit();
}

OpenDisplay::OpenDisplay() : m_pid(-1)
{
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0)
    {
        return;
    }
    m_pid = fork();
    if (m_pid == 0)
    {
        close(pipe_ends[0]);
        const std::string fd = std::to_string(pipe_ends[1]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        execlp("Xvfb", "Xvfb", "-ac", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipe_ends[1]);
    // The server writes its display number once it accepts clients.
    std::string number;
    char ch = 0;
    while (read(pipe_ends[0], &ch, 1) == 1 && ch != '\n')
    {
        number += ch;
    }
    close(pipe_ends[0]);
    if (!number.empty())
    {
        m_name = ":" + number;
    }
}

OpenDisplay::~OpenDisplay()
{
    if (m_pid > 0)
    {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}
