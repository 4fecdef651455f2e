#pragma once

namespace ostrel
{

// The terminal's own settings and modes while a game holds it, and their restoring on every
// way out. There is one terminal per process, so this state is the process's.
//
// Taking the terminal puts it in raw mode (signal keys still signal), switches to the
// alternate screen, hides the cursor and turns on mouse (SGR, with movement) and focus
// reports. Restoring undoes each of these, each step even if an earlier one failed: at
// releaseTerminal(), at std::exit(), and from the handlers of SIGSEGV, SIGABRT and SIGBUS
// (with write() alone, then the signal is raised again) and of SIGTSTP (SIGCONT takes the
// terminal back). SIGINT, SIGTERM and SIGHUP only note the signal, for the loop to end the
// game in its own time: releaseTerminal() then raises it again, so the exit status tells.
// SIGWINCH notes the size changed.

// Takes the terminal on standard input and output. False, changing nothing, when standard
// input's settings cannot be read.
bool holdTerminal();
// Restores the terminal and the signal handlers found, then raises a noted SIGINT, SIGTERM or
// SIGHUP again. Does nothing when the terminal is not held.
void releaseTerminal();

// The SIGINT, SIGTERM or SIGHUP noted since the terminal was taken; 0 for none.
int closeSignal();
// Whether the terminal's size changed, or the game came back from a stop, since the last
// call: the screen must be read and drawn again.
bool takeScreenLost();

} // namespace ostrel
