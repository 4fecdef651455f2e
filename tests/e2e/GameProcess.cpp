#include "GameProcess.h"

#include "GlDriver.h"
#include "WaitUntil.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using testing_support::waitUntil;

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

// Under AddressSanitizer, keeps Mesa's software GL driver loaded for the game's whole life
// (see GlDriver.h) by preloading it: the game itself has no test code in it.
void preloadGlDriver()
{
#if defined(__SANITIZE_ADDRESS__)
    if (const char* driver = testing_support::glDriverPath())
    {
        setenv("LD_PRELOAD", driver, 1);
        const char* options = std::getenv("ASAN_OPTIONS");
        const std::string all = std::string(options ? options : "") + ":verify_asan_link_order=0";
        setenv("ASAN_OPTIONS", all.c_str(), 1);
    }
#endif
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
        const int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(err, 2);
        preloadGlDriver();
        // Settings and records of the test's own, in its folder: tests side by side never
        // share a file, nor touch the player's.
        const std::string folder = std::filesystem::current_path().string();
        setenv("XDG_CONFIG_HOME", (folder + "/" + GAME_CONFIG_HOME).c_str(), 1);
        setenv("XDG_STATE_HOME", (folder + "/" + GAME_STATE_HOME).c_str(), 1);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return m_pid > 0;
}

bool GameProcess::waitForWindow()
{
    // Only a mapped window takes the pointer and keys that xdotool sends next.
    return waitUntil(std::chrono::seconds(60),
                     [this]
                     {
                         std::istringstream ids(
                             commandOutput("xdotool search --onlyvisible --name '^Corn Quota$' 2>/dev/null"));
                         ids >> m_window;
                         return !m_window.empty();
                     });
}

bool GameProcess::xdotool(const std::string& arguments) const
{
    std::string command = "xdotool " + arguments;
    for (std::size_t at = command.find("%w"); at != std::string::npos; at = command.find("%w"))
    {
        command.replace(at, 2, m_window);
    }
    return std::system(command.c_str()) == 0;
}

bool GameProcess::screenshot(const std::string& path) const
{
    const std::string command = "import -window " + m_window + " -depth 8 ppm:" + path;
    return std::system(command.c_str()) == 0;
}

int GameProcess::waitForExit(std::chrono::seconds bound)
{
    int status = 0;
    if (waitUntil(bound, [&] { return waitpid(m_pid, &status, WNOHANG) == m_pid; }))
    {
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

bool fileSays(const std::string& path, const std::string& text)
{
    return waitUntil(std::chrono::minutes(2),
                     [&]
                     {
                         std::ifstream file(path);
                         std::stringstream content;
                         content << file.rdbuf();
                         return content.str().find(text) != std::string::npos;
                     });
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
