#include "GlDriver.h"

#include <dlfcn.h>
#include <unistd.h>

namespace testing_support
{

const char* glDriverPath()
{
    const char* const candidates[] = {
        "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
        "/usr/lib/aarch64-linux-gnu/dri/swrast_dri.so",
        "/usr/lib/dri/swrast_dri.so",
    };
    for (const char* path : candidates)
    {
        if (access(path, R_OK) == 0)
        {
            return path;
        }
    }
    return nullptr;
}

void keepGlDriverLoaded()
{
    if (const char* path = glDriverPath())
    {
        dlopen(path, RTLD_LAZY | RTLD_NODELETE);
    }
}

} // namespace testing_support
