#include "pests/Headings.h"

#include <gtest/gtest.h>

#include <cmath>

// The table stands in for std::sin and std::cos, whose last bits differ between C libraries;
// on this machine it must give exactly what they give.
TEST(Headings, EveryEntryIsTheLibraryValueRoundedToFloat)
{
    for (int angle = 0; angle < HEADING_COUNT; ++angle)
    {
        EXPECT_EQ(headingFor(angle).sine, static_cast<float>(std::sin(angle))) << "angle " << angle;
        EXPECT_EQ(headingFor(angle).cosine, static_cast<float>(std::cos(angle))) << "angle " << angle;
    }
}
