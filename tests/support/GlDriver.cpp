#include "GlDriver.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace testing_support
{

void keepGlDriverLoadedInChildren()
{
#if defined(__SANITIZE_ADDRESS__)
    const char* const driver = "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so";
    if (access(driver, R_OK) == 0)
    {
        setenv("LD_PRELOAD", driver, 1);
        const char* options = std::getenv("ASAN_OPTIONS");
        const std::string all = std::string(options ? options : "") + ":verify_asan_link_order=0";
        setenv("ASAN_OPTIONS", all.c_str(), 1);
    }
#endif
}

} // namespace testing_support
