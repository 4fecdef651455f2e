#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

// The folders, inside the current one, that a started game takes as $XDG_CONFIG_HOME and
// $XDG_STATE_HOME: it keeps its settings and records in their "cornquota" folders.
const char* const GAME_CONFIG_HOME = "xdg-config";
const char* const GAME_STATE_HOME = "xdg-state";

// The real game binary, started in the current folder with its stdout and stderr captured
// (in stdout.txt and stderr.txt) and with
// folders of its own for its settings and records, and driven through xdotool on the test's
// own X display.
class GameProcess
{
public:
    GameProcess();
    ~GameProcess();

    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Starts the game; false if it did not start.
    bool start(const std::string& binary);
    // Starts a command (program and arguments) that runs the game.
    bool start(const std::vector<std::string>& command);
    // Waits up to a minute for the game's window to be mapped; false if none was.
    bool waitForWindow();
    // Runs an xdotool command against the window ("%w" stands for its id).
    bool xdotool(const std::string& arguments) const;
    // Saves the window's pixels as a binary PPM file.
    bool screenshot(const std::string& path) const;
    // Waits up to the bound for the game to end; its exit status, or -1 (killed, or still
    // running, when it is then killed).
    int waitForExit(std::chrono::seconds bound = std::chrono::seconds(60));

    std::string window() const { return m_window; }

private:
    pid_t m_pid;
    std::string m_window;
};

// Waits up to two minutes for the file to hold the text: the game plays its steps in real
// time, and a loaded machine slows them many times over.
bool fileSays(const std::string& path, const std::string& text);

// Starts the command, waits for the game's window and quits with Q: the exit status, or -1
// when the game did not start or its window never appeared.
int playAndQuit(GameProcess& game, const std::vector<std::string>& command);

// An RGB image read from a binary PPM file.
struct Image
{
    int width = 0;
    int height = 0;
    std::string pixels;

    bool load(const std::string& path);
    // How many pixels of the rectangle (in pixels) the predicate accepts.
    template <typename Predicate>
    int count(int x0, int y0, int x1, int y1, Predicate accept) const
    {
        int n = 0;
        for (int y = y0; y < y1 && y < height; ++y)
        {
            for (int x = x0; x < x1 && x < width; ++x)
            {
                const std::size_t i =
                    (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
                n += accept(static_cast<unsigned char>(pixels[i]), static_cast<unsigned char>(pixels[i + 1]),
                            static_cast<unsigned char>(pixels[i + 2]));
            }
        }
        return n;
    }
};
