#include "frontend/TerminalState.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace ostrel
{

namespace
{

// Alternate screen, cursor hidden, mouse reports (presses, drags, movement) in SGR form, focus reports.
const char ENTER_SEQUENCE[] = "\x1b[?1049h\x1b[?25l\x1b[?1000h\x1b[?1002h\x1b[?1003h\x1b[?1006h\x1b[?1004h";

// The restoring steps, in order; each is written on its own, so that one failing skips none.
const char* const RESTORE_STEPS[] = {
    "\x1b[?1049l",                                  // leave the alternate screen
    "\x1b[?25h",                                    // show the cursor
    "\x1b[?1003l\x1b[?1002l\x1b[?1000l\x1b[?1006l", // mouse reports off
    "\x1b[?1004l",                                  // focus reports off
    "\x1b[0m",                                      // colours back to the terminal's own
};

const int CLOSE_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP};
const int CRASH_SIGNALS[] = {SIGSEGV, SIGABRT, SIGBUS};
const int HANDLED_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP, SIGSEGV, SIGABRT, SIGBUS, SIGTSTP, SIGWINCH};
const int HANDLED_COUNT = sizeof(HANDLED_SIGNALS) / sizeof(HANDLED_SIGNALS[0]);

struct termios g_saved_settings;
struct sigaction g_saved_actions[HANDLED_COUNT];
volatile std::sig_atomic_t g_held = 0;
volatile std::sig_atomic_t g_close_signal = 0;
volatile std::sig_atomic_t g_screen_lost = 0;
bool g_exit_hook = false;

void writeAll(const char* text)
{
    std::size_t left = std::strlen(text);
    while (left > 0)
    {
        const ssize_t written = write(STDOUT_FILENO, text, left);
        if (written < 0 && errno == EINTR)
        {
            continue;
        }
        if (written <= 0)
        {
            return;
        }
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}

// Async-signal-safe: writes and tcsetattr() only.
void restoreModes()
{
    for (const char* step : RESTORE_STEPS)
    {
        writeAll(step);
    }
    tcsetattr(STDIN_FILENO, TCSANOW, &g_saved_settings);
}

// Async-signal-safe too.
void enterModes()
{
    struct termios raw = g_saved_settings;
    raw.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR | ISTRIP | BRKINT);
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    writeAll(ENTER_SEQUENCE);
}

void onCloseSignal(int signal)
{
    if (g_close_signal != 0)
    {
        // Asked twice: the game did not end in time, so end it now.
        restoreModes();
        std::signal(signal, SIG_DFL);
        raise(signal);
        return;
    }
    g_close_signal = signal;
}

void onCrashSignal(int signal)
{
    const int saved_errno = errno;
    restoreModes();
    std::signal(signal, SIG_DFL);
    // Blocked while this handler runs: it strikes as soon as the handler returns.
    raise(signal);
    errno = saved_errno;
}

void onResize(int)
{
    g_screen_lost = 1;
}

void onStop(int)
{
    const int saved_errno = errno;
    restoreModes();
    struct sigaction stop = {};
    stop.sa_handler = SIG_DFL;
    sigaction(SIGTSTP, &stop, nullptr);
    sigset_t tstp;
    sigemptyset(&tstp);
    sigaddset(&tstp, SIGTSTP);
    raise(SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &tstp, nullptr);
    // Stopped here until SIGCONT.
    stop.sa_handler = onStop;
    sigaction(SIGTSTP, &stop, nullptr);
    enterModes();
    g_screen_lost = 1;
    errno = saved_errno;
}

void (*handlerFor(int signal))(int)
{
    for (int close : CLOSE_SIGNALS)
    {
        if (close == signal)
        {
            return onCloseSignal;
        }
    }
    for (int crash : CRASH_SIGNALS)
    {
        if (crash == signal)
        {
            return onCrashSignal;
        }
    }
    return signal == SIGTSTP ? onStop : onResize;
}

void releaseAtExit()
{
    releaseTerminal();
}

} // namespace

bool holdTerminal()
{
    if (g_held != 0)
    {
        return true;
    }
    if (tcgetattr(STDIN_FILENO, &g_saved_settings) != 0)
    {
        return false;
    }
    g_close_signal = 0;
    g_screen_lost = 0;
    for (int i = 0; i < HANDLED_COUNT; ++i)
    {
        struct sigaction action = {};
        action.sa_handler = handlerFor(HANDLED_SIGNALS[i]);
        sigemptyset(&action.sa_mask);
        sigaction(HANDLED_SIGNALS[i], &action, &g_saved_actions[i]);
    }
    if (!g_exit_hook)
    {
        g_exit_hook = std::atexit(releaseAtExit) == 0;
    }
    enterModes();
    g_held = 1;
    return true;
}

void releaseTerminal()
{
    if (g_held == 0)
    {
        return;
    }
    g_held = 0;
    restoreModes();
    for (int i = 0; i < HANDLED_COUNT; ++i)
    {
        sigaction(HANDLED_SIGNALS[i], &g_saved_actions[i], nullptr);
    }
    if (g_close_signal != 0)
    {
        raise(g_close_signal);
    }
}

int closeSignal()
{
    return g_close_signal;
}

bool takeScreenLost()
{
    const bool lost = g_screen_lost != 0;
    g_screen_lost = 0;
    return lost;
}

} // namespace ostrel
