#pragma once

namespace ostrel
{

// Sends SFML's error stream (sf::err()) into the log, a line at a time, instead of the
// player's terminal; while the log is not started the lines go to stderr as before. Safe to
// call any number of times.
void routeSfmlErrorsToLog();

} // namespace ostrel
