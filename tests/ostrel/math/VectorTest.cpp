#include <gtest/gtest.h>
#include <ostrel/math/Vector.h>

#include <cmath>

using namespace ostrel;

TEST(Vector, NormalizeAndMagnitude)
{
    Vector v(3, 4);
    EXPECT_FLOAT_EQ(v.getMagnitude(), 5.0f);
    v.normalize();
    EXPECT_FLOAT_EQ(v.getX(), 0.6f);
    EXPECT_FLOAT_EQ(v.getY(), 0.8f);

    Vector zero;
    zero.normalize();
    EXPECT_EQ(zero, Vector(0, 0));
}

TEST(Vector, EqualityIsExact)
{
    EXPECT_EQ(Vector(1, 2), Vector(1, 2));
    EXPECT_NE(Vector(1, 2), Vector(1, 2.0001f));
    EXPECT_FALSE(Vector(NAN, 0) == Vector(NAN, 0));
    EXPECT_EQ(Vector(1, 2) + Vector(0.5f, -3), Vector(1.5f, -1));
}
