#pragma once

#include <ostrel/Config.h>

#if OSTREL_WITH_SFML
#include <ostrel/frontend/WindowFrontEnd.h>
#endif

namespace testing_support
{

// Gives the display a headless front end for its next start-up.
void useHeadless();
#if OSTREL_WITH_SFML
// Gives the display a window front end for its next start-up.
void useWindow();
// The display's front end, which must be a window.
ostrel::WindowFrontEnd& windowFrontEnd();
#endif

} // namespace testing_support
