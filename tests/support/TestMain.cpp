// Test entry point shared by every test executable.
#include <gtest/gtest.h>

#include <dlfcn.h>

namespace
{

// Mesa's software GL driver is unloaded before LeakSanitizer looks for leaks, which leaves
// its allocations reported from "<unknown module>", where no library suppression can match
// them. Keeping it loaded for the whole process lets the report name the library.
void keepGlDriverLoaded()
{
    const char* const candidates[] = {
        "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
        "/usr/lib/aarch64-linux-gnu/dri/swrast_dri.so",
        "/usr/lib/dri/swrast_dri.so",
    };
    for (const char* path : candidates)
    {
        if (dlopen(path, RTLD_LAZY | RTLD_NODELETE))
        {
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    keepGlDriverLoaded();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
