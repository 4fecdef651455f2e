// Test entry point shared by every test executable.
#include "GlDriver.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing_support::keepGlDriverLoaded();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
