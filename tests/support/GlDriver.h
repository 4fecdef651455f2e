#pragma once

namespace testing_support
{

// Mesa's software GL driver is unloaded when the last GL context goes, which is before
// LeakSanitizer looks for leaks at exit: the driver's own bookkeeping is then reported as
// leaked from "<unknown module>", where no library suppression can match it. Keeping the
// driver loaded for the whole process keeps that bookkeeping reachable, and anything else
// still reported names its library. Every test process that opens a window calls this
// first; a program the tests start without test code in it gets the driver preloaded.

// The driver's file, or nullptr where none is installed.
const char* glDriverPath();
// Loads the driver for good.
void keepGlDriverLoaded();

} // namespace testing_support
