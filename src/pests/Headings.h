#pragma once

// A pest's direction for a whole angle read as radians: the sine across, the cosine down.
struct Heading
{
    float sine;
    float cosine;
};

const int HEADING_COUNT = 360;

// The heading of an angle in [0, HEADING_COUNT), the same bits on every platform.
const Heading& headingFor(int angle);
