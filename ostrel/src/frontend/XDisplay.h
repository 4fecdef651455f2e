#pragma once

namespace ostrel
{

// Whether the X display that $DISPLAY names opens. Asked before SFML opens a window, since
// SFML 2.5 ends the program when it cannot. True when libX11 itself cannot be loaded: the
// window's own attempt then decides.
bool xDisplayOpens();

} // namespace ostrel
